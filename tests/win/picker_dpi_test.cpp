// The picker window at 96, 120, 144 and 192 DPI, told by WM_DPICHANGED as a move to another screen
// would: the layout, fonts and pictures follow, every control lies in the client area, texts fit,
// the view draws whole blocks of the scaled zoom factor, and changing back and forth leaks nothing.
#include "Rendering.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace huex {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

RECT childRect(HWND parent, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool overlap(const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != FALSE;
}

SIZE textExtent(HWND control, const std::wstring& text) {
    const win::WindowDc dc(control);
    const win::SelectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

std::wstring textOf(HWND control) {
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    return text;
}

void changeDpi(ColorPickerDialog& picker, int dpi) {
    RECT window{};
    GetWindowRect(picker.hwnd(), &window);
    SendMessageW(picker.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&window));
}

class PickerDpi : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        changeDpi(picker, GetParam());
    }
    ColorPickerDialog picker;
};

TEST_P(PickerDpi, ControlsLieInTheClientAreaApartAndTheirTextsFit) {
    const int dpi = GetParam();
    HWND self = picker.hwnd();
    const Scale scale{dpi};
    ASSERT_EQ(picker.state.layout.scale.dpi, dpi);
    RECT client{};
    GetClientRect(self, &client);
    EXPECT_EQ(client.right, clientSize(picker.state.layout).width);
    EXPECT_EQ(client.bottom, clientSize(picker.state.layout).height);
    const int ids[] = {IDC_CHECK1, IDC_EDIT1, IDC_CHECK2, IDC_EDIT2};
    for (int id : {IDC_CHECK1, IDC_EDIT1, IDC_CHECK2, IDC_EDIT2, IDC_COPY1, IDC_COPY2}) {
        const RECT r = childRect(self, id);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << id << " at " << dpi;
    }
    // The stack of slot controls: nothing overlaps but a copy button on its own edit's strip.
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b)
            EXPECT_FALSE(overlap(childRect(self, ids[a]), childRect(self, ids[b]))) << ids[a] << "/" << ids[b];
    }
    EXPECT_FALSE(overlap(childRect(self, IDC_COPY1), childRect(self, IDC_EDIT2)));
    EXPECT_FALSE(overlap(childRect(self, IDC_COPY2), childRect(self, IDC_CHECK2)));
    // Slot texts in Courier New 9 pt for this DPI, one line of it inside the edit.
    for (int id : {IDC_EDIT1, IDC_EDIT2}) {
        HWND edit = GetDlgItem(self, id);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -MulDiv(9, dpi, 72)) << id;
        RECT inside{};
        GetClientRect(edit, &inside);
        EXPECT_LE(textExtent(edit, L"#FFFFFF").cy, inside.bottom) << id << " at " << dpi;
    }
    // Check box captions fit beside the box, whose side scales too.
    for (int id : {IDC_CHECK1, IDC_CHECK2}) {
        HWND check = GetDlgItem(self, id);
        const RECT r = childRect(self, id);
        const SIZE text = textExtent(check, textOf(check));
        EXPECT_LE(text.cx + scale(13) + scale(4), r.right - r.left) << id << " at " << dpi;
        EXPECT_LE(text.cy, r.bottom - r.top) << id << " at " << dpi;
    }
    for (int id : {IDC_COPY1, IDC_COPY2}) {
        HWND button = GetDlgItem(self, id);
        const RECT r = childRect(self, id);
        const SIZE glyph = textExtent(button, textOf(button));
        EXPECT_LE(glyph.cx, r.right - r.left) << id << " at " << dpi;
        EXPECT_LE(glyph.cy, r.bottom - r.top + scale(2)) << id << " at " << dpi;
    }
}

TEST_P(PickerDpi, EveryPixelIsPaintedAndTheViewIsWholeBlocks) {
    CaptureBitmap& image = picker.captureImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.bits()[y * image.width() + x] = (x * 7) << 16 | (y * 7) << 8 | 0x40;
    }
    const test::ClientImage img(picker.hwnd());
    // The client area, less the child controls, which paint themselves.
    std::vector<RECT> children;
    for (int id : {IDC_CHECK1, IDC_EDIT1, IDC_CHECK2, IDC_EDIT2, IDC_COPY1, IDC_COPY2})
        children.push_back(childRect(picker.hwnd(), id));
    int unpainted = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const POINT p{x, y};
            const bool child = std::any_of(children.begin(), children.end(),
                                           [&](const RECT& r) { return PtInRect(&r, p) != FALSE; });
            unpainted += !child && img.at(x, y) == RGB(255, 0, 255);
        }
    }
    EXPECT_EQ(unpainted, 0);
    const PickerLayout& l = picker.state.layout;
    const MagnifierState& m = picker.state.magnifier;
    ASSERT_EQ(l.block, Scale{GetParam()}(m.zoomFactor));
    for (int by = 0; by < m.viewSize; ++by) {
        for (int bx = 0; bx < m.viewSize; ++bx) {
            const int x = kCaptureCentre - (m.viewSize - 1) / 2 - m.viewOffset.x + bx,
                      y = kCaptureCentre - (m.viewSize - 1) / 2 - m.viewOffset.y + by;
            const COLORREF expected = RGB(x * 7, y * 7, 0x40);
            const int left = l.zoomRect.left + bx * l.block, top = l.zoomRect.top + by * l.block;
            // One pixel in from each corner: the marquee runs on the picked block's neighbours' edges.
            for (auto [dx, dy] : {std::pair{1, 1}, {l.block - 2, 1}, {1, l.block - 2}, {l.block - 2, l.block - 2}})
                EXPECT_EQ(img.at(left + dx, top + dy), expected) << "block " << bx << "," << by;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AtEachDpi, PickerDpi, ::testing::ValuesIn(kDpis));

TEST(PickerDpiChanges, BackAndForthLeaveHandleCountsFlat) {
    ColorPickerDialog picker;
    ASSERT_NE(picker.create(nullptr), nullptr);
    changeDpi(picker, 144);
    changeDpi(picker, 96);
    const int gdi = win::liveGdiHandles(), user = win::liveUserHandles();
    for (int i = 0; i < 50; ++i) {
        changeDpi(picker, kDpis[i % 4]);
    }
    changeDpi(picker, 96);
    EXPECT_EQ(win::liveGdiHandles(), gdi);
    EXPECT_EQ(win::liveUserHandles(), user);
    EXPECT_EQ(picker.state.layout.zoomRect, (Rect{6, 6, 83, 83}));
}

} // namespace
} // namespace huex
