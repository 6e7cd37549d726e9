#pragma once
// The two shell functions the program uses, bound on first use: the shell library and the ones
// it pulls in then load after the window is on the screen, not before the program starts.
#include <windows.h>

#include <shellapi.h>

namespace huex {

BOOL shellNotifyIcon(DWORD message, NOTIFYICONDATAW* data);
HINSTANCE shellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, int show = SW_SHOWNORMAL);

} // namespace huex
