#include "pattern/Formatter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace huex {
namespace {

RgbColor bytes(int r, int g, int b) {
    return colorrefToRgb(ColorRef(r) | ColorRef(g) << 8 | ColorRef(b) << 16);
}

std::string format(const ColorPattern& p, const RgbColor& c) {
    return formatColor(p, c, rgbToHsb(c));
}

std::array<std::string, 9> rgbFormats(const std::string& spec) {
    return {spec, spec, spec, "", "", "", "", "", ""};
}

TEST(Formatter, WorkedExamples) {
    const auto builtIn = builtInPatterns();
    const RgbColor orange = bytes(255, 128, 0);
    EXPECT_EQ(format(ColorPattern("", "#{rgbR}{rgbG}{rgbB}", rgbFormats("{X|0:255|2.*}")), orange),
              "#FF8000");
    EXPECT_EQ(format(builtIn[0], orange), "FF8000");
    EXPECT_EQ(format(builtIn[1], orange), "HSB(30, 100, 100)");
    EXPECT_EQ(format(builtIn[2], orange), "HSL(30, 100, 50)");
    EXPECT_EQ(format(builtIn[3], orange), "CMY(0, 127, 255)");
    const ColorPattern hash("", "#{rgbR}{rgbG}{rgbB}", rgbFormats("{X|0:255|2.*}"));
    EXPECT_EQ(format(hash, {0, 0, 0}), "#000000");
    EXPECT_EQ(format(hash, {1, 1, 1}), "#FFFFFF");
}

struct ComponentCase {
    const char* spec;
    double fraction;
    const char* text;
};

TEST(Formatter, Components) {
    const ComponentCase cases[] = {
        {"{d|0:360|*.*}", 359.5 / 360, "360"},
        {"{d|0:360|*.*}", 359.4 / 360, "359"},
        {"{X|0:255|2.*}", 5.0 / 255, "05"},
        {"{x|0:255|2.*}", 171.0 / 255, "ab"},
        {"{d|0:255|3.*}", 7.0 / 255, "007"},
        {"{X|0:65535|2.*}", 1, "FFFF"}, // longer than the width: not cut
        {"{o|0:255|*.*}", 1, "377"},
        {"{b|0:255|8.*}", 5.0 / 255, "00000101"},
        {"{b|0:255|8.*}", 0, "00000000"},
        {"{b|0:255|*.*}", 0, ""},
        {"{b|0:255|*.*}", 1, "11111111"},
        {"{B|0:255|0.*}", 2.0 / 255, "10"},
        {"{b|-10:10|*.*}", 0, "-1010"}, // half away from zero: -10 stays -10
        {"{b|-10:10|8.*}", 0, "-00001010"}, // the digits are padded, the sign stands before them
        {"{f|0:1|*.3}", 0.5, "0.500"},
        {"{f|0:1|*.*}", 0.5, "0.500000"},
        {"{f|0:1|*.0}", 0.5, "0.500000"},
        {"{f|0:1|*.00}", 0.5, "0"}, // an explicit precision of zero digits
        {"{f|-1:1|5.2}", 0.25, "-0.50"},
        {"{f|-1:1|07.2}", 0.25, "-000.50"},
        {"{f|0:1e300|*.*}", 1, nullptr},
        {"{d|0:255|*.*}", 0.5, "128"},
        {"{d|255:0|*.*}", 128.0 / 255, "127"},
        {"{d|0:1e300|*.*}", 1, "2147483647"},
        {"{d|0:-1e300|*.*}", 1, "-2147483648"},
        {"{x|-10:0|*.*}", 0, "fffffff6"},
        {"{X|-10:0|*.*}", 0, "FFFFFFF6"},
        {"{o|-1:0|*.*}", 0, "37777777777"},
        {"{o|-2:0|*.*}", 0, "37777777776"},
        {"{d|-10:10|4.*}", 0, "-010"},
        {"{d|-100:100|*.*}", 0.3965, "-21"}, // -20.7
        {"{d|-100:100|*.*}", 0.4985, "0"},   // -0.3
        {"{d|-100:100|*.*}", 0.4975, "-1"},  // -0.5
        {"{f|-1:1|*.4}", 0.4999999, "0.0000"},
        {"{f|-1:1|06.2}", 0.499, "000.00"},
        {"{f|-1:0|*.2}", 1, "0.00"}, // -0.0
        {"{d|nan:0|*.*}", 0.5, "0"},
        {"{D|0:255|3.*}", 0.1, "026"},
        {"{O|0:255|*.*}", 1, "377"},
        {"{F|0:1|*.3}", 0.5, "0.500000"},
        {"{F|0:-1e999|*.*}", 1, "-inf"},
        {"{f|0:1e999|8.*}", 1, "     inf"},
        {"{f|0:1e999|08.*}", 1, "     inf"},
        {"{f|nan:0|06.*}", 1, "   nan"},
        {"{f|-nan:0|*.*}", 0.5, "-nan"},
        {"{q|0:255|2.*}", 0.5, "error"},
        {"{d|0:255}", 0.5, "error"},
        {"", 0.5, "error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec);
        const ComponentFormat f(c.spec);
        if (c.text == nullptr) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%f",
                          (f.rangeTo - f.rangeFrom) * c.fraction + f.rangeFrom);
            EXPECT_EQ(formatComponent(f, c.fraction), expected);
        } else {
            EXPECT_EQ(formatComponent(f, c.fraction), c.text);
        }
    }
}

