// The colour history's glue: the picker hands its window the colours it takes and the pattern of
// slot 1, and gives the window's choices back to the colour, the palette and the palette files;
// a change of the history is saved by one timer, whatever else changes in that period.
#include "picker/ColorPickerDialog.h"
#include "picker/PickerActions.h"

#include <utility>

namespace huex {

void ColorPickerDialog::connectHistory() {
    history_.setHooks({
        [this](ColorRef color) { chooseFromHistory(color); },
        [this](ColorRef color) { historyToPalette(color); },
        [this](HWND owner, const std::vector<ColorRef>& colors) {
            std::vector<RgbColor> rgb;
            rgb.reserve(colors.size());
            for (const ColorRef c : colors) rgb.push_back(colorrefToRgb(c));
            exportColors(owner ? owner : hwnd(), rgb);
        },
        [this] { historyChanged(); },
    });
}

void ColorPickerDialog::openHistory() {
    history_.open(hwnd());
}

void ColorPickerDialog::addToHistory(const RgbColor& color) {
    history_.add(rgbToColorref(color));
}

// Taken back as a typed colour is: shown as colour 1, neither the view nor the palette in charge.
void ColorPickerDialog::chooseFromHistory(ColorRef color) {
    applyTextColor(state, colorrefToRgb(color));
    refreshColorTexts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

// As the colour dialog's colour goes into the selected cells.
void ColorPickerDialog::historyToPalette(ColorRef color) {
    const int target = std::exchange(state.colorMenuTarget, 1);
    applyDialogColor(state, colorrefToRgb(color));
    state.colorMenuTarget = target;
    refreshColorTexts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ColorPickerDialog::historyChanged() {
    if (historySave_.changed()) SetTimer(hwnd(), historySaveTimer, HistorySaveSchedule::period, nullptr);
}

// A save that fails keeps the timer running: it is tried again a period later. So does a drag,
// which a save in its middle would make stutter.
void ColorPickerDialog::onHistorySaveTimer() {
    if (state.dragMode == DragMode::pipette || state.dragMode == DragMode::color) return;
    if (historySave_.due() && home_) {
        saveSettings(SaveMoment::timed);
        return;
    }
    historySave_.saved();
    KillTimer(hwnd(), historySaveTimer);
}

} // namespace huex
