#include "picker/PickerActions.h"

#include "picker/PaletteSelection.h"
#include "picker/PointerRegions.h"

#include <array>

namespace huex {

namespace {
constexpr int kNamedColorFirst = 368;
// The colour menu's 16 named colours, in command order, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 16> kNamedColors{
    0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000080, 0x0000FF, 0x800080, 0xFF00FF,
    0x008000, 0x00FF00, 0x008080, 0x00FFFF, 0x800000, 0xFF0000, 0x808000, 0xFFFF00,
};

double byteFraction(std::uint32_t byte) {
    return static_cast<double>(byte & 0xFF) / 255.0;
}

void selectByClick(PickerState& s, int cell, bool ctrl, bool shift) {
    SelectionMarks marks{s.selectionAnchor, s.selectionCursor};
    selectPaletteCell(s.palette, marks, cell, ctrl, shift);
    s.selectionAnchor = marks.anchor;
    s.selectionCursor = marks.cursor;
}

void endDrag(PickerState& s) {
    s.dragMode = DragMode::idle;
    s.dropHoverCell = -1;
}
} // namespace

std::optional<RgbColor> namedColor(int commandId) {
    const int i = commandId - kNamedColorFirst;
    if (i < 0 || i >= static_cast<int>(kNamedColors.size())) return std::nullopt;
    const std::uint32_t rgb = kNamedColors[static_cast<std::size_t>(i)];
    return RgbColor{byteFraction(rgb >> 16), byteFraction(rgb >> 8), byteFraction(rgb)};
}

RgbColor roundedToBytes(const RgbColor& c) {
    return colorrefToRgb(rgbToColorref(c));
}

RgbColor modifiedCurrent(const PickerState& s, ColorMode mode) {
    return modifiedColor(mode, s.currentColor);
}

void clickPaletteCell(PickerState& s, int cell, bool ctrl, bool shift) {
    selectByClick(s, cell, ctrl, shift);
    s.currentColor = paletteMean(s.palette);
    s.paletteActive = 1;
    s.zoomActive = 0;
}

void clickZoomView(PickerState& s, Point p) {
    s.magnifier.pickOffset = clickedPickOffset(s.magnifier, p, s.layout.viewGrid());
    s.zoomActive = 1;
    s.paletteActive = 0;
}

void beginPipetteDrag(PickerState& s) {
    s.savedCenter = s.captureCenter;
    s.focusOnColor2 = 0;
    s.zoomActive = 1;
    s.focusOnColor1 = 1;
    s.paletteActive = 0;
    s.dragMode = DragMode::pipette;
    s.savedPickOffset = s.magnifier.pickOffset;
    s.savedViewOffset = s.magnifier.viewOffset;
    s.magnifier.pickOffset = {0, 0};
    s.magnifier.viewOffset = {0, 0};
}

void placePickAt(PickerState& s, Point at) {
    const DragMode before = s.dragMode;
    beginPipetteDrag(s);
    s.dragMode = before;
    s.captureCenter = at;
}

void cancelPipetteDrag(PickerState& s) {
    endDrag(s);
    s.magnifier.pickOffset = s.savedPickOffset;
    s.magnifier.viewOffset = s.savedViewOffset;
    s.captureCenter = s.savedCenter;
}

void beginColorDrag(PickerState& s, bool fromModifiedSwatch) {
    if (!fromModifiedSwatch) {
        s.focusOnColor1 = 1;
        s.focusOnColor2 = 0;
    }
    s.dragMode = DragMode::color;
}

void focusModifiedColor(PickerState& s) {
    s.focusOnColor1 = 0;
    s.focusOnColor2 = 1;
}

bool dropColor(PickerState& s, ColorMode mode, int cell, bool overColorSwatch) {
    bool changed = false;
    if (cell >= 0 && cell < s.palette.count && cell < Palette::capacity) {
        const RgbColor dragged = s.focusOnColor1 ? s.currentColor : modifiedCurrent(s, mode);
        s.palette.colors[static_cast<std::size_t>(cell)] = roundedToBytes(dragged);
        if (s.paletteActive) {
            s.currentColor = paletteMean(s.palette);
            changed = true;
        }
    }
    if (s.focusOnColor2) {
        if (overColorSwatch) {
            s.currentColor = modifiedCurrent(s, mode);
            s.paletteActive = 0;
            s.zoomActive = 0;
        }
        changed = true;
    }
    s.focusOnColor1 = 1;
    s.focusOnColor2 = 0;
    endDrag(s);
    return changed;
}

void cancelColorDrag(PickerState& s) {
    s.focusOnColor1 = 1;
    s.focusOnColor2 = 0;
    endDrag(s);
}

bool rightClickPaletteCell(PickerState& s, int cell) {
    s.colorMenuTarget = 1;
    if (cell < 0 || cell >= Palette::capacity || s.palette.selected[static_cast<std::size_t>(cell)])
        return false;
    s.palette.selected.fill(false);
    s.palette.selected[static_cast<std::size_t>(cell)] = true;
    s.selectionAnchor = s.selectionCursor = cell;
    if (s.paletteActive) s.currentColor = s.palette.colors[static_cast<std::size_t>(cell)];
    return true;
}

bool offersGradients(const Palette& palette) {
    return selectedCellCount(palette) >= 3;
}

void applyNamedColor(PickerState& s, const RgbColor& c) {
    if (s.colorMenuTarget == 1) {
        storeInSelectedCells(s.palette, c);
        if (s.paletteActive) s.currentColor = c;
    } else {
        s.currentColor = c;
    }
    s.zoomActive = 0;
}

void applyDialogColor(PickerState& s, const RgbColor& c) {
    s.currentColor = c;
    if (s.colorMenuTarget == 1) storeInSelectedCells(s.palette, c);
    s.zoomActive = 0;
}

void applyTextColor(PickerState& s, const RgbColor& c) {
    s.currentColor = c;
    s.focusOnColor1 = 1;
    s.focusOnColor2 = 0;
    s.zoomActive = 0;
    s.paletteActive = 0;
}

void applyCellDialogColor(PickerState& s, int cell, const RgbColor& c) {
    if (cell >= 0 && cell < Palette::capacity) s.palette.colors[static_cast<std::size_t>(cell)] = c;
    s.currentColor = c;
    s.zoomActive = 0;
    s.paletteActive = 0;
}

void applyGradient(PickerState& s, bool hsb) {
    if (hsb)
        paletteGradientHsb(s.palette);
    else
        paletteGradientRgb(s.palette);
    s.currentColor = paletteMean(s.palette);
}

void storeAndAdvance(PickerState& s, const RgbColor& c) {
    storeInSelectedCells(s.palette, c);
    SelectionMarks marks{s.selectionAnchor, s.selectionCursor};
    advancePaletteSelection(s.palette, marks);
    s.selectionAnchor = marks.anchor;
    s.selectionCursor = marks.cursor;
}

} // namespace huex
