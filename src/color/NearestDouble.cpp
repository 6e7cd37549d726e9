#include "color/NearestDouble.h"

#include "color/BigNumber.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace huex {

namespace {

// The decimal as a whole number times a power of ten.
struct ScaledDecimal {
    BigNumber digits{0};
    long long exponent = 0;
    std::size_t digitCount = 0;
    std::uint64_t small = 0; // the digits, when there are 19 at most
};

// Every double lies halfway between two decimals with fewer than 770 significant digits, so digits
// past 800 only matter by being there: they shrink to one non-zero digit.
ScaledDecimal scaled(const DecimalNumber& decimal) {
    constexpr std::size_t kept = 800;
    std::string_view digits = decimal.digits;
    long long exponent = decimal.exponent;
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    bool beyond = false;
    if (digits.size() > kept) {
        exponent += static_cast<long long>(digits.size() - kept);
        beyond = true; // the last digit dropped is not zero
        digits = digits.substr(0, kept);
    }
    ScaledDecimal s;
    s.digitCount = digits.size() + (beyond ? 1 : 0);
    if (s.digitCount <= 19) {
        for (const char c : digits) s.small = s.small * 10 + static_cast<std::uint64_t>(c - '0');
    }
    for (std::size_t i = 0; i < digits.size(); i += 9) {
        const std::string_view chunk = digits.substr(i, 9);
        std::uint32_t value = 0, scale = 1;
        for (const char c : chunk) {
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
            scale *= 10;
        }
        s.digits.multiplyAdd(scale, value);
    }
    if (beyond) {
        s.digits.multiplyAdd(10, 1);
        --s.exponent;
    }
    s.exponent += exponent;
    return s;
}

// The sign of decimal - halfway × 2^power.
int compareWithBinary(const ScaledDecimal& decimal, std::uint64_t halfway, int power) {
    BigNumber left = decimal.digits;
    BigNumber right(halfway);
    if (decimal.exponent >= 0)
        left.multiplyByPowerOfFive(decimal.exponent);
    else
        right.multiplyByPowerOfFive(-decimal.exponent);
    const long long twos = decimal.exponent - power;
    if (twos >= 0)
        left.shiftLeft(twos);
    else
        right.shiftLeft(-twos);
    return compare(left, right);
}

} // namespace

double nearestDouble(const DecimalNumber& decimal, double guess) {
    const ScaledDecimal d = scaled(decimal);
    if (d.digits.isZero()) return 0.0;
    // The power of ten of the first digit settles numbers far out of range, whose exact test would
    // take powers of five of any size.
    const long long leading = d.exponent + static_cast<long long>(d.digitCount) - 1;
    if (leading > 309) return std::numeric_limits<double>::infinity();
    if (leading < -325) return 0.0;
    if (d.digitCount <= 15) {
        if (const double quick = shortDecimalValue(d.small, d.exponent); !std::isnan(quick)) return quick;
    }
    double x =
        std::clamp(guess, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max());
    for (int step = 0; step < 8 && x > 0 && std::isfinite(x); ++step) {
        const auto bits = std::bit_cast<std::uint64_t>(x);
        const auto biased = static_cast<int>(bits >> 52);
        const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
        const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
        const int power = std::max(biased, 1) - 1075; // of the last bit
        const bool odd = (mantissa & 1) != 0;
        const int above = compareWithBinary(d, 2 * mantissa + 1, power - 1);
        if (above > 0 || (above == 0 && odd)) {
            x = std::nextafter(x, std::numeric_limits<double>::infinity());
            continue;
        }
        // Just above a power of two the double below is half as far as the one above.
        const bool narrowBelow = fraction == 0 && biased > 1;
        const int below = narrowBelow ? compareWithBinary(d, 4 * mantissa - 1, power - 2)
                                      : compareWithBinary(d, 2 * mantissa - 1, power - 1);
        if (below < 0 || (below == 0 && odd)) {
            x = std::nextafter(x, 0.0);
            continue;
        }
        break;
    }
    return x;
}

double shortDecimalValue(std::uint64_t digits, long long power) {
    static constexpr std::array<double, 23> powersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digits >= 1'000'000'000'000'000 || power < -22 || power > 22)
        return std::numeric_limits<double>::quiet_NaN();
    const auto whole = static_cast<double>(digits);
    const double scale = powersOfTen[static_cast<std::size_t>(power < 0 ? -power : power)];
    return power >= 0 ? whole * scale : whole / scale;
}

} // namespace huex
