#include "pattern/FixedDecimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace huex {

namespace {
// An unsigned integer as wide as a double's mantissa times 2^971 times 10^64 needs (1,237 bits).
class BigNumber {
  public:
    explicit BigNumber(std::uint64_t value) {
        limbs_[0] = static_cast<std::uint32_t>(value);
        limbs_[1] = static_cast<std::uint32_t>(value >> 32);
        size_ = limbs_[1] != 0 ? 2 : limbs_[0] != 0 ? 1 : 0;
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
            limbs_[i] = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
    }

    void shiftLeft(unsigned bits) {
        if (size_ == 0) return;
        const std::size_t whole = bits / 32, part = bits % 32;
        limbs_[size_ + whole] = 0;
        for (std::size_t i = size_; i-- > 0;) {
            if (part != 0) limbs_[i + whole + 1] |= limbs_[i] >> (32 - part);
            limbs_[i + whole] = limbs_[i] << part;
        }
        for (std::size_t i = 0; i < whole; ++i) limbs_[i] = 0;
        size_ += whole + 1;
        trim();
    }

    // Divides by 2^bits, rounding to the nearest integer and a half to the even one.
    void shiftRightRounded(unsigned bits) {
        const bool half = bit(bits - 1);
        bool below = false;
        for (unsigned i = 0; i + 1 < bits && !below; i += 32) {
            const unsigned count = std::min(32u, bits - 1 - i);
            const std::uint32_t mask = count == 32 ? ~0u : (1u << count) - 1;
            below = (limb(i / 32) & mask) != 0;
        }
        const std::size_t whole = bits / 32, part = bits % 32;
        for (std::size_t i = 0; i < size_; ++i) {
            const std::uint64_t pair = (std::uint64_t{limb(i + whole + 1)} << 32) | limb(i + whole);
            limbs_[i] = static_cast<std::uint32_t>(pair >> part);
        }
        trim();
        if (half && (below || (limb(0) & 1u) != 0)) addOne();
    }

    // Divides by `divisor` and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = size_; i-- > 0;) {
            const std::uint64_t current = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

    [[nodiscard]] bool zero() const { return size_ == 0; }

  private:
    [[nodiscard]] std::uint32_t limb(std::size_t i) const { return i < size_ ? limbs_[i] : 0; }
    [[nodiscard]] bool bit(unsigned i) const { return ((limb(i / 32) >> (i % 32)) & 1u) != 0; }
    void trim() {
        while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    }
    void addOne() {
        std::size_t i = 0;
        while (i < size_ && ++limbs_[i] == 0) ++i;
        if (i == size_) limbs_[size_++] = 1;
    }

    std::array<std::uint32_t, 48> limbs_{};
    std::size_t size_ = 0;
};

// Writes the decimal digits of `n`, least significant first; returns the count. Two digits a
// division: every real a pattern writes passes through here.
template <class Unsigned> std::size_t writeDigits(char* digits, Unsigned n) {
    std::size_t count = 0;
    for (; n >= 100; n /= 100) {
        const auto pair = static_cast<int>(n % 100);
        digits[count++] = static_cast<char>('0' + pair % 10);
        digits[count++] = static_cast<char>('0' + pair / 10);
    }
    for (; n != 0; n /= 10) digits[count++] = static_cast<char>('0' + static_cast<int>(n % 10));
    return count;
}
// |value| * 10^precision rounded to a whole number, when one multiplication in doubles settles it:
// the product is then the true one rounded once, off by half an ulp at most, so only a fraction
// that close to one half leaves the rounding in doubt. Most texts a pattern writes end here.
std::optional<std::uint64_t> roundedInDoubles(double magnitude, int precision) {
    static constexpr std::array<double, 16> powersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (precision >= static_cast<int>(powersOfTen.size())) return std::nullopt;
    const double scaled = magnitude * powersOfTen[static_cast<std::size_t>(precision)];
    if (!(scaled < 0x1p52)) return std::nullopt;
    // Truncation is the floor of a value this size, and needs no call into the C library.
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double part = scaled - static_cast<double>(whole);
    if (!(std::fabs(part - 0.5) > scaled * 0x1p-53)) return std::nullopt;
    return whole + (part > 0.5 ? 1 : 0);
}
// Writes the sign, then `count` digits (least significant first, room for `precision` + 1
// beyond them) with the point before the last `precision`.
std::size_t spell(char* out, bool negative, char* digits, std::size_t count, int precision) {
    const auto decimals = static_cast<std::size_t>(precision);
    while (count <= decimals) digits[count++] = '0'; // at least one digit before the point
    std::size_t length = 0;
    if (negative) out[length++] = '-';
    while (count > decimals) out[length++] = digits[--count];
    if (decimals > 0) out[length++] = '.';
    while (count > 0) out[length++] = digits[--count];
    return length;
}
} // namespace

std::size_t writeFixedDecimal(char* out, double value, int precision) {
    if (const auto rounded = roundedInDoubles(std::fabs(value), precision)) {
        std::array<char, 40> digits; // 20 digits at most, and zeros up to 16 decimals
        return spell(out, std::signbit(value), digits.data(), writeDigits(digits.data(), *rounded),
                     precision);
    }
    // |value| = mantissa * 2^exponent exactly, the mantissa a whole number below 2^53, read from
    // the double's own bits.
    const auto bits = std::bit_cast<std::uint64_t>(std::fabs(value));
    const auto biased = static_cast<int>(bits >> 52);
    constexpr std::uint64_t mantissaMask = (std::uint64_t{1} << 52) - 1;
    const std::uint64_t mantissa =
        biased == 0 ? bits & mantissaMask : (bits & mantissaMask) | (mantissaMask + 1);
    const int exponent = bits == 0 ? 0 : (biased == 0 ? 1 : biased) - 1075;

    // Decimal digits of |value| * 10^precision, least significant first.
    std::array<char, fixedDecimalMaxLength + 9> digits; // only the first `count` are read
    std::size_t count = 0;
    if (precision <= 19 && exponent <= 0 && exponent > -128) {
        // Values below 2^53 to the usual precisions (every fraction and angle written): the
        // product fits in 128 bits, and the same rounding is a shift.
        __extension__ using Wide = unsigned __int128;
        Wide scaled = mantissa;
        for (int i = 0; i < precision; ++i) scaled *= 10;
        if (const auto bits = static_cast<unsigned>(-exponent); bits > 0) {
            const Wide rest = scaled & ((Wide{1} << bits) - 1), half = Wide{1} << (bits - 1);
            scaled >>= bits;
            if (rest > half || (rest == half && (scaled & 1U) != 0)) ++scaled;
        }
        count = scaled > UINT64_MAX ? writeDigits(digits.data(), scaled)
                                    : writeDigits(digits.data(), static_cast<std::uint64_t>(scaled));
    } else {
        BigNumber scaled(mantissa);
        for (int i = 0; i < precision; ++i) scaled.multiply(10);
        if (exponent >= 0)
            scaled.shiftLeft(static_cast<unsigned>(exponent));
        else
            scaled.shiftRightRounded(static_cast<unsigned>(-exponent));
        while (!scaled.zero()) {
            std::uint32_t chunk = scaled.divide(1'000'000'000);
            for (int k = 0; k < 9; ++k, chunk /= 10) digits[count++] = static_cast<char>('0' + chunk % 10);
        }
    }
    while (count > 0 && digits[count - 1] == '0') --count;
    return spell(out, std::signbit(value), digits.data(), count, precision);
}

} // namespace huex
