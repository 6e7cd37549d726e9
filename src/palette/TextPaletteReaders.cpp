// Reading the text formats: GIMP palettes line by line, and colour codes wherever they stand in
// CSS or a plain list.
#include "color/ByteColor.h"
#include "color/CssColor.h"
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

bool isNameCharacter(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// A colour text is short: a value longer than this is none, and is not searched for its end.
constexpr std::size_t kLongestColorValue = 256;

// "--name: value" with `at` on its first dash: the colour the value is, and `at` moved past it.
// The value ends at ';', '}' or '!' outside brackets and strings.
std::optional<RgbColor> customProperty(std::string_view text, std::size_t& at) {
    if (at + 2 > text.size() || text[at] != '-' || text[at + 1] != '-' ||
        (at > 0 && isNameCharacter(text[at - 1])))
        return std::nullopt;
    std::size_t end = at + 2;
    while (end < text.size() && isNameCharacter(text[end])) ++end;
    skipSpaces(text, end);
    if (end >= text.size() || text[end] != ':') return std::nullopt;
    const std::size_t start = ++end;
    int depth = 0;
    char quote = 0;
    for (; end < text.size() && end - start <= kLongestColorValue; ++end) {
        const char c = text[end];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if ((c == ')' || c == ']') && depth > 0) {
            --depth;
        } else if (depth == 0 && (c == ';' || c == '}' || c == '!' || c == '{')) {
            break;
        }
    }
    if (end - start > kLongestColorValue) return std::nullopt;
    const auto color = parseCssColor(text.substr(start, end - start));
    if (color) at = end;
    return color;
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
        if (text[at] == '-') {
            // A value that is one colour is taken whole, so codes inside it count only once.
            std::size_t end = at;
            color = customProperty(text, end);
            if (color) next = end;
        } else if (text[at] == '#') {
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
