#include "controls/ColorTextReading.h"

#include "color/ColorNames.h"
#include "color/CssColor.h"
#include "pattern/Parser.h"

#include <array>

namespace huex {

namespace {

bool readsThrough(ColorPattern& pattern, std::string_view text, RgbColor& color) {
    if (!pattern.valid) return false;
    color = parseColorText(pattern, text);
    return !pattern.parseFailed;
}

// Text no pattern reads: CSS colour text, then a colour name.
ColorReading readCss(std::string_view text) {
    if (const auto css = parseCssColor(text)) return {ReadBy::css, *css};
    if (const auto named = colorFromName(text)) return {ReadBy::name, *named};
    return {};
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

ColorReading readSlotText(ColorPattern& own, std::string_view text) {
    ColorReading reading;
    if (readsThrough(own, text, reading.color)) {
        reading.by = ReadBy::pattern1;
        return reading;
    }
    return readCss(text);
}

ColorReading readPastedText(ColorPattern* slot1, ColorPattern* slot2, std::string_view text) {
    if (text.size() > pastedTextLimit) return {};
    text = trimmed(text);
    if (text.empty()) return {};
    const std::array<std::pair<ColorPattern*, ReadBy>, 2> slots{
        {{slot1, ReadBy::pattern1}, {slot2, ReadBy::pattern2}}};
    for (const auto& [pattern, by] : slots) {
        if (!pattern) continue;
        const bool failedBefore = pattern->parseFailed;
        ColorReading reading{by};
        const bool read = readsThrough(*pattern, text, reading.color);
        pattern->parseFailed = failedBefore;
        if (read) return reading;
    }
    return readCss(text);
}

} // namespace huex
