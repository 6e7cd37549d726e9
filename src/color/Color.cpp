#include "color/Color.h"

#include "color/Rounding.h"
#include "color/StrictFloat.h"

namespace huex {

namespace {

constexpr double oneSixth = 1.0 / 6.0;
constexpr double oneThird = 1.0 / 3.0;
constexpr double twoThirds = 2.0 / 3.0;
constexpr double fiveSixths = 5.0 / 6.0;

double channelFraction(ColorRef c, int shift) {
    return static_cast<double>((c >> shift) & 0xFFu) / 255;
}

ColorRef channelByte(double fraction, int shift) {
    return (static_cast<ColorRef>(toByte(fraction)) & 0xFFu) << shift;
}

double hueToChannel(double p, double q, double t) {
    if (t < 0) t = t + 1;
    if (t > 1) t = t - 1;
    if (6 * t < 1) return p + (q - p) * t * 6;
    if (2 * t < 1) return q;
    if (3 * t < 2) return p + (q - p) * (twoThirds - t) * 6;
    return p;
}

} // namespace

int toByte(double fraction) {
    return truncateToInt32(fraction * 255 + 0.5);
}

RgbColor colorrefToRgb(ColorRef c) {
    return {channelFraction(c, 0), channelFraction(c, 8), channelFraction(c, 16)};
}

ColorRef rgbToColorref(const RgbColor& c) {
    return channelByte(c.red, 0) | channelByte(c.green, 8) | channelByte(c.blue, 16);
}

HsbColor rgbToHsb(const RgbColor& c) {
    const double r = c.red, g = c.green, b = c.blue;
    const double maxGb = g > b ? g : b;
    const double minGb = g < b ? g : b;
    const double max = r > maxGb ? r : maxGb;
    const double min = r < minGb ? r : minGb;
    HsbColor out;
    out.brightness = max;
    if (max == min) return out;
    const double delta = max - min;
    out.saturation = delta / max;
    double h = 0;
    if (r == max) {
        h = (g - b) / delta;
    } else if (g == max) {
        h = (b - r) / delta + 2;
    } else {
        h = (r - g) / delta + 4;
    }
    out.hue = h / 6;
    if (out.hue < 0) out.hue = out.hue + 1;
    return out;
}

RgbColor hsbToRgb(const HsbColor& c) {
    const double h = c.hue, s = c.saturation, v = c.brightness;
    if (v == 0) return {0, 0, 0};
    if (s == 0) return {v, v, v};
    const double p = (1 - s) * v;
    if (h < oneSixth) return {v, p + (v - p) * h * 6, p};
    if (h < oneThird) return {v - (v - p) * (h - oneSixth) * 6, v, p};
    if (h < 0.5) return {p, v, p + (v - p) * (h - oneThird) * 6};
    if (h < twoThirds) return {p, v - (v - p) * (h - 0.5) * 6, v};
    if (h < fiveSixths) return {p + (v - p) * (h - twoThirds) * 6, p, v};
    return {v, p, v - (v - p) * (h - fiveSixths) * 6};
}

HslColor hsbToHsl(const HsbColor& c) {
    const double s = c.saturation, v = c.brightness;
    HslColor out;
    out.hue = c.hue;
    out.lightness = (2 - s) * v * 0.5;
    const double p = v - s * v;
    const double sum = p + v;
    const double delta = v - p;
    if (out.lightness <= 0.5) {
        out.saturation = sum == 0 ? 0 : delta / sum;
    } else {
        out.saturation = sum == 2 ? 0 : delta / (2 - sum);
    }
    return out;
}

RgbColor hslToRgb(const HslColor& c) {
    const double h = c.hue, s = c.saturation, l = c.lightness;
    if (s == 0) return {l, l, l};
    const double q = l < 0.5 ? (s + 1) * l : (l + s) - l * s;
    const double p = 2 * l - q;
    return {hueToChannel(p, q, h + oneThird), hueToChannel(p, q, h), hueToChannel(p, q, h - oneThird)};
}

void accumulateColor(RgbColor& sum, ColorRef c) {
    sum.red += channelFraction(c, 0);
    sum.green += channelFraction(c, 8);
    sum.blue += channelFraction(c, 16);
}

} // namespace huex
