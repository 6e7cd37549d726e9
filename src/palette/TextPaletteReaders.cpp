// Reading the text formats: GIMP palettes line by line, and colour codes wherever they stand in
// CSS or a plain list.
#include "color/ByteColor.h"
#include "palette/PaletteFiles.h"

#include <optional>

namespace huex {

namespace {

std::string_view asText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void skipSpaces(std::string_view text, std::size_t& at) {
    while (at < text.size() && isSpace(text[at])) ++at;
}

// A decimal 0..255 at `at` (at most three digits, not followed by another digit).
std::optional<int> byteNumber(std::string_view text, std::size_t& at) {
    int value = 0, digits = 0;
    while (at < text.size() && isDigit(text[at])) {
        if (++digits > 3) return std::nullopt;
        value = value * 10 + (text[at++] - '0');
    }
    if (digits == 0 || value > 255) return std::nullopt;
    return value;
}

RgbColor fromBytes(int r, int g, int b) {
    return toRgb(
        ByteColor{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)});
}

// "R G B" and whatever name follows; anything else on the line makes it no colour line.
std::optional<RgbColor> gimpColorLine(std::string_view line) {
    std::size_t at = 0;
    int v[3]{};
    for (int& channel : v) {
        skipSpaces(line, at);
        const auto n = byteNumber(line, at);
        if (!n) return std::nullopt;
        channel = *n;
    }
    if (at < line.size() && !isSpace(line[at])) return std::nullopt;
    return fromBytes(v[0], v[1], v[2]);
}

// "#rgb" or "#rrggbb" not run on into further hex digits; `at` is just past the '#'.
std::optional<RgbColor> hexCode(std::string_view text, std::size_t& at) {
    std::size_t digits = 0;
    while (at + digits < text.size() && hexDigitValue(text[at + digits]) >= 0) ++digits;
    if (digits != 3 && digits != 6) return std::nullopt;
    int v[3]{};
    for (std::size_t i = 0; i < 3; ++i) {
        v[i] = digits == 3 ? hexDigitValue(text[at + i]) * 17
                           : hexDigitValue(text[at + 2 * i]) * 16 + hexDigitValue(text[at + 2 * i + 1]);
    }
    at += digits;
    return fromBytes(v[0], v[1], v[2]);
}

// "r, g, b)" or "r g b)" after "rgb(", integers 0..255.
std::optional<RgbColor> rgbFunction(std::string_view text, std::size_t& at) {
    int v[3]{};
    bool commas = false;
    for (int i = 0; i < 3; ++i) {
        skipSpaces(text, at);
        if (i > 0) {
            const bool comma = at < text.size() && text[at] == ',';
            if (i == 1) commas = comma;
            if (comma != commas) return std::nullopt;
            if (comma) {
                ++at;
                skipSpaces(text, at);
            } else if (!isSpace(text[at - 1])) {
                return std::nullopt;
            }
        }
        const auto n = byteNumber(text, at);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    skipSpaces(text, at);
    if (at >= text.size() || text[at] != ')') return std::nullopt;
    ++at;
    return fromBytes(v[0], v[1], v[2]);
}

bool startsRgbFunction(std::string_view text, std::size_t at) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (at + 4 > text.size() || lower(text[at]) != 'r' || lower(text[at + 1]) != 'g' ||
        lower(text[at + 2]) != 'b' || text[at + 3] != '(')
        return false;
    // "argb(" and the like are other functions.
    const char before = at > 0 ? lower(text[at - 1]) : ' ';
    return !(before >= 'a' && before <= 'z') && before != '-' && before != '_';
}

} // namespace

PaletteRead readGimpPalette(std::span<const std::uint8_t> bytes) {
    PaletteRead read;
    std::string_view text = asText(bytes);
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (!text.starts_with("GIMP Palette")) {
        read.error = paletteError::wrongMagic;
        return read;
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (const auto color = gimpColorLine(line)) read.colors.push_back(*color);
    }
    if (read.colors.empty()) read.error = paletteError::noColor;
    return read;
}

PaletteRead readColorCodes(std::span<const std::uint8_t> bytes) {
    PaletteRead read;
    const std::string_view text = asText(bytes);
    for (std::size_t at = 0; at < text.size();) {
        std::size_t next = at + 1;
        std::optional<RgbColor> color;
        if (text[at] == '#') {
            color = hexCode(text, next);
        } else if (startsRgbFunction(text, at)) {
            next = at + 4;
            color = rgbFunction(text, next);
            if (!color) next = at + 4;
        }
        if (color) read.colors.push_back(*color);
        at = next;
    }
    if (read.colors.empty()) read.error = paletteError::noColor;
    return read;
}

} // namespace huex
