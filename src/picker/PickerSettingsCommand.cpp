// The settings command: the settings dialog on copies of the window's values, applied on OK.
#include "dialogs/PropertyDialog.h"
#include "picker/ColorPickerDialog.h"
#include "picker/PatternMenuModel.h"
#include "resource.h"

namespace huex {

void ColorPickerDialog::openSettings() {
    // One dialog at a time: the tray menu still reaches the window while the dialog runs.
    if (settingsOpen_ || !hwnd()) return;
    settingsOpen_ = true;
    std::vector<ColorPattern> edited = state.patterns; // deep copies: the dialog edits these
    int color1 = state.pattern1, color2 = state.pattern2;
    int zoom = zoomLevelIndex(state.magnifier.viewSize);
    int mode = static_cast<int>(modifier()) - ID_MOD_WEB;
    PropertyDialog dialog(edited, kBuiltInPatternCount);
    dialog.color1Pattern = &color1;
    dialog.color2Pattern = &color2;
    dialog.zoomLevel = &zoom;
    dialog.modifier = &mode;
    // These the dialog writes straight into the window's state, on OK only.
    dialog.sampleSize = &state.magnifier.sampleSize;
    dialog.interval = &state.interval;
    dialog.period = &state.period;
    dialog.animation = &state.animation;
    dialog.paletteCount = &state.palette.count;
    HotKeySettings hotKeys = state.hotKeys;
    dialog.hotKeys = &hotKeys;
    for (std::size_t i = 0; i < kHotKeyCount; ++i)
        if (hotKeysHeld_[i]) dialog.heldHotKeys[i] = state.hotKeys.keys[i];
    const INT_PTR result = dialog.runModal(hwnd());
    settingsOpen_ = false;
    // The window may have gone meanwhile (exit from the tray menu).
    if (result != IDOK || !hwnd()) return;
    state.pattern1 = color1;
    state.pattern2 = color2;
    state.hotKeys = hotKeys;
    registerHotKeys();
    showHotKeysInMenus();
    applyDialogChoices(edited, zoom, mode);
}

void ColorPickerDialog::applyDialogChoices(std::vector<ColorPattern>& edited, int zoom, int mode) {
    CheckMenuRadioItem(menuPopup(IDM_MODIFIER), ID_MOD_WEB, ID_MOD_COMPLEMENT,
                       static_cast<UINT>(ID_MOD_WEB + mode), MF_BYCOMMAND);
    // The edited list takes the place of the window's own; the slot edits are pointed at it
    // (their captions set) before the old list, left behind in `edited`, goes.
    state.patterns.swap(edited);
    for (int slot : {1, 2}) {
        setSlotCaption(slot);
        updateReadOnly(slot); // the slot's pattern may have become readable or not
    }
    refreshColorTexts();
    edited.clear();
    rebuildPatternMenu();

    // The zoom goes the way of the zoom menu's command, which repaints; the new sample size is
    // already in place, so the picked pixel stays inside the view.
    MSG zoomCommand{hwnd(), WM_COMMAND, static_cast<WPARAM>(ID_ZOOM_X15 + zoom), 0, 0, {}};
    preTranslateMessage(zoomCommand);
    CheckMenuRadioItem(menuPopup(IDM_SAMPLE), ID_SAMPLE_1X1, ID_SAMPLE_5X5,
                       static_cast<UINT>(sampleCommandFor(state.magnifier.sampleSize)), MF_BYCOMMAND);
    loadSampleIcon();
    startMarqueeTimer();
    state.marqueePhase = 0;
    InvalidateRect(hwnd(), nullptr, TRUE);
}

} // namespace huex
