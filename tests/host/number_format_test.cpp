// The number writer against the C library's own printf, over many values and conversions.
#include "pattern/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace huex {
namespace {

std::string written(const std::string& format, std::int32_t n) {
    const auto conversion = parsePrintfConversion(format);
    if (!conversion) return "<unparsed>";
    NumberBuffer buffer;
    return std::string(buffer.data(), writeInteger(buffer, *conversion, n));
}

std::string written(const std::string& format, double v) {
    const auto conversion = parsePrintfConversion(format);
    if (!conversion) return "<unparsed>";
    NumberBuffer buffer;
    return std::string(buffer.data(), writeReal(buffer, *conversion, v));
}

std::string printed(const std::string& format, std::int32_t n) {
    std::vector<char> out(1024);
    std::snprintf(out.data(), out.size(), format.c_str(), n); // NOLINT: format built by the test
    return out.data();
}

std::string printed(const std::string& format, double v) {
    std::vector<char> out(1024);
    std::snprintf(out.data(), out.size(), format.c_str(), v); // NOLINT: format built by the test
    return out.data();
}

std::vector<std::string> integerFormats() {
    std::vector<std::string> formats;
    for (const char* letter : {"d", "x", "X", "o"}) {
        for (const char* width : {"", "0", "01", "02", "03", "08", "012", "064", "00007"}) {
            formats.push_back(std::string("%") + width + letter);
        }
    }
    return formats;
}

std::vector<std::string> realFormats() {
    std::vector<std::string> formats;
    for (const char* width : {"", "0", "01", "05", "010", "040", "064"}) {
        for (const char* precision : {"", ".0", ".00", ".1", ".2", ".3", ".007", ".17", ".30", ".64"}) {
            formats.push_back(std::string("%") + width + precision + "f");
        }
    }
    return formats;
}

TEST(NumberFormat, IntegersMatchPrintf) {
    std::vector<std::int32_t> values{0,
                                     1,
                                     -1,
                                     5,
                                     7,
                                     -5,
                                     255,
                                     256,
                                     -255,
                                     65535,
                                     1000000,
                                     360,
                                     -360,
                                     100,
                                     127,
                                     128,
                                     std::numeric_limits<std::int32_t>::max(),
                                     std::numeric_limits<std::int32_t>::min()};
    std::mt19937 random(1);
    for (int i = 0; i < 3000; ++i) {
        values.push_back(static_cast<std::int32_t>(random()));
        values.push_back(static_cast<std::int32_t>(random() % 2000) - 1000);
    }
    for (const auto& format : integerFormats()) {
        for (const std::int32_t n : values)
            ASSERT_EQ(written(format, n), printed(format, n)) << format << " " << n;
    }
}

TEST(NumberFormat, RealsMatchPrintf) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values{
        0.0,      -0.0,    0.5,  1.5,          2.5,  -2.5, 0.125, 0.375,  1e-7,
        -1e-7,    0.05,    0.15, 0.25,         1e15, 1e22, 1e300, -1e300, 1.7976931348623157e308,
        4.9e-324, 123.456, 360,  359.99999999, inf,  -inf, nan,   -nan,   30.12048192771084};
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(unit(random) * 360 - 100);
        values.push_back(std::round(unit(random) * 2000) / 8 - 100); // exact ties
        values.push_back(std::ldexp(unit(random), static_cast<int>(random() % 2000) - 1000));
    }
    for (int i = 0; i <= 255; ++i) values.push_back(i / 255.0); // colour channels
    for (const auto& format : realFormats()) {
        for (const double v : values) ASSERT_EQ(written(format, v), printed(format, v)) << format << " " << v;
    }
}

TEST(NumberFormat, ConversionsOutsideTheGrammarAreRefused) {
    for (const char* format : {"", "%", "d", "%s", "%n", "%-5d", "%+d", "% d", "%5.2.1f", "%065d", "%.65f",
                               "%d ", "%lld", "%*d", "%%"}) {
        EXPECT_FALSE(parsePrintfConversion(format)) << format;
    }
    const auto c = parsePrintfConversion("%0000064.064F");
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->zeroPad);
    EXPECT_EQ(c->width, 64);
    EXPECT_EQ(c->precision, 64);
    EXPECT_EQ(c->letter, 'F');
}

TEST(NumberFormat, Binary) {
    const struct {
        int width;
        std::int32_t n;
        const char* text;
    } cases[] = {
        {8, 5, "00000101"},
        {8, 0, "00000000"},
        {0, 0, ""},
        {0, 255, "11111111"},
        {2, 255, "11111111"},
        {0, -9, "-1001"},
        {8, -9, "-00001001"},
        {0, std::numeric_limits<std::int32_t>::max(), "1111111111111111111111111111111"},
        {0, std::numeric_limits<std::int32_t>::min(), "-10000000000000000000000000000000"},
    };
    for (const auto& c : cases) {
        NumberBuffer buffer;
        EXPECT_EQ(std::string(buffer.data(), writeBinary(buffer, c.width, c.n)), c.text) << c.n;
    }
}

} // namespace
} // namespace huex
