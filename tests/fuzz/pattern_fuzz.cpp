// Pattern text and typed text -> analysePattern -> formatColor -> parseColorText.
// Input layout: byte 0 picks formats, then the pattern text, a NUL, and the typed text.
#include "color/Color.h"
#include "pattern/ColorPattern.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::array<const char*, 12> specs{"{X|0:255|2.*}",
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
                                            "{F|0:1|*.*}"};

bool isFraction(double v) {
    return v >= 0 && v <= 1;
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

    const huex::RgbColor colors[] = {{0, 0, 0}, {1, 1, 1}, {1, 128.0 / 255, 0}, {0.2, 0.4, 0.6}};
    for (const auto& c : colors) {
        const std::string text = huex::formatColor(pattern, c, huex::rgbToHsb(c));
        const huex::RgbColor back = huex::parseColorText(pattern, text);
        if (!pattern.valid && !(back.red == 0 && back.green == 0 && back.blue == 0)) std::abort();
    }
    const huex::RgbColor typedColor = huex::parseColorText(pattern, typed);
    if (pattern.valid && !pattern.parseFailed &&
        !(isFraction(typedColor.red) && isFraction(typedColor.green) && isFraction(typedColor.blue))) {
        // HSB and HSL conversions of fractions stay within 0..1 up to rounding.
        const double slack = 1e-9;
        if (!(typedColor.red >= -slack && typedColor.red <= 1 + slack)) std::abort();
    }
    const huex::ColorPattern copy(pattern);
    if (copy.valid != pattern.valid) std::abort();
    return 0;
}
