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

// APCA-W3 0.0.98G-4g lightness contrast Lc of text on a background: positive for dark text on a
// light background, negative for light on dark, 0 below the low-contrast clip.
double apcaContrast(const ByteColor& text, const ByteColor& background);
// "Lc " and the value cut toward zero to one decimal: "Lc 106.0", "Lc -14.9", never "Lc -0.0".
std::string apcaText(double lc);

// The uses an |Lc| is enough for, best first; below the last one the text is not readable.
inline constexpr std::array<ContrastLevel, 6> kApcaLevels{{
    {"любой текст", 90},
    {"основной текст", 75},
    {"текст, кроме основного", 60},
    {"крупный текст и заголовки", 45},
    {"второстепенный текст", 30},
    {"только не текст", 15},
}};
// "APCA: " and the first use whose minimum the exact |Lc| meets, else "не читается".
std::string apcaVerdictText(double lc);

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
