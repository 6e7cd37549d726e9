#include "pattern/NumberScan.h"

#include "color/RealText.h"

#include <limits>

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
        value = hasDigit ? readRealStart(text) : 0.0;
    } else if (!text.empty() && text.front() != '+' && text.front() != '-') {
        value = readRealStart(text); // "- 5" has no number, as for atof: no blank after the sign
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
