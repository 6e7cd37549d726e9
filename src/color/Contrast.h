#pragma once
// Contrast between a text colour and its background: relative luminance, the ratio, its text
// (cut, never rounded up, so a ratio just under a threshold never reads as meeting it) and the
// five pass/fail verdicts.
#include "color/ByteColor.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace huex {

double relativeLuminance(const ByteColor& c);
// (lighter + 0.05) / (darker + 0.05): 1 to 21, the same whichever colour comes first.
double contrastRatio(const ByteColor& a, const ByteColor& b);
// The ratio cut to two decimals, "4.49:1".
std::string ratioText(double ratio);

struct ContrastLevel {
    std::string_view label;
    double minimum;
};
inline constexpr std::array<ContrastLevel, 5> kContrastLevels{{
    {"AA, обычный текст", 4.5},
    {"AA, крупный текст", 3.0},
    {"AAA, обычный текст", 7.0},
    {"AAA, крупный текст", 4.5},
    {"Графика и элементы интерфейса", 3.0},
}};
// "<label>: пройден" or "<label>: не пройден", judged on the exact ratio.
std::string verdictText(const ContrastLevel& level, double ratio);

// The two wells of the contrast window: one follows the picker's colour, the other holds its own.
struct ContrastPair {
    ByteColor text{0, 0, 0}, background{255, 255, 255};
    bool followBackground = false;

    ByteColor& following() { return followBackground ? background : text; }
    ByteColor& held() { return followBackground ? text : background; }
    // The colours change places and the other well follows, so the follower keeps its colour.
    void swap() {
        std::swap(text, background);
        followBackground = !followBackground;
    }
    [[nodiscard]] double ratio() const { return contrastRatio(text, background); }
};

} // namespace huex
