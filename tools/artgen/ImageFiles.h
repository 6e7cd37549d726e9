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

// An icon file holding one image per raster (square rasters, 256 pixels at most). 32-bit images
// are stored PNG-compressed (a quarter of their size or less; every system the program runs on
// reads them); 24-bit ones, meant for systems without alpha blending, as uncompressed bitmaps.
Bytes iconFile(const std::vector<const Raster*>& images, IconDepth depth);

struct CursorImage {
    const Raster* image;
    int hotspotX, hotspotY;
};
// A cursor file of 32-bit images, each with its hot spot, compressed as in icons.
Bytes cursorFile(const std::vector<CursorImage>& images);

// A bottom-up BMP; the raster is composited over `background` first. With `palette` it is a 4-bit
// image of those colours (at most 16, each pixel taking the nearest), else a 24-bit one.
Bytes bitmapFile(const Raster& image, Rgba background, const std::vector<Rgba>& palette = {});

// A PNG file of the raster (8-bit RGBA, no interlacing).
Bytes pngFile(const Raster& image);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);

} // namespace huex::art
