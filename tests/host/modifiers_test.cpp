#include "color/Modifiers.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

RgbColor bytes(int r, int g, int b) {
    return colorrefToRgb(ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16);
}
ColorRef ref(int r, int g, int b) {
    return ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16;
}

TEST(Modifiers, OrangeThroughEveryMode) {
    const struct { // NOLINT(clang-analyzer-optin.performance.Padding): readable table order
        ColorMode mode;
        const char* name;
        ColorRef expected;
    } cases[] = {
        {ColorMode::web, "web", ref(255, 153, 0)},
        {ColorMode::gray, "gray", ref(128, 128, 128)},
        {ColorMode::desaturation, "desaturation", ref(128, 128, 128)},
        {ColorMode::inversion, "inversion", ref(0, 127, 255)},
        {ColorMode::complement, "complement", ref(0, 127, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(colorModeName(c.mode), c.name);
        EXPECT_EQ(rgbToColorref(modifiedColor(c.mode, bytes(255, 128, 0))), c.expected);
    }
    const RgbColor desaturated = modifiedColor(ColorMode::desaturation, bytes(255, 128, 0));
    EXPECT_EQ(desaturated.red, 0.5); // not rounded to a byte
}

TEST(Modifiers, UnknownModeActsAsWeb) {
    const auto unknown = static_cast<ColorMode>(7);
    EXPECT_EQ(colorModeName(unknown), "web");
    EXPECT_EQ(rgbToColorref(modifiedColor(unknown, bytes(25, 26, 230))), ref(0, 51, 255));
}

TEST(Modifiers, WebSteps) {
    const int edges[][2] = {{0, 0},     {25, 0},    {26, 51},   {76, 51},   {77, 102},  {127, 102},
                            {128, 153}, {178, 153}, {179, 204}, {229, 204}, {230, 255}, {255, 255}};
    for (const auto& e : edges) {
        EXPECT_EQ(toByte(modifiedColor(ColorMode::web, bytes(e[0], 0, 0)).red), e[1]) << "byte " << e[0];
    }
}

TEST(Modifiers, GrayIsAWholeByte) {
    const RgbColor g = modifiedColor(ColorMode::gray, bytes(10, 20, 31)); // mean 20.33
    EXPECT_EQ(g.red, 20.0 / 255);
    EXPECT_EQ(g.green, g.red);
    EXPECT_EQ(g.blue, g.red);
}

TEST(Modifiers, ComplementOfGraysIsItself) {
    for (int v : {0, 1, 77, 128, 254, 255}) {
        EXPECT_EQ(rgbToColorref(modifiedColor(ColorMode::complement, bytes(v, v, v))), ref(v, v, v));
    }
}

TEST(Modifiers, ContrastColor) {
    const RgbColor gray = contrastColor({0.5, 0.5, 0.5});
    EXPECT_EQ(gray.red, 1.0);
    EXPECT_EQ(rgbToColorref(contrastColor({0, 0, 0})), ref(255, 255, 255));
    EXPECT_EQ(rgbToColorref(contrastColor({1, 1, 1})), ref(0, 0, 0));
    for (int b = 0; b < 256; ++b) {
        const double t = contrastColor(bytes(b, 0, 0)).red;
        if (b >= 77 && b <= 178) {
            EXPECT_EQ(t, 1.0) << b;
        } else {
            EXPECT_EQ(t, 1 - b / 255.0) << b;
        }
    }
}

TEST(Modifiers, MixTruncates) {
    EXPECT_EQ(mixColors(ref(0, 0, 0), ref(255, 0, 0), 0.5), ref(127, 0, 0));
    EXPECT_EQ(mixColors(ref(1, 2, 3), ref(200, 100, 50), 0), ref(1, 2, 3));
    EXPECT_EQ(mixColors(ref(1, 2, 3), ref(200, 100, 50), 1), ref(200, 100, 50));
    EXPECT_EQ(mixColors(ref(10, 20, 30), ref(20, 40, 60), 0.25), ref(12, 25, 37));
}

} // namespace
} // namespace huex
