// Choosing the reader for a file, and what an import does to the palette and tells the user.
#include "palette/PaletteFiles.h"

#include <algorithm>
#include <optional>

namespace huex {

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view start) {
    return bytes.size() >= start.size() &&
           std::equal(start.begin(), start.end(), bytes.begin(),
                      [](char s, std::uint8_t b) { return static_cast<std::uint8_t>(s) == b; });
}

// Any ".json" is read as design tokens, not only the ".tokens.json" the export writes.
std::optional<PaletteFormat> formatOfExtension(std::wstring_view path) {
    for (const PaletteFormat format :
         {PaletteFormat::gpl, PaletteFormat::ase, PaletteFormat::css, PaletteFormat::txt})
        if (endsWithExtension(path, paletteExtension(format))) return format;
    if (endsWithExtension(path, ".json")) return PaletteFormat::tokens;
    return std::nullopt;
}

PaletteRead failed(std::string_view reason) {
    PaletteRead read;
    read.error = reason;
    return read;
}

} // namespace

PaletteRead readPalette(std::span<const std::uint8_t> bytes, std::wstring_view path) {
    if (bytes.size() > kMaxPaletteFileSize) return failed(paletteError::tooLarge);
    if (startsWith(bytes, "GIMP Palette") || startsWith(bytes, "\xEF\xBB\xBFGIMP Palette"))
        return readGimpPalette(bytes);
    if (startsWith(bytes, "ASEF")) return readSwatchExchange(bytes);
    const auto format = formatOfExtension(path);
    if (!format) return failed(paletteError::unknownFormat);
    // A GIMP or swatch file without its signature is not one.
    if (*format == PaletteFormat::gpl || *format == PaletteFormat::ase)
        return failed(paletteError::wrongMagic);
    if (*format == PaletteFormat::tokens) return readDesignTokens(bytes);
    return readColorCodes(bytes);
}

bool applyImport(Palette& palette, const PaletteRead& read) {
    if (!read.error.empty() || read.colors.empty()) return false;
    const std::size_t taken = std::min<std::size_t>(read.colors.size(), Palette::capacity);
    std::copy_n(read.colors.begin(), taken, palette.colors.begin());
    palette.count = static_cast<int>(taken);
    palette.selected = {};
    return true;
}

std::string importMessage(const PaletteRead& read) {
    if (!read.error.empty()) return "Не удалось прочитать палитру: " + read.error;
    std::string message;
    const auto line = [&](const std::string& text) { message += (message.empty() ? "" : "\n") + text; };
    if (read.colors.size() > Palette::capacity)
        line("Загружено " + std::to_string(Palette::capacity) + " из " + std::to_string(read.colors.size()) +
             " цветов");
    if (read.skipped > 0) line("Пропущено записей CMYK и LAB: " + std::to_string(read.skipped));
    if (read.aliasTokens > 0) line("Пропущено ссылок на другие токены: " + std::to_string(read.aliasTokens));
    if (read.unreadableTokens > 0)
        line("Пропущено токенов цвета с нечитаемым значением: " + std::to_string(read.unreadableTokens));
    return message;
}

} // namespace huex
