#pragma once
// The 148 colour keywords of CSS, from aliceblue to yellowgreen.
#include "color/Color.h"

#include <optional>
#include <string_view>

namespace huex {

// `name` in lower case. `transparent`, `currentcolor` and the system colours are not among them:
// none of them is one opaque colour.
std::optional<RgbColor> namedCssColor(std::string_view name);

} // namespace huex
