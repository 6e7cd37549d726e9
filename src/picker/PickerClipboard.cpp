// Copying the captured square to the clipboard as a packed device-independent bitmap.
#include "picker/ColorPickerDialog.h"
#include "picker/Frames.h"

#include <cstring>

namespace huex {

namespace {
// Another program may hold the clipboard for a moment; we wait that long at most, so a busy
// clipboard never hangs the window.
constexpr ULONGLONG clipboardWaitMs = 100;
constexpr DWORD clipboardRetryMs = 5;

// Holds the clipboard open for the scope and always closes what it opened.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) {
        const ULONGLONG deadline = GetTickCount64() + clipboardWaitMs;
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

    {
        const OpenClipboardScope clipboard(hwnd());
        if (!clipboard || !EmptyClipboard()) return false;
        if (!SetClipboardData(CF_DIB, block.get())) return false; // the block is still ours to free
        block.release();                                          // the clipboard owns it now
    }
    startFlash(static_cast<int>(FlashKind::copy));
    return true;
}

} // namespace huex
