#pragma once
// The image file: the last captured square, so that the magnifier shows it again at the next
// start. "HUEXIMG", width 33 and height 33 as 32-bit little-endian integers, then the pixels
// column by column, each as the bytes red, green, blue, 0.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace huex {

inline constexpr std::size_t kImageHeaderSize = 15;
inline constexpr std::size_t kImageFileSize = kImageHeaderSize + std::size_t{33} * 33 * 4; // 4371

// The file's bytes for a capture of 33 x 33 pixels 0x00RRGGBB, row-major, top row first; a
// capture of any other size (an empty bitmap) is written as black.
std::vector<std::uint8_t> imageFileBytes(std::span<const std::uint32_t> pixels);

// Fills a 33 x 33 capture from the file's bytes. The header is not checked (files of other
// versions load too); pixels the file does not cover whole are black, and nothing is read past
// its end. A capture of another size is left alone.
void readImageFile(std::span<const std::uint8_t> file, std::span<std::uint32_t> pixels);

} // namespace huex
