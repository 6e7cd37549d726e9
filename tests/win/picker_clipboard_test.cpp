// Copying the captured square: the clipboard gets exactly the capture as a packed top-down DIB,
// and a clipboard another program holds neither hangs the window nor is left locked.
#include "picker/ColorPickerDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
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

void putText(const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t size = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), text, size);
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
    putText(L"before");
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
    stage = 2;
    holder.join();
    EXPECT_FALSE(copied);
    EXPECT_EQ(picker.state.flashStep, 0);
    EXPECT_EQ(clipboardText(), L"before");
    EXPECT_TRUE(picker.copyImageToClipboard());
    EXPECT_EQ(clipboardDib().size() >= 4396u, true);
}

} // namespace
} // namespace huex
