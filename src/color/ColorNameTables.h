#pragma once
// The two published colour name lists, generated into ColorNameTables.cpp by
// tools/color-name-tables.sh; source and licence stand at the top of that file.
#include "color/ColorNames.h"

#include <array>

namespace huex {

extern const std::array<ColorName, 267> isccColorNames;   // ISCC–NBS, list nbs-iscc
extern const std::array<ColorName, 27> russianColorNames; // Russian, list mlmc_russian

} // namespace huex
