#include "picker/Layout.h"

#include "GeometryPrint.h"
#include "picker/Magnifier.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

TEST(RectTest, ContainsLikePtInRect) {
    const Rect r{10, 20, 13, 22};
    struct Case {
        Point p;
        bool inside;
    };
    for (const Case& c : {Case{{10, 20}, true}, Case{{12, 21}, true}, Case{{13, 21}, false},
                          Case{{12, 22}, false}, Case{{9, 20}, false}, Case{{10, 19}, false}}) {
        EXPECT_EQ(r.contains(c.p), c.inside) << c.p.x << "," << c.p.y;
    }
    EXPECT_FALSE((Rect{5, 5, 5, 9}).contains({5, 6}));
    EXPECT_TRUE((Rect{5, 5, 4, 9}).empty());
    EXPECT_EQ(r.inflated(3, 1), (Rect{7, 19, 16, 23}));
    EXPECT_EQ(r.inflated(-1, -1), (Rect{11, 21, 12, 21}));
    EXPECT_EQ(Rect::fromSize(2, 3, 4, 5), (Rect{2, 3, 6, 8}));
    EXPECT_EQ(r.offsetBy(-10, 5), (Rect{0, 25, 3, 27}));
}

struct LayoutCase {
    int viewSize, zoomFactor;
    PickerLayout expected;
};

// First layouts at every zoom level: the right panel always starts 160 pixels past the left one.
TEST(LayoutTest, FirstLayoutAtEveryZoomLevel) {
    const PickerLayout s75{{0, 0, 87, 112},  {84, 0, 247, 112}, {249, 0, 295, 112}, {6, 6, 81, 81},
                           {3, 87, 84, 109}, {54, 87, 84, 109}, {90, 90, 161, 106}, {170, 90, 241, 106}};
    const LayoutCase cases[] = {
        {5, 15, s75},
        {7,
         11,
         {{0, 0, 89, 114},
          {86, 0, 249, 114},
          {251, 0, 297, 114},
          {6, 6, 83, 83},
          {3, 89, 86, 111},
          {56, 89, 86, 111},
          {92, 92, 163, 108},
          {172, 92, 243, 108}}},
        {9,
         8,
         {{0, 0, 84, 109},
          {81, 0, 244, 109},
          {246, 0, 292, 109},
          {6, 6, 78, 78},
          {3, 84, 81, 106},
          {51, 84, 81, 106},
          {87, 87, 158, 103},
          {167, 87, 238, 103}}},
        {15, 5, s75},
        {25, 3, s75},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.viewSize);
        const PickerLayout l = computeLayout(c.viewSize, c.zoomFactor);
        EXPECT_EQ(l.leftPanel, c.expected.leftPanel);
        EXPECT_EQ(l.rightPanel, c.expected.rightPanel);
        EXPECT_EQ(l.paletteColumn, c.expected.paletteColumn);
        EXPECT_EQ(l.zoomRect, c.expected.zoomRect);
        EXPECT_EQ(l.pipetteBar, c.expected.pipetteBar);
        EXPECT_EQ(l.sampleButton, c.expected.sampleButton);
        EXPECT_EQ(l.colorSwatch, c.expected.colorSwatch);
        EXPECT_EQ(l.modifiedSwatch, c.expected.modifiedSwatch);
    }
}

TEST(LayoutTest, StartingLayoutClientAndWindowSizes) {
    const PickerLayout l = computeLayout(7, 11);
    EXPECT_EQ(clientSize(l), (Size{297, 114}));
    EXPECT_EQ(windowSizeFor(l, {8, 27}), (Size{305, 141}));
    const TrackingLimits limits = trackingLimits(l, 27);
    EXPECT_EQ(limits.minTrack, (Size{280, 141}));
    EXPECT_EQ(limits.maxTrack, (Size{6666, 141}));
}

TEST(LayoutTest, ZoomChangeKeepsWidthAndMovesOnlyThePanelBorder) {
    const PickerLayout before = computeLayout(7, 11);
    const PickerLayout after = computeLayout(9, 8, before);
    EXPECT_EQ(clientSize(after), (Size{297, 109})); // 5 pixels lower, same width
    EXPECT_EQ(after.leftPanel.width(), before.leftPanel.width() - 5);
    EXPECT_EQ(after.rightPanel.width(), before.rightPanel.width() + 5);
    EXPECT_EQ(after.rightPanel.right, before.rightPanel.right);
    EXPECT_EQ(after.paletteColumn.left, before.paletteColumn.left);
    EXPECT_EQ(after.paletteColumn.right, before.paletteColumn.right);
}

// The swatches share the right panel; an odd remainder goes to the modified swatch.
TEST(LayoutTest, SwatchesFollowTheRightEdge) {
    struct Case {
        int windowWidth;
        Rect colorSwatch, modifiedSwatch;
    };
    const Case cases[] = {
        {280, {92, 92, 150, 108}, {159, 92, 218, 108}},
        {356, {92, 92, 188, 108}, {197, 92, 294, 108}},
        {1000, {92, 92, 510, 108}, {519, 92, 938, 108}},
    };
    for (const Case& c : cases) {
        PickerLayout l = computeLayout(7, 11);
        ASSERT_TRUE(applyWindowWidth(l, c.windowWidth).has_value());
        EXPECT_EQ(l.rightPanel.right, c.windowWidth - 56);
        EXPECT_EQ(l.colorSwatch, c.colorSwatch);
        EXPECT_EQ(l.modifiedSwatch, c.modifiedSwatch);
        EXPECT_EQ(l.paletteColumn, (Rect{c.windowWidth - 54, 0, c.windowWidth - 8, 114}));
    }
}

