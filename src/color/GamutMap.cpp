#include "color/GamutMap.h"

#include "color/StrictFloat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace huex {

namespace {

constexpr double justNoticeable = 0.02;
constexpr double searchEpsilon = 0.0001;

bool inUnitCube(const Coords& c) {
    return c[0] >= 0 && c[0] <= 1 && c[1] >= 0 && c[1] <= 1 && c[2] >= 0 && c[2] <= 1;
}

// Clipping in linear light equals clipping the encoded channels: the curve keeps 0 and 1 and
// never falls.
Coords clipped(Coords c) {
    for (double& v : c) v = std::clamp(v, 0.0, 1.0);
    return c;
}

// Encoded, and held within 0..1 against the last bit of rounding in the curve.
RgbColor encoded(const Coords& linear) {
    const RgbColor c = linearToSrgb(linear);
    return {std::clamp(c.red, 0.0, 1.0), std::clamp(c.green, 0.0, 1.0), std::clamp(c.blue, 0.0, 1.0)};
}

double distance(const Coords& a, const Coords& b) {
    const double d0 = a[0] - b[0], d1 = a[1] - b[1], d2 = a[2] - b[2];
    return std::sqrt(d0 * d0 + d1 * d1 + d2 * d2);
}

// One OKLCh colour of the search, with the hue's cosine and sine worked out once.
struct ChromaLine {
    double lightness, cosHue, sinHue;
    [[nodiscard]] Coords oklab(double chroma) const { return {lightness, chroma * cosHue, chroma * sinHue}; }
};

} // namespace

RgbColor gamutMapToSrgb(const Coords& oklch) {
    if (oklch[0] >= 1) return {1, 1, 1};
    if (oklch[0] <= 0) return {0, 0, 0};
    const double radians = oklch[2] * std::numbers::pi / 180;
    const ChromaLine line{oklch[0], std::cos(radians), std::sin(radians)};
    const double originChroma = oklch[1] < 0 ? 0 : oklch[1];

    Coords current = line.oklab(originChroma);
    Coords linear = oklabToLinearSrgb(current);
    if (inUnitCube(linear)) return encoded(linear);

    Coords clip = clipped(linear);
    if (distance(linearSrgbToOklab(clip), current) < justNoticeable) return encoded(clip);

    double min = 0, max = originChroma;
    bool minInGamut = true;
    while (max - min > searchEpsilon) {
        const double chroma = (min + max) / 2;
        current = line.oklab(chroma);
        linear = oklabToLinearSrgb(current);
        if (minInGamut && inUnitCube(linear)) {
            min = chroma;
            continue;
        }
        clip = clipped(linear);
        const double e = distance(linearSrgbToOklab(clip), current);
        if (e < justNoticeable) {
            if (justNoticeable - e < searchEpsilon) break;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return encoded(clip);
}

RgbColor xyzD65ToSrgbGamut(const Coords& xyz) {
    const RgbColor rgb = linearToSrgb(xyzD65ToLinearSrgb(xyz));
    if (inSrgbGamut(rgb)) return rgb;
    return gamutMapToSrgb(toPolar(xyzD65ToOklab(xyz), 0));
}

} // namespace huex
