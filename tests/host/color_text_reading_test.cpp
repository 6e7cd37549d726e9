// Which reader takes a typed or pasted colour text: a slot's pattern, the other slot's, or CSS.
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text.substr(0, 40) + "\"");
        ColorPattern hex = pattern("{rgbR}{rgbG}{rgbB}", "{X|0:255|2.*}");
        ColorPattern decimal = pattern("rgb({rgbR}, {rgbG}, {rgbB})", "{d|0:255|*.*}");
        hex.parseFailed = true; // as the slots last showed them: left so
        const ColorReading reading = readPastedText(c.slot1Set ? &hex : nullptr, &decimal, c.text);
        EXPECT_EQ(reading.by, c.by);
        if (reading) EXPECT_EQ(rgbToColorref(reading.color), c.color);
        EXPECT_TRUE(hex.parseFailed);
        EXPECT_FALSE(decimal.parseFailed);
    }
}

TEST(ColorTextReading, TypedTextFallsBackToCssAndAnInvalidPatternReadsNothing) {
    ColorPattern hex = pattern("{rgbR}{rgbG}{rgbB}", "{X|0:255|2.*}");
    ColorPattern invalid = pattern("{rgbR}{rgbG}{rgbB}", "{d|0:255|*.*}"); // nothing between the numbers
    ASSERT_FALSE(invalid.valid);
    const struct {
        ColorPattern* own;
        const char* text;
        ReadBy by;
        bool parseFailed;
    } cases[] = {
        {&hex, "00FF00", ReadBy::pattern1, false},
        {&hex, "lab(50% 40 -20)", ReadBy::css, true},
        {&hex, "00FF0", ReadBy::none, true},
        {&invalid, "000000", ReadBy::none, false},
        {&invalid, "hwb(120 0% 0%)", ReadBy::css, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        c.own->parseFailed = false;
        EXPECT_EQ(readSlotText(*c.own, c.text).by, c.by);
        EXPECT_EQ(c.own->parseFailed, c.parseFailed);
    }
    EXPECT_EQ(rgbToColorref(readSlotText(hex, "hwb(120 0% 0%)").color), 0x00FF00u);
}

} // namespace
} // namespace huex
