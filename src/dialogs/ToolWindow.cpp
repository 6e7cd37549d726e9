#include "dialogs/ToolWindow.h"

#include "geometry/Scale.h"
#include "settings/Settings.h"
#include "win/Dpi.h"
#include "win/Handles.h"
#include "win/Monitors.h"

#include <utility>

namespace huex {

// The window's outer rectangle for its client size at `dpi`, with its top left at `at`.
RECT ToolWindow::boundsAt(POINT at, int dpi) const {
    const Scale scale{dpi};
    RECT r{at.x, at.y, at.x + scale(client_.cx), at.y + scale(client_.cy)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    OffsetRect(&r, at.x - r.left, at.y - r.top);
    return r;
}

bool ToolWindow::openWindow(HWND owner, const wchar_t* className, const wchar_t* title) {
    wasOpen_ = true;
    hiddenWithOwner_ = false;
    if (hwnd()) {
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(hwnd());
        return false;
    }
    registerClass(className);
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    POINT at{ownerRect.right + 8, ownerRect.top};
    const RECT size = boundsAt({0, 0}, win::screenDpi());
    if (windowPlacement(posX_, posY_, size.right - size.left, win::captionBarFor(style, exStyle),
                        win::displayMonitors())
            .move)
        at = {posX_, posY_};
    if (!create(className, exStyle, style, title, boundsAt(at, win::screenDpi()), owner, 0)) return false;
    dpi_ = win::windowDpi(hwnd());
    const RECT bounds = boundsAt(at, dpi_);
    SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void ToolWindow::close() {
    wasOpen_ = false;
    hiddenWithOwner_ = false;
    destroy();
}

void ToolWindow::followOwner(bool ownerShown) {
    if (!hwnd()) return;
    if (!ownerShown) {
        if (!IsWindowVisible(hwnd())) return;
        hiddenWithOwner_ = true;
        ShowWindow(hwnd(), SW_HIDE);
    } else if (std::exchange(hiddenWithOwner_, false)) {
        ShowWindow(hwnd(), SW_SHOWNA);
    }
}

bool ToolWindow::preTranslateMessage(MSG& msg) {
    if (!hwnd() || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
    if (preTranslateOwn(msg)) return true;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        close();
        return true;
    }
    return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

void ToolWindow::restorePlace(int posX, int posY, bool open) {
    posX_ = posX;
    posY_ = posY;
    wasOpen_ = open;
}

POINT ToolWindow::place() const {
    RECT r{};
    if (hwnd() && GetWindowRect(hwnd(), &r)) return {r.left, r.top};
    return {posX_, posY_};
}

void ToolWindow::rememberPlace() {
    const POINT at = place();
    posX_ = at.x;
    posY_ = at.y;
}

bool ToolWindow::onToolMessage(win::Message& m) {
    switch (m.id) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        if (m.id == WM_PRINTCLIENT) {
            FillRect(reinterpret_cast<HDC>(m.wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        } else {
            const win::PaintDc dc(hwnd());
            FillRect(dc.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        }
        return true;
    }
    case WM_ERASEBKGND:
        m.result = 1;
        return true;
    case WM_CLOSE:
        close();
        return true;
    default:
        return false;
    }
}

void ToolWindow::moveForDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace huex
