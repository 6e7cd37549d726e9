#pragma once
// The user patterns of a first start: one for each CSS colour notation, each writing text that CSS
// reads back as the same colour.
#include "pattern/ColorPattern.h"

#include <vector>

namespace huex {

enum class CssNotation { hex, rgb, hsl, hwb, lab, lch, oklab, oklch, displayP3 };

ColorPattern cssPattern(CssNotation notation);
std::vector<ColorPattern> cssPatterns(); // every notation, in the order above

} // namespace huex
