// Which reader takes a typed or pasted colour text: slot 1's pattern, slot 2's, CSS, or a name.
#include "controls/ColorTextReading.h"

#include <gtest/gtest.h>

#include <string>

namespace huex {
namespace {

ColorPattern pattern(const char* string, const char* spec) {
    return {"", string, std::array<std::string, 9>{spec, spec, spec, "", "", "", "", "", ""}};
}

TEST(ColorTextReading, PastedTextGoesToTheFirstReaderThatTakesIt) {
    const std::string padded = "FF0000" + std::string(pastedTextLimit - 6, ' ');
    const struct {
        std::string text;
        bool slot1Set;
        ReadBy by;
        ColorRef color;
    } cases[] = {
        {"FF8000", true, ReadBy::pattern1, 0x0080FF},
        {" \t00FF00\r\n", true, ReadBy::pattern1, 0x00FF00},   // copied with its line end
        {"rgb(16, 32, 48)", true, ReadBy::pattern2, 0x302010}, // CSS reads it too: slot 2 comes first
        {"#0000ff", true, ReadBy::css, 0xFF0000},
        {"oklch(62.8% 0.2577 29.23)", true, ReadBy::css, 0x0000FF},
        {"FF8000", false, ReadBy::none, 0}, // no slot 1 pattern, and no CSS colour without its #
        {"rgb(16, 32, 48)", false, ReadBy::pattern2, 0x302010},
        {padded, true, ReadBy::pattern1, 0x0000FF},
        {padded + " ", true, ReadBy::none, 0}, // past the limit nothing is read
        {"", true, ReadBy::none, 0},
        {" \r\n", true, ReadBy::none, 0},
        {"not a colour", true, ReadBy::none, 0},
        {"FF80", true, ReadBy::none, 0},
        {"teal", true, ReadBy::css, 0x808000}, // a CSS keyword is CSS's before it is a name
        {"~teal", true, ReadBy::name, 0x808000},
        {"Vivid Pink", true, ReadBy::name, 0xBAB5FF},
        {" бирюзовый\r\n", true, ReadBy::name, 0xC2E42D},
        {"Vivid Pinkish", true, ReadBy::none, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"").append(c.text, 0, 40).append("\""));
        ColorPattern hex = pattern("{rgbR}{rgbG}{rgbB}", "{X|0:255|2.*}");
        ColorPattern decimal = pattern("rgb({rgbR}, {rgbG}, {rgbB})", "{d|0:255|*.*}");
        hex.parseFailed = true; // as the slots last showed them: left so
        const ColorReading reading = readPastedText(c.slot1Set ? &hex : nullptr, &decimal, c.text);
        EXPECT_EQ(reading.by, c.by);
        if (reading) {
            EXPECT_EQ(rgbToColorref(reading.color), c.color);
        }
        EXPECT_TRUE(hex.parseFailed);
        EXPECT_FALSE(decimal.parseFailed);
    }
}

TEST(ColorTextReading, TypedTextThatThePatternCantReadMayBeCssOrAName) {
    const struct {
        const char* text;
        ReadBy by;
        ColorRef color;
    } cases[] = {
        {"FF8000", ReadBy::pattern1, 0x0080FF}, {"#ff8000", ReadBy::css, 0x0080FF},
        {"Teal", ReadBy::css, 0x808000},        {"~teal", ReadBy::name, 0x808000},
        {"бирюзовый", ReadBy::name, 0xC2E42D},  {"VIVID PINK", ReadBy::name, 0xBAB5FF},
        {"Black", ReadBy::css, 0x000000},       {"Blackish Green", ReadBy::name, 0x21241A},
        {"бирюзовый FF8000", ReadBy::none, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ColorPattern hex = pattern("{rgbR}{rgbG}{rgbB}", "{X|0:255|2.*}");
        const ColorReading reading = readSlotText(hex, c.text);
        EXPECT_EQ(reading.by, c.by);
        EXPECT_EQ(reading.foreign(), c.by == ReadBy::css || c.by == ReadBy::name);
        if (reading) {
            EXPECT_EQ(rgbToColorref(reading.color), c.color);
        }
        EXPECT_EQ(hex.parseFailed, c.by != ReadBy::pattern1);
    }
    // A pattern of names reads its own names, its first name's list first.
    ColorPattern iscc("", "{isccName}", std::array<std::string, 9>{});
    const ColorReading black = readSlotText(iscc, "Black");
    EXPECT_EQ(black.by, ReadBy::pattern1);
    EXPECT_EQ(rgbToColorref(black.color), 0x222222u);
}

} // namespace
} // namespace huex
