// The picker window's commands: menus, check boxes and typed text.
#include "controls/ColorTextReading.h"
#include "dialogs/AboutDialog.h"
#include "picker/ColorPickerDialog.h"
#include "picker/PatternMenuModel.h"
#include "picker/PickerActions.h"
#include "resource.h"
#include "shell/Help.h"
#include "win/LateBound.h"
#include "win/Text.h"

#include <commdlg.h>

#include <algorithm>

namespace huex {

namespace {
int slotOfControl(int id, int first, int second) {
    return id == first ? 1 : id == second ? 2 : 0;
}

} // namespace

bool ColorPickerDialog::runMenuCommand(int id) {
    if (id >= ID_ZOOM_X15 && id <= ID_ZOOM_X3) {
        setZoomLevel(id - ID_ZOOM_X15);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        return true;
    }
    if (id >= ID_VISION_NORMAL && id <= ID_VISION_ACHROMATOPSIA) {
        setVision(visionFromIndex(id - ID_VISION_NORMAL));
        return true;
    }
    if (id >= ID_SAMPLE_1X1 && id <= ID_SAMPLE_5X5) {
        setSampleSize(id);
        return true;
    }
    if (namedColor(id)) {
        chooseNamedColor(id);
        return true;
    }
    const int patternCount = static_cast<int>(state.patterns.size());
    if (const int index = patternOfCommand(id, patternCount); index >= 0) {
        choosePattern(index);
        return true;
    }
    if (isPatternSettingsCommand(id, patternCount)) {
        SendMessageW(hwnd(), WM_COMMAND, ID_SETTINGS, 0);
        return true;
    }
    return false;
}

void ColorPickerDialog::onCommand(int id, int code, HWND control) {
    // The slot edits announce their focus with code 0 and no control handle; a plain edit says EN_SETFOCUS.
    if (const int slot = slotOfControl(id, IDC_EDIT1, IDC_EDIT2); slot && (control || code == 0)) {
        if (code == 0 || code == EN_SETFOCUS) onSlotEditFocus();
        if (code == EN_CHANGE) onTypedText(slot);
        if (code == EN_KILLFOCUS) onSlotEditFocusLost(slot);
        return;
    }
    if (const int slot = slotOfControl(id, IDC_CHECK1, IDC_CHECK2); slot && control) {
        if (code == BN_CLICKED) onCheckBoxClicked(slot);
        return;
    }
    if (code != 0 && code != 1) return;
    switch (id) {
    case ID_EXIT:
        exitProgram();
        break;
    case ID_REFRESH:
        refresh();
        break;
    case ID_TOGGLE_WINDOW:
        toggleShown();
        break;
    case ID_COPY_IMAGE:
        copyImageToClipboard();
        break;
    case ID_HELP_CONTENTS:
    case ID_APP_HELP:
        openHelp(hwnd());
        break;
    case ID_ABOUT: {
        AboutDialog about;
        about.runModal(hwnd());
        break;
    }
    case ID_SETTINGS:
        openSettings();
        break;
    case ID_CHOOSE_COLOR:
        chooseColorWithDialog();
        break;
    case ID_GRADIENT_RGB:
    case ID_GRADIENT_HSB:
        applyGradient(id);
        break;
    case ID_CONTRAST:
        openContrast();
        break;
    case ID_HISTORY:
        openHistory();
        break;
    case ID_PALETTE_EXPORT:
        exportPalette();
        break;
    case ID_PALETTE_IMPORT:
        importPalette();
        break;
    case ID_PICK_AT_CURSOR:
        pickAtCursor();
        break;
    default:
        if (id >= ID_MOD_WEB && id <= ID_MOD_COMPLEMENT)
            chooseModifier(id);
        else if (id >= ID_HISTORY_COPY && id <= ID_HISTORY_EXPORT)
            history_.runCommand(id); // the row commands reach the history through the picker too
        else
            runMenuCommand(id); // a menu command sent straight to the window
        break;
    }
}

void ColorPickerDialog::openContrast() {
    contrast_.open(hwnd(), state.currentColor);
}

void ColorPickerDialog::chooseModifier(int id) {
    CheckMenuRadioItem(menuPopup(IDM_MODIFIER), ID_MOD_WEB, ID_MOD_COMPLEMENT, static_cast<UINT>(id),
                       MF_BYCOMMAND);
    setSlotCaption(1);
    setSlotCaption(2);
    refreshColorTexts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

std::optional<RgbColor> ColorPickerDialog::askSystemColor(const RgbColor& start) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd();
    dialog.rgbResult = rgbToColorref(start);
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = CC_FULLOPEN | CC_RGBINIT;
    // The common dialogs library loads only when the dialog is first asked for.
    static const auto chooseColor =
        win::lateBound<BOOL(WINAPI*)(CHOOSECOLORW*)>(L"comdlg32.dll", "ChooseColorW");
    if (!chooseColor || !chooseColor(&dialog)) return std::nullopt;
    return colorrefToRgb(dialog.rgbResult);
}

void ColorPickerDialog::chooseColorWithDialog() {
    const auto chosen = askSystemColor(state.currentColor);
    if (!chosen) return;
    huex::applyDialogColor(state, *chosen);
    InvalidateRect(hwnd(), nullptr, FALSE);
    refreshColorTexts();
    addToHistory(*chosen);
}

void ColorPickerDialog::chooseNamedColor(int id) {
    const auto color = namedColor(id);
    if (!color) return;
    applyNamedColor(state, *color);
    InvalidateRect(hwnd(), nullptr, FALSE);
    refreshColorTexts();
}

void ColorPickerDialog::applyGradient(int id) {
    huex::applyGradient(state, id == ID_GRADIENT_HSB);
    refreshColorTexts();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ColorPickerDialog::updateReadOnly(int slot) {
    HWND edit = slotEdit(slot);
    const bool checked = IsDlgButtonChecked(hwnd(), slot == 1 ? IDC_CHECK1 : IDC_CHECK2) == BST_CHECKED;
    if (checked && !startFocus_) SetFocus(instanceMarker()); // at start-up the settings decide
    const int index = slot == 1 ? state.pattern1 : state.pattern2;
    const bool valid = index >= 0 && index < static_cast<int>(state.patterns.size()) &&
                       state.patterns[static_cast<std::size_t>(index)].valid;
    SendMessageW(edit, EM_SETREADONLY, checked || !valid, 0);
}

void ColorPickerDialog::choosePattern(int index) {
    const int slot = state.patternMenuSlot == 2 ? 2 : 1;
    (slot == 1 ? state.pattern1 : state.pattern2) = index;
    updateReadOnly(slot);
    setSlotCaption(slot);
    renderSlotText(slot);
    HWND edit = slotEdit(slot);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void ColorPickerDialog::onCheckBoxClicked(int slot) {
    updateReadOnly(slot);
    if (slot == 2 && IsDlgButtonChecked(hwnd(), IDC_CHECK2) == BST_CHECKED)
        InvalidateRect(slotEdit(2), nullptr, TRUE);
    setSlotCaption(slot);
    renderSlotText(slot);
}

void ColorPickerDialog::onTypedText(int slot) {
    HWND edit = slotEdit(slot);
    if (renderingSlot_ || !edit || GetFocus() != edit || (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY))
        return;
    // A render of this slot still due would replace what is being typed, parsed or not.
    staleTexts_ &= slot == 1 ? ~staleSlot1 : ~staleSlot2;
    ColorPattern* pattern = slotPatternOf(slot);
    if (!pattern) return;
    const ColorReading reading = readSlotText(*pattern, win::narrow(win::windowText(edit)));
    cssTyped_[slot == 1 ? 0 : 1] = reading.foreign();
    slotEditControl(slot).showParseResult(static_cast<bool>(reading));
    if (!reading) return;
    applyTextColor(state, reading.color);
    // The other slot's text follows within a frame, so a burst of keys pays for it once.
    markSlotTextStale(slot == 1 ? 2 : 1);
    if (const win::WindowDc dc(hwnd()); dc) {
        drawSwatches(dc.get());
        drawZoomFrame(dc.get());
    }
}

void ColorPickerDialog::onSlotEditFocusLost(int slot) {
    // A CSS text stands for the colour only while it is typed; then the slot writes it its own way.
    if (cssTyped_[slot == 1 ? 0 : 1]) renderSlotText(slot);
}

} // namespace huex
