#include "color/Contrast.h"

#include <algorithm>
#include <cmath>

namespace huex {

namespace {
double linearChannel(std::uint8_t b) {
    const double v = b / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// APCA's screen luminance: a plain 2.4 power and its own channel weights, then the soft clamp
// that lifts near-black.
double apcaLuminance(const ByteColor& c) {
    auto power = [](std::uint8_t b) { return std::pow(b / 255.0, 2.4); };
    const double y = 0.2126729 * power(c.red) + 0.7151522 * power(c.green) + 0.0721750 * power(c.blue);
    constexpr double blackThreshold = 0.022, blackClamp = 1.414;
    return y > blackThreshold ? y : y + std::pow(blackThreshold - y, blackClamp);
}
} // namespace

double relativeLuminance(const ByteColor& c) {
    return 0.2126 * linearChannel(c.red) + 0.7152 * linearChannel(c.green) + 0.0722 * linearChannel(c.blue);
}

double contrastRatio(const ByteColor& a, const ByteColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string ratioText(double ratio) {
    // Hundredths as an integer: the same digits "%.2f" prints for the cut value, with no printf.
    const double cut = std::floor(std::clamp(ratio, 0.0, 1e6) * 100 + 1e-9);
    const long long hundredths = static_cast<long long>(cut);
    const long long fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + '.' + static_cast<char>('0' + fraction / 10) +
           static_cast<char>('0' + fraction % 10) + ":1";
}

std::string verdictText(const ContrastLevel& level, double ratio) {
    return std::string(level.label) + (ratio >= level.minimum ? ": пройден" : ": не пройден");
}

double apcaContrast(const ByteColor& text, const ByteColor& background) {
    const double textY = apcaLuminance(text), backgroundY = apcaLuminance(background);
    if (std::fabs(backgroundY - textY) < 0.0005) return 0.0;
    constexpr double scale = 1.14, offset = 0.027, clip = 0.1;
    if (backgroundY > textY) { // dark text on a light background
        const double sapc = (std::pow(backgroundY, 0.56) - std::pow(textY, 0.57)) * scale;
        return sapc < clip ? 0.0 : (sapc - offset) * 100.0;
    }
    const double sapc = (std::pow(backgroundY, 0.65) - std::pow(textY, 0.62)) * scale;
    return sapc > -clip ? 0.0 : (sapc + offset) * 100.0;
}

std::string apcaText(double lc) {
    // Tenths as an integer, cut toward zero; the allowance keeps a value such as 14.9, stored
    // as 14.8999..., at its own tenth.
    const double magnitude = std::min(std::fabs(lc), 1e6);
    const long long tenths = static_cast<long long>(std::floor(magnitude * 10 + 1e-9));
    const std::string digits = std::to_string(tenths / 10) + '.' + static_cast<char>('0' + tenths % 10);
    return (lc < 0 && tenths != 0 ? "Lc -" : "Lc ") + digits;
}

std::string apcaVerdictText(double lc) {
    const double magnitude = std::fabs(lc);
    for (const ContrastLevel& level : kApcaLevels) {
        if (magnitude >= level.minimum) return "APCA: " + std::string(level.label);
    }
    return "APCA: не читается";
}

} // namespace huex
