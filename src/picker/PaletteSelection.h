#pragma once
// Palette selection rules shared by the mouse and the keyboard: selection by click (Ctrl toggles a
// cell, Shift selects the range from the anchor, a plain click selects one cell), stepping the
// selection with the wheel, and advancing it after a colour was stored.
#include "color/Palette.h"

namespace huex {

struct SelectionMarks {
    int anchor = 0, cursor = 0;
};

void selectPaletteCell(Palette& palette, SelectionMarks& marks, int cell, bool ctrl, bool shift);

// Cell that one wheel notch selects (by click, so Shift and Ctrl still extend or toggle), or -1
// when the notch does nothing. `towardUser` is a negative wheel delta; `extend` is Shift or Ctrl
// held. With nothing selected a plain notch selects cell 0.
int wheelStepCell(const Palette& palette, const SelectionMarks& marks, bool towardUser, bool extend);

// After a colour was stored into the selection: the first run of selected cells is cleared and the
// cell after it becomes the only selection and the cursor; past the last cell it wraps to cell 0.
void advancePaletteSelection(Palette& palette, SelectionMarks& marks);

// Every selected cell in use takes the colour.
void storeInSelectedCells(Palette& palette, const RgbColor& color);

// Number of selected cells in use.
int selectedCellCount(const Palette& palette);

} // namespace huex
