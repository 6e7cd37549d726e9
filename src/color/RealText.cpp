#include "color/RealText.h"

#include "color/BigNumber.h"
#include "color/NearestDouble.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace huex {

namespace {

int digitValue(char c, int base) {
    const int v = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : 99;
    return v < base ? v : -1;
}

bool startsWithWord(std::string_view text, std::string_view lowerWord) {
    if (text.size() < lowerWord.size()) return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lowerWord[i]) return false;
    }
    return true;
}

// The power written after "e" or "p" at text[i] (its sign included), or 0 with `i` unmoved when
// no digit follows; a power past any double's range is held at a billion.
long long writtenPower(std::string_view text, std::size_t& i) {
    std::size_t at = i + 1;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at >= text.size() || digitValue(text[at], 10) < 0) return 0;
    long long power = 0;
    for (; at < text.size() && digitValue(text[at], 10) >= 0; ++at)
        power = std::min(power * 10 + digitValue(text[at], 10), 1'000'000'000LL);
    i = at;
    return negative ? -power : power;
}

// mantissa x 2^power rounded to the nearest double, halfway to the even one; `sticky` says
// bits below the mantissa were dropped and not all zero.
double binaryValue(std::uint64_t mantissa, long long power, bool sticky) {
    if (mantissa == 0) return 0.0;
    const int lead = std::countl_zero(mantissa);
    mantissa <<= lead;
    const long long top = power - lead + 63; // the power of two of the leading bit
    if (top > 1023) return std::numeric_limits<double>::infinity();
    const long long drop = 11 + (top < -1022 ? -1022 - top : 0);
    if (drop > 64) return 0.0;
    std::uint64_t kept = drop == 64 ? 0 : mantissa >> drop;
    const std::uint64_t rest = drop == 64 ? mantissa : mantissa & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    if (rest > half || (rest == half && (sticky || (kept & 1) != 0))) ++kept;
    if (top < -1022) return std::bit_cast<double>(kept); // a subnormal, or the least normal it rounded to
    long long biased = top + 1023;
    if (kept >> 53) {
        kept >>= 1;
        ++biased;
    }
    if (biased > 2046) return std::numeric_limits<double>::infinity();
    return std::bit_cast<double>((static_cast<std::uint64_t>(biased) << 52) | (kept & ((std::uint64_t{1} << 52) - 1)));
}

// "0x" and hexadecimal digits with an optional point and binary power: exact bits, so rounded once.
double readHexadecimal(std::string_view text) {
    std::uint64_t mantissa = 0;
    long long power = 0;
    bool sticky = false, afterPoint = false;
    std::size_t i = 2;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        const int d = digitValue(text[i], 16);
        if (d < 0) break;
        if ((mantissa >> 60) == 0) {
            mantissa = mantissa * 16 + static_cast<std::uint64_t>(d);
            if (afterPoint) power -= 4;
        } else {
            sticky = sticky || d != 0;
            if (!afterPoint) power += 4;
        }
    }
    if (i < text.size() && (text[i] == 'p' || text[i] == 'P')) power += writtenPower(text, i);
    return binaryValue(mantissa, power, sticky);
}

// A start within a few units in the last place of the decimal's value: its first nineteen digits
// scaled by a power of ten in extended precision.
double nearValue(const DecimalNumber& d) {
    std::uint64_t leading = 0;
    int taken = 0;
    long long skipped = 0;
    for (const char c : d.digits) {
        if (taken == 0 && c == '0') continue;
        if (taken < 19) {
            leading = leading * 10 + static_cast<std::uint64_t>(c - '0');
            ++taken;
        } else {
            ++skipped;
        }
    }
    const long long power = std::clamp(d.exponent + skipped, -400LL, 400LL);
    long double scale = 1, base = 10;
    for (auto k = static_cast<unsigned long long>(power < 0 ? -power : power); k != 0; k >>= 1, base *= base)
        if ((k & 1) != 0) scale *= base;
    const auto value = static_cast<long double>(leading);
    return static_cast<double>(power < 0 ? value / scale : value * scale);
}

// A plain decimal of fifteen significant digits at most and a small power of ten, the usual
// number, read in one rounding; NaN for anything else, which the exact reader takes.
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
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const auto sign = [negative](double v) { return negative ? -v : v; };
    if (startsWithWord(text, "inf")) return sign(std::numeric_limits<double>::infinity());
    if (startsWithWord(text, "nan")) return sign(std::numeric_limits<double>::quiet_NaN());
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        (digitValue(text[2], 16) >= 0 || (text[2] == '.' && text.size() > 3 && digitValue(text[3], 16) >= 0)))
        return sign(readHexadecimal(text));
    DecimalNumber decimal;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !afterPoint) {
            afterPoint = true;
        } else if (digitValue(text[i], 10) >= 0) {
            decimal.digits += text[i];
            if (afterPoint) --decimal.exponent;
        } else {
            break;
        }
    }
    if (decimal.digits.empty()) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) decimal.exponent += writtenPower(text, i);
    return sign(nearestDouble(decimal, nearValue(decimal)));
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
