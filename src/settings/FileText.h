#pragma once
// The settings file's bytes as text and back, in the encoding the file already has. The profile
// functions tell the encoding by a byte-order mark: UTF-16 in either byte order, UTF-8, or none
// for the ANSI code page, which only the platform layer can convert. Conversions here are
// lossless both ways, so lines the program does not change go back byte for byte; a lone
// surrogate in a UTF-16 file travels through the UTF-8 text in the three-byte form.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace huex {

enum class TextEncoding { ansi, utf8, utf16le, utf16be };

TextEncoding fileEncoding(std::span<const std::uint8_t> bytes);

std::string utf8FromUtf16(std::u16string_view text);
// Bytes that are no UTF-8 become U+FFFD each.
std::u16string utf16FromUtf8(std::string_view text);

// The text after the byte-order mark of a Unicode file (`encoding` is not ansi); empty without one.
std::string unicodeFileText(std::span<const std::uint8_t> bytes, TextEncoding encoding);
// The whole file, byte-order mark first.
std::vector<std::uint8_t> unicodeFileBytes(std::string_view text, TextEncoding encoding);

} // namespace huex
