#pragma once
// Colour values in RGB, HSB and HSL, and the packed platform colour.
#include <cstdint>

namespace huex {

using ColorRef = std::uint32_t; // 0x00BBGGRR, the platform's COLORREF layout

struct RgbColor {
    double red = 0, green = 0, blue = 0;
};
struct HsbColor {
    double hue = 0, saturation = 0, brightness = 0;
};
struct HslColor {
    double hue = 0, saturation = 0, lightness = 0;
};

// fraction * 255 + 0.5 truncated toward zero; only the low 8 bits are meaningful.
int toByte(double fraction);
RgbColor colorrefToRgb(ColorRef c);
ColorRef rgbToColorref(const RgbColor& c);
HsbColor rgbToHsb(const RgbColor& c);
RgbColor hsbToRgb(const HsbColor& c);
HslColor hsbToHsl(const HsbColor& c);
RgbColor hslToRgb(const HslColor& c);
void accumulateColor(RgbColor& sum, ColorRef c);

} // namespace huex
