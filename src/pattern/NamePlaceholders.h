#pragma once
// The name placeholders of the pattern language: "{cssName}", "{isccName}" and "{ruName}" write
// the nearest name of a list. They belong to no model and have no format.
#include "color/ColorNames.h"
#include "pattern/Placeholders.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace huex {

struct NamePlaceholder {
    std::string_view text;
    NameList list;
};

inline constexpr std::array<NamePlaceholder, 3> namePlaceholders{
    {{"{cssName}", NameList::css}, {"{isccName}", NameList::iscc}, {"{ruName}", NameList::russian}}};
inline constexpr std::size_t longestNamePlaceholder = 10;

// The name placeholder (its index in namePlaceholders) that starts at `pos`, if one does.
constexpr std::optional<std::size_t> namePlaceholderAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != '{') return std::nullopt;
    for (std::size_t k = 0; k < namePlaceholders.size(); ++k) {
        if (text.substr(pos, namePlaceholders[k].text.size()) == namePlaceholders[k].text) return k;
    }
    return std::nullopt;
}

// The first name placeholder at or after `from`: where it starts (npos for none) and which.
struct FoundName {
    std::size_t position = std::string_view::npos, index = 0;
};
constexpr FoundName findNamePlaceholder(std::string_view text, std::size_t from = 0) {
    for (std::size_t pos = text.find('{', from); pos != std::string_view::npos;
         pos = text.find('{', pos + 1)) {
        if (const auto k = namePlaceholderAt(text, pos)) return {pos, *k};
    }
    return {};
}

// The literal text a piece of a pattern (prefix, separator, suffix) begins with: up to its first
// name placeholder, the whole piece when it holds none.
constexpr std::string_view literalLead(std::string_view piece) {
    return piece.substr(0, findNamePlaceholder(piece).position);
}

// For a pattern whose only placeholders are names: the list of its first name, which its text is
// read with. Nothing for any other pattern.
constexpr std::optional<NameList> namesOnlyList(std::string_view patternString) {
    const FoundName first = findNamePlaceholder(patternString);
    if (first.position == std::string_view::npos) return std::nullopt;
    for (const std::string_view placeholder : placeholders) {
        if (patternString.find(placeholder) != std::string_view::npos) return std::nullopt;
    }
    return namePlaceholders[first.index].list;
}

} // namespace huex
