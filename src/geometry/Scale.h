#pragma once
// Scaling for screens above 96 DPI. Every window works in device pixels of its own DPI; layout
// rules are written in 96-DPI units and go through this one rule, so at 96 DPI nothing moves.
#include <cstdint>

namespace huex {

inline constexpr int kBaseDpi = 96;

// v * dpi / 96, rounded half away from zero (MulDiv's rounding); -1 for a non-positive DPI, as
// MulDiv answers for a zero divisor. The 64-bit product cannot overflow for int operands.
constexpr int mulDiv(int v, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(v) * numerator;
    const std::int64_t half = (denominator < 0 ? -denominator : denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) /
                                   (denominator < 0 ? -std::int64_t{denominator} : denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

// One window's scale: a length of 96-DPI units in device pixels at that window's DPI.
struct Scale {
    int dpi = kBaseDpi;

    constexpr int operator()(int v) const { return mulDiv(v, dpi, kBaseDpi); }
    // A line that is drawn at all stays at least one pixel wide.
    constexpr int line(int v) const {
        const int s = (*this)(v);
        return v != 0 && s == 0 ? (v > 0 ? 1 : -1) : s;
    }
    // Device pixels back to 96-DPI units (for sizes that are stored independent of the screen).
    constexpr int unscaled(int v) const { return mulDiv(v, kBaseDpi, dpi); }
    // The font height in pixels for a size in points: negative, as LOGFONT takes a character height.
    constexpr int fontHeight(int points) const { return -mulDiv(points, dpi, 72); }
    constexpr bool identity() const { return dpi == kBaseDpi; }
    friend constexpr bool operator==(const Scale&, const Scale&) = default;
};

} // namespace huex
