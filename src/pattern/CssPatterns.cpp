#include "pattern/CssPatterns.h"

#include "pattern/ColorModels.h"

namespace huex {

namespace {

struct Notation {
    std::string_view name, patternString;
    Component first; // of the model the pattern writes
    // Empty for the models whose defaults suit CSS as they are.
    std::array<std::string_view, 3> formats;
};

constexpr std::string_view hexByte = "{x|0:255|2.*}", decimalByte = "{d|0:255|*.*}";

constexpr std::array<Notation, 9> notations{{
    {"CSS #hex", "#{rgbR}{rgbG}{rgbB}", Component::rgbR, {hexByte, hexByte, hexByte}},
    {"CSS rgb()", "rgb({rgbR} {rgbG} {rgbB})", Component::rgbR, {decimalByte, decimalByte, decimalByte}},
    {"CSS hsl()",
     "hsl({hslH} {hslS}% {hslL}%)",
     Component::hslH,
     {"{f|0:360|*.1}", "{f|0:100|*.1}", "{f|0:100|*.1}"}},
    {"CSS hwb()", "hwb({hwbH} {hwbW}% {hwbB}%)", Component::hwbH, {}},
    {"CSS lab()", "lab({labL}% {labA} {labB})", Component::labL, {}},
    {"CSS lch()", "lch({lchL}% {lchC} {lchH})", Component::lchL, {}},
    {"CSS oklab()", "oklab({oklabL}% {oklabA} {oklabB})", Component::oklabL, {}},
    {"CSS oklch()", "oklch({oklchL}% {oklchC} {oklchH})", Component::oklchL, {}},
    {"CSS display-p3", "color(display-p3 {p3R} {p3G} {p3B})", Component::p3R, {}},
}};

} // namespace

ColorPattern cssPattern(CssNotation notation) {
    const Notation& n = notations[static_cast<std::size_t>(notation)];
    const std::size_t model = modelIndex(n.first);
    const auto& formats = n.formats[0].empty() ? colorModels[model].defaultFormats : n.formats;
    ColorPattern p(std::string(n.name), "", std::array<std::string, 9>{});
    for (std::size_t i = 0; i < 3; ++i) parseFormatSpec(p.formats[model * 3 + i], formats[i]);
    analysePattern(p, n.patternString);
    return p;
}

std::vector<ColorPattern> cssPatterns() {
    std::vector<ColorPattern> list;
    list.reserve(notations.size());
    for (std::size_t i = 0; i < notations.size(); ++i)
        list.push_back(cssPattern(static_cast<CssNotation>(i)));
    return list;
}

} // namespace huex
