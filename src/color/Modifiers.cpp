#include "color/Modifiers.h"

#include "color/Rounding.h"
#include "color/StrictFloat.h"

namespace huex {

namespace {

double webChannel(double c) {
    return static_cast<double>(truncateToInt32(c * 5 + 0.5)) / 5;
}

double minChannel(const RgbColor& c) {
    const double minGb = c.green < c.blue ? c.green : c.blue;
    return c.red < minGb ? c.red : minGb;
}

double maxChannel(const RgbColor& c) {
    const double maxGb = c.green > c.blue ? c.green : c.blue;
    return c.red > maxGb ? c.red : maxGb;
}

double contrastChannel(double c) {
    const double t = 1 - c;
    return (0.3 < t && t < 0.7) ? 1 : t;
}

ColorRef mixChannel(ColorRef a, ColorRef b, double weight, int shift) {
    const auto byteA = static_cast<double>((a >> shift) & 0xFFu);
    const auto byteB = static_cast<double>((b >> shift) & 0xFFu);
    const std::int32_t mixed = truncateToInt32(byteA * (1 - weight) + byteB * weight);
    return (static_cast<ColorRef>(mixed) & 0xFFu) << shift;
}

} // namespace

std::string_view colorModeName(ColorMode mode) {
    switch (mode) {
    case ColorMode::gray:
        return "gray";
    case ColorMode::desaturation:
        return "desaturation";
    case ColorMode::inversion:
        return "inversion";
    case ColorMode::complement:
        return "complement";
    case ColorMode::web:
        break;
    }
    return "web";
}

RgbColor modifiedColor(ColorMode mode, const RgbColor& c) {
    switch (mode) {
    case ColorMode::gray: {
        const double y = (c.blue + c.green + c.red) / 3;
        const double k = static_cast<double>(toByte(y) & 0xFF) / 255;
        return {k, k, k};
    }
    case ColorMode::desaturation: {
        const double y = (minChannel(c) + maxChannel(c)) / 2;
        return {y, y, y};
    }
    case ColorMode::inversion:
        return {1 - c.red, 1 - c.green, 1 - c.blue};
    case ColorMode::complement: {
        HsbColor hsb = rgbToHsb(c);
        hsb.hue = hsb.hue + 0.5;
        if (hsb.hue > 1) hsb.hue = hsb.hue - 1;
        return hsbToRgb(hsb);
    }
    case ColorMode::web:
        break;
    }
    // Web-safe rounding is also the answer for a mode value outside the menu's range.
    return {webChannel(c.red), webChannel(c.green), webChannel(c.blue)};
}

RgbColor contrastColor(const RgbColor& c) {
    return {contrastChannel(c.red), contrastChannel(c.green), contrastChannel(c.blue)};
}

ColorRef mixColors(ColorRef a, ColorRef b, double weight) {
    return mixChannel(a, b, weight, 0) | mixChannel(a, b, weight, 8) | mixChannel(a, b, weight, 16);
}

} // namespace huex
