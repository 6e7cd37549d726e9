// The global hot keys: taking and giving them back, the menu texts that name them, and the pick
// under the mouse pointer that one of them makes.
#include "picker/ColorPickerDialog.h"
#include "picker/PickerActions.h"
#include "resource.h"
#include "win/Clipboard.h"
#include "win/Handles.h"
#include "win/Text.h"

namespace huex {

namespace {
constexpr int hotKeyId(std::size_t index) {
    return static_cast<int>(index) + 1;
}
} // namespace

void setMenuItemText(HMENU menu, UINT command, const std::string& text) {
    if (!menu) return;
    std::wstring wide = win::widen(text);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = wide.data();
    SetMenuItemInfoW(menu, command, FALSE, &item);
}

void ColorPickerDialog::registerHotKeys() {
    unregisterHotKeys();
    HWND self = hwnd();
    hotKeysTaken_ = takenHotKeys(state.hotKeys.keys, [&](std::size_t i, const HotKey& key) {
        hotKeysHeld_[i] = RegisterHotKey(self, hotKeyId(i), key.modifiers, key.key) != FALSE;
        return hotKeysHeld_[i];
    });
}

void ColorPickerDialog::unregisterHotKeys() {
    for (std::size_t i = 0; i < hotKeysHeld_.size(); ++i) {
        if (hotKeysHeld_[i]) UnregisterHotKey(hwnd(), hotKeyId(i));
        hotKeysHeld_[i] = false;
    }
}

void ColorPickerDialog::showHotKeysInMenus() {
    setMenuItemText(menuPopup(IDM_ZOOM), ID_REFRESH,
                    hotKeyMenuText("Обновить", state.hotKeys[HotKeyRole::refresh]));
    const HotKey& toggle = state.hotKeys[HotKeyRole::toggle];
    setMenuItemText(menuPopup(IDM_TRAY), ID_TOGGLE_WINDOW, hotKeyMenuText("Спрятать/показать", toggle));
    // The system menu gets its hide item once start-up has finished.
    if (startupFinished_)
        setMenuItemText(GetSystemMenu(hwnd(), FALSE), SC_CLOSE, hotKeyMenuText("Спрятать", toggle));
}

bool ColorPickerDialog::onHotKey(WPARAM id) {
    switch (id) {
    case hotKeyId(0):
        refresh();
        return true;
    case hotKeyId(1):
        toggleShown();
        return true;
    case hotKeyId(2):
        pickAtCursor();
        return true;
    default:
        return false;
    }
}

void ColorPickerDialog::pickAtCursor() {
    // A drag in progress owns the capture centre; the pick would pull it away under the mouse.
    if (state.dragMode == DragMode::pipette || state.dragMode == DragMode::color) return;
    POINT cursor{}; // physical pixels: the process is aware of each monitor's DPI
    if (!GetCursorPos(&cursor)) return;
    const bool zoomWasActive = state.zoomActive != 0, paletteWasActive = state.paletteActive != 0;
    placePickAt(state, {cursor.x, cursor.y});
    captureScreen();
    sampleFromImage();
    // What a pick changes is drawn as a pipette's release draws it; a whole repaint would cost twice.
    if (const win::WindowDc dc(hwnd()); dc) {
        drawZoomView(dc.get(), false);
        if (!zoomWasActive) drawZoomFrame(dc.get());
        drawSwatches(dc.get());
        if (paletteWasActive) drawPaletteCells(dc.get());
    }
    refreshColorTexts();
    addToHistory(state.currentColor);
    // Not worth a wait on another program's clipboard: the pick stands anyway.
    if (state.hotKeys.pickCopies && win::setClipboardText(hwnd(), win::windowText(slotEdit(1)), 0))
        startFlash(static_cast<int>(FlashKind::copy));
}

} // namespace huex
