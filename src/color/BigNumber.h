#pragma once
// Whole numbers of any size, for the few exact steps of reading and writing real numbers.
#include <cstdint>
#include <string>
#include <vector>

namespace huex {

// A whole number of any size, least significant 32-bit word first, no zero words on top.
class BigNumber {
  public:
    explicit BigNumber(std::uint64_t value) {
        for (; value != 0; value >>= 32) words_.push_back(static_cast<std::uint32_t>(value));
    }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& word : words_) {
            const std::uint64_t product = std::uint64_t{word} * factor + carry;
            word = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
    }

    void multiplyByPowerOfFive(long long power) {
        constexpr std::uint32_t fiveToThe13 = 1'220'703'125;
        for (; power >= 13; power -= 13) multiplyAdd(fiveToThe13, 0);
        std::uint32_t rest = 1;
        for (; power > 0; --power) rest *= 5;
        multiplyAdd(rest, 0);
    }

    void shiftLeft(long long bits) {
        if (words_.empty()) return;
        const auto rest = static_cast<int>(bits % 32);
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& word : words_) {
                const std::uint32_t next = word >> (32 - rest);
                word = (word << rest) | carry;
                carry = next;
            }
            if (carry != 0) words_.push_back(carry);
        }
        words_.insert(words_.begin(), static_cast<std::size_t>(bits / 32), 0);
    }

    // Divides by `divisor` (not 0) and gives the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = words_.size(); i-- > 0;) {
            const std::uint64_t current = (remainder << 32) | words_[i];
            words_[i] = static_cast<std::uint32_t>(current / divisor);
            remainder = current % divisor;
        }
        while (!words_.empty() && words_.back() == 0) words_.pop_back();
        return static_cast<std::uint32_t>(remainder);
    }

    // Its decimal digits, "0" for zero.
    [[nodiscard]] std::string decimalText() const {
        BigNumber rest = *this;
        std::string reversed;
        do {
            std::uint32_t chunk = rest.divide(1'000'000'000);
            for (int i = 0; i < 9 && (chunk != 0 || !rest.isZero() || reversed.empty()); ++i) {
                reversed += static_cast<char>('0' + chunk % 10);
                chunk /= 10;
            }
        } while (!rest.isZero());
        return {reversed.rbegin(), reversed.rend()};
    }

    [[nodiscard]] bool isZero() const { return words_.empty(); }

    // The sign of a - b.
    friend int compare(const BigNumber& a, const BigNumber& b) {
        if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
        for (std::size_t i = a.words_.size(); i-- > 0;) {
            if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
        }
        return 0;
    }

  private:
    std::vector<std::uint32_t> words_;
};

} // namespace huex
