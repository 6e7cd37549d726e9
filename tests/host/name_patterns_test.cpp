// The name placeholders in the pattern language: written by the formatter, skipped by the parser
// beside a model, and read as a whole text when a pattern holds names alone.
#include "color/ColorNames.h"
#include "pattern/CssPatterns.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace huex {
namespace {

RgbColor bytes(std::uint32_t rgb) {
    return colorrefToRgb(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
}

std::string format(const ColorPattern& p, const RgbColor& c) {
    return formatColor(p, c, rgbToHsb(c));
}

const std::string hex = "{X|0:255|2.*}", dec = "{d|0:255|*.*}";

ColorPattern rgbPattern(const std::string& text, const std::string& spec) {
    return ColorPattern("", text, std::array<std::string, 9>{spec, spec, spec, "", "", "", "", "", ""});
}

ColorPattern namesPattern(const std::string& text) {
    return ColorPattern("", text, std::array<std::string, 9>{});
}

// The bytes a text reads as, or ~0 when it does not read.
ColorRef read(ColorPattern& p, std::string_view text) {
    const RgbColor c = parseColorText(p, text);
    return p.parseFailed ? ~0u : rgbToColorref(c);
}

TEST(NamePatterns, NamesAreWritten) {
    const RgbColor turquoise = bytes(0x48D1CC);
    EXPECT_EQ(format(namesPattern("{cssName}"), turquoise), "mediumturquoise");
    EXPECT_EQ(format(namesPattern("{cssName}"), bytes(0x48D1CD)), "~mediumturquoise");
    EXPECT_EQ(format(namesPattern("{isccName}"), turquoise), "Very Light Green");
    EXPECT_EQ(format(namesPattern("{ruName}"), turquoise), "бирюзовый");
    EXPECT_EQ(format(namesPattern("{ruName} · {cssName} · {isccName}"), bytes(0x008081)),
              "серо зелёный · ~teal · Strong Bluish Green");
    // Every occurrence, and any case but the exact one is literal text.
    EXPECT_EQ(format(namesPattern("{cssName}/{cssName} {CssName} {cssname} {css Name}"), bytes(0x008080)),
              "teal/teal {CssName} {cssname} {css Name}");
    EXPECT_EQ(format(rgbPattern("#{rgbR}{rgbG}{rgbB} {cssName}", hex), bytes(0x48D1CC)),
              "#48D1CC mediumturquoise");
    // Written beside stray braces, and in patterns too long to remember every placeholder.
    EXPECT_EQ(format(namesPattern("{ {cssName}} {rgb{cssName}"), bytes(0x008080)), "{ teal} {rgbteal");
    std::string many, expected;
    for (int i = 0; i < 20; ++i) {
        many += "{cssName}{rgbR}";
        expected += "teal00";
    }
    EXPECT_EQ(format(rgbPattern(many, hex), bytes(0x008080)), expected);
}

TEST(NamePatterns, APatternOfNamesAloneReadsAName) {
    ColorPattern ru = namesPattern("{ruName}");
    ASSERT_TRUE(ru.valid);
    EXPECT_EQ(read(ru, "бирюзовый"), rgbToColorref(bytes(0x2DE4C2)));
    EXPECT_EQ(read(ru, format(ru, bytes(0x48D1CC))), rgbToColorref(bytes(0x2DE4C2)));
    EXPECT_EQ(read(ru, " ~Бирюзовый "), rgbToColorref(bytes(0x2DE4C2)));
    EXPECT_EQ(read(ru, "teal"), rgbToColorref(bytes(0x008080)));
    EXPECT_EQ(read(ru, "#008080"), ~0u);
    EXPECT_EQ(read(ru, ""), ~0u);
    // The first name's list first: "Black" is #222222 in ISCC–NBS, #000000 in CSS.
    ColorPattern iscc = namesPattern("Name: {isccName}");
    ASSERT_TRUE(iscc.valid);
    EXPECT_EQ(read(iscc, "Black"), rgbToColorref(bytes(0x222222)));
    ColorPattern css = namesPattern("{cssName}");
    EXPECT_EQ(read(css, "Black"), 0u);
    EXPECT_EQ(read(css, "~teal"), rgbToColorref(bytes(0x008080)));
    // Its whole text is one name: two names write what they can't read.
    ColorPattern two = namesPattern("{ruName} {cssName}");
    ASSERT_TRUE(two.valid);
    EXPECT_EQ(read(two, format(two, bytes(0x48D1CC))), ~0u);
    // A name beside an incomplete model reads nothing, as the model alone doesn't.
    EXPECT_FALSE(namesPattern("{cssName} {rgbR}").valid);
    EXPECT_FALSE(namesPattern("no placeholder").valid);
}

TEST(NamePatterns, BesideAModelTheNumbersAreReadAndTheNamesSkipped) {
    ColorPattern after = rgbPattern("#{rgbR}{rgbG}{rgbB} {cssName}", hex);
    ASSERT_TRUE(after.valid);
    EXPECT_EQ(read(after, "#48D1CC mediumturquoise"), rgbToColorref(bytes(0x48D1CC)));
    EXPECT_EQ(read(after, "#48D1CC anything at all"), rgbToColorref(bytes(0x48D1CC)));
    EXPECT_EQ(read(after, "#48D1CC "), rgbToColorref(bytes(0x48D1CC)));
    EXPECT_EQ(read(after, "#48D1CC"), ~0u); // the blank before the name is literal text

    ColorPattern before = rgbPattern("{cssName} ({rgbR}, {rgbG}, {rgbB})", dec);
    ASSERT_TRUE(before.valid);
    EXPECT_EQ(read(before, "~teal (0, 128, 129)"), rgbToColorref(bytes(0x008081)));
    EXPECT_EQ(read(before, " (0, 128, 129)"), rgbToColorref(bytes(0x008081)));
    EXPECT_EQ(read(before, "(0, 128, 129)"), ~0u);
    EXPECT_EQ(read(before, "teal (0, 128, 129"), ~0u);

    // Between the components, and several in the suffix; the Russian name holds a blank, but
    // skipping stops only at the literal text that follows it.
    ColorPattern between = rgbPattern("{rgbR} [{isccName}] {rgbG} {rgbB}: {ruName} / {cssName}", dec);
    ASSERT_TRUE(between.valid);
    const RgbColor dark = bytes(0x255A2A);
    const std::string text = format(between, dark);
    EXPECT_EQ(text, "37 [Deep Yellowish Green] 90 42: темно зеленый / ~darkgreen");
    EXPECT_EQ(read(between, text), rgbToColorref(dark));
    EXPECT_EQ(read(between, "37 [] 90 42: x / y"), rgbToColorref(dark));
    EXPECT_EQ(read(between, "37 [] 90 42: x"), ~0u);

    // A name after the last component with nothing after it takes the rest of the text.
    ColorPattern last = rgbPattern("{rgbR}{rgbG}{rgbB}{ruName}", hex);
    ASSERT_TRUE(last.valid);
    EXPECT_EQ(read(last, "2DE4C2бирюзовый"), rgbToColorref(bytes(0x2DE4C2)));
    EXPECT_EQ(read(last, "2DE4C2"), rgbToColorref(bytes(0x2DE4C2)));
}

TEST(NamePatterns, ANameDoesNotEndAComponentOfNoFixedWidth) {
    EXPECT_FALSE(rgbPattern("{rgbR}{cssName}{rgbG},{rgbB}", dec).valid);
    EXPECT_FALSE(rgbPattern("{rgbR},{rgbG}{cssName} {rgbB}", dec).valid);
    EXPECT_TRUE(rgbPattern("{rgbR}{cssName}{rgbG}{rgbB}", hex).valid);
    EXPECT_TRUE(rgbPattern("{rgbR} {cssName}{rgbG},{rgbB}", dec).valid);
}

TEST(NamePatterns, PatternsMixingAModelAndNamesReadBackToTheSameBytes) {
    std::vector<ColorPattern> patterns;
    patterns.push_back(rgbPattern("#{rgbR}{rgbG}{rgbB} {cssName}", hex));
    patterns.push_back(rgbPattern("{ruName}: rgb({rgbR}, {rgbG}, {rgbB}) {isccName}", dec));
    ColorPattern oklch = cssPattern(CssNotation::oklch);
    analysePattern(oklch, "{cssName} / " + oklch.patternString + " / {isccName} / {ruName}");
    patterns.push_back(oklch);
    ColorPattern p3 = cssPattern(CssNotation::displayP3);
    analysePattern(p3, p3.patternString + " /* {isccName} */");
    patterns.push_back(p3);
    std::mt19937 random(3);
    for (ColorPattern& p : patterns) {
        ASSERT_TRUE(p.valid) << p.patternString;
        for (int i = 0; i < 2000; ++i) {
            const RgbColor c = colorrefToRgb(random() & 0xFFFFFF);
            const std::string text = format(p, c);
            ASSERT_EQ(read(p, text), rgbToColorref(c)) << p.patternString << " <- " << text;
        }
    }
}

} // namespace
} // namespace huex
