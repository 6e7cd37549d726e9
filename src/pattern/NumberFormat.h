#pragma once
// Writing numbers exactly as the C library's printf does for the few conversions a component format
// can hold, without ever handing a format string to printf.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace huex {

// The largest width or precision a conversion may ask for.
constexpr int maxFieldWidth = 64;

// One conversion "%[0...][width][.precision]letter".
struct PrintfConversion {
    bool zeroPad = false;
    int width = 0;
    int precision = -1; // -1: none given
    char letter = '\0';
};

// Reads a conversion of the shape above (letters d D x X o O b B f F); nothing for any other text,
// or for a width or precision above maxFieldWidth.
std::optional<PrintfConversion> parsePrintfConversion(std::string_view format);

// Enough for every conversion parsePrintfConversion accepts: %f of the largest double has 309
// integer digits, plus sign, point and 64 decimals.
constexpr std::size_t numberBufferSize = 512;
using NumberBuffer = std::array<char, numberBufferSize>;

// Each writes at the start of `out` and returns the length written.
// %d, %x, %X, %o (and D, O as d, o) of a 32-bit int; x, X and o show the int's bits unsigned.
std::size_t writeInteger(NumberBuffer& out, const PrintfConversion& conversion, std::int32_t n);
// %f (and F as f) of a double; "inf", "-inf", "nan" and "-nan" are padded with blanks only.
std::size_t writeReal(NumberBuffer& out, const PrintfConversion& conversion, double value);
// Binary digits of n, most significant first, zero-padded to `width` digits; 0 has no digits.
// A negative n is a minus sign in front of the padded digits of its magnitude.
std::size_t writeBinary(NumberBuffer& out, int width, std::int32_t n);

// Type letters of a component format: d D x X o O b B f F (D, O and F write like d, o and f).
bool isConversionLetter(char c);

} // namespace huex
