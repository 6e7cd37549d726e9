// Copying the captured square to the clipboard as a packed device-independent bitmap, and
// pasting a colour text from it.
#include "controls/ColorTextReading.h"
#include "picker/ColorPickerDialog.h"
#include "picker/Frames.h"
#include "picker/PickerActions.h"
#include "win/Clipboard.h"
#include "win/Text.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace huex {

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
        const win::OpenClipboardScope clipboard(hwnd());
        if (!clipboard || !EmptyClipboard()) return false;
        if (!SetClipboardData(CF_DIB, block.get())) return false; // the block is still ours to free
        block.release();                                          // the clipboard owns it now
    }
    startFlash(static_cast<int>(FlashKind::copy));
    return true;
}

bool ColorPickerDialog::pasteColor() {
    // One character more than a colour text may have tells a longer text from one that fits.
    const auto text = win::clipboardText(hwnd(), pastedTextLimit + 1);
    if (!text) return false;
    const ColorReading reading = readPastedText(slotPatternOf(1), slotPatternOf(2), win::narrow(*text));
    if (!reading) return false;
    applyTextColor(state, reading.color);
    refreshColorTexts();
    InvalidateRect(hwnd(), nullptr, FALSE);
    startFlash(static_cast<int>(FlashKind::copy));
    addToHistory(reading.color);
    return true;
}

} // namespace huex
