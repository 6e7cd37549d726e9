#pragma once
// Text to colour through a pattern; failure is reported in the pattern's parseFailed flag.
#include "color/Color.h"
#include "pattern/ColorPattern.h"

#include <cstdint>
#include <string_view>

namespace huex {

RgbColor parseColorText(ColorPattern& p, std::string_view text);
std::int32_t parseInteger(std::string_view text, int base);

} // namespace huex
