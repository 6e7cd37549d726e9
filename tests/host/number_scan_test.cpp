// Number reading against the C library's atof, and the strict digit reader.
#include "pattern/NumberScan.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace huex {
namespace {

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); // tells -0 from +0
}

TEST(NumberScan, RealsMatchAtof) {
    const char* texts[] = {"",
                           " ",
                           "0",
                           "-0",
                           "+0",
                           "1",
                           "0.5abc",
                           "  \t\n\v\f\r12",
                           "+-5",
                           "-+5",
                           "--5",
                           ".",
                           ".5",
                           "5.",
                           "1e",
                           "1e+",
                           "1e-5",
                           "1E5x",
                           "1e400",
                           "-1e400",
                           "1e-400",
                           "-1e-400",
                           "1e-310",
                           "2.4e-324",
                           "2.5e-324",
                           "0x",
                           "0x1p3",
                           "0X1P-1",
                           "0x.8",
                           "0x.",
                           "0x.p1",
                           "0xg",
                           "-0x10",
                           "0x1.8p",
                           "0x1p99999",
                           "0x1p-99999",
                           "0xinf",
                           "inf",
                           "-INF",
                           "infinity",
                           "infinit",
                           "nan",
                           "-nan",
                           "NaN(123)",
                           "nan(",
                           "nan(x y)",
                           "in",
                           "n",
                           "1,5",
                           "12 34",
                           "0.000000000000000000000000000000000000001e-300",
                           "123456789012345678901234567890e-340",
                           "1e2147483648",
                           "1e-2147483649"};
    for (const char* text : texts) {
        EXPECT_TRUE(sameDouble(readRealPrefix(text), std::atof(text))) << '"' << text << '"';
    }
}

TEST(NumberScan, RandomRealsMatchAtof) {
    const std::string alphabet = "0123456789012345678901234567890123456789..eE+-xXpPaAfFinINtTyY( )\t";
    std::mt19937 random(3);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const auto length = random() % 12;
        for (std::size_t k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
        ASSERT_TRUE(sameDouble(readRealPrefix(text), std::atof(text.c_str()))) << '"' << text << '"';
    }
}

TEST(NumberScan, Digits) {
    const struct {
        const char* text;
        int base;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"", 10, 0},
        {"0", 10, 0},
        {"255", 10, 255},
        {"ff", 16, 255},
        {"FF", 16, 255},
        {"fF", 16, 255},
        {"777", 8, 511},
        {"101", 2, 5},
        {"2147483647", 10, 2147483647},
        {"0000000000000000000000000000000042", 10, 42},
        {"7fffffff", 16, 2147483647},
        {"2147483648", 10, std::nullopt},
        {"80000000", 16, std::nullopt},
        {"99999999999999999999", 10, std::nullopt},
        {"-1", 10, std::nullopt},
        {"+1", 10, std::nullopt},
        {" 1", 10, std::nullopt},
        {"1 ", 10, std::nullopt},
        {"0x10", 16, std::nullopt},
        {"#10", 16, std::nullopt},
        {"9", 8, std::nullopt},
        {"2", 2, std::nullopt},
        {"a", 10, std::nullopt},
        {"g", 16, std::nullopt},
        {"1.5", 10, std::nullopt},
        {"1", 1, std::nullopt},
        {"1", 17, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readDigits(c.text, c.base), c.value) << c.text << " base " << c.base;
}

TEST(NumberScan, Trim) {
    EXPECT_EQ(trimCSpace(" \t x y \r\n\v\f"), "x y");
    EXPECT_EQ(trimCSpace("   "), "");
    EXPECT_EQ(trimCSpace("\xA0x\xA0"), "\xA0x\xA0"); // not white space in the C locale
}

} // namespace
} // namespace huex
