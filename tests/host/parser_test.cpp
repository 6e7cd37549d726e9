#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <gtest/gtest.h>

#include <limits>

namespace huex {
namespace {

ColorRef ref(int r, int g, int b) {
    return ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16;
}

std::array<std::string, 9> rgbFormats(const std::string& spec) {
    return {spec, spec, spec, "", "", "", "", "", ""};
}

struct ParseCase {
    const char* text;
    bool ok;
    ColorRef color; // when ok
};

void expectParses(ColorPattern p, std::initializer_list<ParseCase> cases) {
    ASSERT_TRUE(p.valid) << p.patternString;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(p.patternString) + " <- \"" + c.text + "\"");
        const RgbColor color = parseColorText(p, c.text);
        EXPECT_EQ(p.parseFailed, !c.ok);
        EXPECT_EQ(rgbToColorref(color), c.ok ? c.color : 0u);
    }
}

TEST(Parser, HexWithHash) {
    expectParses(ColorPattern("", "#{rgbR}{rgbG}{rgbB}", rgbFormats("{X|0:255|2.*}")),
                 {{"#FF8000", true, ref(255, 128, 0)},
                  {"#ff8000", true, ref(255, 128, 0)},
                  {"#000000", true, 0},
                  {"#FF800", false, 0},
                  {"#FF80001", false, 0},
                  {" #FF8000", false, 0},
                  {"FF8000", false, 0},
                  {"", false, 0},
                  {"#", false, 0},
                  {"#FF80 0", false, 0},
                  {"#+F8000", false, 0},
                  {"#0xFF00", false, 0},
                  {"#GG0000", false, 0}});
}

TEST(Parser, FixedWidthSkipsSeparatorsByLength) {
    expectParses(ColorPattern("", "{rgbR}-{rgbG}-{rgbB}", rgbFormats("{X|0:255|2.*}")),
                 {{"FF-80-00", true, ref(255, 128, 0)},
                  {"FF+80+00", true, ref(255, 128, 0)},
                  {"FF-80-0", false, 0},
                  {"FF-80", false, 0},
                  {"F", false, 0}});
}

TEST(Parser, BuiltIns) {
    auto list = builtInPatterns();
    expectParses(list[1], {{"HSB(30, 100, 100)", true, ref(255, 128, 0)},
                           {"HSB(400, 100, 100)", false, 0},
                           {"HSB(30, 100, 100))", false, 0},
                           {"HSB(30, 100, )", false, 0},
                           {"HSB(30, 100)", false, 0},
                           {"HSB(-30, 100, 100)", false, 0},
                           {"HSB( 30, 100, 100)", false, 0},
                           {"HSB(, , )", false, 0},
                           {"HSB(0, 0, 0)", true, 0}});
    expectParses(list[2], {{"HSL(30, 100, 50)", true, ref(255, 128, 0)}, {"hsl(30, 100, 50)", false, 0}});
    expectParses(list[3], {{"CMY(0, 127, 255)", true, ref(255, 128, 0)},
                           {"CMY(300, 0, 0)", false, 0},
                           {"CMY(255, 255, 255)", true, 0}});
    const RgbColor cmy = parseColorText(list[3], "CMY(0, 127, 255)");
    EXPECT_EQ(cmy.red, 1.0);
    EXPECT_EQ(cmy.green, 128.0 / 255);
    EXPECT_EQ(cmy.blue, 0.0);
}

