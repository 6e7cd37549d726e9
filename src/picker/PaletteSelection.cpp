#include "picker/PaletteSelection.h"

#include <algorithm>

namespace huex {

namespace {
int cellsInUse(const Palette& palette) {
    return std::clamp(palette.count, 0, Palette::capacity);
}
} // namespace

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

int wheelStepCell(const Palette& palette, const SelectionMarks& marks, bool towardUser, bool extend) {
    const int n = cellsInUse(palette);
    if (n == 0) return -1;
    if (extend) {
        const int next = marks.cursor + (towardUser ? 1 : -1);
        return next >= 0 && next < n ? next : -1;
    }
    const int first = firstSelectedCell(palette), last = lastSelectedCell(palette);
    if (first < 0 || first >= n) return 0;
    const bool single = selectedCellCount(palette) == 1;
    if (towardUser) return single && last < n - 1 ? last + 1 : std::min(last, n - 1);
    return single && first > 0 ? first - 1 : first;
}

void advancePaletteSelection(Palette& palette, SelectionMarks& marks) {
    const int n = cellsInUse(palette);
    auto& selected = palette.selected;
    int cell = firstSelectedCell(palette);
    if (cell < 0 || cell >= n) cell = -1;
    while (cell >= 0 && cell < n && selected[cell]) selected[cell++] = false;
    const int next = cell >= 0 && cell < n ? cell : 0;
    selected.fill(false);
    if (n > 0) selected[next] = true;
    marks.cursor = next;
}

void storeInSelectedCells(Palette& palette, const RgbColor& color) {
    for (int i = 0; i < cellsInUse(palette); ++i)
        if (palette.selected[i]) palette.colors[i] = color;
}

int selectedCellCount(const Palette& palette) {
    int count = 0;
    for (int i = 0; i < cellsInUse(palette); ++i) count += palette.selected[i] ? 1 : 0;
    return count;
}

} // namespace huex
