// Copying the captured square to the clipboard as a packed device-independent bitmap, and
// pasting a colour text from it.
#include "controls/ColorTextReading.h"
#include "picker/ColorPickerDialog.h"
#include "picker/Frames.h"
#include "picker/PickerActions.h"
#include "win/Text.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace huex {

namespace {
// Another program may hold the clipboard for a moment; we wait that long at most, so a busy
// clipboard never hangs the window.
constexpr ULONGLONG clipboardWaitMs = 100;
constexpr DWORD clipboardRetryMs = 5;

// Holds the clipboard open for the scope and always closes what it opened.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner, ULONGLONG waitMs = clipboardWaitMs) {
        const ULONGLONG deadline = GetTickCount64() + waitMs;
        while (!(open_ = OpenClipboard(owner) != FALSE) && GetTickCount64() < deadline)
            Sleep(clipboardRetryMs);
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    explicit operator bool() const { return open_; }

  private:
    bool open_ = false;
};

// Empties the clipboard and hands it the block, which is then the clipboard's to free.
bool putOnClipboard(HWND owner, UINT format, win::UniqueGlobal& block, ULONGLONG waitMs) {
    const OpenClipboardScope clipboard(owner, waitMs);
    if (!clipboard || !EmptyClipboard()) return false;
    if (!SetClipboardData(format, block.get())) return false; // the block is still ours to free
    block.release();
    return true;
}

// The clipboard's text, at most `limit` characters of it; none when there is no text or another
// program holds the clipboard (a paste is not worth a wait).
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
} // namespace

bool ColorPickerDialog::copyImageToClipboard() {
    if (captureImage_.empty()) return false;
    const BITMAPINFOHEADER& header = captureImage_.header();
    const std::size_t pixels = captureImage_.imageBytes();
    // The block is ready before the clipboard is opened, so the clipboard is held only briefly.
    win::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + pixels));
    if (!block) return false;
    void* memory = GlobalLock(block.get());
    if (!memory) return false;
    GdiFlush();
    std::memcpy(memory, &header, sizeof header);
    std::memcpy(static_cast<char*>(memory) + sizeof header, captureImage_.bits(), pixels);
    GlobalUnlock(block.get());

    if (!putOnClipboard(hwnd(), CF_DIB, block, clipboardWaitMs)) return false;
    startFlash(static_cast<int>(FlashKind::copy));
    return true;
}

bool ColorPickerDialog::copyTextToClipboard(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    win::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* memory = block ? GlobalLock(block.get()) : nullptr;
    if (!memory) return false;
    std::memcpy(memory, text.c_str(), bytes);
    GlobalUnlock(block.get());
    // The system makes CF_TEXT of it when a program asks. Not worth a wait: the pick stands anyway.
    return putOnClipboard(hwnd(), CF_UNICODETEXT, block, 0);
}

bool ColorPickerDialog::pasteColor() {
    // One character more than a colour text may have tells a longer text from one that fits.
    const auto text = clipboardText(hwnd(), pastedTextLimit + 1);
    if (!text) return false;
    const ColorReading reading = readPastedText(slotPatternOf(1), slotPatternOf(2), win::narrow(*text));
    if (!reading) return false;
    applyTextColor(state, reading.color);
    refreshColorTexts();
    InvalidateRect(hwnd(), nullptr, FALSE);
    startFlash(static_cast<int>(FlashKind::copy));
    return true;
}

} // namespace huex
