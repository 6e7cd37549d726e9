// Colour text through patterns: formatColor and parseColorText for each built-in pattern and for
// "#{rgbR}{rgbG}{rgbB}", a CSS oklch() pattern, "{isccName}" and the three names, and
// parseCssColor of CSS colour texts, against one snprintf of three hexadecimal bytes as the
// baseline.
#include "color/Color.h"
#include "color/CssColor.h"
#include "pattern/ColorPattern.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using huex::ColorPattern;

// A spread of colours so that no branch is predicted for free.
std::vector<huex::RgbColor> sampleColors() {
    std::vector<huex::RgbColor> colors;
    for (huex::ColorRef c = 0; c < (1u << 24); c += 16777213u / 1021u)
        colors.push_back(huex::colorrefToRgb(c));
    return colors;
}

ColorPattern benchPattern(int index) {
    if (index < 4) return std::move(huex::builtInPatterns()[static_cast<std::size_t>(index)]);
    if (index == 6) return ColorPattern("isccName", "{isccName}", std::array<std::string, 9>{});
    if (index == 7)
        return ColorPattern("names", "{ruName} · {cssName} · {isccName}", std::array<std::string, 9>{});
    if (index == 5) {
        ColorPattern oklch("oklch", "oklch({oklchL}% {oklchC} {oklchH})", std::array<std::string, 9>{});
        oklch.formats[static_cast<std::size_t>(huex::Component::oklchL)] =
            huex::ComponentFormat("{f|0:100|*.2}");
        oklch.formats[static_cast<std::size_t>(huex::Component::oklchC)] =
            huex::ComponentFormat("{f|0:0.4|*.4}");
        oklch.formats[static_cast<std::size_t>(huex::Component::oklchH)] =
            huex::ComponentFormat("{f|0:360|*.2}");
        huex::analysePattern(oklch, oklch.patternString);
        return oklch;
    }
    const std::string hex = "{X|0:255|2.*}";
    return ColorPattern("#RRGGBB", "#{rgbR}{rgbG}{rgbB}",
                        std::array<std::string, 9>{hex, hex, hex, "", "", "", "", "", ""});
}

const char* const patternNames[] = {"builtin1_RRGGBB", "builtin2_HSB", "builtin3_HSL", "builtin4_CMY",
                                    "hash_RRGGBB",     "css_oklch",    "isccName",     "three_names"};

void snprintfBaseline(benchmark::State& state) {
    const auto colors = sampleColors();
    std::size_t i = 0;
    char buf[16];
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        const huex::RgbColor& c = colors[i++ % colors.size()];
        std::snprintf(buf, sizeof buf, "%02X%02X%02X", huex::toByte(c.red), huex::toByte(c.green),
                      huex::toByte(c.blue));
        benchmark::DoNotOptimize(buf);
    }
}

void formatColor(benchmark::State& state) {
    const ColorPattern p = benchPattern(static_cast<int>(state.range(0)));
    state.SetLabel(patternNames[state.range(0)]);
    const auto colors = sampleColors();
    std::vector<huex::HsbColor> hsb;
    hsb.reserve(colors.size());
    for (const auto& c : colors) hsb.push_back(huex::rgbToHsb(c));
    std::size_t i = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        const std::size_t k = i++ % colors.size();
        benchmark::DoNotOptimize(huex::formatColor(p, colors[k], hsb[k]));
    }
}

void parseColorText(benchmark::State& state) {
    ColorPattern p = benchPattern(static_cast<int>(state.range(0)));
    state.SetLabel(patternNames[state.range(0)]);
    const auto colors = sampleColors();
    std::vector<std::string> texts;
    texts.reserve(colors.size());
    for (const auto& c : colors) texts.push_back(huex::formatColor(p, c, huex::rgbToHsb(c)));
    std::size_t i = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        benchmark::DoNotOptimize(huex::parseColorText(p, texts[i++ % texts.size()]));
    }
    if (p.parseFailed) state.SkipWithError("text did not parse back");
}

// A CSS colour text: a plain hex, and an oklch() far outside sRGB, whose gamut mapping is the
// slowest path a colour text takes.
void parseCssColor(benchmark::State& state) {
    static const char* const texts[] = {"#1e90ff", "oklch(70% 0.4 30)"};
    static const char* const labels[] = {"hex", "oklch_out_of_gamut"};
    const char* text = texts[state.range(0)];
    state.SetLabel(labels[state.range(0)]);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores)
        benchmark::DoNotOptimize(huex::parseCssColor(text));
    }
    if (!huex::parseCssColor(text)) state.SkipWithError("text did not parse");
}

BENCHMARK(snprintfBaseline);
BENCHMARK(formatColor)->DenseRange(0, 7);
// The three names write text no pattern reads back, so they are not read here.
BENCHMARK(parseColorText)->DenseRange(0, 6);
BENCHMARK(parseCssColor)->DenseRange(0, 1);

} // namespace
