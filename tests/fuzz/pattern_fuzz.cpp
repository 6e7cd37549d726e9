// Pattern text and typed text -> analysePattern -> formatColor -> parseColorText.
// Input layout: byte 0 picks the formats, then the pattern text, a NUL, and the typed text.
// formatColor is also checked against the plain one-placeholder-after-the-other replacement of
// every model's placeholders, then the name placeholders, each where the pattern holds it.
#include "color/Color.h"
#include "color/ColorNames.h"
#include "pattern/ColorModels.h"
#include "pattern/ColorPattern.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"
#include "pattern/Placeholders.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::array<const char*, 16> specs{"{X|0:255|2.*}",
                                            "{d|0:360|*.*}",
                                            "{d|0:100|*.*}",
                                            "{d|255:0|*.*}",
                                            "{f|0:1|*.3}",
                                            "{b|0:255|8.*}",
                                            "{o|-10:300|*.*}",
                                            "{x|0:255|*.*}",
                                            "{f|-1e300:1e300|06.2}",
                                            "{q|0:1|2.*}",
                                            "",
                                            "{F|0:1|*.*}",
                                            "{x|0:15|*.*}",
                                            "{X|0:255|*.*}",
                                            "{b|0:1|*.*}",
                                            "{B|0:3|*.*}"};

bool inUnitRange(double v) {
    const double slack = 1e-9; // HSB and HSL conversions of fractions stay within 0..1 up to rounding
    return v >= -slack && v <= 1 + slack;
}

std::string referenceText(const huex::ColorPattern& p, const huex::RgbColor& rgb, const huex::HsbColor& hsb) {
    // Every model's placeholders, each with its model's fraction, as the formatter writes them.
    const auto& names = huex::placeholders;
    std::array<double, huex::componentCount> fractions{};
    for (std::size_t m = 0; m < huex::modelCount; ++m) {
        const auto f = huex::colorModels[m].fractions(rgb, hsb);
        for (std::size_t k = 0; k < 3; ++k) fractions[m * 3 + k] = f[k];
    }
    static constexpr std::array<std::pair<std::string_view, huex::NameList>, 3> colorNames{
        {{"{cssName}", huex::NameList::css},
         {"{isccName}", huex::NameList::iscc},
         {"{ruName}", huex::NameList::russian}}};
    std::string text = p.patternString;
    for (std::size_t c = 0; c < names.size() + colorNames.size(); ++c) {
        const bool isName = c >= names.size();
        const std::string_view placeholder = isName ? colorNames[c - names.size()].first : names[c];
        if (isName && p.patternString.find(placeholder) == std::string::npos) continue;
        const std::string value = isName ? huex::colorNameText(colorNames[c - names.size()].second, rgb)
                                         : huex::formatComponent(p.formats[c], fractions[c]);
        std::string out;
        std::size_t copied = 0;
        for (std::size_t pos = text.find(placeholder); pos != std::string::npos;
             pos = text.find(placeholder, copied)) {
            out.append(text, copied, pos - copied);
            out += value;
            copied = pos + placeholder.size();
        }
        out.append(text, copied, std::string::npos);
        text.swap(out);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const unsigned choice = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t nul = rest.find('\0');
    const std::string_view patternText = rest.substr(0, nul);
    const std::string_view typed = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);

    std::array<std::string, 9> specTexts;
    for (std::size_t i = 0; i < 9; ++i) specTexts[i] = specs[(choice + i * (choice >> 4)) % specs.size()];
    huex::ColorPattern pattern("fuzz", std::string(), specTexts);
    huex::analysePattern(pattern, patternText);

    const huex::RgbColor colors[] = {
        {0, 0, 0}, {1, 1, 1}, {1, 128.0 / 255, 0}, {0.2, 0.4, 0.6}, {0.733, 0.7, 0.72}};
    for (const auto& c : colors) {
        const huex::HsbColor hsb = huex::rgbToHsb(c);
        const std::string text = huex::formatColor(pattern, c, hsb);
        if (text != referenceText(pattern, c, hsb)) std::abort();
        const huex::RgbColor back = huex::parseColorText(pattern, text);
        if (!pattern.valid && !(back.red == 0 && back.green == 0 && back.blue == 0)) std::abort();
    }
    const huex::RgbColor typedColor = huex::parseColorText(pattern, typed);
    if (pattern.valid && !pattern.parseFailed &&
        !(inUnitRange(typedColor.red) && inUnitRange(typedColor.green) && inUnitRange(typedColor.blue))) {
        std::abort();
    }
    const huex::ColorPattern copy(pattern);
    if (copy.valid != pattern.valid || copy.patternString != pattern.patternString) std::abort();
    return 0;
}
