#include "color/Contrast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace huex {
namespace {

constexpr ByteColor white{255, 255, 255}, black{0, 0, 0};

// Pairs on either side of each threshold: the shown ratio is cut, the verdicts use the exact one.
TEST(Contrast, RatioTextAndVerdictsAtTheThresholds) {
    struct Row {
        ByteColor text, background;
        const char* shown;
        std::array<bool, 5> passes; // AA normal, AA large, AAA normal, AAA large, graphics
    };
    const Row rows[] = {
        {black, white, "21.00:1", {true, true, true, true, true}},
        {white, black, "21.00:1", {true, true, true, true, true}},
        {white, white, "1.00:1", {false, false, false, false, false}},
        {{52, 136, 0}, white, "4.49:1", {false, true, false, false, true}},      // 4.4990
        {{119, 119, 119}, white, "4.47:1", {false, true, false, false, true}},   // 4.4781
        {{118, 118, 118}, white, "4.54:1", {true, true, false, true, true}},     // 4.5422
        {{149, 149, 149}, white, "2.99:1", {false, false, false, false, false}}, // 2.9953
        {{65, 90, 128}, black, "2.99:1", {false, false, false, false, false}},   // 2.9989
        {{148, 148, 148}, white, "3.03:1", {false, true, false, false, true}},
        {{226, 115, 128}, black, "6.99:1", {true, true, false, true, true}}, // 6.9977
        {{89, 89, 89}, white, "7.00:1", {true, true, true, true, true}},     // 7.0047
    };
    for (const Row& row : rows) {
        const double ratio = contrastRatio(row.text, row.background);
        SCOPED_TRACE(hexText(row.text) + " on " + hexText(row.background));
        EXPECT_EQ(ratioText(ratio), row.shown);
        for (std::size_t i = 0; i < kContrastLevels.size(); ++i)
            EXPECT_EQ(verdictText(kContrastLevels[i], ratio),
                      std::string(kContrastLevels[i].label) + (row.passes[i] ? ": пройден" : ": не пройден"));
    }
}

TEST(Contrast, TextIsCutNeverRoundedUp) {
    const std::pair<double, const char*>
        rows[] =
            {
                {4.4999, "4.49:1"}, {4.5, "4.50:1"},   {2.999999, "2.99:1"}, {3.0, "3.00:1"},
                {6.9999, "6.99:1"}, {7.005, "7.00:1"}, {1.0, "1.00:1"},      {12.345, "12.34:1"},
                {4.35, "4.35:1"}, // 434.99999... in binary: the small allowance keeps it at .35
            };
    for (const auto& [ratio, shown] : rows) EXPECT_EQ(ratioText(ratio), shown) << ratio;
}

TEST(Contrast, LuminanceOfTheEightBitValues) {
    EXPECT_DOUBLE_EQ(relativeLuminance(black), 0.0);
    EXPECT_NEAR(relativeLuminance(white), 1.0, 1e-12);
    // 10/255 lies below the 0.04045 knee, 11/255 above it.
    EXPECT_DOUBLE_EQ(relativeLuminance({10, 0, 0}), 0.2126 * (10 / 255.0) / 12.92);
    EXPECT_NEAR(relativeLuminance({0, 11, 0}), 0.7152 * std::pow((11 / 255.0 + 0.055) / 1.055, 2.4), 1e-15);
    // The stored fraction counts only through its 8-bit value, as the slot texts show it.
    EXPECT_EQ(toByteColor({0.4999 / 255, 1.5 / 255, 2.0}), (ByteColor{0, 2, 255}));
}

// The author's published test values (text first), then pairs just either side of each verdict's
// minimum on both polarities: the text is cut toward zero, the verdict judged on the exact value.
TEST(Apca, PublishedValuesAndTheVerdictThresholds) {
    auto gray = [](int nibble) {
        return ByteColor{std::uint8_t(nibble * 17), std::uint8_t(nibble * 17), std::uint8_t(nibble * 17)};
    };
    const struct {
        ByteColor text, background;
        double lc;
    } published[] = {
        {gray(8), white, 63.056469930209424},
        {white, gray(8), -68.54146436644962},
        {black, gray(10), 58.146262578561334},
        {gray(10), black, -56.24113336839742},
        {{17, 34, 51}, {221, 238, 255}, 91.66830811481631},
        {{221, 238, 255}, {17, 34, 51}, -93.06770049484275},
        {{17, 34, 51}, gray(4), 8.32326136957393},
        {gray(4), {17, 34, 51}, -7.5268784602},
    };
    for (const auto& row : published)
        EXPECT_NEAR(apcaContrast(row.text, row.background), row.lc, 1e-9)
            << hexText(row.text) << " on " << hexText(row.background);

    const struct {
        ByteColor text, background;
        const char *shown, *verdict;
    } rows[] = {
        {black, white, "Lc 106.0", "любой текст"},
        {white, black, "Lc -107.8", "любой текст"},
        {{111, 58, 71}, white, "Lc 89.9", "основной текст"}, // 89.999997
        {{7, 86, 6}, white, "Lc 90.0", "любой текст"},
        {white, {141, 28, 152}, "Lc -89.9", "основной текст"},
        {white, {155, 29, 99}, "Lc -90.0", "любой текст"},
        {{9, 125, 84}, white, "Lc 74.9", "текст, кроме основного"},
        {{37, 96, 242}, white, "Lc 75.0", "основной текст"},
        {white, {49, 139, 46}, "Lc -74.9", "текст, кроме основного"},
        {white, {172, 58, 250}, "Lc -75.0", "основной текст"},
        {{204, 122, 0}, white, "Lc 59.9", "крупный текст и заголовки"},
        {{244, 12, 227}, white, "Lc 60.0", "текст, кроме основного"},
        {white, {238, 118, 4}, "Lc -59.9", "крупный текст и заголовки"},
        {white, {115, 167, 61}, "Lc -60.0", "текст, кроме основного"},
        {{154, 183, 31}, white, "Lc 44.9", "второстепенный текст"},
        {{138, 183, 133}, white, "Lc 45.0", "крупный текст и заголовки"},
        {white, {55, 201, 164}, "Lc -44.9", "второстепенный текст"},
        {white, {75, 203, 109}, "Lc -45.0", "крупный текст и заголовки"},
        {{5, 229, 19}, white, "Lc 29.9", "только не текст"},
        {{207, 205, 19}, white, "Lc 30.0", "второстепенный текст"},
        {white, {125, 222, 206}, "Lc -29.9", "только не текст"},
        {white, {22, 236, 6}, "Lc -30.0", "второстепенный текст"},
        {{213, 237, 89}, white, "Lc 14.9", "не читается"},
        {{120, 254, 32}, white, "Lc 15.0", "только не текст"},
        {white, {233, 237, 21}, "Lc -14.9", "не читается"},
        {white, {181, 249, 63}, "Lc -15.0", "только не текст"},
        {{60, 60, 60}, black, "Lc 0.0", "не читается"},    // light on dark below the clip: never "-0.0"
        {{239, 239, 239}, white, "Lc 0.0", "не читается"}, // dark on light below the clip
        {white, white, "Lc 0.0", "не читается"},
    };
    for (const auto& row : rows) {
        const double lc = apcaContrast(row.text, row.background);
        SCOPED_TRACE(hexText(row.text) + " on " + hexText(row.background));
        EXPECT_EQ(apcaText(lc), row.shown);
        EXPECT_EQ(apcaVerdictText(lc), std::string("APCA: ") + row.verdict);
    }
}

TEST(Apca, TextIsCutTowardZero) {
    const std::pair<double, const char*> rows[] = {
        {-14.98, "Lc -14.9"}, {14.98, "Lc 14.9"}, {14.9, "Lc 14.9"},  {-0.04, "Lc 0.0"},
        {-0.0, "Lc 0.0"},     {0.0, "Lc 0.0"},    {-7.45, "Lc -7.4"}, {-100.0, "Lc -100.0"},
    };
    for (const auto& [lc, shown] : rows) EXPECT_EQ(apcaText(lc), shown) << lc;
}

} // namespace
} // namespace huex
