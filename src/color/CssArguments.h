#pragma once
// The arguments of a CSS colour function: three components, then an optional alpha, either
// space-separated with "/ alpha" or, where the function allows it, in the legacy comma form.
#include "color/CssTokens.h"

#include <array>
#include <optional>
#include <span>

namespace huex {

struct CssComponent {
    enum class Kind { none, number, percentage, angle };
    Kind kind = Kind::none;
    double value = 0; // a percentage as written (50% is 50), an angle in degrees
};

struct CssArguments {
    std::array<CssComponent, 3> components{};
    bool legacy = false; // written with commas: `none` is then refused
};

// `tokens` lie between the function's name and its closing parenthesis. nullopt when they are not
// three components and an optional alpha (a number or percentage, or `none` outside the legacy
// form) in one of the two forms. The alpha is checked and dropped.
std::optional<CssArguments> readCssArguments(std::span<const CssToken> tokens, bool legacyAllowed);

} // namespace huex
