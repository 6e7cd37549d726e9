#include "color/Contrast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace huex {
namespace {

constexpr ByteColor white{255, 255, 255}, black{0, 0, 0};

// Pairs on either side of each threshold: the shown ratio is cut, the verdicts use the exact one.
TEST(Contrast, RatioTextAndVerdictsAtTheThresholds) {
    struct Row {
        ByteColor text, background;
        const char* shown;
        std::array<bool, 5> passes; // AA normal, AA large, AAA normal, AAA large, graphics
    };
    const Row rows[] = {
        {black, white, "21.00:1", {true, true, true, true, true}},
        {white, black, "21.00:1", {true, true, true, true, true}},
        {white, white, "1.00:1", {false, false, false, false, false}},
        {{52, 136, 0}, white, "4.49:1", {false, true, false, false, true}},      // 4.4990
        {{119, 119, 119}, white, "4.47:1", {false, true, false, false, true}},   // 4.4781
        {{118, 118, 118}, white, "4.54:1", {true, true, false, true, true}},     // 4.5422
        {{149, 149, 149}, white, "2.99:1", {false, false, false, false, false}}, // 2.9953
        {{65, 90, 128}, black, "2.99:1", {false, false, false, false, false}},   // 2.9989
        {{148, 148, 148}, white, "3.03:1", {false, true, false, false, true}},
        {{226, 115, 128}, black, "6.99:1", {true, true, false, true, true}}, // 6.9977
        {{89, 89, 89}, white, "7.00:1", {true, true, true, true, true}},     // 7.0047
    };
    for (const Row& row : rows) {
        const double ratio = contrastRatio(row.text, row.background);
        SCOPED_TRACE(hexText(row.text) + " on " + hexText(row.background));
        EXPECT_EQ(ratioText(ratio), row.shown);
        for (std::size_t i = 0; i < kContrastLevels.size(); ++i)
            EXPECT_EQ(verdictText(kContrastLevels[i], ratio),
                      std::string(kContrastLevels[i].label) + (row.passes[i] ? ": пройден" : ": не пройден"));
    }
}

TEST(Contrast, TextIsCutNeverRoundedUp) {
    const std::pair<double, const char*>
        rows[] =
            {
                {4.4999, "4.49:1"}, {4.5, "4.50:1"},   {2.999999, "2.99:1"}, {3.0, "3.00:1"},
                {6.9999, "6.99:1"}, {7.005, "7.00:1"}, {1.0, "1.00:1"},      {12.345, "12.34:1"},
                {4.35, "4.35:1"}, // 434.99999... in binary: the small allowance keeps it at .35
            };
    for (const auto& [ratio, shown] : rows) EXPECT_EQ(ratioText(ratio), shown) << ratio;
}

TEST(Contrast, LuminanceOfTheEightBitValues) {
    EXPECT_DOUBLE_EQ(relativeLuminance(black), 0.0);
    EXPECT_NEAR(relativeLuminance(white), 1.0, 1e-12);
    // 10/255 lies below the 0.04045 knee, 11/255 above it.
    EXPECT_DOUBLE_EQ(relativeLuminance({10, 0, 0}), 0.2126 * (10 / 255.0) / 12.92);
    EXPECT_NEAR(relativeLuminance({0, 11, 0}), 0.7152 * std::pow((11 / 255.0 + 0.055) / 1.055, 2.4), 1e-15);
    // The stored fraction counts only through its 8-bit value, as the slot texts show it.
    EXPECT_EQ(toByteColor({0.4999 / 255, 1.5 / 255, 2.0}), (ByteColor{0, 2, 255}));
}

} // namespace
} // namespace huex
