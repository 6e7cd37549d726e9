// Copying the captured square: the clipboard gets exactly the capture as a packed top-down DIB,
// and a clipboard another program holds neither hangs the window nor is left locked. Pasting a
// colour text from it outside the slot edits.
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace huex {
namespace {

std::vector<unsigned char> clipboardDib() {
    std::vector<unsigned char> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        const auto* p = static_cast<const unsigned char*>(GlobalLock(data));
        if (p) bytes.assign(p, p + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

void putText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), text.c_str(), size);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class PickerClipboard : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        std::uint32_t* bits = picker.captureImage().bits();
        ASSERT_NE(bits, nullptr);
        for (int i = 0; i < 33 * 33; ++i) bits[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    }
    ColorPickerDialog picker;
};

TEST_F(PickerClipboard, HoldsTheCaptureAsATopDown32BitDib) {
    ASSERT_TRUE(picker.copyImageToClipboard());
    const std::vector<unsigned char> dib = clipboardDib();
    ASSERT_GE(dib.size(), 40u + 4356u);
    BITMAPINFOHEADER header{};
    std::memcpy(&header, dib.data(), sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 33);
    EXPECT_EQ(header.biHeight, -33);
    EXPECT_EQ(header.biBitCount, 32);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(std::memcmp(dib.data() + 40, picker.captureImage().bits(), 4356), 0);
    EXPECT_EQ(picker.state.flashKind, 1);
    EXPECT_EQ(picker.state.flashStep, 1);
}

TEST_F(PickerClipboard, ABusyClipboardIsLeftAsItWasAndUsableAfterwards) {
    putText(L"FF0000");
    std::atomic<int> stage{0};
    std::thread holder([&] {
        if (!OpenClipboard(nullptr)) return;
        stage = 1;
        while (stage != 2) Sleep(5);
        CloseClipboard();
    });
    while (stage == 0) Sleep(1);
    const ULONGLONG start = GetTickCount64();
    const bool copied = picker.copyImageToClipboard();
    RecordProperty("busyCopyMs", static_cast<int>(GetTickCount64() - start));
    const ULONGLONG pasteStart = GetTickCount64();
    const bool pasted = picker.pasteColor(); // not waited for
    RecordProperty("busyPasteMs", static_cast<int>(GetTickCount64() - pasteStart));
    stage = 2;
    holder.join();
    EXPECT_FALSE(copied);
    EXPECT_FALSE(pasted);
    EXPECT_EQ(picker.state.flashStep, 0);
    EXPECT_EQ(rgbToColorref(picker.state.currentColor), 0u);
    EXPECT_EQ(clipboardText(), L"FF0000");
    EXPECT_TRUE(picker.pasteColor());
    EXPECT_EQ(rgbToColorref(picker.state.currentColor), RGB(255, 0, 0));
    EXPECT_TRUE(picker.copyImageToClipboard());
    EXPECT_EQ(clipboardDib().size() >= 4396u, true);
}

// The colour starts black, with colour 2 in focus; a colour read (which reader wins is the pure
// rule's) becomes colour 1 in both slots.
TEST_F(PickerClipboard, APastedColourTextBecomesColour1AndAnythingElseChangesNothing) {
    const std::wstring huge = L"FF8000" + std::wstring(2'000'000, L' ');
    const struct {
        std::wstring text; // empty: the clipboard holds the capture's bitmap only
        bool taken;
        COLORREF color;
        const wchar_t* slot1;
    } cases[] = {
        {L"oklch(62.8% 0.2577 29.23)\r\n", true, RGB(255, 0, 0), L"FF0000"},
        {L"", false, 0, L"000000"},
        {huge, false, 0, L"000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(win::narrow(c.text.substr(0, 30)));
        picker.state.currentColor = {};
        picker.state.focusOnColor1 = 0;
        picker.state.focusOnColor2 = 1;
        picker.refreshColorTexts();
        if (c.text.empty())
            ASSERT_TRUE(picker.copyImageToClipboard());
        else
            putText(c.text);
        picker.state.flashStep = 0;
        EXPECT_EQ(picker.pasteColor(), c.taken);
        EXPECT_EQ(rgbToColorref(picker.state.currentColor), c.color);
        EXPECT_EQ(picker.state.focusOnColor1, c.taken ? 1 : 0);
        EXPECT_EQ(picker.state.flashStep, c.taken ? 1 : 0);
        const auto slot = [&](int id) { return test::windowTextOf(GetDlgItem(picker.hwnd(), id)); };
        EXPECT_EQ(slot(IDC_EDIT1), c.slot1); // slot 1 shows colour 1 again
    }
}

} // namespace
} // namespace huex
