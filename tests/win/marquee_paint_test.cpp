// The marquee as the window draws it onto a device context: every pixel of both rectangles in the
// colour of its dash, and no other pixel touched, across zoom levels, sample sizes, picked
// pixels, dash lengths and phases (negative dash values included).
#include "picker/ColorPickerDialog.h"
#include "picker/Marquee.h"
#include "resource.h"
#include "win/Handles.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace huex {
namespace {

constexpr COLORREF canvasColor = RGB(12, 34, 56);
constexpr int canvasSide = 100; // the zoom view and its frame fit at every level

// A 32-bit memory canvas, filled with canvasColor, read back pixel by pixel.
class Canvas {
  public:
    Canvas() {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), canvasSide, -canvasSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        dc_.reset(CreateCompatibleDC(nullptr));
        previous_ = SelectObject(dc_.get(), bitmap_.get());
        for (int i = 0; i < canvasSide * canvasSide; ++i)
            bits_[i] = GetRValue(canvasColor) << 16 | GetGValue(canvasColor) << 8 | GetBValue(canvasColor);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() { SelectObject(dc_.get(), previous_); }
    [[nodiscard]] HDC dc() const { return dc_.get(); }
    [[nodiscard]] COLORREF at(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = bits_[y * canvasSide + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

  private:
    win::UniqueBitmap bitmap_;
    win::UniqueMemoryDc dc_;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

bool onBorder(const Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom &&
           (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
}

struct MarqueeCase {
    int zoomLevel;
    int sampleCommand;
    Point pick;
    int period;
    int phase;
};

class MarqueePaint : public ::testing::TestWithParam<MarqueeCase> {};

TEST_P(MarqueePaint, EveryBorderPixelHasItsDashColourAndNothingElseChanges) {
    const MarqueeCase c = GetParam();
    ColorPickerDialog picker;
    ASSERT_NE(picker.create(nullptr), nullptr);
    picker.setZoomLevel(c.zoomLevel);
    picker.setSampleSize(c.sampleCommand);
    picker.state.magnifier.pickOffset = c.pick;
    ASSERT_EQ(sanitized(picker.state.magnifier), picker.state.magnifier)
        << "the case must be a reachable state";
    picker.state.period = c.period;
    picker.state.marqueePhase = c.phase;

    const Canvas canvas;
    picker.drawMarquee(canvas.dc());

    const MarqueeRects rects = marqueeRects(picker.state.magnifier);
    ASSERT_EQ(rects.block.has_value(), c.sampleCommand != ID_SAMPLE_1X1);
    for (int y = 0; y < canvasSide; ++y) {
        for (int x = 0; x < canvasSide; ++x) {
            COLORREF want = canvasColor;
            if (rects.block && onBorder(*rects.block, x, y))
                want = marqueeColorAt(*rects.block, {x, y}, c.period, c.phase);
            else if (onBorder(rects.picked, x, y))
                want = marqueeColorAt(rects.picked, {x, y}, c.period, c.phase);
            ASSERT_EQ(canvas.at(x, y), want) << "pixel " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LevelsSamplesAndPhases, MarqueePaint,
                         ::testing::Values(MarqueeCase{1, ID_SAMPLE_1X1, {0, 0}, 2, 0},
                                           MarqueeCase{1, ID_SAMPLE_5X5, {1, -1}, 3, 4},
                                           MarqueeCase{2, ID_SAMPLE_3X3, {3, -3}, 4, 7},
                                           MarqueeCase{4, ID_SAMPLE_3X3, {-11, 11}, 1, 1},
                                           // Dashes longer than the rectangle: negative values, black.
                                           MarqueeCase{0, ID_SAMPLE_5X5, {0, 0}, 20, 7}));

} // namespace
} // namespace huex
