#include "color/CssNumber.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace huex {

namespace {

// Whether a number that a double cannot hold is too large (rather than too small): the power of
// ten of its first significant digit, plus its exponent, is positive.
bool overflows(std::string_view digits) {
    long long magnitude = 0;
    bool significant = false, fraction = false;
    std::size_t i = 0;
    for (; i < digits.size() && digits[i] != 'e' && digits[i] != 'E'; ++i) {
        const char c = digits[i];
        if (c == '.') {
            fraction = true;
        } else if (!significant && c != '0') {
            significant = true;
            if (!fraction) ++magnitude;
        } else if (significant && !fraction) {
            ++magnitude;
        } else if (!significant && fraction) {
            --magnitude;
        }
    }
    if (!significant) return false;
    long long exponent = 0;
    bool negative = false;
    for (++i; i < digits.size(); ++i) {
        if (digits[i] == '-')
            negative = true;
        else if (digits[i] != '+' && exponent < 100000)
            exponent = exponent * 10 + (digits[i] - '0');
    }
    return magnitude + (negative ? -exponent : exponent) > 0;
}

} // namespace

double cssNumberValue(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = overflows(text) ? std::numeric_limits<double>::max() : 0;
    else if (error != std::errc())
        value = 0;
    return negative ? -value : value;
}

} // namespace huex
