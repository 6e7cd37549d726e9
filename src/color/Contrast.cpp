#include "color/Contrast.h"

#include <algorithm>
#include <cmath>

namespace huex {

namespace {
double linearChannel(std::uint8_t b) {
    const double v = b / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
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

} // namespace huex
