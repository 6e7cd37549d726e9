#include "picker/ScreenSquare.h"

#include "geometry/Geometry.h"

namespace huex {

bool ScreenSquare::read(HDC screen, const Rect& source) {
    const int side = source.width();
    if (side <= 0) return false;
    if (bitmap_.width() != side || !dc_) {
        select_.reset();
        dc_.reset();
        if (!bitmap_.create(side, side)) return false;
        dc_.reset(CreateCompatibleDC(nullptr));
        if (!dc_) return false;
        select_.emplace(dc_.get(), bitmap_.bitmap());
    }
    const bool copied =
        BitBlt(dc_.get(), 0, 0, side, side, screen, source.left, source.top, SRCCOPY) != FALSE;
    GdiFlush(); // the pixels are read straight from the section's memory
    return copied;
}

std::span<const std::uint32_t> ScreenSquare::pixels() const {
    if (bitmap_.empty()) return {};
    return {bitmap_.bits(), bitmap_.imageBytes() / 4};
}

} // namespace huex
