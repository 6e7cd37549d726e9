// Writing a palette in each format, and the file names that go with them.
#include "color/ByteColor.h"
#include "color/RealText.h"
#include "palette/PaletteFiles.h"
#include "pattern/CssPatterns.h"
#include "pattern/Formatter.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace huex {

namespace {

void append(std::vector<std::uint8_t>& out, std::string_view text) {
    for (const char c : text) out.push_back(static_cast<std::uint8_t>(c));
}

void appendU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void appendU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    appendU16(out, static_cast<std::uint16_t>(v >> 16));
    appendU16(out, static_cast<std::uint16_t>(v));
}

// "%3d": right-aligned in three columns.
std::string padded(int value) {
    std::string text = std::to_string(value);
    return std::string(text.size() < 3 ? 3 - text.size() : 0, ' ') + text;
}

std::vector<std::uint8_t> gimpPalette(std::span<const RgbColor> cells) {
    std::vector<std::uint8_t> out;
    append(out, "GIMP Palette\nName: HUEX\nColumns: 1\n#\n");
    for (const RgbColor& c : cells) {
        const ByteColor b = toByteColor(c);
        append(out, padded(b.red) + ' ' + padded(b.green) + ' ' + padded(b.blue) + '\t' + hexText(b) + '\n');
    }
    return out;
}

std::vector<std::uint8_t> swatchExchange(std::span<const RgbColor> cells) {
    constexpr std::uint16_t colorEntry = 0x0001, normalColor = 2;
    std::vector<std::uint8_t> out;
    append(out, "ASEF");
    appendU16(out, 1);
    appendU16(out, 0);
    appendU32(out, static_cast<std::uint32_t>(cells.size()));
    for (const RgbColor& c : cells) {
        const std::string name = hexText(toByteColor(c));
        const auto units = static_cast<std::uint16_t>(name.size() + 1); // with the terminating zero
        appendU16(out, colorEntry);
        appendU32(out, 2u + 2u * units + 4u + 3u * 4u + 2u);
        appendU16(out, units);
        for (const char ch : name) appendU16(out, static_cast<std::uint16_t>(ch));
        appendU16(out, 0);
        append(out, "RGB ");
        for (const double channel : {c.red, c.green, c.blue})
            appendU32(out, std::bit_cast<std::uint32_t>(static_cast<float>(channel)));
        appendU16(out, normalColor);
    }
    return out;
}

template <class ColorText>
std::vector<std::uint8_t> cssProperties(std::span<const RgbColor> cells, ColorText colorText) {
    std::vector<std::uint8_t> out;
    append(out, ":root {\n");
    for (std::size_t i = 0; i < cells.size(); ++i)
        append(out, "  --huex-" + std::to_string(i + 1) + ": " + colorText(cells[i]) + ";\n");
    append(out, "}\n");
    return out;
}

std::vector<std::uint8_t> designTokens(std::span<const RgbColor> cells) {
    std::vector<std::uint8_t> out;
    append(out, "{\n  \"huex\": {\n    \"$type\": \"color\"");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const RgbColor& c = cells[i];
        append(out, ",\n    \"" + std::to_string(i + 1) + "\": {\n      \"$value\": {\n" +
                        "        \"colorSpace\": \"srgb\",\n        \"components\": [" +
                        shortestRealText(c.red) + ", " + shortestRealText(c.green) + ", " +
                        shortestRealText(c.blue) + "],\n        \"hex\": \"" + hexText(toByteColor(c), true) +
                        "\"\n      }\n    }");
    }
    append(out, "\n  }\n}\n");
    return out;
}

std::vector<std::uint8_t> hexCodes(std::span<const RgbColor> cells) {
    std::vector<std::uint8_t> out;
    for (const RgbColor& c : cells) append(out, hexText(toByteColor(c)) + '\n');
    return out;
}

char lowerAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<char>(c - L'A' + 'a') : static_cast<char>(c);
}

} // namespace

std::string_view paletteExtension(PaletteFormat format) {
    switch (format) {
    case PaletteFormat::gpl:
        return ".gpl";
    case PaletteFormat::ase:
        return ".ase";
    case PaletteFormat::css:
    case PaletteFormat::cssOklch:
        return ".css";
    case PaletteFormat::tokens:
        return ".tokens.json";
    case PaletteFormat::txt:
        break;
    }
    return ".txt";
}

bool endsWithExtension(std::wstring_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                      [](char e, wchar_t n) { return e == lowerAscii(n); });
}

std::wstring withPaletteExtension(std::wstring name, PaletteFormat format) {
    const std::string_view extension = paletteExtension(format);
    if (!endsWithExtension(name, extension)) name.append(extension.begin(), extension.end());
    return name;
}

std::vector<RgbColor> paletteCells(const Palette& palette) {
    const int used = std::clamp(palette.count, 0, Palette::capacity);
    return {palette.colors.begin(), palette.colors.begin() + used};
}

std::vector<std::uint8_t> writePalette(PaletteFormat format, std::span<const RgbColor> cells) {
    switch (format) {
    case PaletteFormat::gpl:
        return gimpPalette(cells);
    case PaletteFormat::ase:
        return swatchExchange(cells);
    case PaletteFormat::css:
        return cssProperties(cells, [](const RgbColor& c) { return hexText(toByteColor(c), true); });
    case PaletteFormat::cssOklch:
        return cssProperties(cells, [oklch = cssPattern(CssNotation::oklch)](const RgbColor& c) {
            return formatColor(oklch, c, rgbToHsb(c));
        });
    case PaletteFormat::tokens:
        return designTokens(cells);
    case PaletteFormat::txt:
        break;
    }
    return hexCodes(cells);
}

} // namespace huex
