#pragma once
// Colour to text through a pattern.
#include "color/Color.h"
#include "pattern/ColorPattern.h"

#include <string>

namespace huex {

std::string formatComponent(const ComponentFormat& f, double fraction);
std::string formatColor(const ColorPattern& p, const RgbColor& rgb, const HsbColor& hsb);

} // namespace huex
