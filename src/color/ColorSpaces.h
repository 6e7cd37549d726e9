#pragma once
// The CSS colour spaces: every matrix and constant is the one of CSS Color 4's own sample code, so
// our numbers agree with browsers and with the colour libraries the CSS editors maintain.
#include "color/Color.h"

#include <array>

namespace huex {

using Coords = std::array<double, 3>;

// The sRGB (and display-p3) transfer curve, extended to negative values by sign.
double srgbChannelToLinear(double v);
double linearChannelToSrgb(double v);
Coords srgbToLinear(const RgbColor& c);
RgbColor linearToSrgb(const Coords& c);

Coords linearSrgbToXyzD65(const Coords& rgb);
Coords xyzD65ToLinearSrgb(const Coords& xyz);
Coords linearP3ToXyzD65(const Coords& rgb);
Coords xyzD65ToLinearP3(const Coords& xyz);
Coords linearA98ToXyzD65(const Coords& rgb);
Coords linearProphotoToXyzD50(const Coords& rgb);
Coords linearRec2020ToXyzD65(const Coords& rgb);
// Bradford chromatic adaptation between the two whites.
Coords xyzD65ToD50(const Coords& xyz);
Coords xyzD50ToD65(const Coords& xyz);

// CIE Lab (D50) and OKLab (D65).
Coords xyzD50ToLab(const Coords& xyz);
Coords labToXyzD50(const Coords& lab);
Coords xyzD65ToOklab(const Coords& xyz);
Coords oklabToXyzD65(const Coords& oklab);
// OKLab from linear sRGB and back without going through XYZ: the gamut mapping's inner loop.
Coords linearSrgbToOklab(const Coords& rgb);
Coords oklabToLinearSrgb(const Coords& oklab);

// Lightness, a, b to lightness, chroma, hue in degrees [0, 360) and back. A chroma below
// `achromatic` has hue 0, as a gray has.
Coords toPolar(const Coords& lab, double achromatic);
Coords fromPolar(const Coords& lch);

// The transfer curves of the other RGB spaces CSS names, each extended by sign.
double a98ChannelToLinear(double v);
double prophotoChannelToLinear(double v);
double rec2020ChannelToLinear(double v); // BT.1886: gamma 2.4

bool inSrgbGamut(const RgbColor& c); // every channel within 0..1, no tolerance

} // namespace huex
