// The user patterns of a first start: each CSS notation, and texts that CSS reads back.
#include "color/ByteColor.h"
#include "color/CssColor.h"
#include "pattern/CssPatterns.h"
#include "pattern/Formatter.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace huex {
namespace {

TEST(CssPatterns, FirstStartList) {
    const std::string hex = "{x|0:255|2.*}", byte = "{d|0:255|*.*}";
    const struct {
        const char* name;
        const char* patternString;
        Component first;
        std::array<std::string, 3> formats;
    } rows[] = {
        {"CSS #hex", "#{rgbR}{rgbG}{rgbB}", Component::rgbR, {hex, hex, hex}},
        {"CSS rgb()", "rgb({rgbR} {rgbG} {rgbB})", Component::rgbR, {byte, byte, byte}},
        {"CSS hsl()",
         "hsl({hslH} {hslS}% {hslL}%)",
         Component::hslH,
         {"{f|0:360|*.1}", "{f|0:100|*.1}", "{f|0:100|*.1}"}},
        {"CSS hwb()",
         "hwb({hwbH} {hwbW}% {hwbB}%)",
         Component::hwbH,
         {"{f|0:360|*.1}", "{f|0:100|*.1}", "{f|0:100|*.1}"}},
        {"CSS lab()",
         "lab({labL}% {labA} {labB})",
         Component::labL,
         {"{f|0:100|*.2}", "{f|0:125|*.2}", "{f|0:125|*.2}"}},
        {"CSS lch()",
         "lch({lchL}% {lchC} {lchH})",
         Component::lchL,
         {"{f|0:100|*.2}", "{f|0:150|*.2}", "{f|0:360|*.2}"}},
        {"CSS oklab()",
         "oklab({oklabL}% {oklabA} {oklabB})",
         Component::oklabL,
         {"{f|0:100|*.2}", "{f|0:0.4|*.4}", "{f|0:0.4|*.4}"}},
        {"CSS oklch()",
         "oklch({oklchL}% {oklchC} {oklchH})",
         Component::oklchL,
         {"{f|0:100|*.2}", "{f|0:0.4|*.4}", "{f|0:360|*.2}"}},
        {"CSS display-p3",
         "color(display-p3 {p3R} {p3G} {p3B})",
         Component::p3R,
         {"{f|0:1|*.4}", "{f|0:1|*.4}", "{f|0:1|*.4}"}},
    };
    const Settings first = loadSettings(IniDocument(), Rect{0, 0, 100, 100});
    ASSERT_EQ(first.userPatterns.size(), std::size(rows));
    EXPECT_EQ(first.pattern1, 0);
    const std::vector<RgbColor> colors{{0, 0, 0},         {1, 1, 1},       {1, 0, 0},
                                       {0.1, 0.5, 1},     {0.5, 0.5, 0.5}, {128 / 255.0, 1, 3 / 255.0},
                                       {0.9, 0.85, 0.02}, {0.2, 0.01, 0.3}};
    for (std::size_t k = 0; k < std::size(rows); ++k) {
        const ColorPattern& p = first.userPatterns[k];
        SCOPED_TRACE(rows[k].name);
        EXPECT_EQ(p.name, rows[k].name);
        EXPECT_EQ(p.patternString, rows[k].patternString);
        EXPECT_TRUE(p.valid);
        for (int c = 0; c < componentCount; ++c) {
            const int offset = c - static_cast<int>(rows[k].first);
            EXPECT_EQ(p.formats[c].specText, offset >= 0 && offset < 3 ? rows[k].formats[offset] : "") << c;
        }
        // Bytes come back exactly; the decimal notations within what their digits keep.
        const bool bytes = k < 2;
        for (const RgbColor& color : colors) {
            const std::string text = formatColor(p, color, rgbToHsb(color));
            const auto back = parseCssColor(text);
            ASSERT_TRUE(back) << text;
            if (bytes) {
                EXPECT_EQ(toByteColor(*back), toByteColor(color)) << text;
            } else {
                const double off =
                    std::max({std::fabs(back->red - color.red), std::fabs(back->green - color.green),
                              std::fabs(back->blue - color.blue)});
                EXPECT_LT(off, 0.5 / 255) << text;
            }
        }
    }
}

} // namespace
} // namespace huex
