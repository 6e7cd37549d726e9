#include "color/RealText.h"

#include "color/BigNumber.h"
#include "color/NearestDouble.h"

#include <algorithm>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace huex {

namespace {

// Whether strtod may take `c` as part of a number in the "C" locale (the point aside).
bool mayBeInNumber(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '+' ||
           c == '-' || c == '(' || c == ')' || c == '_';
}

// The digits and power of ten of a decimal number strtod has read; nothing for hexadecimal
// numbers, which strtod rounds right, and for infinity and NaN.
std::optional<DecimalNumber> decimalDigits(std::string_view number) {
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) number.remove_prefix(1);
    if (number.empty()) return std::nullopt;
    const char first = number.front();
    const bool word = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
    if (word || (number.size() > 1 && (number[1] == 'x' || number[1] == 'X'))) return std::nullopt;
    DecimalNumber d;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] >= '0' && number[i] <= '9') {
            d.digits += number[i];
            if (afterPoint) --d.exponent;
        } else {
            afterPoint = true; // the point, whatever the locale makes it
        }
    }
    if (i < number.size()) {
        bool negative = false;
        long long power = 0;
        for (++i; i < number.size(); ++i) {
            if (number[i] == '-')
                negative = true;
            else if (number[i] >= '0' && number[i] <= '9' && power < 1'000'000'000'000)
                power = power * 10 + (number[i] - '0');
        }
        d.exponent += negative ? -power : power;
    }
    return d;
}

// A plain decimal of fifteen significant digits at most and a small power of ten, the usual
// number, read without the C library; NaN for anything else, which strtod reads.
double readShortDecimal(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const auto atDigit = [&] { return p != end && static_cast<unsigned char>(*p - '0') < 10; };
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    std::uint64_t digits = 0;
    std::ptrdiff_t significant = 0;
    const char* const first = p;
    while (p != end && *p == '0') ++p;
    for (; atDigit(); ++p, ++significant) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    bool any = p != first;
    long long power = 0;
    if (p != end && *p == '.') {
        const char* const fraction = ++p;
        if (digits == 0) {
            while (p != end && *p == '0') ++p;
        }
        for (; atDigit(); ++p, ++significant) digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        power = fraction - p;
        any = any || p != fraction;
    }
    // Past 15 digits `digits` may have wrapped round: it is not used then.
    if (!any || significant > 15 || (p != end && (*p == 'x' || *p == 'X')))
        return std::numeric_limits<double>::quiet_NaN();
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negativePower = p != end && *p == '-';
        if (p != end && (*p == '-' || *p == '+')) ++p;
        long long written = 0;
        const char* const exponentDigits = p;
        for (; atDigit(); ++p) {
            written = written * 10 + (*p - '0');
            if (written > 999) return std::numeric_limits<double>::quiet_NaN();
        }
        if (p != exponentDigits) power += negativePower ? -written : written;
    }
    const double value = shortDecimalValue(digits, power);
    return negative ? -value : value;
}

// Significant digits d1 d2 ... dn of the value d1.d2...dn × 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// Every digit of a positive finite double: it is a whole number over a power of two, and so one
// times a power of five over a power of ten.
Decimal exactDecimal(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    BigNumber whole(biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52));
    const int power = std::max(biased, 1) - 1075; // of the last bit
    if (power >= 0)
        whole.shiftLeft(power);
    else
        whole.multiplyByPowerOfFive(-power);
    Decimal d{whole.decimalText(), 0};
    d.exponent = std::min(power, 0) + static_cast<int>(d.digits.size()) - 1;
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// What a decimal reads back as, from text without a point ("12345e-7"), so in any locale.
double readBack(const Decimal& d) {
    const int lastDigitPower = d.exponent - static_cast<int>(d.digits.size()) + 1;
    return readRealStart(d.digits + 'e' + std::to_string(lastDigitPower)).value_or(0);
}

