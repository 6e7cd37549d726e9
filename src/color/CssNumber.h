#pragma once
// The value of a CSS number token, read in the C locale whatever the user's locale.
#include <string_view>

namespace huex {

// `text` is a well-formed CSS number: an optional sign, digits with an optional fraction (at least
// one digit in all), an optional exponent. A value too large for a double is the largest double
// of its sign, one too small is zero: the result is always finite.
double cssNumberValue(std::string_view text);

} // namespace huex