TEST(LayoutTest, WindowWidthChangeReportsTheAreaToRepaint) {
    PickerLayout l = computeLayout(7, 11);
    EXPECT_FALSE(applyWindowWidth(l, 305).has_value()); // the width that gives R = 249
    EXPECT_EQ(l.rightPanel.right, 249);
    const auto dirty = applyWindowWidth(l, 356);
    ASSERT_TRUE(dirty.has_value());
    EXPECT_EQ(*dirty, (Rect{92, 0, 348, 114}));
    // A later zoom change keeps the edge the user chose.
    EXPECT_EQ(computeLayout(25, 3, l).rightPanel.right, 300);
}

TEST(LayoutTest, NonsenseInputsStayBounded) {
    PickerLayout l = computeLayout(7, 11);
    applyWindowWidth(l, 2'000'000'000);
    EXPECT_EQ(l.rightPanel.right, kMaxWindowWidth - 56);
    const PickerLayout huge = computeLayout(1'000'000, 1'000'000);
    EXPECT_EQ(huge.zoomRect.width(), 33 * 15);
    EXPECT_EQ(computeLayout(-7, 11).zoomRect, (Rect{6, 6, 6, 6}));
}

TEST(LayoutTest, SlotControlsStackAboveTheSwatches) {
    const PickerLayout l = computeLayout(7, 11);
    const SlotControlRects c = slotControlRects(l, 13);
    EXPECT_EQ(c.edit2, (Rect{89, 66, 246, 86}));
    EXPECT_EQ(c.check2, (Rect{89, 52, 246, 65}));
    EXPECT_EQ(c.edit1, (Rect{89, 27, 246, 47}));
    EXPECT_EQ(c.check1, (Rect{89, 13, 246, 26}));
    // A check box that reports no sensible height gets none, and nothing else moves past it.
    const SlotControlRects odd = slotControlRects(l, -40);
    EXPECT_TRUE(odd.check2.empty());
    EXPECT_EQ(odd.edit1, (Rect{89, 40, 246, 60}));
}

TEST(PaletteCellTest, SevenCellsAtTheStartingHeight) {
    const PickerLayout l = computeLayout(7, 11);
    EXPECT_EQ(paletteCell(l, 0, 7), (Rect{256, 5, 292, 13}));
    EXPECT_EQ(paletteCell(l, 6, 7), (Rect{256, 100, 292, 109}));
    for (int i : {-1, 7, 100}) EXPECT_TRUE(paletteCell(l, i, 7).empty()) << i;
    EXPECT_TRUE(paletteCell(l, 0, 0).empty());
    EXPECT_EQ(paletteHitTest(l, 0, {260, 8}), -1);
    // More cells than the palette holds: only its capacity is laid out.
    EXPECT_TRUE(paletteCell(l, 10, 11).empty());
    EXPECT_EQ(paletteCell(l, 9, 11), paletteCell(l, 9, 10));
}

TEST(PaletteCellTest, HitTestMargins) {
    const PickerLayout l = computeLayout(7, 11);
    struct Case {
        Point p;
        int cell;
    };
    const Case cases[] = {
        {{260, 3}, 0},  {{260, 2}, 0},   {{260, 1}, -1}, // 2 and 3 pixels above cell 0
        {{253, 8}, 0},  {{252, 8}, -1},  {{294, 8}, 0},  {{295, 8}, -1}, {{260, 13}, 0},
        {{260, 15}, 0}, {{260, 16}, -1}, {{260, 17}, 1}, {{260, 19}, 1}, {{100, 50}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(paletteHitTest(l, 7, c.p), c.cell) << c.p.x << "," << c.p.y;
}

// Between any two neighbouring cells lie 7 rows: 3 hit the upper cell, 1 hits none, 3 the lower.
TEST(PaletteCellTest, GapRowsSplitEvenlyForEveryCountAndHeight) {
    for (const ZoomLevel& level : kZoomLevels) {
        const PickerLayout l = computeLayout(level.viewSize, level.zoomFactor);
        for (int n = 1; n <= 10; ++n) {
            for (int i = 0; i + 1 < n; ++i) {
                const Rect upper = paletteCell(l, i, n);
                const Rect lower = paletteCell(l, i + 1, n);
                ASSERT_FALSE(upper.empty());
                ASSERT_EQ(lower.top - upper.bottom, 7) << n << " " << i;
                const int x = upper.left + 1;
                const int expected[7] = {i, i, i, -1, i + 1, i + 1, i + 1};
                for (int row = 0; row < 7; ++row) {
                    EXPECT_EQ(paletteHitTest(l, n, {x, upper.bottom + row}), expected[row]) << n << " " << i;
                }
            }
            EXPECT_LE(paletteCell(l, n - 1, n).bottom, l.paletteColumn.bottom - kFrameWidth);
        }
    }
}

TEST(LayoutTest, SampleButtonLiesInsideThePipetteBar) {
    for (const ZoomLevel& level : kZoomLevels) {
        const PickerLayout l = computeLayout(level.viewSize, level.zoomFactor);
        const Rect b = l.sampleButton;
        for (Point p : cornerPixels(b)) EXPECT_TRUE(l.pipetteBar.contains(p));
        EXPECT_EQ(b.width(), 30);
        EXPECT_EQ(l.pipetteBar.height(), 22);
        EXPECT_EQ(l.zoomRect.width(), level.viewSize * level.zoomFactor);
        EXPECT_EQ(l.zoomRect.height(), l.zoomRect.width());
    }
}

} // namespace
} // namespace huex
