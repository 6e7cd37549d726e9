// The image file's bytes both ways: exact size and layout, and short or foreign files.
#include "settings/ImageFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace huex {
namespace {

std::vector<std::uint32_t> testCapture() {
    std::vector<std::uint32_t> pixels(33 * 33);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    return pixels;
}

TEST(ImageFile, IsWrittenColumnByColumnAsRedGreenBlueZero) {
    std::vector<std::uint32_t> pixels(33 * 33, 0);
    pixels[2 * 33 + 5] = 0x123456; // row 2, column 5
    const std::vector<std::uint8_t> file = imageFileBytes(pixels);
    ASSERT_EQ(file.size(), 4371u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 7), "HUEXIMG");
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 7, file.begin() + 15),
              (std::vector<std::uint8_t>{33, 0, 0, 0, 33, 0, 0, 0}));
    const std::size_t at = 15 + 4 * (33 * 5 + 2);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + at, file.begin() + at + 4),
              (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0}));
    std::size_t nonZero = 0;
    for (std::size_t i = 15; i < file.size(); ++i) nonZero += file[i] != 0;
    EXPECT_EQ(nonZero, 3u);
    // An empty capture is written as black, still whole.
    const std::vector<std::uint8_t> empty = imageFileBytes({});
    ASSERT_EQ(empty.size(), 4371u);
    EXPECT_EQ(std::vector<std::uint8_t>(empty.begin(), empty.begin() + 15),
              std::vector<std::uint8_t>(file.begin(), file.begin() + 15));
}

TEST(ImageFile, RoundTripsEveryPixel) {
    const std::vector<std::uint32_t> pixels = testCapture();
    std::vector<std::uint32_t> back(33 * 33, 0xFFFFFFFF);
    readImageFile(imageFileBytes(pixels), back);
    EXPECT_EQ(back, pixels);
}

TEST(ImageFile, ShortOrForeignFilesGiveWhatTheyCoverAndBlackForTheRest) {
    const std::vector<std::uint32_t> pixels = testCapture();
    const std::vector<std::uint8_t> whole = imageFileBytes(pixels);
    for (std::size_t size : {std::size_t{0}, std::size_t{14}, std::size_t{15}, std::size_t{18},
                             std::size_t{19}, std::size_t{15 + 4 * 33 + 2}, std::size_t{4370}}) {
        const std::vector<std::uint8_t> file(whole.begin(),
                                             whole.begin() + static_cast<std::ptrdiff_t>(size));
        std::vector<std::uint32_t> back(33 * 33, 0xFFFFFFFF);
        readImageFile(file, back);
        const std::size_t wholePixels = size < 15 ? 0 : (size - 15) / 4;
        for (std::size_t x = 0; x < 33; ++x) {
            for (std::size_t y = 0; y < 33; ++y) {
                const bool covered = 33 * x + y < wholePixels;
                ASSERT_EQ(back[y * 33 + x], covered ? pixels[y * 33 + x] : 0u)
                    << size << " bytes, " << x << "," << y;
            }
        }
    }
    // Another header and a longer file: the header is not checked, extra bytes are ignored.
    std::vector<std::uint8_t> foreign = whole;
    std::fill_n(foreign.begin(), 15, 0xEE);
    foreign.resize(9000, 0xAB);
    std::vector<std::uint32_t> back(33 * 33);
    readImageFile(foreign, back);
    EXPECT_EQ(back, pixels);
    // The fourth byte of a file pixel is dropped.
    std::vector<std::uint8_t> garbage(4371, 0xFF);
    readImageFile(garbage, back);
    EXPECT_EQ(back[0], 0xFFFFFFu);
    // A capture of another size is left alone.
    std::vector<std::uint32_t> small(4, 7);
    readImageFile(whole, small);
    EXPECT_EQ(small, std::vector<std::uint32_t>(4, 7));
}

} // namespace
} // namespace huex
