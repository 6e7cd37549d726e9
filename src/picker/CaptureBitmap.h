#pragma once
// The captured screen square: a 32-bit top-down DIB section, pixels 0x00RRGGBB, row-major.
#include "win/Handles.h"

#include <cstdint>

namespace huex {

class CaptureBitmap {
  public:
    static constexpr int side = 33;

    // Replaces any existing bitmap; false (and empty) when the section cannot be made.
    bool create(int width, int height);
    void destroy();

    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    [[nodiscard]] std::uint32_t* bits() const { return bits_; }
    [[nodiscard]] const BITMAPINFOHEADER& header() const { return header_; }
    [[nodiscard]] const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(&header_); }
    [[nodiscard]] HBITMAP bitmap() const { return bitmap_.get(); }
    [[nodiscard]] bool empty() const { return !bitmap_; }
    [[nodiscard]] std::size_t imageBytes() const { return header_.biSizeImage; }

  private:
    int width_ = 0, height_ = 0;
    std::uint32_t* bits_ = nullptr;
    BITMAPINFOHEADER header_{};
    win::UniqueBitmap bitmap_;
};

} // namespace huex
