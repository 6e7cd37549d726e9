#pragma once
// Cases for real numbers as text, shared by the host tests and the Windows-side ones: the work is
// the C library's, and the two C libraries are not the same code.
#include "color/RealText.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace huex::testing {

inline constexpr double inf = std::numeric_limits<double>::infinity();
inline const double nan = std::numeric_limits<double>::quiet_NaN();

// Doubles and the text std::to_chars gives each.
struct ShortestCase {
    double value;
    const char* text;
};

inline const ShortestCase shortestCases[] = {
    {0.0, "0"},
    {-0.0, "-0"},
    {0.1, "0.1"},
    {-1.5, "-1.5"},
    {128.0 / 255, "0.5019607843137255"},
    {0.1 + 0.2, "0.30000000000000004"}, // 17 digits
    {1.0 / 3, "0.3333333333333333"},
    {1e-7, "1e-07"},
    {1e-4, "1e-04"}, // shorter than 0.0001
    {1e-3, "0.001"}, // as long either way: fixed
    {123.456, "123.456"},
    {1e15, "1e+15"},
    {1e21, "1e+21"},
    {1e23, "1e+23"},
    {123456789012345680000.0, "123456789012345683968"}, // a whole number shows all its digits
    {0x1p70, "1180591620717411303424"},                 // 22 characters either way: fixed
    {9007199254740993.0, "9007199254740992"},
    {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
    {std::numeric_limits<double>::min(), "2.2250738585072014e-308"},
    {0x0.fffffffffffffp-1022, "2.225073858507201e-308"}, // the largest subnormal
    {std::numeric_limits<double>::denorm_min(), "5e-324"},
    // Powers of two whose nearest decimal of the shortest length falls below and does not read
    // back, while the next one up does.
    {0x1p-383, "5.075883674631299e-116"},
    {0x1p-140, "7.174648137343064e-43"},
    {inf, "inf"},
    {-inf, "-inf"},
    {nan, "nan"},
    {-nan, "-nan"},
};

// Texts and the number at their start (nothing: none).
struct ReadCase {
    const char* text;
    std::optional<double> value;
};

inline const ReadCase readCases[] = {
    {"1.5", 1.5},
    {"-2.5e3x", -2500.0},
    {"+.5", 0.5},
    {"5.", 5.0},
    {"1,5", 1.0}, // the point is always '.'
    {"1e", 1.0},
    {"1e+", 1.0},
    {"0x1p-1", 0.5},
    {"0X1.8P1", 3.0},
    {"0x.8", 0.5},
    {"0xg", 0.0},
    {"1e400", inf},
    {"-1e400", -inf},
    {"1e-400", 0.0},
    {"-1e-400", -0.0},
    {"3e-324", std::numeric_limits<double>::denorm_min()},
    {"2e-324", 0.0},
    {"infinity", inf},
    {"INFINIT", inf},
    {"nan(12)", nan},
    {"9007199254740993", 9007199254740992.0},                           // halfway: to even
    {"9007199254740993.0000000000000000000000001", 9007199254740994.0}, // just past it: up
    {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
    {"", std::nullopt},
    {" 1", std::nullopt}, // no white space skipped
    {"x1", std::nullopt},
    {".", std::nullopt},
    {"e5", std::nullopt},
    {"-", std::nullopt},
    {"--1", std::nullopt},
    {",5", std::nullopt},
};

inline bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); // tells -0 from +0
}

inline std::string toCharsText(double value) {
    std::array<char, 400> buffer{};
    return {buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr};
}

// Every power of two with its neighbours, `randomCount` doubles of random bits and as many short
// decimals, the kinds a colour's fractions are.
inline std::vector<double> sweepValues(int randomCount) {
    std::vector<double> values;
    for (int power = -1074; power <= 1023; ++power) {
        const double p = std::ldexp(1.0, power);
        values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, inf)});
    }
    std::mt19937_64 random(29);
    for (int i = 0; i < randomCount; ++i) {
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits)) values.push_back(bits);
        const auto digits = static_cast<double>(random() % 100'000'000'000'000'000ULL);
        values.push_back(digits * std::pow(10.0, static_cast<int>(random() % 40) - 30));
    }
    return values;
}

inline void expectShortestTextsLikeToChars(int randomCount) {
    for (const ShortestCase& c : shortestCases)
        EXPECT_EQ(shortestRealText(c.value), c.text) << "table row " << c.text;
    int mismatches = 0;
    for (const double value : sweepValues(randomCount)) {
        const std::string want = toCharsText(value);
        if (shortestRealText(value) != want && ++mismatches <= 10)
            ADD_FAILURE() << want << " written as " << shortestRealText(value);
    }
    EXPECT_EQ(mismatches, 0);
}

// Texts of the shortest digits of the sweep's values and their neighbours at 17 digits, and
// random digit strings of up to 30 digits, read as std::from_chars reads them.
inline void expectReadsLikeFromChars(int randomCount) {
    std::vector<std::string> texts;
    for (const double value : sweepValues(randomCount / 2)) {
        texts.push_back(toCharsText(value));
        std::array<char, 40> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.16e", std::nextafter(value, inf));
        texts.emplace_back(buffer.data());
    }
    std::mt19937_64 random(30);
    for (int i = 0; i < randomCount; ++i) {
        std::string text(1 + random() % 30, '0');
        for (char& c : text) c = static_cast<char>('0' + random() % 10);
        text.insert(1 + random() % text.size(), 1, '.');
        texts.push_back(text + "e" + std::to_string(static_cast<int>(random() % 700) - 350));
    }
    int mismatches = 0;
    for (const std::string& text : texts) {
        double want = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), want);
        if (error != std::errc() || end != text.data() + text.size()) continue; // out of range: another table
        const std::optional<double> got = readRealStart(text);
        if ((!got || !sameDouble(*got, want)) && ++mismatches <= 10) ADD_FAILURE() << text << " read wrong";
    }
    EXPECT_EQ(mismatches, 0);
}

inline void expectReadsAsTable() {
    for (const ReadCase& c : readCases) {
        const std::optional<double> got = readRealStart(c.text);
        EXPECT_EQ(got.has_value(), c.value.has_value()) << '"' << c.text << '"';
        if (got && c.value) {
            EXPECT_TRUE(sameDouble(*got, *c.value)) << '"' << c.text << "\" read as " << *got;
        }
    }
}

} // namespace huex::testing
