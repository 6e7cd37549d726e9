#include "settings/FileText.h"

#include <algorithm>
#include <array>

namespace huex {

namespace {

constexpr std::array<std::uint8_t, 3> kUtf8Mark{0xEF, 0xBB, 0xBF};

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

void appendUtf8(std::string& out, char32_t c) {
    const auto byte = [&](unsigned value) { out += static_cast<char>(value); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// One code point from the start of non-empty `text`, and its length in bytes: U+FFFD and 1 for a
// byte that starts no UTF-8 sequence. Surrogates are taken one by one, as utf8FromUtf16 writes them.
char32_t nextCodePoint(std::string_view text, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[0]);
    length = 1;
    if (lead < 0x80) return lead;
    const std::size_t size = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || lead >= 0xF5 || text.size() < size) return 0xFFFD;
    char32_t c = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        c = c << 6 | (next & 0x3F);
    }
    constexpr std::array<char32_t, 5> shortest{0, 0, 0x80, 0x800, 0x10000};
    if (c < shortest[size] || c > 0x10FFFF) return 0xFFFD;
    length = size;
    return c;
}

} // namespace

TextEncoding fileEncoding(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return TextEncoding::utf16le;
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return TextEncoding::utf16be;
    if (startsWith(bytes, kUtf8Mark)) return TextEncoding::utf8;
    return TextEncoding::ansi;
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        appendUtf8(out, c);
    }
    return out;
}

std::u16string utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::size_t length = 0;
        const char32_t c = nextCodePoint(text, length);
        text.remove_prefix(length);
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string unicodeFileText(std::span<const std::uint8_t> bytes, TextEncoding encoding) {
    const std::size_t mark = encoding == TextEncoding::utf8 ? kUtf8Mark.size() : 2;
    if (bytes.size() < mark) return {};
    if (encoding == TextEncoding::utf8) return {bytes.begin() + kUtf8Mark.size(), bytes.end()};
    const bool bigEndian = encoding == TextEncoding::utf16be;
    std::u16string units((bytes.size() - 2) / 2, u'\0'); // an odd last byte is not read
    for (std::size_t i = 0; i < units.size(); ++i) {
        const unsigned first = bytes[2 + 2 * i], second = bytes[3 + 2 * i];
        units[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return utf8FromUtf16(units);
}

std::vector<std::uint8_t> unicodeFileBytes(std::string_view text, TextEncoding encoding) {
    std::vector<std::uint8_t> out;
    if (encoding == TextEncoding::utf8) {
        out.resize(kUtf8Mark.size() + text.size());
        std::copy(text.begin(), text.end(), std::copy(kUtf8Mark.begin(), kUtf8Mark.end(), out.begin()));
        return out;
    }
    const bool bigEndian = encoding == TextEncoding::utf16be;
    const std::u16string units = u'\xFEFF' + utf16FromUtf8(text);
    out.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        const auto high = static_cast<std::uint8_t>(unit >> 8), low = static_cast<std::uint8_t>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
    return out;
}

} // namespace huex
