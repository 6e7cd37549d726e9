#include "color/CssColor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace huex {
namespace {

struct ParseCase {
    const char* text;
    RgbColor expected;
};

void expectColor(const char* text, const RgbColor& expected, double tolerance) {
    SCOPED_TRACE(text);
    const auto got = parseCssColor(text);
    ASSERT_TRUE(got.has_value());
    EXPECT_NEAR(got->red, expected.red, tolerance);
    EXPECT_NEAR(got->green, expected.green, tolerance);
    EXPECT_NEAR(got->blue, expected.blue, tolerance);
}

// Values in sRGB: by hand where they are round, else as Color.js, the CSS editors' library, gives them.
TEST(CssColor, TextsThatParse) {
    const double b = 1.0 / 255;
    const ParseCase cases[] = {
        // hex, names, CSS syntax
        {"#f80", {1, 136 * b, 0}},
        {"#F80C", {1, 136 * b, 0}},
        {"#12aB3c", {0x12 * b, 0xab * b, 0x3c * b}},
        {"#12ab3c80", {0x12 * b, 0xab * b, 0x3c * b}},
        {"RebeccaPurple", {0x66 * b, 0x33 * b, 0x99 * b}},
        {"  /* a */ aliceblue /* b", {0xf0 * b, 0xf8 * b, 1}},
        {"r\\65 d", {1, 0, 0}},
        {"RGB(255 0 0", {1, 0, 0}},
        // rgb(): both forms, clamped to 0..255, none is 0
        {"rgb(255, 128, 0)", {1, 128 * b, 0}},
        {"rgba(100%,50%,0%,0.5)", {1, 0.5, 0}},
        {"rgb(20, 10, 0, -10)", {20 * b, 10 * b, 0}},
        {"rgb(+1e2 -5 300)", {100 * b, 0, 1}},
        {"rgb(250% 20% none / 50%)", {1, 0.2, 0}},
        {"rgb(1-2-3)", {b, 0, 0}},
        // hsl() and hwb(): hue units, negative saturation held at 0, the gray of w + b >= 100%
        {"hsl(120, 30%, 50%)", {0.35, 0.65, 0.35}},
        {"hsla(120 30 50 / 0.5)", {0.35, 0.65, 0.35}},
        {"hsl(0.5turn 100% 50%)", {0, 1, 1}},
        {"hsl(200grad 100% 50%)", {0, 1, 1}},
        {"hsl(3.141592653589793rad 100% 50%)", {0, 1, 1}},
        {"hsl(-120deg 100% 50%)", {0, 0, 1}},
        {"hsl(0 -50% 40%)", {0.4, 0.4, 0.4}},
        {"hwb(120 30% 50%)", {0.3, 0.5, 0.3}},
        {"hwb(0 100% 50%)", {2.0 / 3, 2.0 / 3, 2.0 / 3}},
        // lab, lch, oklab, oklch: percentages of their reference ranges, clamped lightness and chroma
        {"lab(50 0 0)", {0.4663266092835, 0.4663266092835, 0.4663266092835}},
        {"lab(75% 16% -16%)", {0.8168992507443, 0.6764899820590, 0.8707193209630}},
        {"lab(-10 0 0)", {0, 0, 0}},
        {"lch(50 30 -90)", {0.3628374143457, 0.4723776572772, 0.6663521944183}},
        {"lch(50 20% 270deg)", {0.3628374143457, 0.4723776572772, 0.6663521944183}},
        {"oklab(0.7 0.05 -0.05)", {0.6872984375432, 0.5704664434936, 0.7414360899689}},
        {"oklab(70% 12.5% -12.5%)", {0.6872984375432, 0.5704664434936, 0.7414360899689}},
        {"oklch(0.5 -0.1 30)", {0.3885728590463, 0.3885728590463, 0.3885728590463}},
        {"oklch(150% 0.1 30)", {1, 1, 1}},
        // color(): every space, percentages of 1
        {"color(srgb 100% 0.5 none)", {1, 0.5, 0}},
        {"color(srgb-linear 0.5 0.5 0.5)", {0.7353569830524, 0.7353569830524, 0.7353569830524}},
        {"color(a98-rgb 0.5 0.5 0.5)", {0.5039928958, 0.5039928958, 0.5039928958}},
        {"color(prophoto-rgb 50% 50% 50%)", {0.5723067532, 0.5723067532, 0.5723067532}},
        {"color(rec2020 0.5 0.5 0.5)", {0.4725, 0.4725, 0.4725}},
        {"color(xyz 0.3 0.3 0.3)", {0.6354421799814, 0.5698508377703, 0.5588277627470}},
        {"color(xyz-d65 0.3 0.3 0.3 / 1)", {0.6354421799814, 0.5698508377703, 0.5588277627470}},
        {"color(xyz-d50 0.5 0.5 0.5)", {0.7438835606, 0.7256918895, 0.8118931540}},
    };
    for (const auto& c : cases) expectColor(c.text, c.expected, 1e-9);
}

TEST(CssColor, TextsThatDoNotParse) {
    const char* const cases[] = {
        "", " /* only a comment */ ", "red blue", "red,", "\"red\"", "#12", "#12345", "#1234567", "#ggg",
        "# fff",
        // arity, separators and the rules of the legacy form
        "rgb(1 2)", "rgb(1 2 3 4)", "rgb(1,2,3,4,5)", "rgb(1, 2 3)", "rgb(1 2, 3)", "rgb(1, 2, 3,)",
        "rgb(1, 2, 3 / 0.5)", "rgb(1 2 3 / 0.5 / 1)", "rgb(1 2 3 /)", "rgb(1 2 3))", "rgb(1 2 3) red",
        "rgb (1 2 3)", "rgb(10%, 20, 30%)", "rgb(none, 0, 0)", "rgb(0, 0, 0, none)", "hsl(120, 30, 50)",
        "hwb(120, 30%, 50%)", "oklch(0.5, 0.1, 30)",
        // wrong kinds: units, percentages of a hue, angles elsewhere
        "rgb(1px 2 3)", "rgb(1deg 2 3)", "hsl(10% 30% 50%)", "lch(50 20 30%)", "lab(50 1deg 0)",
        "color(srgb 0deg 0 0)", "hsl(120 30% 50% 0.5)",
        // color(): its spaces only, three components
        "color(srgb 1 0 0 0)", "color(srgb 1 0)", "color(srgb)", "color(lab 50 0 0)", "color(1 0 0)",
        "color(--custom 1 0 0)", "color(srgb, 1, 0, 0)",
        // not one opaque colour, or not a colour this reader resolves
        "transparent", "currentColor", "Canvas", "ButtonText", "calc(1)", "rgb(calc(255) 0 0)",
        "rgb(from red r g b)", "color-mix(in srgb, red, blue)", "light-dark(red, blue)", "var(--x)", "url(x)",
        "hwba(120 30% 50%)", "rgb(1 2 3 / 4 5)"};
    for (const char* text : cases) EXPECT_FALSE(parseCssColor(text).has_value()) << text;
}

// Colours far outside sRGB come back as the CSS gamut mapping brings them in (values as Color.js
// maps them); the OK spaces take black and white from their own lightness.
TEST(CssColor, FarOutColorsAreGamutMapped) {
    const ParseCase cases[] = {
        {"oklch(70% 0.4 30)", {1, 0.3451350787483, 0.2645751122518}},
        {"lab(50 -200 200)", {0.1978242074580, 0.5009101272704, 0}},
        {"color(rec2020 1 0 0)", {1, 0.2880233463, 0.3088609125}},
        {"color(display-p3 0 1 0)", {0, 0.9857637108, 0.1597424440}},
        {"lch(60 250 280)", {0, 0.5275011715, 0.5329719690}},
        {"color(xyz 0.2 0.8 0.1)", {0, 1, 0.5244531837}},
        {"oklch(1 0.4 30)", {1, 1, 1}},
        {"oklab(0 0.3 0.3)", {0, 0, 0}},
        {"hwb(0 -2 100)", {0, 0, 0}},
    };
    for (const auto& c : cases) expectColor(c.text, c.expected, 1e-9);
}

// Numbers at the edge of a double, and texts longer than any colour, still give a defined answer.
TEST(CssColor, ExtremeInputs) {
    const char* const huge[] = {"lab(50 1e999 -1e999)", "oklch(0.5 1e308 1e308)",
                                "color(prophoto-rgb 1e300 0 -1e300)", "hsl(1e308rad 1e308% -1e308%)",
                                "rgb(1e-999 1e999 -1e999)"};
    for (const char* text : huge) {
        SCOPED_TRACE(text);
        const auto got = parseCssColor(text);
        ASSERT_TRUE(got.has_value());
        for (const double v : {got->red, got->green, got->blue}) EXPECT_TRUE(v >= 0 && v <= 1) << v;
    }
    std::string longText = "rgb(";
    for (int i = 0; i < 100000; ++i) longText += "1 ";
    EXPECT_FALSE(parseCssColor(longText).has_value());
    EXPECT_FALSE(parseCssColor(std::string(100000, '(')).has_value());
    std::string padded = "red";
    padded.append(100000, ' ');
    expectColor(padded.c_str(), {1, 0, 0}, 0);
}

} // namespace
} // namespace huex
