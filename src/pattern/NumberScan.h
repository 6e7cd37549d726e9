#pragma once
// Reading numbers out of text the way the C library does in the "C" locale, without depending on
// the process locale: real numbers by atof rules, integers as plain digits of one base.
#include <cstdint>
#include <optional>
#include <string_view>

namespace huex {

// White space as isspace() sees it in the "C" locale.
bool isCSpace(char c);
std::string_view trimCSpace(std::string_view text);

// atof: leading white space skipped, then the longest prefix that strtod accepts (decimal or
// hexadecimal, with exponent, "inf", "infinity", "nan", "nan(...)"); 0 when there is none.
double readRealPrefix(std::string_view text);

// The whole text as digits of `base` (2..16, either case), no sign, no blanks, no prefix.
// Empty text is 0. Anything else, or a value above 2^31 - 1, gives nothing.
std::optional<std::int32_t> readDigits(std::string_view text, int base);

} // namespace huex
