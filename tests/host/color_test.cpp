#include "color/Color.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace huex {
namespace {

RgbColor bytes(int r, int g, int b) {
    return colorrefToRgb(ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16);
}

struct ConversionCase {
    const char* what;
    RgbColor rgb;
    HsbColor hsb;
    HslColor hsl;
};

TEST(ColorConversion, WorkedExamples) {
    const double orangeHue = (128.0 / 255) / 6;
    const ConversionCase cases[] = {
        {"black", {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        {"white", {1, 1, 1}, {0, 0, 1}, {0, 0, 1}},
        {"gray", {0.5, 0.5, 0.5}, {0, 0, 0.5}, {0, 0, 0.5}},
        {"red", {1, 0, 0}, {0, 1, 1}, {0, 1, 0.5}},
        {"magenta: red wins the tie", {1, 0, 1}, {5.0 / 6.0, 1, 1}, {5.0 / 6.0, 1, 0.5}},
        {"cyan: green wins the tie", {0, 1, 1}, {0.5, 1, 1}, {0.5, 1, 0.5}},
        {"orange 255,128,0", bytes(255, 128, 0), {orangeHue, 1, 1}, {orangeHue, 1, 0.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const HsbColor hsb = rgbToHsb(c.rgb);
        EXPECT_DOUBLE_EQ(hsb.hue, c.hsb.hue);
        EXPECT_DOUBLE_EQ(hsb.saturation, c.hsb.saturation);
        EXPECT_DOUBLE_EQ(hsb.brightness, c.hsb.brightness);
        const HslColor hsl = hsbToHsl(hsb);
        EXPECT_DOUBLE_EQ(hsl.hue, c.hsl.hue);
        EXPECT_DOUBLE_EQ(hsl.saturation, c.hsl.saturation);
        EXPECT_DOUBLE_EQ(hsl.lightness, c.hsl.lightness);
    }
    EXPECT_EQ(std::lround(rgbToHsb(bytes(255, 128, 0)).hue * 360), 30);
}

TEST(ColorConversion, HsbToRgbSpecialCases) {
    const RgbColor black = hsbToRgb({0.7, 0.3, 0});
    EXPECT_EQ(rgbToColorref(black), 0u);
    const RgbColor gray = hsbToRgb({0.7, 0, 0.25});
    EXPECT_EQ(gray.red, 0.25);
    EXPECT_EQ(gray.green, 0.25);
    EXPECT_EQ(gray.blue, 0.25);
    // Hue 1 falls into the last sector and gives the same bytes as hue 0.
    const RgbColor one = hsbToRgb({1, 0.6, 0.8});
    EXPECT_EQ(rgbToColorref(one), rgbToColorref(hsbToRgb({0, 0.6, 0.8})));
    EXPECT_EQ(one.green, (1 - 0.6) * 0.8); // p, as in the last sector
}

TEST(ColorConversion, HslLightnessHalfUsesSecondFormula) {
    // q = (l + s) - l * s = 0.5 + 0.6 - 0.3 = 0.8; p = 0.2.
    const RgbColor c = hslToRgb({0, 0.6, 0.5});
    EXPECT_DOUBLE_EQ(c.red, (0.5 + 0.6) - 0.5 * 0.6);
    EXPECT_DOUBLE_EQ(c.green, 2 * 0.5 - ((0.5 + 0.6) - 0.5 * 0.6));
}

TEST(ColorConversion, ToByteRoundsHalfUpAndNeverOverflows) {
    EXPECT_EQ(toByte(0), 0);
    EXPECT_EQ(toByte(1), 255);
    EXPECT_EQ(toByte(0.5), 128); // 127.5 + 0.5
    EXPECT_EQ(toByte(127.4 / 255), 127);
    EXPECT_EQ(toByte(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(toByte(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toByte(-1e300), std::numeric_limits<std::int32_t>::min());
}

TEST(ColorConversion, AccumulateAddsFractions) {
    RgbColor sum{1, 1, 1};
    accumulateColor(sum, 0x00FF8000u); // blue 255, green 128, red 0
    EXPECT_DOUBLE_EQ(sum.red, 1.0);
    EXPECT_DOUBLE_EQ(sum.green, 1 + 128.0 / 255);
    EXPECT_DOUBLE_EQ(sum.blue, 2.0);
}

// Both exhaustive claims over every byte colour, in one sweep.
TEST(ColorConversion, EveryByteColourSurvivesEveryRoundTrip) {
    int colorrefFailures = 0, hsbFailures = 0, hslFailures = 0;
    for (ColorRef c = 0; c < (1u << 24); ++c) {
        const RgbColor rgb = colorrefToRgb(c | 0xAB000000u);
        colorrefFailures += rgbToColorref(rgb) != c;
        const HsbColor hsb = rgbToHsb(rgb);
        hsbFailures += rgbToColorref(hsbToRgb(hsb)) != c;
        hslFailures += rgbToColorref(hslToRgb(hsbToHsl(hsb))) != c;
    }
    EXPECT_EQ(colorrefFailures, 0);
    EXPECT_EQ(hsbFailures, 0);
    EXPECT_EQ(hslFailures, 0);
}

TEST(ColorConversion, HueIsAlwaysBelowOne) {
    for (ColorRef c = 0; c < (1u << 24); c += 97) {
        const double hue = rgbToHsb(colorrefToRgb(c)).hue;
        ASSERT_GE(hue, 0.0);
        ASSERT_LT(hue, 1.0);
    }
}

} // namespace
} // namespace huex
