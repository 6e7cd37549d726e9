#pragma once
// The picker window's plain state: every value member, at its start value, in declaration order
// of the window. Handles and child controls live in ColorPickerDialog; this part needs no window
// and is tested natively.
#include "color/Color.h"
#include "color/Palette.h"
#include "color/Vision.h"
#include "pattern/ColorPattern.h"
#include "picker/Layout.h"
#include "picker/Magnifier.h"
#include "settings/HotKeys.h"

#include <vector>

namespace huex {

enum class DragMode : int { idle = 0, pipette = 1, color = 2, hover = 4 };

struct PickerState {
    ColorRef backgroundColor = 0; // set at initialisation
    int period = 2;
    int marqueePhase = 0;
    int interval = 350;
    int animation = 0;
    int fadeLevel = 8;
    int fadeStep = 1;
    PickerLayout layout = computeLayout(7, 11); // from the start values of viewSize and zoomFactor
    Point captureCenter{100, 100};
    Point savedCenter{};
    int windowShowState = 5;
    int flashStep = 0;
    // viewSize 7, zoomFactor 11, sampleSize 1, pickOffset (0, 0), viewOffset (1, 1)
    MagnifierState magnifier{};
    int zoomActive = 1;
    int focusOnColor1 = 1;
    int focusOnColor2 = 0;
    Point savedPickOffset{}, savedViewOffset{};
    int frameWidth = kFrameWidth;
    Palette palette{}; // paletteCount, palette, paletteSelected
    int paletteActive = 0;
    int selectionAnchor = 0, selectionCursor = 0;
    int dropHoverCell = -1;
    int colorMenuTarget = 0;
    RgbColor currentColor{0, 0, 0};
    int savedLeft = useLiveWindowRect, savedTop = useLiveWindowRect, savedWidth = useLiveWindowRect;
    std::vector<ColorPattern> patterns = builtInPatterns();
    int pattern1 = 0, pattern2 = 1;
    int patternMenuSlot = 1;
    int firstRun = 0;
    DragMode dragMode = DragMode::idle;
    int flashKind = 0;
    Vision vision = Vision::normal; // how the zoom view shows the screen; picks stay true
    HotKeySettings hotKeys;
};

} // namespace huex
