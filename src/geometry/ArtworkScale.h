#pragma once
// Which of the drawn artwork sizes a window shows. Icons, cursors and bitmaps are drawn for
// 100, 125, 150 and 200 % (96, 120, 144 and 192 DPI); a screen in between gets the next larger
// drawing rather than a smaller one stretched up, and a screen beyond 200 % the largest.
#include "geometry/Scale.h"

#include <iterator>
#include <span>

namespace huex {

inline constexpr int kArtworkDpis[] = {96, 120, 144, 192};

// The index into kArtworkDpis of the artwork a window at `dpi` shows.
constexpr int artworkVariant(int dpi) {
    const int count = static_cast<int>(std::size(kArtworkDpis));
    for (int i = 0; i < count; ++i) {
        if (kArtworkDpis[i] >= dpi) return i;
    }
    return count - 1;
}

constexpr Scale artworkScale(int dpi) {
    return Scale{kArtworkDpis[artworkVariant(dpi)]};
}

// The smallest of the drawn `sides` (ascending) that is at least `wanted`, else the largest.
constexpr int drawnSideFor(int wanted, std::span<const int> sides) {
    for (int side : sides) {
        if (side >= wanted) return side;
    }
    return sides.empty() ? wanted : sides.back();
}

} // namespace huex
