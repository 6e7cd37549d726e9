#pragma once
// Palette files: GIMP palettes, Adobe Swatch Exchange, CSS custom properties (hex or oklch()),
// plain hex codes and design tokens (the Design Tokens Community Group's JSON). Writers produce the whole
// file; readers take any bytes and either give the colours in file order or say why they could not, never
// reading past their input.
#include "color/Color.h"
#include "color/Palette.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace huex {

// In the order the export dialog lists them.
enum class PaletteFormat { gpl, ase, css, txt, cssOklch, tokens };
inline constexpr int kPaletteFormats = 6;

inline constexpr std::size_t kMaxPaletteFileSize = 1048576;

// ".gpl", ".ase", ".css", ".txt", ".css", ".tokens.json".
std::string_view paletteExtension(PaletteFormat format);
// `name` with the format's extension added, unless it already ends with it (any case).
std::wstring withPaletteExtension(std::wstring name, PaletteFormat format);
// Whether `name` ends with `extension` (".gpl"), in any case.
bool endsWithExtension(std::wstring_view name, std::string_view extension);

// The used cells of a palette, in order.
std::vector<RgbColor> paletteCells(const Palette& palette);
std::vector<std::uint8_t> writePalette(PaletteFormat format, std::span<const RgbColor> cells);

struct PaletteRead {
    std::vector<RgbColor> colors; // every colour taken, in file order
    int skipped = 0;              // CMYK and LAB entries left out
    std::string error;            // why nothing was taken; empty when it was read
    int aliasTokens = 0;          // colour tokens that refer to another token
    int unreadableTokens = 0;     // colour tokens whose value is no colour
};

// Picks the reader by the file's start ("GIMP Palette", "ASEF"), else by `path`'s extension.
PaletteRead readPalette(std::span<const std::uint8_t> bytes, std::wstring_view path);

// The readers on their own.
PaletteRead readGimpPalette(std::span<const std::uint8_t> bytes);
PaletteRead readSwatchExchange(std::span<const std::uint8_t> bytes);
// Every #rgb, #rrggbb, rgb(r, g, b) and rgb(r g b) in order (CSS and hex lists alike), and every
// custom property set to a colour in any CSS notation ("--color-red-500: oklch(63.7% 0.237 25.331)").
PaletteRead readColorCodes(std::span<const std::uint8_t> bytes);
// Every token whose type, its own or its group's, is "color": its value a colour object of any
// colour space, or a CSS colour text.
PaletteRead readDesignTokens(std::span<const std::uint8_t> bytes);

// Reader errors, shown after "Не удалось прочитать палитру: ".
namespace paletteError {
inline constexpr std::string_view tooLarge = "файл больше 1048576 байт";
inline constexpr std::string_view wrongMagic = "неверная подпись файла";
inline constexpr std::string_view pastEnd = "запись выходит за конец файла";
inline constexpr std::string_view noColor = "в файле нет цветов";
inline constexpr std::string_view unknownFormat = "неизвестный формат файла";
} // namespace paletteError

// An import's outcome applied to the palette: the first colours become the first cells, the count
// follows them and no cell stays selected. A failed read leaves the palette as it was.
bool applyImport(Palette& palette, const PaletteRead& read);
// What the user is told after an import: the failure, or the lines about what was not taken
// (empty when everything was).
std::string importMessage(const PaletteRead& read);

} // namespace huex
