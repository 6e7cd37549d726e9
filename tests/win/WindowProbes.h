#pragma once
// What a test reads back from windows and the clipboard.
#include <windows.h>

#include <array>
#include <functional>
#include <string>

namespace huex::test {

inline std::wstring windowTextOf(HWND window) {
    std::array<wchar_t, 512> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The clipboard's Unicode text; a marker when the clipboard can't be opened.
inline std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// Runs the thread's messages (timers and posted work included) until `done` holds; false when it
// still does not after `limit` milliseconds.
inline bool pumpUntil(const std::function<bool()>& done, DWORD limit = 2000) {
    const DWORD start = GetTickCount();
    MSG msg{};
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        if (done()) return true;
        if (GetTickCount() - start > limit) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// The text colour a window gives its edit control (WM_CTLCOLOREDIT).
inline COLORREF editTextColour(HWND parent, HWND edit) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

// A window of the test holding a hot key, as another program would.
struct HotKeyHolder {
    HotKeyHolder(unsigned modifiers, unsigned key) {
        held = window && RegisterHotKey(window, 77, modifiers, key);
    }
    HotKeyHolder(const HotKeyHolder&) = delete;
    HotKeyHolder& operator=(const HotKeyHolder&) = delete;
    ~HotKeyHolder() {
        if (held) UnregisterHotKey(window, 77);
        if (window) DestroyWindow(window);
    }
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    bool held = false;
};

} // namespace huex::test