TEST(Parser, DecimalAndOtherBases) {
    expectParses(ColorPattern("", "{rgbR},{rgbG},{rgbB}", rgbFormats("{d|0:255|*.*}")),
                 {{"255,128,0", true, ref(255, 128, 0)},
                  {"255,128,", true, ref(255, 128, 0)},
                  {",,", true, 0}, // empty components read as 0
                  {"00000000000000000000000000255,0,0", true, ref(255, 0, 0)},
                  {"255,128,0,", false, 0},
                  {"256,0,0", false, 0},
                  {"-1,0,0", false, 0},
                  {"+1,0,0", false, 0},
                  {" 1,0,0", false, 0},
                  {"1 ,0,0", false, 0},
                  {"1a,0,0", false, 0},
                  {"2147483648,0,0", false, 0},
                  {"4294967297,0,0", false, 0}});
    expectParses(ColorPattern("", "{rgbR} {rgbG} {rgbB}", rgbFormats("{o|0:255|*.*}")),
                 {{"377 200 0", true, ref(255, 128, 0)}, {"377 200 9", false, 0}});
    expectParses(
        ColorPattern("", "{rgbR}{rgbG}{rgbB}", rgbFormats("{b|0:255|8.*}")),
        {{"111111111000000000000000", true, ref(255, 128, 0)}, {"111111111000000000000002", false, 0}});
    expectParses(ColorPattern("", "{rgbR}.{rgbG}.{rgbB}", rgbFormats("{x|0:2147483647|*.*}")),
                 {{"7fffffff.0.0", true, ref(255, 0, 0)}, {"80000000.0.0", false, 0}});
}

TEST(Parser, Reals) {
    expectParses(ColorPattern("", "{rgbR};{rgbG};{rgbB}", rgbFormats("{f|0:1|*.3}")),
                 {{"0.5abc;;1", true, ref(128, 0, 255)},
                  {" 0.5;0x1p-1;1e0", true, ref(128, 128, 255)},
                  {"1.0000001;0;0", false, 0},
                  {"inf;0;0", false, 0},
                  {"nan;0;0", false, 0},
                  {"-0;0;0", true, 0}});
}

TEST(Parser, RangesThatGiveNoFraction) {
    // A range with equal ends reads everything as 0; one with a NaN end can give no colour.
    expectParses(ColorPattern("", "{rgbR},{rgbG},{rgbB}", rgbFormats("{d|5:5|*.*}")), {{"1,2,3", true, 0}});
    expectParses(ColorPattern("", "{rgbR},{rgbG},{rgbB}", rgbFormats("{d|nan:1|*.*}")),
                 {{"1,1,1", false, 0}});
    expectParses(ColorPattern("", "{rgbR},{rgbG},{rgbB}", rgbFormats("{d|0:inf|*.*}")), {{"1,1,1", true, 0}});
}

TEST(Parser, ComponentOrderAndTexts) {
    ColorPattern p("", "{rgbB}/{rgbG}/{rgbR}", rgbFormats("{d|0:255|*.*}"));
    EXPECT_EQ(rgbToColorref(parseColorText(p, "0/128/255")), ref(255, 128, 0));
    EXPECT_FALSE(p.parseFailed);
    EXPECT_EQ(p.componentTexts, (std::array<std::string, 3>{"255", "128", "0"}));

    // Each text is read with its own component's format.
    std::array<std::string, 9> specs = rgbFormats("{d|0:255|*.*}");
    specs[0] = "{X|0:255|2.*}";
    ColorPattern mixed("", "{rgbG} {rgbR}{rgbB}", specs);
    EXPECT_EQ(rgbToColorref(parseColorText(mixed, "128 FF0")), ref(255, 128, 0));
}

TEST(Parser, ModelFollowsThePatternText) {
    std::array<std::string, 9> specs;
    specs.fill("{f|0:1|*.*}");
    ColorPattern hsb("", "{hsbH}/{hsbS}/{hsbB}", specs);
    EXPECT_EQ(rgbToColorref(parseColorText(hsb, "0/1/1")), ref(255, 0, 0));
    ColorPattern hsl("", "{hslH}/{hslS}/{hslL}", specs);
    EXPECT_EQ(rgbToColorref(parseColorText(hsl, "0/1/0.5")), ref(255, 0, 0));
    // An HSB pattern that also names red hands back the HSB fractions as RGB.
    ColorPattern both("", "{hsbH}/{hsbS}/{hsbB} {rgbR}", specs);
    const RgbColor c = parseColorText(both, "0.25/0.5/1 ~*^^*~");
    EXPECT_FALSE(both.parseFailed);
    EXPECT_EQ(c.red, 0.25);
    EXPECT_EQ(c.green, 0.5);
    EXPECT_EQ(c.blue, 1.0);
}

