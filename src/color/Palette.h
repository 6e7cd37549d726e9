#pragma once
// The custom colour palette and the operations over its selected cells.
#include "color/Color.h"

#include <array>

namespace huex {

struct Palette {
    static constexpr int capacity = 10;
    int count = 7;                           // paletteCount
    std::array<RgbColor, capacity> colors{}; // palette
    std::array<bool, capacity> selected{};   // paletteSelected
};

void paletteGradientRgb(Palette& p);
void paletteGradientHsb(Palette& p);
RgbColor paletteMean(const Palette& p);
int firstSelectedCell(const Palette& p);
int lastSelectedCell(const Palette& p);

} // namespace huex
