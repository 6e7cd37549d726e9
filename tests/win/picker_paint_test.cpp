// What the picker window paints, read back pixel by pixel from WM_PRINTCLIENT.
#include "Rendering.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

constexpr COLORREF lightRing = RGB(230, 230, 230);
constexpr COLORREF dark = RGB(64, 32, 0);
constexpr COLORREF slate = RGB(95, 95, 112);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

// A capture whose every pixel tells where it came from.
COLORREF capturePixel(int x, int y) {
    return RGB(x * 7, y * 7, 0x40);
}

class PickerPaint : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        background = picker.state.backgroundColor;
        CaptureBitmap& image = picker.captureImage();
        ASSERT_FALSE(image.empty());
        test::fillCapture(image, capturePixel);
    }
    void setColor(int r, int g, int b) { picker.state.currentColor = {r / 255.0, g / 255.0, b / 255.0}; }
    void setModifier(int id) {
        CheckMenuRadioItem(picker.menuPopup(IDM_MODIFIER), 139, 143, id, MF_BYCOMMAND);
    }
    ColorPickerDialog picker;
    COLORREF background = 0;
};

// Rings of a frame round `inner`, outermost first, with the corner pixels of the third ring.
void expectFrame(const test::ClientImage& img, RECT inner, COLORREF ring1, COLORREF ring2, COLORREF ring3,
                 COLORREF corner, const char* what) {
    const COLORREF rings[3] = {ring1, ring2, ring3};
    for (int k = 1; k <= 3; ++k) {
        const int left = inner.left - k, top = inner.top - k, right = inner.right + k - 1,
                  bottom = inner.bottom + k - 1;
        // Sample the sides near the top: the equals-sign box may cover their middles.
        const int midX = (left + right) / 2, midY = inner.top + 1;
        EXPECT_EQ(img.at(midX, top), rings[k - 1]) << what << " ring " << k << " top";
        EXPECT_EQ(img.at(midX, bottom), rings[k - 1]) << what << " ring " << k << " bottom";
        EXPECT_EQ(img.at(left, midY), rings[k - 1]) << what << " ring " << k << " left";
        EXPECT_EQ(img.at(right, midY), rings[k - 1]) << what << " ring " << k << " right";
    }
    EXPECT_EQ(img.at(inner.left - 3, inner.top - 3), corner) << what << " corner";
    EXPECT_EQ(img.at(inner.right + 2, inner.bottom + 2), corner) << what << " corner";
}

TEST_F(PickerPaint, ZoomFrameIsActiveWhileTheViewIsTheSourceAndPassiveOtherwise) {
    expectFrame(test::ClientImage(picker.hwnd()), {6, 6, 83, 83}, lightRing, dark, dark, background,
                "active");
    picker.state.zoomActive = 0;
    expectFrame(test::ClientImage(picker.hwnd()), {6, 6, 83, 83}, lightRing, lightRing, slate, background,
                "passive");
}

TEST_F(PickerPaint, SwatchFramesFollowTheFocus) {
    const RECT color{92, 92, 163, 108}, modified{172, 92, 243, 108};
    const test::ClientImage img(picker.hwnd());
    expectFrame(img, color, lightRing, dark, dark, background, "colour swatch active");
    expectFrame(img, modified, lightRing, lightRing, slate, background, "modified swatch passive");
    picker.state.focusOnColor1 = 0;
    picker.state.focusOnColor2 = 1;
    const test::ClientImage focused(picker.hwnd());
    expectFrame(focused, color, lightRing, lightRing, slate, background, "colour swatch passive");
    EXPECT_EQ(focused.at(172 - 3, 93), dark) << "focused ring 3";
    EXPECT_EQ(focused.at(172 - 1, 93), lightRing) << "focused ring 1";
}

TEST_F(PickerPaint, PaletteCellsShowColoursFramesAndGapRows) {
    for (int i = 0; i < 7; ++i) picker.state.palette.colors[i] = {i / 10.0, 0.5, 1.0 - i / 10.0};
    const test::ClientImage img(picker.hwnd());
    // With 7 cells and H = 114: cell 0 spans rows 5..12, cell 6 rows 100..108, columns 256..291.
    EXPECT_EQ(img.at(270, 5), RGB(0, 128, 255));
    EXPECT_EQ(img.at(270, 12), RGB(0, 128, 255));
    EXPECT_EQ(img.at(291, 100), RGB(153, 128, 102));
    EXPECT_EQ(img.at(256, 108), RGB(153, 128, 102));
    EXPECT_EQ(img.at(270, 16), background) << "gap row under cell 0";
    // Cell 0 is selected while the palette is not the source: the focused frame.
    EXPECT_EQ(img.at(270, 4), lightRing);
    EXPECT_EQ(img.at(270, 2), dark);
    // Cell 1 is not selected: the thin frame (light ring, slate, background).
    const int top1 = 111 * 1 / 7 + 5;
    EXPECT_EQ(img.at(270, top1 - 1), lightRing);
    EXPECT_EQ(img.at(270, top1 - 2), slate);
    EXPECT_EQ(img.at(270, top1 - 3), background);
}

