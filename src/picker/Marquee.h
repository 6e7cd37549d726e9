#pragma once
// The marching-ants marquee round the picked pixel and the sample block: where it runs, the colour
// of each of its pixels, and how its phase advances.
#include "color/Color.h"
#include "geometry/Geometry.h"
#include "picker/Magnifier.h"

#include <optional>
#include <vector>

namespace huex {

inline constexpr ColorRef kMarqueeBlack = 0x000000;
inline constexpr ColorRef kMarqueeWhite = 0xFFFFFF;

// Rectangles the marquee runs along, each on the outermost pixels of the blocks round its target:
// the picked pixel's block, and the whole sample block when the sample is 3 or 5 pixels wide.
struct MarqueeRects {
    Rect picked;
    std::optional<Rect> block;
};
MarqueeRects marqueeRects(const MagnifierState& s, ViewGrid grid);
inline MarqueeRects marqueeRects(const MagnifierState& s) {
    return marqueeRects(s, unscaledGrid(sanitized(s)));
}

struct MarqueePixel {
    Point at;
    ColorRef color; // kMarqueeBlack or kMarqueeWhite, for SetPixelV
};

// Colour of a border pixel of `r` for dashes `period` pixels long at animation `phase`: diagonal
// dashes that move one pixel towards the lower right as the phase grows. A period below 1 counts
// as 1.
ColorRef marqueeColorAt(const Rect& r, Point p, int period, int phase);

// Every pixel of the one-pixel border of `r`, each once: the top and bottom rows over the full
// width, then the left and right columns between them.
std::vector<MarqueePixel> marqueePixels(const Rect& r, int period, int phase);

// Phase after one animation tick: one more, back to 0 at 2 x period (or when out of range).
int nextMarqueePhase(int phase, int period);

} // namespace huex
