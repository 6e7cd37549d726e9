#include "color/Palette.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

Palette paletteOf(std::initializer_list<RgbColor> colors, std::initializer_list<int> selected) {
    Palette p;
    p.count = static_cast<int>(colors.size());
    std::size_t i = 0;
    for (const auto& c : colors) p.colors[i++] = c;
    for (int s : selected) p.selected[static_cast<std::size_t>(s)] = true;
    return p;
}

const RgbColor red{1, 0, 0}, blue{0, 0, 1}, green{0, 1, 0}, black{0, 0, 0}, white{1, 1, 1};
const RgbColor marker{0.3, 0.6, 0.9};

void expectColor(const RgbColor& actual, const RgbColor& expected) {
    EXPECT_DOUBLE_EQ(actual.red, expected.red);
    EXPECT_DOUBLE_EQ(actual.green, expected.green);
    EXPECT_DOUBLE_EQ(actual.blue, expected.blue);
}

TEST(Palette, SelectedCells) {
    Palette p = paletteOf({red, red, red, red}, {1, 2});
    EXPECT_EQ(firstSelectedCell(p), 1);
    EXPECT_EQ(lastSelectedCell(p), 2);
    p.selected[9] = true; // beyond count: ignored
    EXPECT_EQ(lastSelectedCell(p), 2);
    p.selected = {};
    EXPECT_EQ(firstSelectedCell(p), -1);
    EXPECT_EQ(lastSelectedCell(p), -1);
    p.count = 99; // a count beyond the array is read as the whole array
    p.selected[9] = true;
    EXPECT_EQ(lastSelectedCell(p), 9);
}

TEST(Palette, RgbGradientOverSelectedCellsOnly) {
    Palette p = paletteOf({black, marker, marker, marker, white}, {0, 2, 4});
    paletteGradientRgb(p);
    expectColor(p.colors[0], black);
    expectColor(p.colors[1], marker);
    expectColor(p.colors[2], {0.5, 0.5, 0.5});
    expectColor(p.colors[3], marker);
    expectColor(p.colors[4], white);
}

TEST(Palette, RgbGradientStepsEvenly) {
    Palette p = paletteOf({black, marker, marker, {0.9, 0.6, 0.3}}, {0, 1, 2, 3});
    paletteGradientRgb(p);
    expectColor(p.colors[1], {1 * 0.9 / 3, 1 * 0.6 / 3, 1 * 0.3 / 3});
    expectColor(p.colors[2], {2 * 0.9 / 3, 2 * 0.6 / 3, 2 * 0.3 / 3});
}

TEST(Palette, GradientsNeedTwoSelectedCells) {
    for (auto gradient : {paletteGradientRgb, paletteGradientHsb}) {
        Palette p = paletteOf({red, marker, blue}, {1});
        gradient(p);
        expectColor(p.colors[1], marker);
        Palette none = paletteOf({red, marker, blue}, {});
        gradient(none);
        expectColor(none.colors[1], marker);
    }
}

TEST(Palette, HsbGradientCases) {
    const struct {
        const char* what;
        RgbColor start, end, middle;
    } cases[] = {
        {"red to blue takes the short way through magenta", red, blue, hsbToRgb({5.0 / 6.0, 1, 1})},
        {"black to red runs through dark red", black, red, hsbToRgb({0, 1, 0.5})},
        {"gray to green keeps green's hue", {0.5, 0.5, 0.5}, green, hsbToRgb({1.0 / 3.0, 0.5, 0.75})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Palette p = paletteOf({c.start, marker, c.end}, {0, 1, 2});
        paletteGradientHsb(p);
        expectColor(p.colors[0], c.start);
        expectColor(p.colors[1], c.middle);
        expectColor(p.colors[2], c.end);
    }
}

TEST(Palette, Mean) {
    EXPECT_EQ(rgbToColorref(paletteMean(paletteOf({red, blue}, {}))), 0u);
    expectColor(paletteMean(paletteOf({red, marker, blue}, {0, 2})), {0.5, 0, 0.5});
}

} // namespace
} // namespace huex
