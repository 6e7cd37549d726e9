#pragma once
// Which reader takes a colour text a user typed into a slot or pasted onto the window: a slot's
// own pattern first, and any CSS colour text, then a colour name, when no pattern reads it.
#include "color/Color.h"
#include "pattern/ColorPattern.h"

#include <cstddef>
#include <string_view>

namespace huex {

enum class ReadBy { none, pattern1, pattern2, css, name };

struct ColorReading {
    ReadBy by = ReadBy::none;
    RgbColor color{};
    explicit operator bool() const { return by != ReadBy::none; }
    // Read by no pattern: the slot shows its own text again once typing ends.
    [[nodiscard]] bool foreign() const { return by == ReadBy::css || by == ReadBy::name; }
};

// Clipboard text longer than this (in characters) is no colour: nothing is read from it.
inline constexpr std::size_t pastedTextLimit = 1024;

// Text typed into a slot: its pattern (whose parseFailed the parser sets, as the edit's colour
// follows it), else CSS, else a name of the three lists (color/ColorNames.h). A pattern that is
// not valid reads nothing.
ColorReading readSlotText(ColorPattern& own, std::string_view text);
// Text pasted onto the window: trimmed of surrounding blanks, then slot 1's pattern, slot 2's (a
// null pattern is skipped), else CSS, else a name. Both patterns' parseFailed are left as they were: a paste
// that reads nothing changes nothing.
ColorReading readPastedText(ColorPattern* slot1, ColorPattern* slot2, std::string_view text);

} // namespace huex