// The next decimal up with as many digits: 1.29 -> 1.30, 9.99 -> 10.0.
Decimal nextUp(Decimal d) {
    std::size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
        d.digits.insert(0, 1, '1');
        d.digits.pop_back();
        ++d.exponent;
    } else {
        ++d.digits[i - 1];
    }
    return d;
}

// The exact decimal rounded to `count` significant digits, halfway to the even one, as printf's
// "%.*e" rounds.
Decimal rounded(const Decimal& exact, std::size_t count) {
    if (exact.digits.size() <= count) return exact;
    Decimal d{exact.digits.substr(0, count), exact.exponent};
    const char next = exact.digits[count];
    const bool beyondHalf = exact.digits.find_first_not_of('0', count + 1) != std::string::npos;
    const bool odd = (d.digits.back() - '0') % 2 == 1;
    return next > '5' || (next == '5' && (beyondHalf || odd)) ? nextUp(d) : d;
}

// The fewest digits that read back as the positive finite `value`, and of those the nearest.
Decimal shortestDigits(double value) {
    constexpr std::size_t enoughForAnyDouble = 17;
    const Decimal exact = exactDecimal(value);
    Decimal d;
    for (std::size_t count = 1; count <= enoughForAnyDouble; ++count) {
        d = rounded(exact, count);
        const double back = readBack(d);
        if (back == value) break;
        // Just above a power of two the doubles below lie twice as close as those above, so the
        // nearest decimal can fall short below while the next one up still reads back.
        if (back < value) {
            const Decimal up = nextUp(d);
            if (readBack(up) == value) {
                d = up;
                break;
            }
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

} // namespace

std::optional<double> readRealStart(std::string_view text) {
    if (const double quick = readShortDecimal(text); !std::isnan(quick)) return quick;
    // strtod sees only what may belong to the number, with the locale's point for ours: so a comma
    // or a NUL ends the number, and text that is not zero-terminated is never read past its end.
    const char* localePoint = std::localeconv()->decimal_point;
    const std::string_view point = localePoint != nullptr && *localePoint != '\0' ? localePoint : ".";
    std::string number;
    for (const char c : text) {
        if (c == '.')
            number += point;
        else if (mayBeInNumber(c))
            number += c;
        else
            break;
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end == number.c_str()) return std::nullopt;
    const auto used = std::string_view(number).substr(0, static_cast<std::size_t>(end - number.c_str()));
    const std::optional<DecimalNumber> decimal = decimalDigits(used);
    if (!decimal) return value;
    const double magnitude = nearestDouble(*decimal, std::fabs(value));
    return used.front() == '-' ? -magnitude : magnitude;
}

std::string shortestRealText(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return text + "inf";
    if (value == 0) return text + '0';
    const double magnitude = std::fabs(value);
    const Decimal d = shortestDigits(magnitude);
    const int count = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    const std::string power = std::to_string(std::abs(e));
    const int scientificLength =
        count + (count > 1 ? 1 : 0) + 2 + std::max(2, static_cast<int>(power.size()));
    const int fixedLength = e >= count - 1 ? e + 1 : e >= 0 ? count + 1 : count + 1 - e;
    if (scientificLength < fixedLength) {
        text += d.digits[0];
        if (count > 1) (text += '.').append(d.digits, 1);
        text += e < 0 ? "e-" : "e+";
        if (power.size() < 2) text += '0';
        return text + power;
    }
    if (e >= count - 1) {
        // A whole number shows every digit of its value, as printf's "%.0f" does: the shortest
        // digits padded with zeros would be another number.
        const Decimal exact = exactDecimal(magnitude);
        const auto length = static_cast<std::size_t>(std::max(exact.exponent + 1, count));
        return text + exact.digits + std::string(length - exact.digits.size(), '0');
    }
    if (e >= 0) {
        const auto pointAt = static_cast<std::size_t>(e) + 1;
        return text + d.digits.substr(0, pointAt) + '.' + d.digits.substr(pointAt);
    }
    return text + "0." + std::string(static_cast<std::size_t>(-e) - 1, '0') + d.digits;
}

} // namespace huex
