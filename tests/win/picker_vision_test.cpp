// The zoom view as people with colour-vision deficiencies see it: the commands posted to the window, the
// captured square and the live drag view drawn with the simulated colours block by block, the caption, true
// picks, and the mode kept across a restart.
#include "Rendering.h"
#include "TempFolder.h"
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>

namespace huex {
namespace {

constexpr std::array<Vision, 4> kSimulated{Vision::protanopia, Vision::deuteranopia, Vision::tritanopia,
                                           Vision::achromatopsia};

COLORREF capturePixel(int x, int y) {
    return RGB(x * 7, 255 - y * 7, (x * 37 + y * 11) & 0xFF);
}

// The rule itself, not the view's tables: toByte of the exact simulation.
COLORREF seenAs(Vision v, COLORREF c) {
    const RgbColor s = simulateVision(v, colorrefToRgb(c));
    return RGB(toByte(s.red), toByte(s.green), toByte(s.blue));
}

void post(HWND window, int command) {
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

class PickerVision : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        CaptureBitmap& image = picker.captureImage();
        ASSERT_FALSE(image.empty());
        test::fillCapture(image, capturePixel);
    }
    // The block's centre for every block of the view, against the colour wanted for its pixel.
    template <class Want>
    void expectBlocks(const test::ClientImage& img, const Want& want, const char* what) {
        const MagnifierState& m = picker.state.magnifier;
        const Point origin{picker.state.layout.zoomRect.left, picker.state.layout.zoomRect.top};
        int wrong = 0;
        for (int j = 0; j < m.viewSize; ++j) {
            for (int i = 0; i < m.viewSize; ++i) {
                const COLORREF shown = img.at(origin.x + i * m.zoomFactor + m.zoomFactor / 2,
                                              origin.y + j * m.zoomFactor + m.zoomFactor / 2);
                if (shown != want(i, j) && ++wrong <= 3)
                    ADD_FAILURE() << what << ": block " << i << "," << j << " shows " << std::hex << shown
                                  << " instead of " << want(i, j);
            }
        }
    }
    ColorPickerDialog picker;
};

TEST_F(PickerVision, CapturedViewShowsTheRuleOnEveryBlockWhilePicksStayTrue) {
    HWND window = picker.hwnd();
    const std::vector<std::uint32_t> before(picker.captureImage().bits(),
                                            picker.captureImage().bits() + 33 * 33);
    for (const int level : {1, 4}) {
        post(window, ID_ZOOM_X15 + level);
        const MagnifierState& m = picker.state.magnifier;
        const int first = 16 - (m.viewSize - 1) / 2;
        for (const Vision v : kSimulated) {
            post(window, ID_VISION_NORMAL + static_cast<int>(v));
            EXPECT_EQ(picker.state.vision, v);
            EXPECT_TRUE(GetMenuState(picker.menuPopup(IDM_ZOOM), ID_VISION_NORMAL + static_cast<int>(v),
                                     MF_BYCOMMAND) &
                        MF_CHECKED);
            const std::string normal =
                magnifierCaption(pickedScreenPixel(m, picker.state.captureCenter), m.zoomFactor);
            EXPECT_EQ(win::narrow(test::windowTextOf(window)), normal + " — " + std::string(visionName(v)));
            const test::ClientImage img(window);
            const int column0 = first - m.viewOffset.x, row0 = first - m.viewOffset.y;
            expectBlocks(
                img, [&](int i, int j) { return seenAs(v, capturePixel(column0 + i, row0 + j)); },
                std::string(visionName(v)).c_str());
            // A click on the view picks the true pixel; the colour swatch shows it.
            SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(6 + m.zoomFactor / 2, 6 + m.zoomFactor / 2));
            SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(6 + m.zoomFactor / 2, 6 + m.zoomFactor / 2));
            const COLORREF truePixel = capturePixel(column0, row0);
            EXPECT_EQ(rgbToColorref(picker.state.currentColor), truePixel);
            EXPECT_EQ(picker.state.currentColor.red, GetRValue(truePixel) / 255.0);
            const Rect& swatch = picker.state.layout.colorSwatch;
            EXPECT_EQ(test::ClientImage(window).at(swatch.left + 2, swatch.top + 2), truePixel);
        }
        post(window, ID_VISION_NORMAL);
        const test::ClientImage img(window);
        const int column0 = first - m.viewOffset.x, row0 = first - m.viewOffset.y;
        expectBlocks(
            img, [&](int i, int j) { return capturePixel(column0 + i, row0 + j); }, "normal again");
    }
    EXPECT_EQ(win::narrow(test::windowTextOf(window)),
              magnifierCaption(pickedScreenPixel(picker.state.magnifier, picker.state.captureCenter),
                               picker.state.magnifier.zoomFactor));
    EXPECT_EQ(
        std::vector<std::uint32_t>(picker.captureImage().bits(), picker.captureImage().bits() + 33 * 33),
        before)
        << "the capture, which the clipboard and the image file take, keeps the true pixels";
}

