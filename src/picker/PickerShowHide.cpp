// The picker window in the notification area: showing and hiding with a fade, the tray icon's
// callback and menu, the system menu's commands (the close button hides), and the activation
// request of a second start.
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "shell/ProcessValues.h"
#include "shell/TrayIcon.h"

namespace huex {

namespace {
constexpr UINT fadeInterval = 20;
constexpr int shown = SW_SHOW;  // 5
constexpr int hidden = SW_HIDE; // 0
} // namespace

void ColorPickerDialog::show(int showState) {
    HWND self = hwnd();
    const bool fades = processValues().layeredWindowsAvailable;
    state.windowShowState = showState;
    if (showState == shown) {
        if (trayIconAdded_) modifyTrayIcon(self, trayIconShown_.get(), L"HUEX");
        if (fades) {
            KillTimer(self, fadeTimer);
            ShowWindow(self, SW_SHOW);
            state.fadeStep = +1;
            SetTimer(self, fadeTimer, fadeInterval, nullptr);
        } else {
            ShowWindow(self, SW_SHOW);
            ShowWindow(self, SW_RESTORE);
        }
        contrast_.followOwner(true);
        history_.followOwner(true);
        applyLayout();
        state.savedLeft = state.savedTop = state.savedWidth = useLiveWindowRect;
        SetForegroundWindow(self);
    } else if (showState == hidden) {
        RECT window{};
        GetWindowRect(self, &window);
        state.savedLeft = window.left;
        state.savedTop = window.top;
        state.savedWidth = window.right - window.left;
        if (trayIconAdded_) modifyTrayIcon(self, trayIconHidden_.get(), L"HUEX - Показать окно");
        contrast_.followOwner(false);
        history_.followOwner(false);
        if (fades) {
            KillTimer(self, fadeTimer); // the window stays visible until the fade ends
            state.fadeStep = -1;
            SetTimer(self, fadeTimer, fadeInterval, nullptr);
        } else {
            ShowWindow(self, SW_MINIMIZE);
            ShowWindow(self, SW_HIDE);
        }
    } else {
        ShowWindow(self, showState);
    }
}

void ColorPickerDialog::toggleShown() {
    show(toggledShowState(state.windowShowState));
}

void ColorPickerDialog::onFadeTick() {
    const FadeTick tick = nextFadeTick(state.fadeLevel, state.fadeStep);
    state.fadeLevel = tick.level;
    if (!tick.finished) {
        setOpacity(state.fadeLevel);
        return;
    }
    KillTimer(hwnd(), fadeTimer);
    if (tick.hide) ShowWindow(hwnd(), SW_HIDE);
    if (tick.opaque)
        SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

void ColorPickerDialog::setOpacity(int level) {
    const auto setAttributes = processValues().setLayeredWindowAttributes;
    if (!setAttributes) return;
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
    setAttributes(hwnd(), 0, static_cast<BYTE>(fadeOpacity(level)), LWA_ALPHA);
}

void ColorPickerDialog::onTrayCallback(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        toggleShown();
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        SetForegroundWindow(hwnd());
        POINT at{};
        GetCursorPos(&at);
        if (HMENU popup = menuPopup(IDM_TRAY))
            TrackPopupMenu(popup, TPM_RIGHTALIGN, at.x, at.y, 0, hwnd(), nullptr);
    }
}

void ColorPickerDialog::showOnRequest() {
    show(shown);
    SetForegroundWindow(hwnd());
    if (!processValues().layeredWindowsAvailable) {
        applyLayout();
        state.savedLeft = state.savedTop = state.savedWidth = useLiveWindowRect;
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

bool ColorPickerDialog::onSysCommand(win::Message& m) {
    const WPARAM command = m.wParam;
    switch (command & 0xFFF0) {
    case SC_CLOSE: // the caption's close button and the "hide" item
        show(hidden);
        return true;
    case SC_MINIMIZE: // hidden to the tray rather than minimised, so that showing needs no restore
        toggleShown();
        return true;
    default:
        break;
    }
    if (command == ID_HELP_CONTENTS || command == ID_ABOUT || command == ID_EXIT || command == ID_SETTINGS ||
        command == ID_TOGGLE_WINDOW) {
        SendMessageW(hwnd(), WM_COMMAND, command, 0);
        return !hwnd(); // an exit leaves nothing for the default processing
    }
    return false;
}

} // namespace huex
