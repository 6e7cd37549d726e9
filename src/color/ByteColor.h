#pragma once
// A colour as the 8-bit values the slot texts show, and its "#RRGGBB" text.
#include "color/Color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace huex {

struct ByteColor {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const ByteColor&, const ByteColor&) = default;
};

// Each channel as toByte gives it, kept within 0..255 whatever the stored value.
ByteColor toByteColor(const RgbColor& c);
RgbColor toRgb(const ByteColor& c);

// "#1A2B3C", or "#1a2b3c" with lowerCase.
std::string hexText(const ByteColor& c, bool lowerCase = false);
// The value of a hexadecimal digit, or -1.
int hexDigitValue(char c);
// Exactly "#RRGGBB" (digits of either case); nothing for anything else.
std::optional<ByteColor> parseHexText(std::string_view text);

} // namespace huex
