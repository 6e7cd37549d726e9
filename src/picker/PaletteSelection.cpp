#include "picker/PaletteSelection.h"

#include <algorithm>

namespace huex {

void selectPaletteCell(Palette& palette, SelectionMarks& marks, int cell, bool ctrl, bool shift) {
    if (cell < 0 || cell >= Palette::capacity) return;
    auto& selected = palette.selected;
    if (ctrl) {
        selected[cell] = !selected[cell];
    } else if (shift) {
        selected.fill(false);
        const int from = std::clamp(std::min(marks.anchor, cell), 0, Palette::capacity - 1);
        const int to = std::clamp(std::max(marks.anchor, cell), 0, Palette::capacity - 1);
        for (int i = from; i <= to; ++i) selected[i] = true;
        marks.cursor = cell;
        return;
    } else {
        selected.fill(false);
        selected[cell] = true;
    }
    marks.anchor = cell;
    marks.cursor = cell;
}

} // namespace huex
