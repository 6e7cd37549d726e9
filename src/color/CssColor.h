#pragma once
// Any CSS colour text, read as a browser reads it: hex, the named colours, and every colour
// function of CSS Color 4. A colour sRGB cannot show comes back gamut-mapped; an alpha is read
// and ignored.
#include "color/Color.h"

#include <optional>
#include <string_view>

namespace huex {

// sRGB fractions in 0..1; nullopt: not a colour (and not one opaque colour: `transparent`,
// `currentcolor`, system colours, calc(), relative colours and color-mix() are refused).
std::optional<RgbColor> parseCssColor(std::string_view text);

} // namespace huex
