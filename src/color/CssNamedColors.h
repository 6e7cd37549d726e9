#pragma once
// The 148 colour keywords of CSS, from aliceblue to yellowgreen.
#include "color/Color.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace huex {

struct CssNamedColor {
    std::string_view name;
    std::uint32_t rgb; // 0xRRGGBB
};

// All of them, in the order of their names.
std::span<const CssNamedColor> cssNamedColors();

// `name` in lower case. `transparent`, `currentcolor` and the system colours are not among them:
// none of them is one opaque colour.
std::optional<RgbColor> namedCssColor(std::string_view name);

} // namespace huex
