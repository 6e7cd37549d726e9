// Encoders for the Windows image files that the resource script embeds: .ico, .cur and .bmp.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace huex::art {

using Bytes = std::vector<std::uint8_t>;

enum class IconDepth {
    alpha32,   // 32-bit BGRA with per-pixel alpha, plus the AND mask
    classic24, // 24-bit colour and the AND mask only: for systems that cannot blend icons
};

// An icon file holding one image per raster (square rasters, 256 pixels at most).
Bytes iconFile(const std::vector<const Raster*>& images, IconDepth depth);
// A cursor file with one 32-bit image and its hot spot.
Bytes cursorFile(const Raster& image, int hotspotX, int hotspotY);
// A 24-bit bottom-up BMP; the raster is composited over `background` first.
Bytes bitmapFile(const Raster& image, Rgba background);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);

} // namespace huex::art
