#pragma once
// The notification-area icon of a window: add, change icon and tip, delete.
#include <windows.h>

#include <string_view>

namespace huex {

inline constexpr UINT trayCallbackMessage = WM_USER + 1;

// Failures are ignored: the program works without a tray (for example when no shell is running).
bool addTrayIcon(HWND window, HICON icon, std::wstring_view tip);
bool modifyTrayIcon(HWND window, HICON icon, std::wstring_view tip);
bool deleteTrayIcon(HWND window);

} // namespace huex
