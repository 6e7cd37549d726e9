#include "settings/ImageFile.h"

#include "geometry/ZoomLevels.h"

#include <algorithm>

namespace huex {

namespace {
constexpr std::size_t kSide = kCaptureSide;
constexpr std::size_t kPixels = kSide * kSide;

std::size_t fileOffset(std::size_t x, std::size_t y) {
    return kImageHeaderSize + 4 * (kSide * x + y);
}

void putInt32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
} // namespace

std::vector<std::uint8_t> imageFileBytes(std::span<const std::uint32_t> pixels) {
    std::vector<std::uint8_t> out(kImageFileSize, 0);
    constexpr char magic[] = "HUEXIMG";
    std::copy_n(magic, 7, out.begin());
    putInt32(out, 7, kSide);
    putInt32(out, 11, kSide);
    if (pixels.size() != kPixels) return out;
    for (std::size_t x = 0; x < kSide; ++x) {
        for (std::size_t y = 0; y < kSide; ++y) {
            const std::uint32_t p = pixels[y * kSide + x];
            const std::size_t at = fileOffset(x, y);
            out[at] = static_cast<std::uint8_t>(p >> 16);    // red
            out[at + 1] = static_cast<std::uint8_t>(p >> 8); // green
            out[at + 2] = static_cast<std::uint8_t>(p);      // blue
        }
    }
    return out;
}

void readImageFile(std::span<const std::uint8_t> file, std::span<std::uint32_t> pixels) {
    if (pixels.size() != kPixels) return;
    for (std::size_t x = 0; x < kSide; ++x) {
        for (std::size_t y = 0; y < kSide; ++y) {
            const std::size_t at = fileOffset(x, y);
            std::uint32_t& p = pixels[y * kSide + x];
            p = 0;
            if (at + 4 <= file.size())
                p = static_cast<std::uint32_t>(file[at]) << 16 |
                    static_cast<std::uint32_t>(file[at + 1]) << 8 | file[at + 2];
        }
    }
}

} // namespace huex