TEST(Parser, RefusesUnreadableFormats) {
    std::array<std::string, 9> specs = rgbFormats("{d|0:255|*.*}");
    specs[1] = "{s|0:255|*.*}";
    expectParses(ColorPattern("", "{rgbR},{rgbG},{rgbB}", specs), {{"1,2,3", false, 0}});
}

TEST(Parser, InvalidPatternKeepsTheFlag) {
    ColorPattern p("", "{rgbR}{rgbG}{rgbB}", rgbFormats("{d|0:255|*.*}"));
    ASSERT_FALSE(p.valid);
    p.parseFailed = true;
    EXPECT_EQ(rgbToColorref(parseColorText(p, "255255255")), 0u);
    EXPECT_TRUE(p.parseFailed);
    p.parseFailed = false;
    parseColorText(p, "x");
    EXPECT_FALSE(p.parseFailed);
}

TEST(Parser, HandEditedFieldsNeverReadOutOfBounds) {
    ColorPattern p("", "#{rgbR}{rgbG}{rgbB}", rgbFormats("{X|0:255|2.*}"));
    p.prefixLength = 1000;
    parseColorText(p, "#FF8000");
    EXPECT_TRUE(p.parseFailed);
    p.prefixLength = -3;
    parseColorText(p, "#FF8000");
    EXPECT_TRUE(p.parseFailed);
    p.prefixLength = 1;
    p.formats[static_cast<std::size_t>(Component::rgbG)].width = -7;
    parseColorText(p, "#FF8000");
    EXPECT_TRUE(p.parseFailed);
}

TEST(Parser, ParseInteger) {
    EXPECT_EQ(parseInteger("", 10), 0);
    EXPECT_EQ(parseInteger("ff", 16), 255);
    EXPECT_EQ(parseInteger("Ff", 16), 255);
    EXPECT_EQ(parseInteger("777", 8), 511);
    EXPECT_EQ(parseInteger("1010", 2), 10);
    EXPECT_EQ(parseInteger("2147483647", 10), 2147483647);
    // Text that is not a number of the base reads as 0, like empty text.
    EXPECT_EQ(parseInteger("2147483648", 10), 0);
    EXPECT_EQ(parseInteger("12a", 10), 0);
    EXPECT_EQ(parseInteger("-1", 10), 0);
    EXPECT_EQ(parseInteger("8", 8), 0);
    EXPECT_EQ(parseInteger("1", 99), 0);
}

TEST(Parser, LongTexts) {
    ColorPattern p("", "{rgbR},{rgbG},{rgbB}", rgbFormats("{d|0:255|*.*}"));
    const std::string zeros(30000, '0');
    EXPECT_EQ(rgbToColorref(parseColorText(p, zeros + "1," + zeros + ",2")), ref(1, 0, 2));
    std::string sep(10000, 'a');
    ColorPattern slow("", "{rgbR}" + sep + "b{rgbG}" + sep + "b{rgbB}", rgbFormats("{d|0:255|*.*}"));
    parseColorText(slow, std::string(30000, 'a'));
    EXPECT_TRUE(slow.parseFailed);
}

// Every colour written through built-in 1 or 4 reads back as the same bytes.
int roundTripFailures(ColorPattern& p) {
    int failures = 0;
    for (ColorRef c = 0; c < (1u << 24); ++c) {
        const RgbColor rgb = colorrefToRgb(c);
        const RgbColor back = parseColorText(p, formatColor(p, rgb, rgbToHsb(rgb)));
        failures += p.parseFailed || rgbToColorref(back) != c;
    }
    return failures;
}

TEST(Parser, EveryColourRoundTripsThroughBuiltInOne) {
    ColorPattern p = builtInPatterns()[0];
    EXPECT_EQ(roundTripFailures(p), 0);
}

TEST(Parser, EveryColourRoundTripsThroughBuiltInFour) {
    ColorPattern p = builtInPatterns()[3];
    EXPECT_EQ(roundTripFailures(p), 0);
}

} // namespace
} // namespace huex
