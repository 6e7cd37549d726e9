#include "pattern/NumberScan.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace huex {

namespace {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isHexDigit(char c) {
    return digitValue(c) >= 0;
}
bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the first significant digit of a mantissa stands, in digits of its base relative to the
// units position, plus the exponent that follows it. Only its sign matters: it tells an overflow
// (to infinity) from an underflow (to zero) when from_chars reports a value out of range.
long long magnitudeEstimate(std::string_view text, bool hex) {
    const char exponentLetter = hex ? 'p' : 'e';
    long long position = 0; // of the first significant digit; 0 = units
    long long digitsBeforePoint = 0;
    long long leadingFractionZeros = 0;
    bool seenPoint = false, seenSignificant = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!(hex ? isHexDigit(c) : isDecimalDigit(c))) break;
        if (!seenSignificant && c == '0') {
            if (seenPoint) ++leadingFractionZeros;
            continue;
        }
        if (!seenSignificant) seenSignificant = true;
        if (!seenPoint) ++digitsBeforePoint;
    }
    position = digitsBeforePoint > 0 ? digitsBeforePoint - 1 : -(leadingFractionZeros + 1);
    if (hex) position *= 4;
    long long exponent = 0;
    if (i < text.size() && (text[i] == exponentLetter || text[i] == exponentLetter - 'a' + 'A')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
        for (; j < text.size() && isDecimalDigit(text[j]); ++j) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
        }
        if (negative) exponent = -exponent;
    }
    return position + exponent;
}

// Nothing when the text does not start with a number.
std::optional<double> readUnsignedReal(std::string_view text, bool hex) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto result =
        std::from_chars(first, last, value, hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ec == std::errc::invalid_argument) return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view used(first, static_cast<std::size_t>(result.ptr - first));
        return magnitudeEstimate(used, hex) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

} // namespace

bool isCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view trimCSpace(std::string_view text) {
    while (!text.empty() && isCSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isCSpace(text.back())) text.remove_suffix(1);
    return text;
}

double readRealPrefix(std::string_view text) {
    while (!text.empty() && isCSpace(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<double> value;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        // "0x" counts only when a hexadecimal digit follows; otherwise the number is the lone 0.
        const std::string_view digits = text.substr(2);
        const bool hasDigit =
            !digits.empty() &&
            (isHexDigit(digits[0]) || (digits[0] == '.' && digits.size() > 1 && isHexDigit(digits[1])));
        value = hasDigit ? readUnsignedReal(digits, true) : 0.0;
    } else if (!text.empty() && text.front() != '+' && text.front() != '-') {
        value = readUnsignedReal(text, false);
    }
    // Without a number there is no sign either: atof("-x") is +0.
    if (!value) return 0.0;
    return negative ? -*value : *value;
}

std::optional<std::int32_t> readDigits(std::string_view text, int base) {
    if (base < 2 || base > 16) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        value = value * base + digit;
        if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace huex
