#include "color/ByteColor.h"

#include <algorithm>

namespace huex {

namespace {
std::uint8_t channelByte(double fraction) {
    return static_cast<std::uint8_t>(std::clamp(toByte(std::clamp(fraction, 0.0, 1.0)), 0, 255));
}
} // namespace

ByteColor toByteColor(const RgbColor& c) {
    return {channelByte(c.red), channelByte(c.green), channelByte(c.blue)};
}

RgbColor toRgb(const ByteColor& c) {
    return {c.red / 255.0, c.green / 255.0, c.blue / 255.0};
}

std::string hexText(const ByteColor& c, bool lowerCase) {
    const char* digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t b : {c.red, c.green, c.blue}) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<ByteColor> parseHexText(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    std::uint8_t bytes[3]{};
    for (std::size_t i = 0; i < 3; ++i) {
        const int high = hexDigitValue(text[1 + 2 * i]), low = hexDigitValue(text[2 + 2 * i]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return ByteColor{bytes[0], bytes[1], bytes[2]};
}

} // namespace huex
