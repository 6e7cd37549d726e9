#pragma once
// The colour functions of CSS: rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch()
// and color() with its predefined spaces, each read into sRGB.
#include "color/Color.h"
#include "color/CssTokens.h"

#include <optional>
#include <span>
#include <string_view>

namespace huex {

// `name` is the function's (in lower case), `arguments` the tokens up to its closing parenthesis.
// A colour sRGB cannot show is brought in by the gamut mapping. nullopt: not a colour.
std::optional<RgbColor> cssColorFunction(std::string_view name, std::span<const CssToken> arguments);

} // namespace huex