TEST(Formatter, FormatsNotMadeFromASpec) {
    EXPECT_EQ(formatComponent(ComponentFormat(), 0.5), ""); // the empty format
    ComponentFormat f;
    f.typeLetter = 'd';
    f.rangeTo = 100;
    f.printfFormat = "%s";
    EXPECT_EQ(formatComponent(f, 0.5), "error");
    f.printfFormat = "%5d";
    EXPECT_EQ(formatComponent(f, 0.42), "   42");
    f.printfFormat = "%f";
    EXPECT_EQ(formatComponent(f, 0.42), "error"); // a real conversion for an integer letter
    f.typeLetter = 'f';
    EXPECT_EQ(formatComponent(f, 0.42), "42.000000");
    f.typeLetter = 'b';
    EXPECT_EQ(formatComponent(f, 0.42), "error");
    f.typeLetter = 'd';
    f.printfFormat = "%.3d";
    EXPECT_EQ(formatComponent(f, 0.42), "error");
    f.printfFormat = "%9999d";
    EXPECT_EQ(formatComponent(f, 0.42), "error");
}

TEST(Formatter, Patterns) {
    const std::string dec = "{d|0:255|*.*}";
    const RgbColor c = bytes(10, 20, 30);
    EXPECT_EQ(format(ColorPattern("", "no placeholders {rgb}", rgbFormats(dec)), c), "no placeholders {rgb}");
    EXPECT_EQ(format(ColorPattern("", "{rgbR}+{rgbR}={rgbB}", rgbFormats(dec)), c), "10+10=30");
    EXPECT_EQ(format(ColorPattern("", "{rgbR}{rgbG}{rgbB}", rgbFormats(dec)), c),
              "102030"); // not parseable, still shown
    // A component whose spec failed shows as "error", the others are still written.
    std::array<std::string, 9> specs = rgbFormats(dec);
    specs[1] = "{d|0:255";
    EXPECT_EQ(format(ColorPattern("", "{rgbR},{rgbG},{rgbB}", specs), c), "10,error,30");
    // Placeholders of every model are written, whatever model the analysis chose.
    const std::array<std::string, 9> all{dec,
                                         dec,
                                         dec,
                                         "{d|0:360|*.*}",
                                         "{d|0:100|*.*}",
                                         "{d|0:100|*.*}",
                                         "{d|0:360|*.*}",
                                         "{d|0:100|*.*}",
                                         "{d|0:100|*.*}"};
    EXPECT_EQ(format(ColorPattern("", "{rgbR} {hsbH} {hslL} {hslS} {hsbB}", all), bytes(255, 128, 0)),
              "255 30 50 100 100");
}

TEST(Formatter, PlaceholdersAreReplacedOneAfterTheOther) {
    // Hue 11 in hexadecimal is "b", which completes "{rgbB}"; blue is replaced after hue.
    std::array<std::string, 9> specs = rgbFormats("{d|0:255|*.*}");
    specs[3] = "{x|0:15|*.*}";
    const ColorPattern p("", "{rg{hsbH}B}", specs);
    EXPECT_EQ(formatColor(p, {0, 0, 1}, {11.0 / 15, 1, 1}), "255");
}

TEST(Formatter, LongPatterns) {
    std::string pattern;
    for (int i = 0; i < 5000; ++i) pattern += "{rgbR}";
    const std::string text = format(ColorPattern("", pattern, rgbFormats("{X|0:255|2.*}")), {1, 0, 0});
    EXPECT_EQ(text.size(), 10000u);
    EXPECT_EQ(text.substr(0, 4), "FFFF");
}

} // namespace
} // namespace huex
