#include "pattern/NumberFormat.h"

#include "pattern/FixedDecimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace huex {

static_assert(fixedDecimalMaxLength <= numberBufferSize);

namespace {

// Reads decimal digits at `pos`, leading zeros allowed; false when the value exceeds maxFieldWidth.
bool readField(std::string_view text, std::size_t& pos, int& value) {
    value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > maxFieldWidth) return false;
    }
    return true;
}

// Right-justifies the text of length `len` in out to `width`: with zeros after any sign, or blanks.
std::size_t pad(NumberBuffer& out, std::size_t len, int width, bool withZeros) {
    const auto target = static_cast<std::size_t>(width);
    if (len >= target) return len;
    const std::size_t fill = target - len;
    const std::size_t signLength = (withZeros && len > 0 && out[0] == '-') ? 1 : 0;
    std::memmove(out.data() + signLength + fill, out.data() + signLength, len - signLength);
    std::fill_n(out.data() + signLength, fill, withZeros ? '0' : ' ');
    return target;
}

} // namespace

bool isConversionLetter(char c) {
    switch (c) {
    case 'd':
    case 'D':
    case 'x':
    case 'X':
    case 'o':
    case 'O':
    case 'b':
    case 'B':
    case 'f':
    case 'F':
        return true;
    default:
        return false;
    }
}

std::optional<PrintfConversion> parsePrintfConversion(std::string_view format) {
    if (format.empty() || format[0] != '%') return std::nullopt;
    PrintfConversion c;
    std::size_t pos = 1;
    for (; pos < format.size() && format[pos] == '0'; ++pos) c.zeroPad = true;
    if (!readField(format, pos, c.width)) return std::nullopt;
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (!readField(format, pos, c.precision)) return std::nullopt;
    }
    if (pos + 1 != format.size() || !isConversionLetter(format[pos])) return std::nullopt;
    c.letter = format[pos];
    return c;
}

std::size_t writeInteger(NumberBuffer& out, const PrintfConversion& conversion, std::int32_t n) {
    char* const first = out.data();
    char* const last = first + out.size();
    std::to_chars_result result{};
    switch (conversion.letter) {
    case 'x':
    case 'X':
        result = std::to_chars(first, last, static_cast<std::uint32_t>(n), 16);
        break;
    case 'o':
    case 'O':
        result = std::to_chars(first, last, static_cast<std::uint32_t>(n), 8);
        break;
    default:
        result = std::to_chars(first, last, n);
        break;
    }
    if (conversion.letter == 'X') {
        for (char* p = first; p != result.ptr; ++p) {
            if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
        }
    }
    return pad(out, static_cast<std::size_t>(result.ptr - first), conversion.width, conversion.zeroPad);
}

std::size_t writeReal(NumberBuffer& out, const PrintfConversion& conversion, double value) {
    if (!std::isfinite(value)) {
        std::size_t len = 0;
        if (std::signbit(value)) out[len++] = '-';
        const std::string_view word = std::isnan(value) ? "nan" : "inf";
        std::memcpy(out.data() + len, word.data(), word.size());
        return pad(out, len + word.size(), conversion.width, false);
    }
    const int precision = conversion.precision < 0 ? 6 : conversion.precision;
    return pad(out, writeFixedDecimal(out.data(), value, precision), conversion.width, conversion.zeroPad);
}

std::size_t writeBinary(NumberBuffer& out, int width, std::int32_t n) {
    // Digits of the magnitude, least significant first, into the tail of the buffer.
    auto magnitude = static_cast<std::uint32_t>(n);
    if (n < 0) magnitude = 0u - magnitude;
    char digits[32];
    std::size_t count = 0;
    for (; magnitude != 0; magnitude >>= 1) digits[count++] = (magnitude & 1u) != 0 ? '1' : '0';
    std::size_t len = 0;
    if (n < 0) out[len++] = '-';
    const std::size_t target = width > 0 ? static_cast<std::size_t>(std::min(width, maxFieldWidth)) : 0;
    for (std::size_t i = count; i < target; ++i) out[len++] = '0';
    while (count > 0) out[len++] = digits[--count];
    return len;
}

} // namespace huex
