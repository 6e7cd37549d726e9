// Real numbers to and from text by exact arithmetic, against std::to_chars and the C library, which
// the program no longer links for them.
#include "RealTextCases.h"
#include "color/CssNumber.h"
#include "color/NearestDouble.h"
#include "color/RealText.h"
#include "pattern/NumberScan.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace huex {
namespace {

using testing::sameDouble;

TEST(RealText, ShortestTextIsWhatToCharsWrites) {
    testing::expectShortestTextsLikeToChars(30'000);
}

TEST(RealText, ReadsTheNumberAtTheStart) {
    testing::expectReadsAsTable();
}

TEST(RealText, ReadsAsFromChars) {
    testing::expectReadsLikeFromChars(20'000);
}

// Hexadecimal numbers, infinity and NaN read as glibc's strtod reads them (correctly rounded):
// mantissas longer than a double's, ties, the subnormals and both ends of the range.
TEST(RealText, HexadecimalAndWordsReadAsStrtod) {
    for (const char* text :
         {"0x1p0", "0X1.8P1", "0x.8p-1", "0x1.fffffffffffff8p0", "0x1.fffffffffffff7ffp0", "0x1.00000000000008p0",
          "0x1.000000000000080000001p0", "0x1.00000000000018p0", "0xffffffffffffffffffffp-80", "0x1p-1074",
          "0x1p-1075", "0x1.0000001p-1075", "0x3p-1076", "0x1.fffffffffffffp-1023", "0x1.ffffffffffffffp-1023",
          "0x1.fffffffffffffp1023", "0x1.fffffffffffff8p1023", "0x1p1024", "0x0.0000000000001p-1022",
          "0x1p", "0x1p+", "0x.p1", "0x", "-0x10", "inf", "-INFINITY", "infx", "nan", "-nan(12)", "NaN",
          "0x000000000000000000000000001p-100", "0x10000000000000000000000000p-100"}) {
        const double want = std::strtod(text, nullptr);
        const std::optional<double> got = readRealStart(text);
        ASSERT_TRUE(got) << text;
        EXPECT_TRUE(sameDouble(*got, want)) << text << ": " << *got << " against " << want;
    }
    EXPECT_FALSE(readRealStart("x1"));
    EXPECT_FALSE(readRealStart("-"));
    EXPECT_FALSE(readRealStart(".e5"));
}

// The exact rounding, started from wrong guesses as well as from the answer.
TEST(RealText, NearestDoubleFromAnyNearbyGuess) {
    const double denormMin = std::numeric_limits<double>::denorm_min();
    const struct {
        std::string digits;
        long long exponent;
        double nearest;
    } cases[] = {
        {"3839223843572815", -254, 0x1.fffffffffffffp-793}, // MinGW's strtod gives 0x1p-792
        {"767844768714563", -253, 0x1.fffffffffffffp-792},  // and 0x1p-791
        {"9007199254740993", 0, 0x1p53},                    // a tie: the even one
        {"9007199254740995", 0, 0x1.0000000000002p53},      // a tie: the even one, above
        {"900719925474099300000000000000000000001", -23, 0x1.0000000000001p53},
        {"17976931348623158", 292, std::numeric_limits<double>::max()},
        {"17976931348623159", 292, testing::inf}, // past the halfway point to 2^1024
        {"24703282292062328", -340, denormMin},   // just above half the smallest
        {"24703282292062327", -340, 0.0},         // just below
        {"1", -400, 0.0},
        {"1", 400, testing::inf},
        {"000000", 5, 0.0},
        {"1" + std::string(900, '0'), -900, 1.0},
        {"1" + std::string(900, '0') + "1", -901, 1.0},
    };
    for (const auto& c : cases) {
        const DecimalNumber decimal{c.digits, c.exponent};
        for (const double guess :
             {c.nearest, std::nextafter(c.nearest, 0.0), std::nextafter(c.nearest, testing::inf)}) {
            EXPECT_TRUE(sameDouble(nearestDouble(decimal, guess), c.nearest))
                << c.digits << "e" << c.exponent << " from " << guess;
        }
    }
}

TEST(RealText, ReadingStopsAtTheEndOfTheViewAndAtNul) {
    const std::string_view digits = "12345";
    EXPECT_EQ(readRealStart(digits.substr(0, 2)), 12.0);
    EXPECT_EQ(readRealStart(std::string_view("7\0"
                                             "8",
                                             3)),
              7.0);
}

TEST(RealText, LongTextsReadAsTheirValue) {
    EXPECT_EQ(readRealStart(std::string(100'000, '9')), testing::inf);
    EXPECT_EQ(readRealStart("0." + std::string(100'000, '0') + "1"), 0.0);
    EXPECT_EQ(readRealStart("1" + std::string(100'000, '0') + "e-100000"), 1.0);
    EXPECT_EQ(readRealStart(std::string(100'000, 'n')), std::nullopt);
}

// A locale with a decimal comma, as the user's may be, changes nothing. The build makes one when
// the system has the locale sources (cmake/Host.cmake).
TEST(RealText, ALocaleWithADecimalCommaChangesNothing) {
#ifdef HUEX_TEST_LOCALES
    setenv("LOCPATH", HUEX_TEST_LOCALES, 1);
#endif
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const bool changed = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr;
    unsetenv("LOCPATH");
    if (!changed) GTEST_SKIP() << "no ru_RU.UTF-8 locale";
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    EXPECT_EQ(readRealStart("1.5"), 1.5);
    EXPECT_EQ(readRealStart("1,5"), 1.0);
    EXPECT_TRUE(sameDouble(readRealPrefix(" -0.25"), -0.25));
    EXPECT_EQ(cssNumberValue("2.5e-1"), 0.25);
    EXPECT_EQ(shortestRealText(0.30000000000000004), "0.30000000000000004");
    EXPECT_EQ(shortestRealText(1.5e-7), "1.5e-07");
    std::setlocale(LC_NUMERIC, before.c_str());
}

} // namespace
} // namespace huex
