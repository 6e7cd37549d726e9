#include "shell/TrayIcon.h"

#include "shell/Shell.h"

#include <algorithm>

namespace huex {

namespace {
bool notify(DWORD action, HWND window, HICON icon, std::wstring_view tip) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = trayCallbackMessage;
    data.hIcon = icon;
    // The tip field holds 127 characters and a terminating zero; longer tips are cut.
    const std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    std::copy_n(tip.data(), length, data.szTip);
    data.szTip[length] = L'\0';
    return shellNotifyIcon(action, &data) != FALSE;
}
} // namespace

bool addTrayIcon(HWND window, HICON icon, std::wstring_view tip) {
    return notify(NIM_ADD, window, icon, tip);
}
bool modifyTrayIcon(HWND window, HICON icon, std::wstring_view tip) {
    return notify(NIM_MODIFY, window, icon, tip);
}
bool deleteTrayIcon(HWND window) {
    return notify(NIM_DELETE, window, nullptr, {});
}

} // namespace huex
