#pragma once
// Fonts by face and point size, as the controls and windows ask for them.
#include <windows.h>

namespace huex::win {

// A font of `face` at `tenthsOfPoint` tenths of a point for `dpi` (0: the screen's resolution);
// the caller owns it (UniqueFont).
HFONT createPointFont(int tenthsOfPoint, const wchar_t* face, int dpi = 0);

// Whether the system has a font family of that face (a missing one is silently substituted).
bool fontInstalled(const wchar_t* face);

} // namespace huex::win
