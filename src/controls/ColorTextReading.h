#pragma once
// Which reader takes a colour text a user typed into a slot or pasted onto the window: a slot's
// own pattern first, and any CSS colour text when no pattern reads it.
#include "color/Color.h"
#include "pattern/ColorPattern.h"

#include <cstddef>
#include <string_view>

namespace huex {

enum class ReadBy { none, pattern1, pattern2, css };

struct ColorReading {
    ReadBy by = ReadBy::none;
    RgbColor color{};
    explicit operator bool() const { return by != ReadBy::none; }
};

// Clipboard text longer than this (in characters) is no colour: nothing is read from it.
inline constexpr std::size_t pastedTextLimit = 1024;

// Text typed into a slot: its pattern (whose parseFailed the parser sets, as the edit's colour
// follows it), else CSS. A pattern that is not valid reads nothing.
ColorReading readSlotText(ColorPattern& own, std::string_view text);
// Text pasted onto the window: trimmed of surrounding blanks, then slot 1's pattern, slot 2's (a
// null pattern is skipped), else CSS. Both patterns' parseFailed are left as they were: a paste
// that reads nothing changes nothing.
ColorReading readPastedText(ColorPattern* slot1, ColorPattern* slot2, std::string_view text);

} // namespace huex
