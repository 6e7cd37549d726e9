#include "GeometryPrint.h"
#include "picker/Frames.h"
#include "picker/Marquee.h"
#include "picker/PaintGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>
#include <vector>

namespace huex {
namespace {

bool intersects(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Layouts at every zoom level, at the first width and at two user-chosen widths.
std::vector<PickerLayout> sampleLayouts() {
    std::vector<PickerLayout> layouts;
    for (const ZoomLevel& level : kZoomLevels) {
        for (int windowWidth : {0, 280, 1200}) {
            PickerLayout l = computeLayout(level.viewSize, level.zoomFactor);
            if (windowWidth != 0) applyWindowWidth(l, windowWidth);
            layouts.push_back(l);
        }
    }
    return layouts;
}

TEST(MarqueeTest, DashColours) {
    const Rect r13 = Rect::fromSize(10, 20, 13, 13);
    const Rect r5 = Rect::fromSize(0, 0, 5, 5);
    struct Case {
        Rect r;
        Point p;
        int period, phase;
        ColorRef color;
    };
    const Case cases[] = {
        {r13, {10, 20}, 3, 0, kMarqueeBlack},          // 14 mod 6 = 2
        {r13, {11, 20}, 3, 0, kMarqueeWhite},          // 15 mod 6 = 3
        {r13, {14, 20}, 3, 0, kMarqueeBlack},          // 18 mod 6 = 0
        {r13, {10, 21}, 3, 0, kMarqueeWhite},          // 15 again: dashes run diagonally
        {r13, {10, 20}, 3, 5, kMarqueeWhite},          // 9 mod 6 = 3
        {r5, {0, 0}, 20, 0, kMarqueeWhite},            // 23 mod 40 = 23
        {r5, {0, 0}, 20, 39, kMarqueeBlack},           // -16: negative values are black
        {r5, {4, 4}, 20, 39, kMarqueeBlack},           // -8
        {r5, {0, 0}, 10, 19, kMarqueeBlack},           // -6 mod 20 is -6, not 14: the remainder truncates
        {r5, {0, 0}, 0, 0, kMarqueeBlack},             // a period of 0 counts as 1: 4 mod 2 = 0
        {r5, {1, 0}, 0, 0, kMarqueeWhite},             // 5 mod 2 = 1
        {r5, {0, 0}, INT_MAX, INT_MIN, kMarqueeBlack}, // no overflow: 4294967298 mod 4294967294 = 4
    };
    for (const Case& c : cases) {
        EXPECT_EQ(marqueeColorAt(c.r, c.p, c.period, c.phase), c.color)
            << c.p.x << "," << c.p.y << " period " << c.period << " phase " << c.phase;
    }
}

// One more phase shows each dash one pixel further to the right (and down).
TEST(MarqueeTest, DashesMoveTowardsTheLowerRight) {
    const Rect r = Rect::fromSize(38, 38, 13, 13);
    for (int period : {1, 2, 3, 7}) {
        for (int phase = 0; phase < 2 * period; ++phase) {
            for (int x = r.left + 1; x < r.right; ++x) {
                EXPECT_EQ(marqueeColorAt(r, {x, r.top}, period, phase + 1),
                          marqueeColorAt(r, {x - 1, r.top}, period, phase));
                EXPECT_EQ(marqueeColorAt(r, {r.left, x}, period, phase + 1),
                          marqueeColorAt(r, {r.left, x - 1}, period, phase));
            }
        }
    }
}

TEST(MarqueeTest, BorderPixelsEachOnceInDrawingOrder) {
    const Rect r = Rect::fromSize(38, 16, 13, 13);
    const std::vector<MarqueePixel> pixels = marqueePixels(r, 3, 0);
    ASSERT_EQ(pixels.size(), 48u);
    std::set<std::pair<int, int>> seen;
    for (const MarqueePixel& px : pixels) {
        const Point p = px.at;
        EXPECT_TRUE(r.contains(p) && !r.inflated(-1, -1).contains(p));
        EXPECT_EQ(px.color, marqueeColorAt(r, p, 3, 0));
        seen.insert({p.x, p.y});
    }
    EXPECT_EQ(seen.size(), 48u);
    EXPECT_EQ(pixels[0].at, (Point{38, 16}));
    EXPECT_EQ(pixels[12].at, (Point{50, 16}));
    EXPECT_EQ(pixels[13].at, (Point{38, 28}));
    EXPECT_EQ(pixels[26].at, (Point{38, 17}));
    struct Case {
        Rect r;
        std::size_t count;
    };
    for (const Case& c : {Case{{0, 0, 1, 1}, 1}, Case{{0, 0, 3, 1}, 3}, Case{{0, 0, 1, 3}, 3},
                          Case{{0, 0, 2, 2}, 4}, Case{{0, 0, 0, 5}, 0}}) {
        EXPECT_EQ(marqueePixels(c.r, 2, 0).size(), c.count) << c.r.width() << "x" << c.r.height();
    }
}

TEST(MarqueeTest, RectanglesRoundThePickedPixelAndTheBlock) {
    const MarqueeRects single = marqueeRects({7, 11, 1, {0, 0}, {1, 1}});
    EXPECT_EQ(single.picked, (Rect{38, 38, 51, 51}));
    EXPECT_FALSE(single.block.has_value());
    const MarqueeRects three = marqueeRects({7, 11, 3, {1, -1}, {0, 0}});
    EXPECT_EQ(three.picked, (Rect{49, 27, 62, 40}));
    ASSERT_TRUE(three.block.has_value());
    EXPECT_EQ(*three.block, (Rect{38, 16, 73, 51}));
}

// At every level, sample size and extreme pick, the marquee stays on the view and its frame edge.
TEST(MarqueeTest, RectanglesStayOnTheView) {
    for (const ZoomLevel& level : kZoomLevels) {
        const Rect bounds = computeLayout(level.viewSize, level.zoomFactor).zoomRect.inflated(1, 1);
        for (int size : {1, 3, 5}) {
            const int b = pickOffsetBound(level.viewSize, size);
            for (Point pick : {Point{-b, -b}, Point{b, b}, Point{0, 0}}) {
                const MarqueeRects m = marqueeRects({level.viewSize, level.zoomFactor, size, pick, {0, 0}});
                const Rect outer = m.block.value_or(m.picked);
                EXPECT_GE(outer.left, bounds.left);
                EXPECT_GE(outer.top, bounds.top);
                EXPECT_LE(outer.right, bounds.right);
                EXPECT_LE(outer.bottom, bounds.bottom);
                EXPECT_EQ(m.block.has_value(), size != 1);
                if (m.block) {
                    EXPECT_TRUE(m.block->contains(m.picked.topLeft()));
                    EXPECT_EQ(m.block->width(), size * level.zoomFactor + 2);
                }
            }
        }
    }
}

TEST(MarqueeTest, PhaseWraps) {
    struct Case {
        int phase, period, next;
    };
    const Case cases[] = {{0, 2, 1},  {2, 2, 3}, {3, 2, 0}, {5, 2, 0},
                          {-1, 2, 0}, {0, 0, 1}, {1, 0, 0}, {INT_MAX, INT_MAX, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(nextMarqueePhase(c.phase, c.period), c.next) << c.phase << " " << c.period;
}

TEST(FlashTest, FadesFromFlashColourToTheOrdinaryFrame) {
    struct Case {
        int step;
        ColorRef copyActive, copyPassive, refreshActive, refreshPassive;
    };
    const Case cases[] = {
        {1, packColorRef(30, 230, 50), packColorRef(30, 230, 50), packColorRef(255, 100, 0),
         packColorRef(255, 100, 0)},
        {2, packColorRef(37, 185, 38), packColorRef(44, 199, 63), packColorRef(212, 84, 0),
         packColorRef(219, 98, 24)},
        {3, packColorRef(44, 144, 28), packColorRef(58, 171, 76), packColorRef(172, 70, 0),
         packColorRef(185, 97, 48)},
        {4, packColorRef(51, 106, 18), packColorRef(70, 145, 88), packColorRef(135, 57, 0),
         packColorRef(155, 96, 69)},
        {5, packColorRef(56, 75, 10), packColorRef(80, 124, 98), packColorRef(105, 46, 0),
         packColorRef(129, 96, 87)},
        {6, packColorRef(60, 51, 4), packColorRef(88, 108, 105), packColorRef(82, 38, 0),
         packColorRef(110, 95, 100)},
        {7, packColorRef(63, 36, 1), packColorRef(93, 98, 110), packColorRef(68, 33, 0),
         packColorRef(99, 95, 109)},
        {8, kDark, kSlate, kDark, kSlate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(zoomFrame(c.step, FlashKind::copy, true), (Frame{FrameStyle::active, c.copyActive}));
        EXPECT_EQ(zoomFrame(c.step, FlashKind::copy, false), (Frame{FrameStyle::passive, c.copyPassive}));
        EXPECT_EQ(zoomFrame(c.step, FlashKind::refresh, true), (Frame{FrameStyle::active, c.refreshActive}));
        EXPECT_EQ(zoomFrame(c.step, FlashKind::refresh, false),
                  (Frame{FrameStyle::passive, c.refreshPassive}));
    }
    for (int step : {0, 9, -1}) {
        EXPECT_EQ(zoomFrame(step, FlashKind::copy, true), (Frame{FrameStyle::active, kDark}));
        EXPECT_EQ(zoomFrame(step, FlashKind::refresh, false), (Frame{FrameStyle::passive, kSlate}));
    }
}

TEST(FlashTest, LastsEightTicks) {
    FlashTick tick{1, false};
    int ticks = 0;
    while (!tick.finished && ticks < 100) {
        tick = nextFlashStep(tick.step);
        ++ticks;
    }
    EXPECT_EQ(ticks, 8);
    EXPECT_EQ(tick.step, 0);
    EXPECT_TRUE(nextFlashStep(-3).finished);
}

TEST(FrameTest, RingsAndCornersPerStyle) {
    const Rect inner{10, 10, 20, 20};
    const ColorRef bg = 0x123456, c = 0xABCDEF;
    const std::array<Point, 4> ring3Corners{{{7, 7}, {22, 7}, {7, 22}, {22, 22}}};
    const std::array<Point, 4> ring2Corners{{{8, 8}, {21, 8}, {8, 21}, {21, 21}}};
    struct Case {
        Frame frame;
        std::array<ColorRef, 3> rings;
        bool focusRect;
        std::array<Point, 4> corners;
    };
    const Case cases[] = {
        {{FrameStyle::active, c}, {kLightRing, c, c}, false, ring3Corners},
        {{FrameStyle::passive, c}, {kLightRing, kLightRing, c}, false, ring3Corners},
        {{FrameStyle::source, c}, {kLightRing, kDark, kDark}, false, ring3Corners},
        {{FrameStyle::focused, c}, {kLightRing, kWhite, kDark}, true, ring3Corners},
        {{FrameStyle::thin, c}, {kLightRing, kSlate, bg}, false, ring2Corners},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(static_cast<int>(k.frame.style));
        const FramePaint paint = framePaint(inner, k.frame, bg);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(paint.rings[i].outline, inner.inflated(i + 1, i + 1));
            EXPECT_EQ(paint.rings[i].color, k.rings[i]);
        }
        EXPECT_EQ(paint.focusRect, k.focusRect);
        EXPECT_EQ(paint.backgroundCorners, k.corners);
    }
}

TEST(FrameTest, StylePerRegionState) {
    EXPECT_EQ(colorSwatchFrame(true), (Frame{FrameStyle::active, kDark}));
    EXPECT_EQ(colorSwatchFrame(false), (Frame{FrameStyle::passive, kSlate}));
    EXPECT_EQ(modifiedSwatchFrame(true).style, FrameStyle::focused);
    EXPECT_EQ(modifiedSwatchFrame(false), (Frame{FrameStyle::passive, kSlate}));
    EXPECT_EQ(paletteCellFrame(false, true).style, FrameStyle::thin);
    EXPECT_EQ(paletteCellFrame(false, false).style, FrameStyle::thin);
    EXPECT_EQ(paletteCellFrame(true, true).style, FrameStyle::source);
    EXPECT_EQ(paletteCellFrame(true, false).style, FrameStyle::focused);
}

TEST(PaintGeometryTest, BackgroundFillsOfTheStartingWindow) {
    const PickerLayout l = computeLayout(7, 11);
    const std::vector<Rect> expected = {
        {0, 0, 297, 3},   {0, 111, 297, 114}, {0, 3, 3, 111},     {295, 3, 297, 111},
        {86, 3, 89, 111}, {3, 86, 252, 89},   {246, 3, 249, 111}, {251, 3, 253, 111},
        {86, 3, 249, 13}, {86, 26, 249, 27},  {86, 47, 249, 52},  {86, 65, 249, 66},
    };
    EXPECT_EQ(backgroundFills(l, slotControlRects(l, 13), clientSize(l)), expected);
}

// Background fills must never wipe a region that is painted before or not at all by the window.
TEST(PaintGeometryTest, BackgroundFillsLeaveRegionsAndControlsAlone) {
    for (const PickerLayout& l : sampleLayouts()) {
        for (int hc : {8, 13, 15}) {
            const SlotControlRects c = slotControlRects(l, hc);
            std::vector<Rect> kept = {l.zoomRect.inflated(kFrameWidth, kFrameWidth),
                                      l.pipetteBar,
                                      l.colorSwatch,
                                      l.modifiedSwatch,
                                      c.edit1,
                                      c.edit2,
                                      c.check1,
                                      c.check2};
            for (int i = 0; i < 7; ++i) kept.push_back(paletteCell(l, i, 7));
            for (const Rect& fill : backgroundFills(l, c, clientSize(l))) {
                for (const Rect& r : kept) EXPECT_FALSE(intersects(fill, r));
            }
        }
    }
}

TEST(PaintGeometryTest, SameScreenColourComparesBytes) {
    const RgbColor gray128{128 / 255.0, 128 / 255.0, 128 / 255.0};
    const RgbColor gray127{127 / 255.0, 127 / 255.0, 127 / 255.0};
    const RgbColor web{51 / 255.0, 102 / 255.0, 153 / 255.0};
    EXPECT_FALSE(sameScreenColor(gray128, gray127));
    EXPECT_TRUE(sameScreenColor(web, web));
    EXPECT_TRUE(sameScreenColor({0.5, 0.5, 0.5}, gray128)); // 127.5 rounds up
    EXPECT_TRUE(sameScreenColor({0.498, 0, 0}, {127 / 255.0, 0, 0}));
}

TEST(PaintGeometryTest, SwatchMarker) {
    const PickerLayout l = computeLayout(7, 11);
    const SwatchMarker differ = swatchMarker(l, false);
    EXPECT_FALSE(differ.equalSign);
    EXPECT_EQ(differ.background, (Rect{166, 89, 169, 111}));
    const SwatchMarker equal = swatchMarker(l, true);
    EXPECT_TRUE(equal.equalSign);
    EXPECT_EQ(equal.box, (Rect{161, 95, 174, 105}));
    EXPECT_EQ(equal.boxOutline, (Rect{160, 94, 175, 106}));
    EXPECT_EQ(equal.bars[0], (Rect{164, 97, 171, 99}));
    EXPECT_EQ(equal.bars[1], (Rect{164, 101, 171, 103}));
    EXPECT_EQ(equal.backgroundStrips[0], (Rect{166, 89, 169, 94}));
    EXPECT_EQ(equal.backgroundStrips[1], (Rect{166, 106, 169, 111}));
}

// Switching between the two markers repaints the whole gap column between the swatches.
TEST(PaintGeometryTest, EqualsSignCoversTheGapTheOtherMarkerClears) {
    for (const PickerLayout& l : sampleLayouts()) {
        const Rect gap = swatchMarker(l, false).background;
        const SwatchMarker m = swatchMarker(l, true);
        EXPECT_EQ(m.backgroundStrips[0].top, gap.top);
        EXPECT_EQ(m.backgroundStrips[0].bottom, m.boxOutline.top);
        EXPECT_EQ(m.backgroundStrips[1].top, m.boxOutline.bottom);
        EXPECT_EQ(m.backgroundStrips[1].bottom, gap.bottom);
        EXPECT_LE(m.boxOutline.left, gap.left);
        EXPECT_GE(m.boxOutline.right, gap.right);
    }
}

TEST(PaintGeometryTest, PaletteGapRows) {
    const PickerLayout l = computeLayout(7, 11);
    EXPECT_EQ(paletteGapRow(l, 0, 7), (Rect{251, 16, 297, 17}));
    for (auto [index, count] : {std::pair{6, 7}, std::pair{0, 1}, std::pair{-1, 7}, std::pair{7, 7}}) {
        EXPECT_FALSE(paletteGapRow(l, index, count).has_value()) << index << " of " << count;
    }
    for (int n = 2; n <= 10; ++n) {
        const auto row = paletteGapRow(l, n - 2, n);
        ASSERT_TRUE(row.has_value());
        EXPECT_EQ(paletteHitTest(l, n, {row->left + 10, row->top}), -1); // the one row no cell claims
    }
}

TEST(PaintGeometryTest, DropPreviews) {
    const DropPreview swatch = swatchDropPreview({92, 92, 163, 108});
    EXPECT_EQ(swatch.ownColor, (Rect{92, 92, 126, 108}));
    EXPECT_EQ(swatch.droppedColor, (Rect{127, 92, 163, 108}));
    EXPECT_EQ(swatch.divider, (Rect{127, 93, 128, 107}));
    EXPECT_EQ(swatch.focusFrame, (Rect{93, 93, 162, 107}));
    const DropPreview cell = paletteDropPreview({256, 5, 292, 13});
    EXPECT_EQ(cell.ownColor, (Rect{256, 5, 274, 13}));
    EXPECT_EQ(cell.droppedColor, (Rect{274, 5, 292, 13}));
    EXPECT_EQ(cell.divider, (Rect{274, 5, 275, 13}));
    EXPECT_EQ(cell.focusFrame, (Rect{256, 5, 292, 13}));
}

TEST(PaintGeometryTest, PipetteBarSampleButtonAndSeparator) {
    const PickerLayout l = computeLayout(7, 11);
    const PipetteBarPaint bar = pipetteBarPaint(l);
    EXPECT_EQ(bar.outline, (Rect{3, 89, 86, 111}));
    EXPECT_EQ(bar.backgroundCorners, (std::array<Point, 4>{{{3, 89}, {85, 89}, {3, 110}, {85, 110}}}));
    EXPECT_EQ(bar.whiteArea, (Rect{4, 90, 57, 110}));
    EXPECT_EQ(bar.pipetteIcon, (Point{22, 92}));
    EXPECT_EQ(bar.dividerIcon, (Point{56, 92}));

    struct Case {
        SampleButtonMode mode;
        Point cursor;
        ColorRef face;
    };
    const Case cases[] = {
        {SampleButtonMode::byCursor, {56, 95}, kHover},
        {SampleButtonMode::byCursor, {86, 95}, kWhite},
        {SampleButtonMode::normal, {60, 95}, kWhite},
        {SampleButtonMode::highlighted, {0, 0}, kHover},
    };
    for (const Case& c : cases) {
        const SampleButtonPaint button = sampleButtonPaint(l, c.mode, c.cursor);
        EXPECT_EQ(button.face, (Rect{57, 90, 85, 110}));
        EXPECT_EQ(button.faceColor, c.face) << static_cast<int>(c.mode) << " " << c.cursor.x;
        EXPECT_EQ(button.icon, (Point{59, 92}));
    }

    const SeparatorLines s = separatorLines(l);
    EXPECT_EQ(s.greyFrom, (Point{249, 3}));
    EXPECT_EQ(s.greyTo, (Point{249, 111}));
    EXPECT_EQ(s.whiteFrom, (Point{250, 3}));
    EXPECT_EQ(s.whiteTo, (Point{250, 111}));
}

} // namespace
} // namespace huex
