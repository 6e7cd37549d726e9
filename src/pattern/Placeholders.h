#pragma once
// The placeholders of the pattern language, indexed by Component.
#include "pattern/ColorPattern.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace huex {

constexpr std::array<std::string_view, componentCount> placeholders{
    "{hsbH}",   "{hsbS}",   "{hsbB}",   "{hslH}",   "{hslS}",   "{hslL}",   "{rgbR}", "{rgbG}", "{rgbB}",
    "{hwbH}",   "{hwbW}",   "{hwbB}",   "{labL}",   "{labA}",   "{labB}",   "{lchL}", "{lchC}", "{lchH}",
    "{oklabL}", "{oklabA}", "{oklabB}", "{oklchL}", "{oklchC}", "{oklchH}", "{p3R}",  "{p3G}",  "{p3B}"};

constexpr std::string_view placeholderOf(Component c) {
    return placeholders[static_cast<std::size_t>(c)];
}

// The shortest and the longest placeholder.
constexpr std::size_t shortestPlaceholder = 5, longestPlaceholder = 8;

// Index into componentTexts (model order) of a component.
constexpr std::size_t modelSlot(Component c) {
    return static_cast<std::size_t>(c) % 3;
}

} // namespace huex