TEST_F(PickerPaint, SelectedCellOfTheActivePaletteHasTheSourceFrame) {
    picker.state.paletteActive = 1;
    const test::ClientImage img(picker.hwnd());
    // Cell 0 = (256, 5) - (292, 13): rings light, dark, dark; corners of ring 3 background.
    expectFrame(img, {256, 5, 292, 13}, lightRing, dark, dark, background, "source");
}

TEST_F(PickerPaint, OneCellHasNoGapRowAndFillsTheColumn) {
    picker.state.palette.count = 1;
    picker.state.palette.colors[0] = {1, 0, 0};
    const test::ClientImage img(picker.hwnd());
    EXPECT_EQ(img.at(270, 5), RGB(255, 0, 0));
    EXPECT_EQ(img.at(270, 108), RGB(255, 0, 0));
}

TEST_F(PickerPaint, EqualsSignOnlyWhenTheModifierChangesNothing) {
    setModifier(ID_MOD_WEB);
    setColor(51, 102, 153);
    const test::ClientImage equal(picker.hwnd());
    EXPECT_EQ(equal.at(167, 97), black);
    EXPECT_EQ(equal.at(167, 98), black);
    EXPECT_EQ(equal.at(167, 99), white);
    EXPECT_EQ(equal.at(167, 101), black);
    EXPECT_EQ(equal.at(167, 102), black);
    EXPECT_EQ(equal.at(160, 100), slate) << "outline of the box";
    setModifier(ID_MOD_INVERSION);
    setColor(128, 128, 128);
    const test::ClientImage differ(picker.hwnd());
    EXPECT_EQ(differ.at(167, 97), background);
    EXPECT_EQ(differ.at(167, 100), background);
    EXPECT_EQ(differ.at(120, 100), RGB(128, 128, 128));
    EXPECT_EQ(differ.at(174, 93), RGB(127, 127, 127));
}

TEST_F(PickerPaint, PipetteBarHasBlackOutlineWithBackgroundCorners) {
    const test::ClientImage img(picker.hwnd());
    // pipetteBar = (3, 89) - (86, 111)
    EXPECT_EQ(img.at(3, 89), background);
    EXPECT_EQ(img.at(85, 89), background);
    EXPECT_EQ(img.at(3, 110), background);
    EXPECT_EQ(img.at(85, 110), background);
    EXPECT_EQ(img.at(4, 89), black);
    EXPECT_EQ(img.at(3, 90), black);
    EXPECT_EQ(img.at(84, 110), black);
    EXPECT_EQ(img.at(5, 91), white);
}

TEST_F(PickerPaint, EveryClientPixelIsPainted) {
    const test::ClientImage img(picker.hwnd());
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            // Child controls paint themselves; they are not part of the client paint.
            POINT p{x, y};
            HWND child = ChildWindowFromPointEx(picker.hwnd(), p, CWP_SKIPINVISIBLE);
            if (child && child != picker.hwnd() && child != picker.instanceMarker()) continue;
            ASSERT_NE(img.at(x, y), RGB(255, 0, 255)) << "unpainted pixel at " << x << ", " << y;
        }
    }
}

TEST_F(PickerPaint, ZoomViewShowsTheCapturedPixelsAtEveryLevelAndOffset) {
    const Point offsets[] = {{0, 0}, {1, 1}, {2, -3}, {-4, 4}};
    for (int level = 0; level < 5; ++level) {
        for (const Point offset : offsets) {
            SendMessageW(picker.hwnd(), WM_COMMAND, ID_ZOOM_X15 + level, 0);
            picker.state.magnifier.viewOffset = offset;
            const int v = picker.state.magnifier.viewSize, k = picker.state.magnifier.zoomFactor;
            const test::ClientImage img(picker.hwnd());
            for (int j = 0; j < v; ++j) {
                for (int i = 0; i < v; ++i) {
                    const int column = 16 - (v - 1) / 2 - offset.x + i, row = 16 - (v - 1) / 2 - offset.y + j;
                    ASSERT_EQ(img.at(6 + i * k + k / 2, 6 + j * k + k / 2), capturePixel(column, row))
                        << "level " << level << " offset " << offset.x << "," << offset.y << " block " << i
                        << "," << j;
                }
            }
        }
    }
}

TEST_F(PickerPaint, MinimisedWindowPaintsNothing) {
    ShowWindow(picker.hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(picker.hwnd()));
    const test::ClientImage img(picker.hwnd(), SIZE{297, 114});
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) ASSERT_EQ(img.at(x, y), RGB(255, 0, 255)) << x << ", " << y;
    }
}

TEST_F(PickerPaint, ManyTicksAndPaintsCreateNoLastingObjects) {
    const int gdi = win::liveGdiHandles();
    const DWORD system = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    picker.state.animation = 1;
    for (int i = 0; i < 10000; ++i) SendMessageW(picker.hwnd(), WM_TIMER, 4, 0);
    for (int i = 0; i < 1000; ++i) test::ClientImage img(picker.hwnd());
    EXPECT_EQ(win::liveGdiHandles(), gdi);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), system);
}

} // namespace
} // namespace huex
