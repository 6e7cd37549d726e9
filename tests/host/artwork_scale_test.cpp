#include "geometry/ArtworkScale.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

TEST(ArtworkScaleTest, ShowsTheDrawingAtOrAboveTheScreensScale) {
    struct Case {
        int dpi, variant;
    };
    for (const Case c :
         {Case{72, 0}, {96, 0}, {97, 1}, {120, 1}, {121, 2}, {144, 2}, {168, 3}, {192, 3}, {288, 3}}) {
        EXPECT_EQ(artworkVariant(c.dpi), c.variant) << c.dpi;
        EXPECT_EQ(artworkScale(c.dpi).dpi, kArtworkDpis[c.variant]) << c.dpi;
    }
}

TEST(ArtworkScaleTest, DrawnSideIsTheFirstAtLeastTheWantedOrTheLargest) {
    constexpr int sides[] = {32, 40, 48, 64};
    struct Case {
        int wanted, side;
    };
    for (const Case c : {Case{16, 32}, {32, 32}, {33, 40}, {40, 40}, {56, 64}, {64, 64}, {96, 64}}) {
        EXPECT_EQ(drawnSideFor(c.wanted, sides), c.side) << c.wanted;
    }
    EXPECT_EQ(drawnSideFor(50, {}), 50);
}

} // namespace
} // namespace huex
