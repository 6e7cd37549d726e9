// The picker window's menus: loading them, the colour bitmaps, the system menu and the modifier.
#include "picker/ColorPickerDialog.h"
#include "picker/PatternMenuModel.h"
#include "resource.h"
#include "shell/ProcessValues.h"
#include "win/Artwork.h"
#include "win/Text.h"

#include <array>

namespace huex {

namespace {
HMENU loadMenu(int id) {
    return LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

std::wstring menuText(HMENU menu, UINT item, UINT flags) {
    std::array<wchar_t, 256> text{};
    const int length = GetMenuStringW(menu, item, text.data(), static_cast<int>(text.size()), flags);
    return {text.data(), static_cast<std::size_t>(length > 0 ? length : 0)};
}
} // namespace

HMENU ColorPickerDialog::menuPopup(int menuId) const {
    const win::UniqueMenu* menu = nullptr;
    switch (menuId) {
    case IDM_TRAY:
        menu = &trayMenu_;
        break;
    case IDM_COLOR:
        menu = &colorMenu_;
        break;
    case IDM_MODIFIER:
        menu = &modifierMenu_;
        break;
    case IDM_PALETTE:
        menu = &paletteMenu_;
        break;
    case IDM_SAMPLE:
        menu = &sampleMenu_;
        break;
    case IDM_ZOOM:
        menu = &zoomMenu_;
        break;
    default:
        return nullptr;
    }
    return *menu ? GetSubMenu(menu->get(), 0) : nullptr;
}

ColorMode ColorPickerDialog::modifier() const {
    HMENU popup = menuPopup(IDM_MODIFIER);
    for (int id = ID_MOD_WEB; popup && id <= ID_MOD_COMPLEMENT; ++id) {
        if (GetMenuState(popup, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED)
            return static_cast<ColorMode>(id);
    }
    return ColorMode::web;
}

// The named colours' pictures in the colour menu, for the window's DPI.
void ColorPickerDialog::loadColorBitmaps() {
    if (!processValues().layeredWindowsAvailable) return;
    HMENU named = GetSubMenu(menuPopup(IDM_COLOR), 1);
    for (int i = 0; i < static_cast<int>(colorBitmaps_.size()); ++i) {
        colorBitmaps_[i] = win::loadNamedColourBitmap(i, state.layout.scale.dpi);
        if (named)
            SetMenuItemBitmaps(named, static_cast<UINT>(i), MF_BYPOSITION, colorBitmaps_[i].get(), nullptr);
    }
}

void ColorPickerDialog::loadMenus() {
    trayMenu_.reset(loadMenu(IDM_TRAY));
    colorMenu_.reset(loadMenu(IDM_COLOR));
    rebuildPatternMenu();
    modifierMenu_.reset(loadMenu(IDM_MODIFIER));
    CheckMenuRadioItem(menuPopup(IDM_MODIFIER), ID_MOD_WEB, ID_MOD_COMPLEMENT, ID_MOD_WEB, MF_BYCOMMAND);
    setSlotCaption(1);
    setSlotCaption(2);
    renderSlotTexts();
    paletteMenu_.reset(loadMenu(IDM_PALETTE));
    zoomMenu_.reset(loadMenu(IDM_ZOOM));
    CheckMenuRadioItem(menuPopup(IDM_ZOOM), ID_ZOOM_X15, ID_ZOOM_X3, ID_ZOOM_X8, MF_BYCOMMAND);
    sampleMenu_.reset(loadMenu(IDM_SAMPLE));
    CheckMenuRadioItem(menuPopup(IDM_SAMPLE), ID_SAMPLE_1X1, ID_SAMPLE_5X5, ID_SAMPLE_1X1, MF_BYCOMMAND);
}

void ColorPickerDialog::rebuildPatternMenu() {
    patternMenu_.reset(CreatePopupMenu());
    if (!patternMenu_) return;
    for (const PatternMenuEntry& entry : patternMenuEntries(state.patterns)) {
        if (entry.separator)
            AppendMenuW(patternMenu_.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(patternMenu_.get(), MF_STRING, static_cast<UINT_PTR>(entry.command),
                        win::widen(entry.text).c_str());
    }
}

void ColorPickerDialog::changeSystemMenu() {
    rebuildSystemMenu(GetSystemMenu(hwnd(), FALSE), menuPopup(IDM_TRAY));
}

void rebuildSystemMenu(HMENU system, HMENU tray) {
    if (!system || !tray) return;
    InsertMenuW(system, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    for (UINT id : {ID_HELP_CONTENTS, ID_ABOUT, ID_SETTINGS}) {
        InsertMenuW(system, 0, MF_BYPOSITION | MF_STRING, id, menuText(tray, id, MF_BYCOMMAND).c_str());
    }
    DeleteMenu(system, SC_MINIMIZE, MF_BYCOMMAND);
    DeleteMenu(system, SC_RESTORE, MF_BYCOMMAND);
    DeleteMenu(system, SC_MAXIMIZE, MF_BYCOMMAND);
    int count = GetMenuItemCount(system);
    if (count >= 2 && !menuText(system, static_cast<UINT>(count - 2), MF_BYPOSITION).empty())
        InsertMenuW(system, static_cast<UINT>(count - 1), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    const std::wstring closeText = menuText(system, SC_CLOSE, MF_BYCOMMAND);
    ModifyMenuW(system, SC_CLOSE, MF_BYCOMMAND | MF_STRING, ID_EXIT, closeText.c_str());
    ModifyMenuW(tray, ID_EXIT, MF_BYCOMMAND | MF_STRING, ID_EXIT, closeText.c_str());
    count = GetMenuItemCount(system);
    InsertMenuW(system, static_cast<UINT>(count >= 2 ? count - 2 : 0), MF_BYPOSITION | MF_STRING, SC_CLOSE,
                L"Спрятать \tCtrl+Alt+E");
    SetMenuDefaultItem(tray, 0, TRUE);
}

} // namespace huex
