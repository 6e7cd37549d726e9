#include "color/Vision.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace huex {
namespace {

using Bytes = std::array<int, 3>;

Bytes simulatedBytes(Vision v, Bytes c) {
    const RgbColor s = simulateVision(v, {c[0] / 255.0, c[1] / 255.0, c[2] / 255.0});
    return {toByte(s.red), toByte(s.green), toByte(s.blue)};
}

// Expected bytes worked out from the published matrices, independently of this code.
TEST(Vision, PrimariesWhiteBlackAndGray) {
    constexpr Bytes red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255}, black{0, 0, 0},
        gray{128, 128, 128};
    const struct {
        Vision vision;
        Bytes color, seen;
    } rows[] = {
        {Vision::protanopia, red, {109, 95, 0}},         {Vision::protanopia, green, {255, 229, 0}},
        {Vision::protanopia, blue, {0, 89, 255}},        {Vision::deuteranopia, red, {163, 144, 0}},
        {Vision::deuteranopia, green, {239, 214, 58}},   {Vision::deuteranopia, blue, {0, 61, 251}},
        {Vision::tritanopia, red, {255, 0, 15}},         {Vision::tritanopia, green, {0, 247, 217}},
        {Vision::tritanopia, blue, {0, 107, 150}},       {Vision::achromatopsia, red, {127, 127, 127}},
        {Vision::achromatopsia, green, {220, 220, 220}}, {Vision::achromatopsia, blue, {76, 76, 76}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(simulatedBytes(row.vision, row.color), row.seen) << visionName(row.vision);
    for (int i = 0; i < kVisionCount; ++i) {
        const Vision v = visionFromIndex(i);
        for (const Bytes& neutral : {white, black, gray})
            EXPECT_EQ(simulatedBytes(v, neutral), neutral) << visionName(v) << " keeps neutral colours";
    }
    const RgbColor odd{0.123456789, 0.5, 0.987654321};
    const RgbColor same = simulateVision(Vision::normal, odd);
    EXPECT_EQ(same.red, odd.red);
    EXPECT_EQ(same.blue, odd.blue);
}

TEST(Vision, NamesAndStoredIndices) {
    const std::array<std::string, 5> names{"Обычное зрение", "Протанопия", "Дейтеранопия", "Тританопия",
                                           "Ахроматопсия"};
    for (int i = 0; i < kVisionCount; ++i) EXPECT_EQ(visionName(visionFromIndex(i)), names[i]);
    for (int outside : {-1, 5, 1000}) EXPECT_EQ(visionFromIndex(outside), Vision::normal) << outside;
}

// The table path gives the exact rule's bytes: every value of each channel alone (the curve's
// table and every threshold of its inverse are crossed), and a dense grid of the cube.
TEST(VisionTable, EqualsTheExactRuleOnEveryPixelTried) {
    for (int i = 0; i < kVisionCount; ++i) {
        const Vision v = visionFromIndex(i);
        const VisionTable table(v);
        int mismatches = 0;
        auto check = [&](int r, int g, int b) {
            const Bytes want = simulatedBytes(v, {r, g, b});
            const std::uint32_t got =
                table.pixel(std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b));
            const Bytes gotBytes{int(got >> 16), int(got >> 8 & 0xFF), int(got & 0xFF)};
            if (gotBytes != want && ++mismatches <= 5)
                ADD_FAILURE() << visionName(v) << " (" << r << ", " << g << ", " << b << ")";
        };
        for (int c = 0; c < 256; ++c) {
            check(c, 0, 0);
            check(0, c, 0);
            check(0, 0, c);
            check(c, c, c);
            check(255 - c, c, 0);
            check(0, 255 - c, c);
        }
        for (int r = 0; r < 256; r += 3)
            for (int g = 1; g < 256; g += 3)
                for (int b = 2; b < 256; b += 3) check(r, g, b);
        EXPECT_EQ(mismatches, 0) << visionName(v);
    }
}

TEST(VisionTable, AppliesToABufferAndClearsTheUnusedByte) {
    std::array<std::uint32_t, 3> pixels{0xFFFF0000u, 0x0000FF00u, 0x00808080u};
    VisionTable(Vision::protanopia).apply(pixels);
    EXPECT_EQ(pixels[0], 0x6D5F00u);
    EXPECT_EQ(pixels[1], 0xFFE500u);
    EXPECT_EQ(pixels[2], 0x808080u);
    std::array<std::uint32_t, 1> same{0x123456u};
    VisionTable(Vision::normal).apply(same);
    EXPECT_EQ(same[0], 0x123456u);
}

} // namespace
} // namespace huex
