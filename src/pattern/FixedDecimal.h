#pragma once
// "%.Nf" of a finite double, digit for digit as the C library writes it: the exact binary value
// rounded to N decimals, halves to even.
#include <cstddef>

namespace huex {

// The longest text: a minus sign, 309 integer digits, the point and 64 decimals.
constexpr std::size_t fixedDecimalMaxLength = 1 + 309 + 1 + 64;

// Writes at `out` (room for fixedDecimalMaxLength characters); returns the length. `precision` is
// 0 to 64.
std::size_t writeFixedDecimal(char* out, double value, int precision);

} // namespace huex
