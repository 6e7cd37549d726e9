#pragma once
// Between the picker's plain state and the settings kept between runs: what a load puts into the
// state, what a first start changes, and what a save takes from it.
#include "picker/PickerState.h"
#include "settings/Settings.h"

namespace huex {

// The persistent members take the loaded values: marquee, palette, magnifier and capture centre,
// the user's patterns after the built-in ones, slot patterns, colour focus and current colour,
// and which source ("focus") the colour comes from.
void applySettings(PickerState& state, const Settings& settings);

// A first start shows white, with palette cell 0 selected.
void applyFirstRun(PickerState& state);

// What the window saves. The window's position is the remembered one while it is hidden, else
// `liveWindow` (left, top, right; the height follows the layout).
struct WindowFacts {
    Rect liveWindow;
    int modifier = 0; // checked modifier item - 139
    bool check1 = false, check2 = true;
    // The frame's width (window less client) now and at 96 DPI: a frame need not scale with the
    // client area, so only the client part of the width is scaled.
    int frameWidth = 8, frameWidth96 = 8;
};
Settings settingsToSave(const PickerState& state, const WindowFacts& window);

// The window width as stored, the width the window would have at 96 DPI, and back.
int storedWindowWidth(int windowWidth, Scale scale, int frameWidth, int frameWidth96);
int windowWidthFromStored(int stored, Scale scale, int frameWidth, int frameWidth96);

} // namespace huex
