#pragma once
// Palette selection by click: Ctrl toggles a cell, Shift selects the range from the anchor,
// a plain click selects one cell.
#include "color/Palette.h"

namespace huex {

struct SelectionMarks {
    int anchor = 0, cursor = 0;
};

void selectPaletteCell(Palette& palette, SelectionMarks& marks, int cell, bool ctrl, bool shift);

} // namespace huex
