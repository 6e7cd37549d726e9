#pragma once
// The five colour modifiers and the colours derived for drawing.
#include "color/Color.h"

#include <string_view>

namespace huex {

enum class ColorMode : int { web = 139, gray, desaturation, inversion, complement };

std::string_view colorModeName(ColorMode mode); // "web", "gray", ...
RgbColor modifiedColor(ColorMode mode, const RgbColor& c);
RgbColor contrastColor(const RgbColor& c);
ColorRef mixColors(ColorRef a, ColorRef b, double weight);

} // namespace huex
