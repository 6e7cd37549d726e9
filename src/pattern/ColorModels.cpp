#include "pattern/ColorModels.h"

#include "color/GamutMap.h"
#include "color/StrictFloat.h"
#include "pattern/Placeholders.h"

#include <algorithm>

namespace huex {

namespace {

// CSS's reference ranges: each coordinate over the value that stands for 100 %.
constexpr double labLightness = 100, labAxis = 125, lchChroma = 150, okAxis = 0.4, degrees = 360;
// A chroma below a millionth of its reference has no hue, as a gray has none.
constexpr double achromatic = 1e-6;

Coords labOf(const RgbColor& rgb) {
    return xyzD50ToLab(xyzD65ToD50(linearSrgbToXyzD65(srgbToLinear(rgb))));
}

Coords oklabOf(const RgbColor& rgb) {
    return linearSrgbToOklab(srgbToLinear(rgb));
}

RgbColor fromLab(const Coords& lab) {
    return xyzD65ToSrgbGamut(xyzD50ToD65(labToXyzD50(lab)));
}

Coords hsbFractions(const RgbColor&, const HsbColor& hsb) {
    return {hsb.hue, hsb.saturation, hsb.brightness};
}
RgbColor hsbColor(const Coords& f) {
    return hsbToRgb({f[0], f[1], f[2]});
}

Coords hslFractions(const RgbColor&, const HsbColor& hsb) {
    const HslColor hsl = hsbToHsl(hsb);
    return {hsl.hue, hsl.saturation, hsl.lightness};
}
RgbColor hslColor(const Coords& f) {
    return hslToRgb({f[0], f[1], f[2]});
}

Coords rgbFractions(const RgbColor& rgb, const HsbColor&) {
    return {rgb.red, rgb.green, rgb.blue};
}
RgbColor rgbColor(const Coords& f) {
    return {f[0], f[1], f[2]};
}

Coords hwbFractions(const RgbColor& rgb, const HsbColor& hsb) {
    // Whiteness is the smallest channel, blackness one less the largest.
    return {hsb.hue, std::min({rgb.red, rgb.green, rgb.blue}), 1 - std::max({rgb.red, rgb.green, rgb.blue})};
}
RgbColor hwbColor(const Coords& f) {
    const double whiteness = f[1], blackness = f[2];
    if (whiteness + blackness >= 1) {
        const double gray = whiteness / (whiteness + blackness);
        return {gray, gray, gray};
    }
    const double brightness = 1 - blackness;
    return hsbToRgb({f[0], 1 - whiteness / brightness, brightness});
}

Coords labFractions(const RgbColor& rgb, const HsbColor&) {
    const Coords lab = labOf(rgb);
    return {lab[0] / labLightness, lab[1] / labAxis, lab[2] / labAxis};
}
RgbColor labColor(const Coords& f) {
    return fromLab({f[0] * labLightness, f[1] * labAxis, f[2] * labAxis});
}

Coords lchFractions(const RgbColor& rgb, const HsbColor&) {
    const Coords lch = toPolar(labOf(rgb), achromatic * lchChroma);
    return {lch[0] / labLightness, lch[1] / lchChroma, lch[2] / degrees};
}
RgbColor lchColor(const Coords& f) {
    return fromLab(fromPolar({f[0] * labLightness, f[1] * lchChroma, f[2] * degrees}));
}

Coords oklabFractions(const RgbColor& rgb, const HsbColor&) {
    const Coords lab = oklabOf(rgb);
    return {lab[0], lab[1] / okAxis, lab[2] / okAxis};
}
RgbColor oklabColor(const Coords& f) {
    // Mapped from the text's own lightness: one recomputed through XYZ misses 0 and 1 by rounding.
    return gamutMapToSrgb(toPolar({f[0], f[1] * okAxis, f[2] * okAxis}, 0));
}

Coords oklchFractions(const RgbColor& rgb, const HsbColor&) {
    const Coords lch = toPolar(oklabOf(rgb), achromatic * okAxis);
    return {lch[0], lch[1] / okAxis, lch[2] / degrees};
}
RgbColor oklchColor(const Coords& f) {
    return gamutMapToSrgb({f[0], f[1] * okAxis, f[2] * degrees});
}

Coords p3Fractions(const RgbColor& rgb, const HsbColor&) {
    const Coords p3 = xyzD65ToLinearP3(linearSrgbToXyzD65(srgbToLinear(rgb)));
    return {linearChannelToSrgb(p3[0]), linearChannelToSrgb(p3[1]), linearChannelToSrgb(p3[2])};
}
RgbColor p3Color(const Coords& f) {
    const Coords linear{srgbChannelToLinear(f[0]), srgbChannelToLinear(f[1]), srgbChannelToLinear(f[2])};
    return xyzD65ToSrgbGamut(linearP3ToXyzD65(linear));
}

constexpr std::array<bool, 3> unsignedAxes{false, false, false};
constexpr std::array<bool, 3> signedAxes{false, true, true};

} // namespace

const std::array<ColorModel, modelCount> colorModels{{
    {"HSB", unsignedAxes, hsbFractions, hsbColor, {}},
    {"HSL", unsignedAxes, hslFractions, hslColor, {}},
    {"RGB", unsignedAxes, rgbFractions, rgbColor, {}},
    {"HWB", unsignedAxes, hwbFractions, hwbColor, {"{f|0:360|*.1}", "{f|0:100|*.1}", "{f|0:100|*.1}"}},
    {"Lab", signedAxes, labFractions, labColor, {"{f|0:100|*.2}", "{f|0:125|*.2}", "{f|0:125|*.2}"}},
    {"LCh", unsignedAxes, lchFractions, lchColor, {"{f|0:100|*.2}", "{f|0:150|*.2}", "{f|0:360|*.2}"}},
    {"OKLab", signedAxes, oklabFractions, oklabColor, {"{f|0:100|*.2}", "{f|0:0.4|*.4}", "{f|0:0.4|*.4}"}},
    {"OKLCh", unsignedAxes, oklchFractions, oklchColor, {"{f|0:100|*.2}", "{f|0:0.4|*.4}", "{f|0:360|*.2}"}},
    {"Display P3", unsignedAxes, p3Fractions, p3Color, {"{f|0:1|*.4}", "{f|0:1|*.4}", "{f|0:1|*.4}"}},
}};

bool usesModel(std::string_view patternString, std::size_t model) {
    if (model >= modelCount) return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if (patternString.find(placeholders[model * 3 + i]) != std::string_view::npos) return true;
    }
    return false;
}

void fillDefaultFormats(ColorPattern& p, std::string_view patternString) {
    for (std::size_t m = 0; m < modelCount; ++m) {
        const auto& defaults = colorModels[m].defaultFormats;
        if (defaults[0].empty() || !usesModel(patternString, m)) continue;
        auto format = p.formats.begin() + static_cast<std::ptrdiff_t>(m * 3);
        if (!std::all_of(format, format + 3, [](const ComponentFormat& f) { return f.specText.empty(); }))
            continue;
        for (std::size_t i = 0; i < 3; ++i)
            format[static_cast<std::ptrdiff_t>(i)] = ComponentFormat(defaults[i]);
    }
}

} // namespace huex
