#include "win/Clipboard.h"

#include "win/Handles.h"

#include <algorithm>
#include <cstring>

namespace huex::win {

namespace {
constexpr DWORD clipboardRetryMs = 5;
} // namespace

OpenClipboardScope::OpenClipboardScope(HWND owner, ULONGLONG waitMs) {
    const ULONGLONG deadline = GetTickCount64() + waitMs;
    while (!(open_ = OpenClipboard(owner) != FALSE) && GetTickCount64() < deadline) Sleep(clipboardRetryMs);
}

OpenClipboardScope::~OpenClipboardScope() {
    if (open_) CloseClipboard();
}

std::optional<std::wstring> clipboardText(HWND owner, std::size_t limit) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
    const OpenClipboardScope clipboard(owner, 0);
    if (!clipboard) return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!text) return std::nullopt;
    // The block need not hold its terminating zero: never read past its size.
    const std::size_t units = std::min(GlobalSize(data) / sizeof(wchar_t), limit);
    std::wstring result(text, std::find(text, text + units, L'\0'));
    GlobalUnlock(data);
    return result;
}

bool setClipboardText(HWND owner, std::wstring_view text, ULONGLONG waitMs) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    // The block is ready before the clipboard is opened, so the clipboard is held only briefly.
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
    void* memory = block ? GlobalLock(block.get()) : nullptr;
    if (!memory) return false;
    std::memcpy(memory, text.data(), text.size() * sizeof(wchar_t));
    GlobalUnlock(block.get());
    const OpenClipboardScope clipboard(owner, waitMs);
    if (!clipboard || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false; // the block is still ours to free
    block.release();                                                  // the clipboard owns it now
    return true;
}

} // namespace huex::win
