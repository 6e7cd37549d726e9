#include "pattern/ComponentFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace huex {
namespace {

struct SpecCase { // NOLINT(clang-analyzer-optin.performance.Padding): readable table order
    const char* spec;
    bool ok;
    const char* printfFormat; // as left behind, also after a failure
    char typeLetter;
    double from, to;
    int width;
};

const double inf = std::numeric_limits<double>::infinity();

TEST(FormatSpec, Table) {
    const SpecCase cases[] = {
        {"{X|0:255|2.*}", true, "%02X", 'X', 0, 255, 2},
        {"{d|0:360|*.*}", true, "%d", 'd', 0, 360, -1},
        {"{d|255:0|*.*}", true, "%d", 'd', 255, 0, -1},
        {"{f|0:1|*.3}", true, "%.3f", 'f', 0, 1, -1},
        {"{f|0:1|5.2}", true, "%05.2f", 'f', 0, 1, 5},
        {"{b|0:255|8.*}", true, "%08b", 'b', 0, 255, 8},
        {"{d|100|*.*}", true, "%d", 'd', 0, 100, -1},
        {"{ X |0:255| 2 .*}", true, "%02X", 'X', 0, 255, 2},
        {"text before {x|0:255|*.*} and after", true, "%x", 'x', 0, 255, -1},
        {"{xy|0:255|*.*}", true, "%x", 'x', 0, 255, -1},
        // Precision "0" and "*" both mean the default; other letters ignore the precision.
        {"{f|0:1|*.0}", true, "%f", 'f', 0, 1, -1},
        {"{f|0:1|*.*}", true, "%f", 'f', 0, 1, -1},
        {"{f|0:1|*.00}", true, "%.00f", 'f', 0, 1, -1},
        {"{d|0:1|*.x}", true, "%d", 'd', 0, 1, -1},
        {"{F|0:1|*.3}", true, "%F", 'F', 0, 1, -1},
        {"{D|0:255|3.*}", true, "%03D", 'D', 0, 255, 3},
        {"{O|0:255|*.*}", true, "%O", 'O', 0, 255, -1},
        {"{B|0:255|0.*}", true, "%00B", 'B', 0, 255, 0},
        {"{d|0:255|64.*}", true, "%064d", 'd', 0, 255, 64},
        {"{d|0:255|0064.*}", true, "%00064d", 'd', 0, 255, 64},
        {"{f|0:1|*.64}", true, "%.64f", 'f', 0, 1, -1},
        {"{d|0x10:1e2|*.*}", true, "%d", 'd', 16, 100, -1},
        {"{d| -5 : +5 |*.*}", true, "%d", 'd', -5, 5, -1},
        {"{d|abc:|*.*}", true, "%d", 'd', 0, 0, -1},
        {"{d|2.5x:7e|*.*}", true, "%d", 'd', 2.5, 7, -1},
        {"{d|1e999:0|*.*}", true, "%d", 'd', inf, 0, -1},
        // Failures keep what the steps before them had set.
        {"", false, "", '\0', 0, 0, -1},
        {"d|0:255|2.*", false, "", '\0', 0, 0, -1},
        {"{d:0:255.*}", false, "", '\0', 0, 0, -1},
        {"{d|0:255}", false, "", 'd', 0, 0, -1},
        {"{d|100|*.*}:", false, "", 'd', 100, 0, -1},
        {"{d|0:255|2*}", false, "", 'd', 0, 255, -1},
        {"{d|0:255|2.*", false, "", 'd', 0, 255, 2},
        {"{s|0:255|*.*}", false, "", 's', 0, 255, -1},
        {"{n|0:255|2.*}", false, "", 'n', 0, 255, 2},
        {"{|0:255|*.*}", false, "", '\0', 0, 255, -1},
        {"{ |0:255|3.*}", false, "", '\0', 0, 255, 3},
        {"{d|0:255|65.*}", false, "", 'd', 0, 255, -1},
        {"{d|0:255|-2.*}", false, "", 'd', 0, 255, -1},
        {"{d|0:255|2x.*}", false, "", 'd', 0, 255, -1},
        {"{d|0:255|.*}", false, "", 'd', 0, 255, -1},
        {"{d|0:255|99999999999999999999.*}", false, "", 'd', 0, 255, -1},
        {"{f|0:1|3.65}", false, "", 'f', 0, 1, 3},
        {"{f|0:1|3.x}", false, "", 'f', 0, 1, 3},
        {"{f|0:1|3.}", false, "", 'f', 0, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec);
        ComponentFormat f;
        EXPECT_EQ(parseFormatSpec(f, c.spec), c.ok);
        EXPECT_EQ(f.invalid, !c.ok);
        EXPECT_EQ(f.specText, c.spec);
        EXPECT_EQ(f.printfFormat, c.printfFormat);
        EXPECT_EQ(f.typeLetter, c.typeLetter);
        EXPECT_EQ(f.rangeFrom, c.from);
        EXPECT_EQ(f.rangeTo, c.to);
        EXPECT_EQ(f.width, c.width);
        const ComponentFormat constructed(c.spec);
        EXPECT_EQ(constructed.invalid, !c.ok);
        EXPECT_EQ(constructed.printfFormat, c.printfFormat);
    }
}

TEST(FormatSpec, EmptyFormat) {
    const ComponentFormat f;
    EXPECT_FALSE(f.invalid);
    EXPECT_EQ(f.width, -1);
    EXPECT_EQ(f.typeLetter, '\0');
    EXPECT_TRUE(f.printfFormat.empty());
    EXPECT_TRUE(f.specText.empty());
}

TEST(FormatSpec, ReparsingKeepsFieldsAFailureDidNotReach) {
    ComponentFormat f("{X|0:255|2.*}");
    EXPECT_FALSE(parseFormatSpec(f, "{d|5:9}"));
    EXPECT_TRUE(f.invalid);
    EXPECT_EQ(f.specText, "{d|5:9}");
    EXPECT_EQ(f.typeLetter, 'd');
    EXPECT_EQ(f.rangeFrom, 5);
    EXPECT_EQ(f.rangeTo, 255);
    EXPECT_EQ(f.width, 2);
    EXPECT_EQ(f.printfFormat, "%02X");
    EXPECT_TRUE(parseFormatSpec(f, "{d|5:9|*.*}"));
    EXPECT_FALSE(f.invalid);
    EXPECT_EQ(f.width, -1);
}

TEST(FormatSpec, NaNRangeReadsAsAtofDoes) {
    const ComponentFormat f("{f|nan:-nan|*.*}");
    EXPECT_FALSE(f.invalid);
    EXPECT_TRUE(std::isnan(f.rangeFrom));
    EXPECT_FALSE(std::signbit(f.rangeFrom));
    EXPECT_TRUE(std::signbit(f.rangeTo));
}

TEST(FormatSpec, LongSpecs) {
    const std::string blanks(20000, ' ');
    const ComponentFormat f("{" + blanks + "x" + blanks + "|0:255|" + blanks + std::string(10000, '0') +
                            "8.*}");
    EXPECT_FALSE(f.invalid);
    EXPECT_EQ(f.width, 8);
    EXPECT_EQ(f.typeLetter, 'x');
}

} // namespace
} // namespace huex
