#include "shell/Shell.h"

#include "win/LateBound.h"

namespace huex {

namespace {
template <class Function> Function bound(const char* name) {
    return win::lateBound<Function>(L"shell32.dll", name);
}
} // namespace

BOOL shellNotifyIcon(DWORD message, NOTIFYICONDATAW* data) {
    using Function = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
    static const auto function = bound<Function>("Shell_NotifyIconW");
    return function ? function(message, data) : FALSE;
}

HINSTANCE shellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, int show) {
    using Function = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static const auto function = bound<Function>("ShellExecuteW");
    return function ? function(owner, verb, file, nullptr, nullptr, show) : nullptr;
}

} // namespace huex
