#pragma once
// Shared by the palette reader fuzz targets: any bytes give either colours or a reason, never
// both; every colour is a cell value within 0..1; and what was read, written again in the same
// format and read back, gives the same colours.
#include "color/ByteColor.h"
#include "palette/PaletteFiles.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace huex {

inline void requireFuzz(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "palette fuzz: %s\n", what);
        std::abort();
    }
}

inline bool isFraction(double v) {
    return v >= 0 && v <= 1; // false for NaN
}

template <class Reader>
void checkPaletteReader(const std::uint8_t* data, std::size_t size, Reader reader, PaletteFormat format) {
    // A copy of exactly the input's length, so that AddressSanitizer sees any read past its end.
    const std::vector<std::uint8_t> file(data, data + size);
    const PaletteRead read = reader(file);
    requireFuzz(read.error.empty() != read.colors.empty(), "colours and a reason together, or neither");
    for (const RgbColor& c : read.colors)
        requireFuzz(isFraction(c.red) && isFraction(c.green) && isFraction(c.blue), "colour out of range");
    if (!read.error.empty()) return;
    const PaletteRead again = reader(writePalette(format, read.colors));
    requireFuzz(again.colors.size() == read.colors.size() && again.skipped == 0, "written colours lost");
    for (std::size_t i = 0; i < read.colors.size(); ++i)
        requireFuzz(toByteColor(again.colors[i]) == toByteColor(read.colors[i]), "written colour changed");
    // The chooser never reads more than the reader would.
    const PaletteRead chosen = readPalette(file, L"p" + withPaletteExtension(L"", format));
    requireFuzz(chosen.error.empty() == !chosen.colors.empty(), "chooser gave colours and a reason");
}

} // namespace huex
