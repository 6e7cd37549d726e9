#pragma once
// A named colour text pattern and the analysis that lets typed text be read back through it.
#include "pattern/ComponentFormat.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace huex {

// Three components a model, in the order the analysis prefers the models.
enum class Component : int {
    hsbH,
    hsbS,
    hsbB,
    hslH,
    hslS,
    hslL,
    rgbR,
    rgbG,
    rgbB,
    hwbH,
    hwbW,
    hwbB,
    labL,
    labA,
    labB,
    lchL,
    lchC,
    lchH,
    oklabL,
    oklabA,
    oklabB,
    oklchL,
    oklchC,
    oklchH,
    p3R,
    p3G,
    p3B
};
inline constexpr int componentCount = 27;

class ColorPattern {
  public:
    bool valid = false, parseFailed = false;
    std::string patternString;
    std::array<Component, 3> textOrder{}; // the model's components in the order their placeholders appear
    std::array<std::string, 3>
        componentTexts; // model order; textOrder[k] uses componentTexts[int(textOrder[k]) % 3]
    std::string separator1, separator2, suffix;
    std::int32_t prefixLength = 0;
    std::array<ComponentFormat, componentCount> formats; // indexed by Component
    std::string name;

    ColorPattern() = default;
    // spec texts and formats in constructor order: rgbR, rgbG, rgbB, hsbH, hsbS, hsbB, hslH, hslS, hslL;
    // the formats of the other models are then empty
    ColorPattern(std::string name, std::string patternString, const std::array<std::string, 9>& specTexts);
    ColorPattern(std::string name, std::string patternString, const std::array<ComponentFormat, 9>& formats);
    // copy = name copied, each format re-parsed from its specText, pattern re-analysed
    ColorPattern(const ColorPattern& other);
    ColorPattern& operator=(const ColorPattern& other);
    ColorPattern(ColorPattern&&) noexcept = default;
    ColorPattern& operator=(ColorPattern&&) noexcept = default;
    ~ColorPattern() = default;
};

void analysePattern(ColorPattern& p, std::string_view text);
std::vector<ColorPattern> builtInPatterns(); // the four, in list order

} // namespace huex
