// Keeping the two slots' texts and captions in step with the colours.
#include "pattern/Formatter.h"
#include "picker/ColorPickerDialog.h"
#include "win/Text.h"

#include <algorithm>
#include <utility>

namespace huex {

namespace {
// The slot's pattern index, kept inside the list (which is never empty when it is used).
int slotPatternIndex(const PickerState& state, int slot) {
    const int index = slot == 1 ? state.pattern1 : state.pattern2;
    const int last = static_cast<int>(state.patterns.size()) - 1;
    return std::clamp(index, 0, last);
}

const ColorPattern& slotPattern(const PickerState& state, int slot) {
    return state.patterns[static_cast<std::size_t>(slotPatternIndex(state, slot))];
}
} // namespace

ColorPattern* ColorPickerDialog::slotPatternOf(int slot) {
    if (state.patterns.empty()) return nullptr;
    return &state.patterns[static_cast<std::size_t>(slotPatternIndex(state, slot))];
}

void ColorPickerDialog::renderSlotText(int slot) {
    // Every change of the current colour ends here, so the contrast window hears of each.
    contrast_.currentColorChanged(state.currentColor);
    HWND edit = slotEdit(slot);
    if (!edit || state.patterns.empty()) return;
    cssTyped_[slot == 1 ? 0 : 1] = false; // whatever was typed, the slot now shows its own text
    const RgbColor modified = modifiedColor(modifier(), state.currentColor);
    const bool checked = IsDlgButtonChecked(hwnd(), GetDlgCtrlID(slotCheck(slot))) == BST_CHECKED;
    const RgbColor shown = checked || !state.focusOnColor1 ? modified : state.currentColor;
    const std::wstring text = win::widen(formatColor(slotPattern(state, slot), shown, rgbToHsb(shown)));
    // An unchanged text is left alone: replacing it costs the edit a relayout and a repaint, on
    // every mouse move of a drag over a flat colour.
    if (text == win::windowText(edit)) return;
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    renderingSlot_ = true;
    SetWindowTextW(edit, text.c_str());
    renderingSlot_ = false;
    SendMessageW(edit, EM_SETSEL, start, end);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void ColorPickerDialog::renderSlotTexts() {
    renderSlotText(1);
    renderSlotText(2);
}

void ColorPickerDialog::startColorTextTimer(unsigned stale) {
    // A timer that already runs fires after this change too.
    if (staleTexts_ == 0) SetTimer(hwnd(), colorTextTimer, colorTextInterval, nullptr);
    staleTexts_ |= stale;
}

void ColorPickerDialog::markColorTextsStale() {
    startColorTextTimer(staleSlot1 | staleSlot2 | staleCaption);
}

void ColorPickerDialog::markSlotTextStale(int slot) {
    startColorTextTimer(slot == 1 ? staleSlot1 : staleSlot2);
}

void ColorPickerDialog::refreshColorTexts() {
    staleTexts_ = staleSlot1 | staleSlot2 | staleCaption;
    refreshStaleTexts();
}

void ColorPickerDialog::refreshStaleTexts() {
    const unsigned stale = std::exchange(staleTexts_, 0U);
    KillTimer(hwnd(), colorTextTimer); // it may run with nothing left stale: typing cleared it
    if ((stale & staleSlot1) != 0) renderSlotText(1);
    if ((stale & staleSlot2) != 0) renderSlotText(2);
    if ((stale & staleCaption) != 0) updateCaption();
}

void ColorPickerDialog::setSlotCaption(int slot) {
    HWND check = slotCheck(slot);
    if (!check || state.patterns.empty()) return;
    std::string caption = slotPattern(state, slot).name;
    if (IsDlgButtonChecked(hwnd(), GetDlgCtrlID(check)) == BST_CHECKED) {
        caption += "  [";
        caption += colorModeName(modifier());
        caption += "]";
    }
    SetWindowTextW(check, win::widen(caption).c_str());
    // The edit colours its text by this pattern; it looks it up in the list on every repaint.
    slotEditControl(slot).setPattern(PatternRef(state.patterns, slotPatternIndex(state, slot)));
    if (slot == 1) history_.setPattern(slotPattern(state, 1)); // the history's rows follow slot 1
}

} // namespace huex
