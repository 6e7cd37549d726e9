#pragma once
// The colour models a pattern can write and read: one row a model, read by the analysis, the
// formatter and the parser alike. Rows stand in the order the analysis prefers them, which is the
// order of Component.
#include "color/Color.h"
#include "color/ColorSpaces.h"
#include "pattern/ColorPattern.h"

#include <array>
#include <string_view>

namespace huex {

struct ColorModel {
    std::string_view name;        // as the pattern editor shows it
    std::array<bool, 3> isSigned; // fractions in -1..1 (Lab's and OKLab's a and b), else 0..1
    // The three fractions of a colour, given in RGB and HSB.
    Coords (*fractions)(const RgbColor& rgb, const HsbColor& hsb);
    // The colour of three fractions, brought into sRGB when it lies outside.
    RgbColor (*color)(const Coords& fractions);
    // The formats a pattern gets for this model when it comes to use it with none of its own
    // (empty for the classic models: the new-pattern template holds theirs).
    std::array<std::string_view, 3> defaultFormats;
};

inline constexpr std::size_t modelCount = componentCount / 3;
extern const std::array<ColorModel, modelCount> colorModels;

constexpr std::size_t modelIndex(Component c) {
    return static_cast<std::size_t>(c) / 3;
}
constexpr Component firstComponent(std::size_t model) {
    return static_cast<Component>(model * 3);
}
// Models of today's files, read back by their own old rule.
inline constexpr std::size_t classicModels = 3;

// Whether the pattern string holds any placeholder of the model.
bool usesModel(std::string_view patternString, std::size_t model);
// Every model the string uses whose three formats are all empty gets its default formats; the
// pattern is not re-analysed here.
void fillDefaultFormats(ColorPattern& p, std::string_view patternString);

} // namespace huex
