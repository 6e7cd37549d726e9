#pragma once
// The clipboard: held open for a scope, text read from it and put on it.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace huex::win {

// Another program may hold the clipboard for a moment; we wait that long at most, so a busy
// clipboard never hangs the window.
inline constexpr ULONGLONG clipboardWaitMs = 100;

// Holds the clipboard open for the scope and always closes what it opened.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner, ULONGLONG waitMs = clipboardWaitMs);
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope();
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

// The clipboard's text, at most `limit` characters of it; none when there is no text or another
// program holds the clipboard (a paste is not worth a wait).
std::optional<std::wstring> clipboardText(HWND owner, std::size_t limit);
// The text as the clipboard's only content (CF_UNICODETEXT; the system supplies CF_TEXT); false
// when the clipboard stayed busy (for `waitMs` at most) or memory ran out.
bool setClipboardText(HWND owner, std::wstring_view text, ULONGLONG waitMs = clipboardWaitMs);

} // namespace huex::win
