// The picker at 96, 120, 144 and 192 DPI: the scale rule, and a layout that is the 96-DPI layout
// times the scale (within rounding) with a view grid of whole blocks.
#include "geometry/Scale.h"
#include "picker/Frames.h"
#include "picker/Layout.h"
#include "picker/Magnifier.h"
#include "picker/Marquee.h"
#include "picker/PointerRegions.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace huex {
namespace {

TEST(ScaleTest, RoundsHalfAwayFromZeroAndKeepsLinesVisible) {
    struct Case {
        int value, dpi, scaled, line;
    };
    const Case cases[] = {
        {3, 96, 3, 3},   {3, 144, 5, 5},     {-3, 144, -5, -5}, {2, 120, 3, 3},     {1, 120, 1, 1},
        {1, 72, 1, 1},   {1, 24, 0, 1},      {0, 192, 0, 0},    {306, 120, 383, 383}, {22, 144, 33, 33},
        {-1, 24, 0, -1}, {6666, 192, 13332, 13332},
    };
    for (const Case& c : cases) {
        const Scale s{c.dpi};
        EXPECT_EQ(s(c.value), c.scaled) << c.value << " at " << c.dpi;
        EXPECT_EQ(s.line(c.value), c.line) << c.value << " at " << c.dpi;
    }
    EXPECT_EQ(Scale{120}.unscaled(383), 306);
    EXPECT_EQ(Scale{144}.unscaled(Scale{144}(306)), 306);
    for (auto [dpi, height] : {std::pair{96, -12}, {120, -15}, {144, -18}, {192, -24}})
        EXPECT_EQ(Scale{dpi}.fontHeight(9), height) << dpi;
    EXPECT_EQ(mulDiv(5, 3, 0), -1);
}

struct Named {
    const char* name;
    Rect PickerLayout::*rect;
};
constexpr Named kRegions[] = {
    {"leftPanel", &PickerLayout::leftPanel},     {"rightPanel", &PickerLayout::rightPanel},
    {"paletteColumn", &PickerLayout::paletteColumn}, {"zoomRect", &PickerLayout::zoomRect},
    {"pipetteBar", &PickerLayout::pipetteBar},   {"sampleButton", &PickerLayout::sampleButton},
    {"colorSwatch", &PickerLayout::colorSwatch}, {"modifiedSwatch", &PickerLayout::modifiedSwatch},
};

void expectScaled(const Rect& actual, const Rect& base, int dpi, const char* what) {
    const Scale s{dpi};
    for (auto [a, b] : {std::pair{actual.left, base.left}, {actual.top, base.top}, {actual.right, base.right},
                        {actual.bottom, base.bottom}})
        EXPECT_LE(std::abs(a - s(b)), 3) << what << " at " << dpi;
}

TEST(ScaledLayoutTest, EveryRegionIsTheBaseLayoutScaled) {
    for (int dpi : {96, 120, 144, 192}) {
        const Scale s{dpi};
        const PickerLayout base = computeLayout(9, 8);
        const PickerLayout l = computeLayout(9, 8, {}, s);
        for (const Named& r : kRegions) expectScaled(l.*r.rect, base.*r.rect, dpi, r.name);
        const SlotControlRects c = slotControlRects(l, s(13)), c0 = slotControlRects(base, 13);
        expectScaled(c.edit1, c0.edit1, dpi, "edit1");
        expectScaled(c.edit2, c0.edit2, dpi, "edit2");
        expectScaled(c.check1, c0.check1, dpi, "check1");
        expectScaled(c.check2, c0.check2, dpi, "check2");
        for (int i = 0; i < 7; ++i) expectScaled(paletteCell(l, i, 7), paletteCell(base, i, 7), dpi, "cell");
        // The view is whole blocks of the scaled zoom factor, framed by rings that add up.
        EXPECT_EQ(l.block, s(8));
        EXPECT_EQ(l.zoomRect.width(), 9 * s(8));
        EXPECT_EQ(l.zoomRect.height(), 9 * s(8));
        const FramePaint frame = framePaint(l.zoomRect, {FrameStyle::active, kDark}, 0, s);
        EXPECT_EQ(frame.rings[2].outline, l.zoomRect.inflated(l.zoomRect.left - l.leftPanel.left - s(3),
                                                              l.zoomRect.left - l.leftPanel.left - s(3)));
        EXPECT_EQ(frame.rings[0].width + frame.rings[1].width + frame.rings[2].width, layoutMetrics(s).frame);
        // Nothing reaches past the client area the window gets.
        const Size client = clientSize(l);
        EXPECT_LE(l.paletteColumn.right, client.width);
        EXPECT_GE(c.check1.top, layoutMetrics(s).frame);
        EXPECT_LE(c.edit2.bottom, l.colorSwatch.top - layoutMetrics(s).frame);
    }
}

TEST(ScaledLayoutTest, ANewDpiKeepsTheRightPanelsApparentWidth) {
    PickerLayout l = computeLayout(9, 8);
    ASSERT_TRUE(applyWindowWidth(l, 400).has_value());
    const int panel = l.rightPanel.right - l.leftPanel.right;
    const PickerLayout scaled = computeLayout(9, 8, l, Scale{144});
    EXPECT_EQ(scaled.rightPanel.right - scaled.leftPanel.right, Scale{144}(panel));
    const PickerLayout back = computeLayout(9, 8, scaled, Scale{96});
    EXPECT_EQ(back.rightPanel.right, l.rightPanel.right);
}

// Each block of the view answers a click with its own pixel, and the marquee and the live sample
// lie on the block that is picked.
TEST(ScaledLayoutTest, ClicksMarqueeAndLiveSampleFollowTheBlocks) {
    for (int dpi : {96, 120, 144, 192}) {
        for (const ZoomLevel& level : kZoomLevels) {
            const PickerLayout l = computeLayout(level.viewSize, level.zoomFactor, {}, Scale{dpi});
            const ViewGrid grid = l.viewGrid();
            MagnifierState m{level.viewSize, level.zoomFactor, 1, {}, {}};
            const int half = m.viewSize / 2;
            for (int b = 0; b < m.viewSize; ++b) {
                const Point inside{grid.origin.x + b * grid.block + grid.block - 1, grid.origin.y + b * grid.block};
                EXPECT_EQ(clickedPickOffset(m, inside, grid), (Point{b - half, b - half})) << dpi << " " << b;
            }
            m.pickOffset = {1, -1};
            const Rect block = Rect::fromSize(grid.origin.x + (half + 1) * grid.block,
                                              grid.origin.y + (half - 1) * grid.block, grid.block, grid.block);
            EXPECT_EQ(marqueeRects(m, grid).picked, block.inflated(1, 1)) << dpi;
            for (const Point& p : liveSamplePoints(m, grid)) EXPECT_TRUE(block.contains(p)) << dpi;
        }
    }
}

} // namespace
} // namespace huex
