#include "picker/Magnifier.h"

#include "GeometryPrint.h"
#include "picker/Layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace huex {
namespace {

MagnifierState stateAt(int level, int sampleSize, Point pick, Point view) {
    return {kZoomLevels[level].viewSize, kZoomLevels[level].zoomFactor, sampleSize, pick, view};
}

std::size_t byteOffset(int x, int y) {
    return (static_cast<std::size_t>(y) * kCaptureSide + x) * 4;
}

// A capture whose pixel (x, y) has red 7x, green 7y and blue x + y: every pixel tells where it is.
std::vector<std::uint8_t> gradientCapture() {
    std::vector<std::uint8_t> bytes(kCaptureBytes);
    for (int y = 0; y < kCaptureSide; ++y) {
        for (int x = 0; x < kCaptureSide; ++x) {
            std::uint8_t* p = &bytes[byteOffset(x, y)];
            p[0] = static_cast<std::uint8_t>(x + y);
            p[1] = static_cast<std::uint8_t>(7 * y);
            p[2] = static_cast<std::uint8_t>(7 * x);
        }
    }
    return bytes;
}

void setRed(std::vector<std::uint8_t>& capture, int x, int y, std::uint8_t red) {
    capture[byteOffset(x, y) + 2] = red;
}

TEST(MagnifierTest, OffsetBoundsPerLevel) {
    const int viewBounds[] = {14, 13, 12, 9, 4};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(viewOffsetBound(kZoomLevels[i].viewSize), viewBounds[i]);
    EXPECT_EQ(pickOffsetBound(7, 1), 3);
    EXPECT_EQ(pickOffsetBound(7, 5), 1);
    EXPECT_EQ(pickOffsetBound(5, 5), 0);
    EXPECT_EQ(pickOffsetBound(5, 9), 0); // never an inverted range
}

TEST(MagnifierTest, ZoomLevelChangeClampsThePickButKeepsAFittingView) {
    const MagnifierState before = stateAt(4, 3, {10, -10}, {-4, 4});
    const MagnifierState after = withZoomLevel(before, 0);
    EXPECT_EQ(after.viewSize, 5);
    EXPECT_EQ(after.zoomFactor, 15);
    EXPECT_EQ(after.pickOffset, (Point{1, -1}));
    EXPECT_EQ(after.viewOffset, (Point{-4, 4}));
    // And back: the view offset now exceeds level 4's bound of 4.
    EXPECT_EQ(withZoomLevel(stateAt(0, 1, {2, 2}, {14, -9}), 4).viewOffset, (Point{4, -4}));
    EXPECT_EQ(withZoomLevel(before, -3).viewSize, 5);
    EXPECT_EQ(withZoomLevel(before, 99).viewSize, 25);
}

TEST(MagnifierTest, StepZoomLevel) {
    struct Case {
        int viewSize, step, level;
    };
    const Case cases[] = {
        {25, +1, 4}, {5, -1, 0}, {7, +1, 2},  {7, -1, 0},  {9, -1, 1},  {15, +1, 4},
        {6, +1, 2},  {6, -1, 0}, {30, -1, 4}, {30, +1, 4}, {-5, -1, 0}, {9, INT_MAX, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(steppedZoomLevel(c.viewSize, c.step), c.level) << c.viewSize << " " << c.step;
    }
}

TEST(MagnifierTest, SampleSizeCommands) {
    const MagnifierState s = stateAt(1, 1, {3, -3}, {0, 0});
    EXPECT_EQ(withSampleCommand(s, 1021).sampleSize, 1);
    EXPECT_EQ(withSampleCommand(s, 1022).pickOffset, (Point{2, -2}));
    const MagnifierState five = withSampleCommand(s, 1023);
    EXPECT_EQ(five.sampleSize, 5);
    EXPECT_EQ(five.pickOffset, (Point{1, -1}));
    EXPECT_EQ(withSampleCommand(s, 1020), s);
    EXPECT_EQ(withSampleCommand(s, 1024), s);
    EXPECT_EQ(sampleCommandFor(3), 1022);
    EXPECT_EQ(sampleIconFor(5), 1233);
    EXPECT_EQ(sampleIconFor(4), 0);
}

TEST(MagnifierTest, SanitizeRepairsStatesFromAnywhere) {
    struct Case {
        MagnifierState in, out;
    };
    const Case cases[] = {
        {{8, 3, 4, {100, -100}, {-50, 50}}, {9, 8, 1, {4, -4}, {-12, 12}}},
        {{7, 99, 3, {0, 0}, {0, 0}}, {7, 11, 3, {0, 0}, {0, 0}}},
        {{1000, 0, 5, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}}, {25, 3, 5, {-10, 10}, {4, -4}}},
        {{-5, -5, 0, {1, 1}, {1, 1}}, {5, 15, 1, {1, 1}, {1, 1}}},
    };
    for (const Case& c : cases) EXPECT_EQ(sanitized(c.in), c.out);
    for (int level = 0; level < 5; ++level) {
        for (int size : {1, 3, 5}) {
            const MagnifierState valid =
                stateAt(level, size, {-pickOffsetBound(kZoomLevels[level].viewSize, size), 0},
                        {0, viewOffsetBound(kZoomLevels[level].viewSize)});
            EXPECT_EQ(sanitized(valid), valid);
        }
    }
}

TEST(MagnifierTest, PickedPixelCaptionAndSources) {
    MagnifierState s = stateAt(1, 1, {2, -1}, {-3, 4});
    EXPECT_EQ(pickedImagePixel(s), (Point{21, 11}));
    EXPECT_EQ(pickedScreenPixel(s, {100, 200}), (Point{105, 195}));
    EXPECT_EQ(magnifierCaption(pickedScreenPixel(s, {100, 200}), s.zoomFactor),
              "HUEX | X:105, Y:195   (x11)");
    s.pickOffset.x += 1;
    EXPECT_EQ(magnifierCaption(pickedScreenPixel(s, {100, 200}), s.zoomFactor),
              "HUEX | X:106, Y:195   (x11)");
    EXPECT_EQ(magnifierCaption({-5, 0}, 3), "HUEX | X:-5, Y:0   (x3)");
    EXPECT_EQ(magnifierCaption({-5, 0}, 3, Vision::normal), "HUEX | X:-5, Y:0   (x3)");
    EXPECT_EQ(magnifierCaption({7, 8}, 11, Vision::deuteranopia), "HUEX | X:7, Y:8   (x11) — Дейтеранопия");
    EXPECT_EQ(magnifierCaption({7, 8}, 5, Vision::achromatopsia), "HUEX | X:7, Y:8   (x5) — Ахроматопсия");
    EXPECT_EQ(pickedScreenPixel(stateAt(4, 1, {12, -12}, {-4, 4}), {INT_MAX, INT_MIN}),
              (Point{INT_MAX, INT_MIN}));

    EXPECT_EQ(liveSourceRect(stateAt(1, 1, {0, 0}, {1, 1}), {100, 200}), (Rect{96, 196, 103, 203}));
    EXPECT_EQ(liveSourceRect(stateAt(4, 1, {0, 0}, {0, 0}), {0, 0}), (Rect{-12, -12, 13, 13}));
    EXPECT_EQ(captureSourceOrigin(stateAt(1, 1, {0, 0}, {1, -2})), (Point{12, 11}));
}

// StretchDIBits counts the source y of a top-down image from its bottom edge; the rows it shows
// must be the ones the view offset selects, for every level and offset.
TEST(MagnifierTest, CaptureSourceShowsTheSelectedRowsAndColumns) {
    for (int level = 0; level < 5; ++level) {
        const int vs = kZoomLevels[level].viewSize;
        const int bound = viewOffsetBound(vs);
        for (int v = -bound; v <= bound; ++v) {
            const Point origin = captureSourceOrigin(stateAt(level, 1, {0, 0}, {v, v}));
            const int firstShown = kCaptureCentre - (vs - 1) / 2 - v;
            EXPECT_EQ(origin.x, firstShown);
            EXPECT_EQ(kCaptureSide - origin.y - vs, firstShown);
            EXPECT_GE(firstShown, 0);
            EXPECT_LE(firstShown + vs, kCaptureSide);
        }
    }
}

TEST(SampleTest, SinglePixelIsExact) {
    const auto capture = gradientCapture();
    const RgbColor c = sampleFromCapture(capture, stateAt(1, 1, {2, -1}, {-3, 4})); // pixel (21, 11)
    EXPECT_EQ(c.red, 147 / 255.0);
    EXPECT_EQ(c.green, 77 / 255.0);
    EXPECT_EQ(c.blue, 32 / 255.0);
}

TEST(SampleTest, BlockMeanIsUnrounded) {
    struct Case {
        int sampleSize;
        Point marked; // relative to the picked pixel
        double red;
    };
    const Case cases[] = {
        {3, {0, 0}, 1.0 / 9},   {3, {1, -1}, 1.0 / 9}, {3, {2, 0}, 0.0}, {3, {0, -2}, 0.0},
        {5, {-2, 2}, 1.0 / 25}, {5, {3, 0}, 0.0},      {1, {1, 0}, 0.0},
    };
    const MagnifierState base = stateAt(2, 1, {1, -1}, {2, 0}); // picked pixel (15, 15)
    for (const Case& c : cases) {
        std::vector<std::uint8_t> capture(kCaptureBytes, 0);
        setRed(capture, 15 + c.marked.x, 15 + c.marked.y, 255);
        MagnifierState s = base;
        s.sampleSize = c.sampleSize;
        EXPECT_EQ(sampleFromCapture(capture, s).red, c.red)
            << c.sampleSize << " " << c.marked.x << "," << c.marked.y;
    }
}

// Sampling the capture and reading the live view back must agree bit for bit when the view shows
// the capture: the live points land on the right blocks and both sum in the same order.
TEST(SampleTest, LiveReadBackMatchesTheCapture) {
    const auto capture = gradientCapture();
    for (int level = 0; level < 5; ++level) {
        for (int size : {1, 3, 5}) {
            const int vs = kZoomLevels[level].viewSize, k = kZoomLevels[level].zoomFactor;
            const int pb = pickOffsetBound(vs, size), vb = viewOffsetBound(vs);
            for (Point pick : {Point{0, 0}, Point{pb, -pb}, Point{-pb, 1 % (pb + 1)}}) {
                for (Point view : {Point{0, 0}, Point{vb, -vb}, Point{-vb, 2 % (vb + 1)}}) {
                    const MagnifierState s = stateAt(level, size, pick, view);
                    const Rect zoom = computeLayout(vs, k).zoomRect;
                    std::vector<ColorRef> read;
                    for (Point p : liveSamplePoints(s)) {
                        ASSERT_TRUE(zoom.contains(p));
                        const int x = kCaptureCentre - (vs - 1) / 2 - view.x + (p.x - zoom.left) / k;
                        const int y = kCaptureCentre - (vs - 1) / 2 - view.y + (p.y - zoom.top) / k;
                        const std::uint8_t* px = &capture[byteOffset(x, y)];
                        read.push_back(px[2] | px[1] << 8 | px[0] << 16);
                    }
                    ASSERT_EQ(read.size(), static_cast<std::size_t>(size * size));
                    const RgbColor live = meanColor(read), stored = sampleFromCapture(capture, s);
                    EXPECT_EQ(live.red, stored.red);
                    EXPECT_EQ(live.green, stored.green);
                    EXPECT_EQ(live.blue, stored.blue);
                }
            }
        }
    }
}

// With a simulated view the live sample comes from the screen square the view shows: the same
// colour, bit for bit, as the capture gives when it holds that square.
TEST(SampleTest, LiveSquareSampleMatchesTheCapture) {
    const auto capture = gradientCapture();
    for (int level = 0; level < 5; ++level) {
        for (int size : {1, 3, 5}) {
            const int vs = kZoomLevels[level].viewSize;
            const int pb = pickOffsetBound(vs, size), vb = viewOffsetBound(vs);
            for (Point pick : {Point{0, 0}, Point{pb, -pb}, Point{-pb, 1 % (pb + 1)}}) {
                for (Point view : {Point{0, 0}, Point{-vb, 2 % (vb + 1)}}) {
                    const MagnifierState s = stateAt(level, size, pick, view);
                    std::vector<std::uint32_t> square;
                    for (int j = 0; j < vs; ++j) {
                        for (int i = 0; i < vs; ++i) {
                            const std::uint8_t* px =
                                &capture[byteOffset(kCaptureCentre - (vs - 1) / 2 - view.x + i,
                                                    kCaptureCentre - (vs - 1) / 2 - view.y + j)];
                            square.push_back(std::uint32_t(px[2]) << 16 | std::uint32_t(px[1]) << 8 | px[0]);
                        }
                    }
                    const RgbColor live = sampleFromLiveSquare(square, s),
                                   stored = sampleFromCapture(capture, s);
                    EXPECT_EQ(live.red, stored.red) << level << " " << size;
                    EXPECT_EQ(live.green, stored.green);
                    EXPECT_EQ(live.blue, stored.blue);
                }
            }
        }
    }
    const std::vector<std::uint32_t> tooSmall(48, 0xFFFFFF); // a 7 x 7 view needs 49
    EXPECT_EQ(sampleFromLiveSquare(tooSmall, stateAt(1, 1, {0, 0}, {0, 0})).red, 0.0);
}

TEST(SampleTest, LivePointsRunColumnByColumn) {
    const std::vector<Point> points = liveSamplePoints(stateAt(1, 3, {1, -1}, {0, 0}));
    const std::vector<Point> expected = {{44, 22}, {44, 33}, {44, 44}, {55, 22}, {55, 33},
                                         {55, 44}, {66, 22}, {66, 33}, {66, 44}};
    EXPECT_EQ(points, expected);
    EXPECT_EQ(liveSamplePoints(stateAt(1, 1, {0, 0}, {1, 1})), (std::vector<Point>{{44, 44}}));
}

// No state, however wrong, reads outside the capture: the extreme corners come back exactly.
TEST(SampleTest, OutOfRangeStatesStayInsideTheCapture) {
    std::vector<std::uint8_t> capture(kCaptureBytes, 0);
    setRed(capture, 32, 32, 255);
    setRed(capture, 0, 0, 51);
    const MagnifierState wild[] = {
        {25, 3, 1, {1000, 1000}, {-1000, -1000}},
        {25, 3, 4, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}}, // sample size 4 counts as 1
        {33, 1, 1, {99, 99}, {-99, -99}},                   // not a table view size
    };
    for (const MagnifierState& s : wild) EXPECT_EQ(sampleFromCapture(capture, s).red, 1.0);
    EXPECT_EQ(sampleFromCapture(capture, {5, 15, 5, {-9, -9}, {20, 20}}).red, 51 / 255.0 / 25);
    for (const MagnifierState& s : wild) {
        for (Point p : liveSamplePoints(s)) EXPECT_TRUE(computeLayout(25, 3).zoomRect.contains(p));
    }
}

TEST(SampleTest, MissingCaptureGivesBlack) {
    const std::vector<std::uint8_t> tooSmall(kCaptureBytes - 1, 255);
    const RgbColor c = sampleFromCapture(tooSmall, stateAt(1, 1, {0, 0}, {0, 0}));
    EXPECT_EQ(c.red + c.green + c.blue, 0.0);
    EXPECT_EQ(sampleFromCapture({}, stateAt(1, 5, {0, 0}, {0, 0})).red, 0.0);
    EXPECT_EQ(meanColor({}).red, 0.0);
    const ColorRef two[] = {0x0000FF, 0x000000};
    EXPECT_EQ(meanColor(two).red, 0.5);
}

} // namespace
} // namespace huex
