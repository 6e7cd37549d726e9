#pragma once
// The double nearest to a decimal number, decided exactly with whole-number arithmetic from a
// start a few units in the last place away.
#include <cstdint>
#include <string>

namespace huex {

// The value digits × 10^exponent; the digits are '0' to '9'.
struct DecimalNumber {
    std::string digits;
    long long exponent = 0;
};

// The double nearest to `decimal` (on a tie the one with an even last bit), infinity above the
// largest, zero below half the smallest. `guess` is where the search starts: a double a few units
// in the last place from the answer at most.
double nearestDouble(const DecimalNumber& decimal, double guess);

// digits × 10^power when both are doubles themselves (digits below 10^15, power within ±22), so
// that one rounding makes the nearest double; NaN otherwise (no std::optional on this path: its
// copies through memory cost a third of the time of reading a number).
double shortDecimalValue(std::uint64_t digits, long long power);

} // namespace huex
