#pragma once
// CSS Color 4's gamut mapping into sRGB: a colour sRGB cannot show is brought in along its OKLCh
// chroma until it clips by less than a just noticeable difference.
#include "color/Color.h"
#include "color/ColorSpaces.h"

namespace huex {

// `oklch` is lightness 0..1, chroma, hue in degrees. Lightness 1 or more is white, 0 or less black.
// The result always lies within 0..1.
RgbColor gamutMapToSrgb(const Coords& oklch);
// A colour given in XYZ (D65): as it is when sRGB holds it, else mapped.
RgbColor xyzD65ToSrgbGamut(const Coords& xyz);

} // namespace huex
