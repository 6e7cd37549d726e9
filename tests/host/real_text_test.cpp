// Real numbers to and from text through the C library, against std::to_chars, which the program
// no longer links.
#include "RealTextCases.h"
#include "color/CssNumber.h"
#include "pattern/NumberScan.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
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
