#pragma once
// A square of screen pixels read into memory, for a zoom view that changes the pixels it shows:
// the view is drawn from a simulated copy, while these true pixels stay for the live sample.
#include "picker/CaptureBitmap.h"
#include "win/Handles.h"

#include <cstdint>
#include <optional>
#include <span>

namespace huex {

struct Rect;

class ScreenSquare {
  public:
    // Reads the source rectangle (a square) of `screen`; false when the memory for it is missing.
    bool read(HDC screen, const Rect& source);
    [[nodiscard]] const CaptureBitmap& bitmap() const { return bitmap_; }
    // 0x00RRGGBB, row-major; empty before the first read.
    [[nodiscard]] std::span<const std::uint32_t> pixels() const;

  private:
    CaptureBitmap bitmap_;
    win::UniqueMemoryDc dc_;
    std::optional<win::SelectGuard> select_; // bitmap_ in dc_, put back before either goes
};

} // namespace huex