// A window of known pixels on the screen, for the live view of a pipette drag.
LRESULT CALLBACK targetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) SetPixelV(dc, x, y, capturePixel(x, y));
    }
    EndPaint(window, &paint);
    return 0;
}

TEST_F(PickerVision, LiveDragViewIsSimulatedAndItsSampleReadFromTheScreen) {
    HWND window = picker.hwnd();
    SetWindowPos(window, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    WNDCLASSW targetClass{};
    targetClass.lpfnWndProc = targetProcedure;
    targetClass.hInstance = GetModuleHandleW(nullptr);
    targetClass.lpszClassName = L"HuexVisionTarget";
    RegisterClassW(&targetClass);
    HWND target = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, targetClass.lpszClassName, L"",
                                  WS_POPUP | WS_VISIBLE, 100, 100, 40, 40, nullptr, nullptr,
                                  targetClass.hInstance, nullptr);
    ASSERT_NE(target, nullptr);
    UpdateWindow(target);
    const win::WindowDc screen(nullptr);
    ASSERT_TRUE(test::pumpUntil([&] { return GetPixel(screen.get(), 120, 120) == capturePixel(20, 20); }))
        << "the target is not on the screen";

    post(window, ID_SAMPLE_3X3);
    post(window, ID_VISION_DEUTERANOPIA);
    const Rect& bar = picker.state.layout.pipetteBar;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.left + 10, bar.top + 10));
    POINT client{120, 120};
    ScreenToClient(window, &client);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    ASSERT_EQ(picker.state.captureCenter, (Point{120, 120}));
    // The sample is the mean of the true 3 x 3 screen pixels round the cursor.
    RgbColor sum;
    for (int x = 19; x <= 21; ++x) {
        for (int y = 19; y <= 21; ++y) accumulateColor(sum, capturePixel(x, y));
    }
    EXPECT_EQ(picker.state.currentColor.red, sum.red / 9);
    EXPECT_EQ(picker.state.currentColor.green, sum.green / 9);
    EXPECT_EQ(picker.state.currentColor.blue, sum.blue / 9);

    const MagnifierState& m = picker.state.magnifier;
    const int left = 120 - m.viewSize / 2 - 100, top = 120 - m.viewSize / 2 - 100; // target pixels
    expectBlocks(
        test::ClientImage(window),
        [&](int i, int j) { return seenAs(Vision::deuteranopia, capturePixel(left + i, top + j)); },
        "live view");
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    EXPECT_EQ(picker.state.dragMode, DragMode::idle);
    // The captured square holds the screen's own pixels.
    const std::uint32_t centre = picker.captureImage().bits()[16 * 33 + 16];
    EXPECT_EQ(RGB(centre >> 16 & 0xFF, centre >> 8 & 0xFF, centre & 0xFF), capturePixel(20, 20));
    DestroyWindow(target);
}

TEST(PickerVisionSettings, TheModeIsRestoredAndSaved) {
    TempFolder folder(L"huex-vision-");
    ASSERT_TRUE(folder.created());
    const SettingsFiles files = settingsFilesIn(folder.path());
    {
        std::ofstream ini(files.settings.c_str());
        ini << "[Common]\nFirstRun=no\nVersion=150\n[Vision]\nmode=3\n";
    }
    {
        ColorPickerDialog picker(files);
        ASSERT_NE(picker.create(nullptr), nullptr);
        EXPECT_EQ(picker.state.vision, Vision::tritanopia);
        EXPECT_TRUE(GetMenuState(picker.menuPopup(IDM_ZOOM), ID_VISION_TRITANOPIA, MF_BYCOMMAND) &
                    MF_CHECKED);
        EXPECT_FALSE(GetMenuState(picker.menuPopup(IDM_ZOOM), ID_VISION_NORMAL, MF_BYCOMMAND) & MF_CHECKED);
        EXPECT_NE(test::windowTextOf(picker.hwnd()).find(L" — Тританопия"), std::wstring::npos);
        post(picker.hwnd(), ID_VISION_ACHROMATOPSIA);
    }
    EXPECT_EQ(readSettingsFile(files.settings).read("Vision", "mode"), "4");
}

} // namespace
} // namespace huex
