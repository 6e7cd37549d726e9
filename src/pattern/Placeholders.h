#pragma once
// The nine placeholders of the pattern language, indexed by Component.
#include "pattern/ColorPattern.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace huex {

constexpr std::size_t placeholderLength = 6;

constexpr std::array<std::string_view, 9> placeholders{"{hsbH}", "{hsbS}", "{hsbB}", "{hslH}", "{hslS}",
                                                       "{hslL}", "{rgbR}", "{rgbG}", "{rgbB}"};

constexpr std::string_view placeholderOf(Component c) {
    return placeholders[static_cast<std::size_t>(c)];
}

// Index into componentTexts (model order) of a component.
constexpr std::size_t modelSlot(Component c) {
    return static_cast<std::size_t>(c) % 3;
}

} // namespace huex
