#pragma once
// Real numbers to and from text as the C library reads and writes them in the "C" locale, whatever
// locale the process is in. Exact whole-number arithmetic reads and writes them: the tables behind
// std::to_chars and std::from_chars for doubles would be a quarter of the program, and MinGW's
// strtod rounds the wrong way next to powers of two.
#include <optional>
#include <string>
#include <string_view>

namespace huex {

// The number strtod reads at the very start of `text` (an optional sign, then decimal or
// hexadecimal digits with exponent, "inf", "infinity", "nan", "nan(...)"), correctly rounded: too
// large is infinity, too small zero or a subnormal. Nothing when no number starts there; white
// space before it is not skipped. The point is always '.', a comma always ends the number.
std::optional<double> readRealStart(std::string_view text);

// The shortest text that reads back as exactly `value`, laid out as std::to_chars(first, last,
// value) lays it out: fixed or scientific notation, whichever is shorter (fixed on a tie), a whole
// number in fixed notation with all its digits, "inf", "-inf", "nan" or "-nan" for the others.
std::string shortestRealText(double value);

} // namespace huex
