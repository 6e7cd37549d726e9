#include "color/CssColorFunctions.h"

#include "color/ColorSpaces.h"
#include "color/CssArguments.h"
#include "color/GamutMap.h"
#include "color/StrictFloat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace huex {

namespace {

using Kind = CssComponent::Kind;

// Numbers beyond this are held to it: every conversion stays finite (a cube of a Lab or OKLab
// value, a power of a channel), and no colour a person writes comes near it.
constexpr double largestMagnitude = 1e6;

struct ColorFunction {
    std::string_view name;
    bool legacyAllowed;
    int hueIndex;                         // the component that is a hue, or -1
    std::array<double, 3> hundredPercent; // the value that 100% stands for
    RgbColor (*toSrgb)(const Coords&);
};

RgbColor fromSrgb(const RgbColor& c) {
    if (inSrgbGamut(c)) return c;
    return xyzD65ToSrgbGamut(linearSrgbToXyzD65(srgbToLinear(c)));
}

RgbColor rgbToSrgb(const Coords& c) {
    return {std::clamp(c[0], 0.0, 255.0) / 255, std::clamp(c[1], 0.0, 255.0) / 255,
            std::clamp(c[2], 0.0, 255.0) / 255};
}

RgbColor hslChannels(double hue, double saturation, double lightness) {
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

RgbColor hslToSrgb(const Coords& c) {
    return fromSrgb(hslChannels(c[0], std::max(c[1], 0.0) / 100, c[2] / 100));
}

RgbColor hwbToSrgb(const Coords& c) {
    const double white = c[1] / 100, black = c[2] / 100;
    if (white + black >= 1) {
        // A negative whiteness makes the gray darker than black: mapped in like any other colour.
        const double gray = white / (white + black);
        return fromSrgb({gray, gray, gray});
    }
    RgbColor rgb = hslChannels(c[0], 1, 0.5);
    for (double* v : {&rgb.red, &rgb.green, &rgb.blue}) *v = *v * (1 - white - black) + white;
    return fromSrgb(rgb);
}

RgbColor labToSrgb(const Coords& c) {
    return xyzD65ToSrgbGamut(xyzD50ToD65(labToXyzD50({std::clamp(c[0], 0.0, 100.0), c[1], c[2]})));
}

RgbColor lchToSrgb(const Coords& c) {
    return labToSrgb(fromPolar({c[0], std::max(c[1], 0.0), c[2]}));
}

// The OK spaces are mapped from their own lightness, so that 0 and 1 give black and white exactly.
RgbColor oklchToSrgb(const Coords& c) {
    return gamutMapToSrgb({std::clamp(c[0], 0.0, 1.0), std::max(c[1], 0.0), c[2]});
}

RgbColor oklabToSrgb(const Coords& c) {
    return oklchToSrgb(toPolar(c, 0));
}

constexpr std::array<ColorFunction, 9> functions{{
    {"rgb", true, -1, {255, 255, 255}, rgbToSrgb},
    {"rgba", true, -1, {255, 255, 255}, rgbToSrgb},
    {"hsl", true, 0, {0, 100, 100}, hslToSrgb},
    {"hsla", true, 0, {0, 100, 100}, hslToSrgb},
    {"hwb", false, 0, {0, 100, 100}, hwbToSrgb},
    {"lab", false, -1, {100, 125, 125}, labToSrgb},
    {"lch", false, 2, {100, 150, 0}, lchToSrgb},
    {"oklab", false, -1, {1, 0.4, 0.4}, oklabToSrgb},
    {"oklch", false, 2, {1, 0.4, 0}, oklchToSrgb},
}};

Coords linearized(const Coords& c, double (*toLinear)(double)) {
    return {toLinear(c[0]), toLinear(c[1]), toLinear(c[2])};
}

// The spaces of color(), each with its way into sRGB.
struct PredefinedSpace {
    std::string_view name;
    RgbColor (*toSrgb)(const Coords&);
};

constexpr std::array<PredefinedSpace, 9> predefinedSpaces{{
    {"srgb",
     [](const Coords& c) {
         return fromSrgb({c[0], c[1], c[2]});
     }},
    {"srgb-linear", [](const Coords& c) { return xyzD65ToSrgbGamut(linearSrgbToXyzD65(c)); }},
    {"display-p3",
     [](const Coords& c) { return xyzD65ToSrgbGamut(linearP3ToXyzD65(linearized(c, srgbChannelToLinear))); }},
    {"a98-rgb",
     [](const Coords& c) { return xyzD65ToSrgbGamut(linearA98ToXyzD65(linearized(c, a98ChannelToLinear))); }},
    {"prophoto-rgb",
     [](const Coords& c) {
         return xyzD65ToSrgbGamut(
             xyzD50ToD65(linearProphotoToXyzD50(linearized(c, prophotoChannelToLinear))));
     }},
    {"rec2020",
     [](const Coords& c) {
         return xyzD65ToSrgbGamut(linearRec2020ToXyzD65(linearized(c, rec2020ChannelToLinear)));
     }},
    {"xyz", [](const Coords& c) { return xyzD65ToSrgbGamut(c); }},
    {"xyz-d65", [](const Coords& c) { return xyzD65ToSrgbGamut(c); }},
    {"xyz-d50", [](const Coords& c) { return xyzD65ToSrgbGamut(xyzD50ToD65(c)); }},
}};

// Degrees in [0, 360); a hue too large to turn into degrees is 0, as CSS makes an infinite one.
double normalizedHue(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    const double h = std::fmod(degrees, 360);
    return h < 0 ? h + 360 : h;
}

// The components as numbers of the space: percentages scaled, `none` as 0, hues in degrees.
// nullopt when a hue is a percentage or another component an angle.
std::optional<Coords> resolved(const CssArguments& args, int hueIndex,
                               const std::array<double, 3>& hundredPercent) {
    Coords out{};
    for (std::size_t i = 0; i < 3; ++i) {
        const CssComponent& c = args.components[i];
        if (static_cast<int>(i) == hueIndex) {
            if (c.kind == Kind::percentage) return std::nullopt;
            out[i] = normalizedHue(c.value);
        } else {
            if (c.kind == Kind::angle) return std::nullopt;
            const double v = c.kind == Kind::percentage ? c.value / 100 * hundredPercent[i] : c.value;
            out[i] = std::clamp(v, -largestMagnitude, largestMagnitude);
        }
    }
    return out;
}

// The comma form keeps the rules of its time: rgb() all numbers or all percentages, hsl()
// saturation and lightness as percentages.
bool legacyKindsAllowed(const CssArguments& args, bool hasHue) {
    const auto& c = args.components;
    if (hasHue) return c[1].kind == Kind::percentage && c[2].kind == Kind::percentage;
    return c[0].kind == c[1].kind && c[1].kind == c[2].kind;
}

std::optional<RgbColor> predefinedColor(std::span<const CssToken> arguments) {
    if (arguments.empty() || arguments[0].kind != CssTokenKind::ident) return std::nullopt;
    const auto space = std::find_if(predefinedSpaces.begin(), predefinedSpaces.end(),
                                    [&](const PredefinedSpace& s) { return s.name == arguments[0].name; });
    if (space == predefinedSpaces.end()) return std::nullopt;
    const auto args = readCssArguments(arguments.subspan(1), false);
    if (!args) return std::nullopt;
    const auto coords = resolved(*args, -1, {1, 1, 1});
    if (!coords) return std::nullopt;
    return space->toSrgb(*coords);
}

} // namespace

std::optional<RgbColor> cssColorFunction(std::string_view name, std::span<const CssToken> arguments) {
    if (name == "color") return predefinedColor(arguments);
    const auto f = std::find_if(functions.begin(), functions.end(),
                                [&](const ColorFunction& candidate) { return candidate.name == name; });
    if (f == functions.end()) return std::nullopt;
    const auto args = readCssArguments(arguments, f->legacyAllowed);
    if (!args || (args->legacy && !legacyKindsAllowed(*args, f->hueIndex >= 0))) return std::nullopt;
    const auto coords = resolved(*args, f->hueIndex, f->hundredPercent);
    if (!coords) return std::nullopt;
    return f->toSrgb(*coords);
}

} // namespace huex
