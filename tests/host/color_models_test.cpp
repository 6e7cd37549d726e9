// The six CSS models of the pattern language: what they write, what they read back, and where
// their rules differ from the classic three. The worked values are Color.js's, rounded as the
// formats round.
#include "pattern/ColorModels.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace huex {
namespace {

enum Model { hwb = 3, lab, lch, oklab, oklch, p3 };

// The CSS notation of each new model, through its default formats.
constexpr std::array<const char*, 6> cssNotations{
    "hwb({hwbH} {hwbW}% {hwbB}%)",        "lab({labL}% {labA} {labB})",
    "lch({lchL}% {lchC} {lchH})",         "oklab({oklabL}% {oklabA} {oklabB})",
    "oklch({oklchL}% {oklchC} {oklchH})", "color(display-p3 {p3R} {p3G} {p3B})"};

ColorPattern modelPattern(std::size_t model, std::string_view text,
                          const std::array<std::string_view, 3>& formats) {
    ColorPattern p;
    for (std::size_t k = 0; k < 3; ++k) p.formats[3 * model + k] = ComponentFormat(formats[k]);
    analysePattern(p, text);
    return p;
}

ColorPattern cssPattern(std::size_t model) {
    return modelPattern(model, cssNotations[model - hwb], colorModels[model].defaultFormats);
}

RgbColor fromHex(ColorRef rrggbb) {
    return colorrefToRgb((rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16);
}
ColorRef toHex(const RgbColor& c) {
    const ColorRef bgr = rgbToColorref(c);
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

struct WorkedRow {
    ColorRef color; // 0xRRGGBB
    std::array<const char*, 6> texts;
};

TEST(ColorModels, WorkedValues) {
    // White, black, the primaries, a gray; either side of the HSB/HWB hue seam (FF0001, FF0100),
    // of LCh's (FF008B, FF0088) and of OKLCh's (FF0088, FF0085).
    const WorkedRow rows[] = {
        {0xFFFFFF,
         {"hwb(0.0 100.0% 0.0%)", "lab(100.00% 0.00 0.00)", "lch(100.00% 0.00 0.00)",
          "oklab(100.00% 0.0000 0.0000)", "oklch(100.00% 0.0000 0.00)",
          "color(display-p3 1.0000 1.0000 1.0000)"}},
        {0x000000,
         {"hwb(0.0 0.0% 100.0%)", "lab(0.00% 0.00 0.00)", "lch(0.00% 0.00 0.00)",
          "oklab(0.00% 0.0000 0.0000)", "oklch(0.00% 0.0000 0.00)",
          "color(display-p3 0.0000 0.0000 0.0000)"}},
        {0xFF0000,
         {"hwb(0.0 0.0% 0.0%)", "lab(54.29% 80.80 69.89)", "lch(54.29% 106.84 40.86)",
          "oklab(62.80% 0.2249 0.1258)", "oklch(62.80% 0.2577 29.23)",
          "color(display-p3 0.9175 0.2003 0.1386)"}},
        {0x00FF00,
         {"hwb(120.0 0.0% 0.0%)", "lab(87.82% -79.27 80.99)", "lch(87.82% 113.33 134.38)",
          "oklab(86.64% -0.2339 0.1795)", "oklch(86.64% 0.2948 142.50)",
          "color(display-p3 0.4584 0.9853 0.2983)"}},
        {0x0000FF,
         {"hwb(240.0 0.0% 0.0%)", "lab(29.57% 68.29 -112.03)", "lch(29.57% 131.20 301.36)",
          "oklab(45.20% -0.0325 -0.3115)", "oklch(45.20% 0.3132 264.05)",
          "color(display-p3 0.0000 0.0000 0.9596)"}},
        {0x808080,
         {"hwb(0.0 50.2% 49.8%)", "lab(53.59% 0.00 0.00)", "lch(53.59% 0.00 0.00)",
          "oklab(59.99% 0.0000 0.0000)", "oklch(59.99% 0.0000 0.00)",
          "color(display-p3 0.5020 0.5020 0.5020)"}},
        {0xFF0001,
         {"hwb(359.8 0.0% 0.0%)", "lab(54.29% 80.81 69.63)", "lch(54.29% 106.67 40.75)",
          "oklab(62.80% 0.2250 0.1256)", "oklch(62.80% 0.2576 29.18)",
          "color(display-p3 0.9175 0.2003 0.1399)"}},
        {0xFF0100,
         {"hwb(0.2 0.0% 0.0%)", "lab(54.31% 80.74 69.89)", "lch(54.31% 106.79 40.88)",
          "oklab(62.81% 0.2247 0.1259)", "oklch(62.81% 0.2575 29.26)",
          "color(display-p3 0.9175 0.2012 0.1387)"}},
        {0xFF008B,
         {"hwb(327.3 0.0% 0.0%)", "lab(55.90% 84.41 -0.38)", "lch(55.90% 84.41 359.74)",
          "oklab(64.87% 0.2635 -0.0044)", "oklch(64.87% 0.2635 359.04)",
          "color(display-p3 0.9175 0.2003 0.5392)"}},
        {0xFF0088,
         {"hwb(328.0 0.0% 0.0%)", "lab(55.83% 84.24 1.31)", "lch(55.83% 84.25 0.89)",
          "oklab(64.77% 0.2626 -0.0001)", "oklch(64.77% 0.2626 359.98)",
          "color(display-p3 0.9175 0.2003 0.5284)"}},
        {0xFF0085,
         {"hwb(328.7 0.0% 0.0%)", "lab(55.76% 84.09 3.01)", "lch(55.76% 84.14 2.05)",
          "oklab(64.68% 0.2617 0.0042)", "oklch(64.68% 0.2617 0.91)",
          "color(display-p3 0.9175 0.2003 0.5175)"}},
    };
    for (std::size_t model = hwb; model <= p3; ++model) {
        const ColorPattern pattern = cssPattern(model);
        ASSERT_TRUE(pattern.valid) << pattern.patternString;
        for (const auto& row : rows) {
            const RgbColor c = fromHex(row.color);
            EXPECT_EQ(formatColor(pattern, c, rgbToHsb(c)), row.texts[model - hwb]) << std::hex << row.color;
        }
    }
}

TEST(ColorModels, HighPrecisionTextsReadBackToTheSameColour) {
    constexpr std::array<std::array<std::string_view, 3>, 6> fine{{
        {"{f|0:360|*.12}", "{f|0:100|*.12}", "{f|0:100|*.12}"},
        {"{f|0:100|*.12}", "{f|0:125|*.12}", "{f|0:125|*.12}"},
        {"{f|0:100|*.12}", "{f|0:150|*.12}", "{f|0:360|*.12}"},
        {"{f|0:100|*.12}", "{f|0:0.4|*.12}", "{f|0:0.4|*.12}"},
        {"{f|0:100|*.12}", "{f|0:0.4|*.12}", "{f|0:360|*.12}"},
        {"{f|0:1|*.12}", "{f|0:1|*.12}", "{f|0:1|*.12}"},
    }};
    std::mt19937 random(21);
    std::uniform_real_distribution<double> channel(0, 1);
    std::vector<RgbColor> colors{{0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.5, 0.5, 0.5}};
    while (colors.size() < 300) colors.push_back({channel(random), channel(random), channel(random)});
    for (std::size_t model = hwb; model <= p3; ++model) {
        ColorPattern pattern = modelPattern(model, cssNotations[model - hwb], fine[model - hwb]);
        for (const auto& c : colors) {
            const std::string text = formatColor(pattern, c, rgbToHsb(c));
            const RgbColor back = parseColorText(pattern, text);
            ASSERT_FALSE(pattern.parseFailed) << text;
            EXPECT_NEAR(back.red, c.red, 1e-9) << text;
            EXPECT_NEAR(back.green, c.green, 1e-9) << text;
            EXPECT_NEAR(back.blue, c.blue, 1e-9) << text;
        }
    }
}

struct ReadRow {
    std::size_t model;
    std::array<std::string_view, 3> formats; // empty: the defaults
    const char* text;
    long expected; // 0xRRGGBB, or -1: refused
};

TEST(ColorModels, ReadingRules) {
    const ReadRow rows[] = {
        // Signed a and b: a "-" for decimal texts, in -100..100 % of the reference range.
        {lab, {"{d|0:100|*.*}", "{d|0:125|*.*}", "{d|0:125|*.*}"}, "lab(54% -20 30)", 0x6B8A4B},
        {lab, {"{d|0:100|*.*}", "{x|0:125|*.*}", "{x|0:125|*.*}"}, "lab(54% -14 1e)", -1},
        {lab, {}, "lab(54.00% -20.00 30.00)", 0x6B8A4B},
        {lab, {}, "lab(54.00% -126.00 30.00)", -1},
        {oklab, {}, "oklab(50.00% -0.4000 -0.4000)", 0x006F95},
        // A pattern's ranges are its own: a chroma past 100 % is refused, not mapped.
        {oklch, {}, "oklch(70.00% 0.4500 30.00)", -1},
        {oklch, {}, "oklch(70.00% 0.4000 30.00)", 0xFF5843},
        // Outside sRGB: brought in by CSS's gamut mapping.
        {lab, {}, "lab(50.00% 125.00 -125.00)", 0xBB4DFF},
        {p3, {}, "color(display-p3 0.0000 1.0000 0.0000)", 0x00FB29},
        {oklab, {}, "oklab(60.00% -0.4000 0.4000)", 0x429800},
        // OKLab and OKLCh keep the text's own lightness at the ends.
        {oklch, {}, "oklch(100.00% 0.1000 0.00)", 0xFFFFFF},
        {oklab, {}, "oklab(0.00% 0.1000 0.0000)", 0x000000},
        // HWB: whiteness plus blackness of 100 % or more is a gray.
        {hwb, {}, "hwb(0.0 60.0% 60.0%)", 0x808080},
        {hwb, {}, "hwb(200.0 100.0% 100.0%)", 0x808080},
        {hwb, {}, "hwb(0.0 20.0% 80.0%)", 0x333333},
        {hwb, {}, "hwb(0.0 -20.0% 80.0%)", -1},
        {hwb, {}, "hwb(360.5 20.0% 20.0%)", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ColorPattern p = row.formats[0].empty()
                             ? cssPattern(row.model)
                             : modelPattern(row.model, cssNotations[row.model - hwb], row.formats);
        ASSERT_TRUE(p.valid);
        const RgbColor c = parseColorText(p, row.text);
        EXPECT_EQ(p.parseFailed, row.expected < 0);
        if (row.expected >= 0) {
            EXPECT_EQ(toHex(c), static_cast<ColorRef>(row.expected));
        }
    }
}

struct AnalysisRow {
    const char* pattern;
    bool valid;
    Component first; // of the text order
    int prefix;
    const char* separator1;
    const char* separator2;
    const char* suffix;
};

TEST(ColorModels, PlaceholdersOfEveryLengthAreCutAsBefore) {
    using C = Component;
    const AnalysisRow rows[] = {
        {"oklch({oklchL}% {oklchC} {oklchH})", true, C::oklchL, 6, "% ", " ", ")"},
        {"color(display-p3 {p3R} {p3G} {p3B})", true, C::p3R, 17, " ", " ", ")"},
        // The classic models still come first; later placeholders are marked at their own length.
        {"{hwbH}:{rgbR},{rgbG},{rgbB} {oklabL}", true, C::rgbR, 7, ":", ",", ",~*^^*~ ~*^^^^*~"},
        {"{labB} {labA} {labL}", true, C::labB, 0, " ", " ", ""},
        {"{lchL}{lchL} {lchC} {lchH}", false, C::hsbH, 0, "", "", ""},
        {"{oklchL} {oklchC}", false, C::hsbH, 0, "", "", ""},
        {"~*^^^^*~{oklchL},{oklchC},{oklchH}", false, C::oklchL, 8, "", ",", ",~*^^^^*~"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pattern);
        ColorPattern p;
        for (auto& f : p.formats) f = ComponentFormat("{d|0:100|*.*}");
        analysePattern(p, row.pattern);
        EXPECT_EQ(p.valid, row.valid);
        if (!row.valid && row.prefix == 0) continue;
        EXPECT_EQ(p.textOrder[0], row.first);
        EXPECT_EQ(p.prefixLength, row.prefix);
        EXPECT_EQ(p.separator1, row.separator1);
        EXPECT_EQ(p.separator2, row.separator2);
        EXPECT_EQ(p.suffix, row.suffix);
    }
}

} // namespace
} // namespace huex
