#pragma once
// Colour names from three lists: the nearest name of a colour, measured in OKLab, and the colour
// of a name. The CSS list is the keywords parseCssColor knows, one name a colour; the ISCC–NBS
// and Russian lists are published lists (ColorNameTables.cpp names their source and licence).
#include "color/Color.h"
#include "color/ColorSpaces.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace huex {

enum class NameList { css, iscc, russian };
struct ColorName {
    std::string_view name;
    ColorRef color;
};

// In list order.
std::span<const ColorName> colorNames(NameList list);

// The entry of the smallest ΔE OK (the Euclidean distance in OKLab) from the colour's exact
// fractions to the entry's 8-bit colour; a tie goes to the earlier entry.
const ColorName& nearestColorName(NameList list, const RgbColor& c);
// The same from the colour's point in OKLab (oklabOfColor), worked out once for several lists.
const ColorName& nearestColorNameAt(NameList list, const Coords& oklab);
Coords oklabOfColor(const RgbColor& c);

// The text a pattern writes for the nearest name: the name as listed, and for a CSS name a "~"
// before it when the colour's bytes differ from the name's ("~teal", "teal").
std::string colorNameText(NameList list, const RgbColor& c);

// A name of the three lists (only theirs: "aqua" is parseCssColor's): trimmed of spaces and
// tabs, one "~" directly before the name allowed, any case (Latin and Cyrillic, Ё too), "ё"
// read as "е". Lists are searched `first`, then the others in the order css, iscc, russian
// ("Black" is #000000 in CSS and #222222 in ISCC–NBS).
std::optional<RgbColor> colorFromName(std::string_view text, NameList first = NameList::css);

} // namespace huex
