#pragma once
// What a test reads back from windows and the clipboard.
#include <windows.h>

#include <array>
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

} // namespace huex::test
