#include "picker/PickerPersistence.h"

#include <algorithm>

namespace huex {

void applySettings(PickerState& state, const Settings& settings) {
    state.firstRun = settings.firstRun ? 1 : 0;
    state.animation = settings.animation;
    state.interval = settings.interval;
    state.period = settings.period;
    state.marqueePhase = 0;
    state.palette = settings.palette;
    state.selectionAnchor = state.selectionCursor = std::max(firstSelectedCell(state.palette), 0);
    state.magnifier = sanitized(settings.magnifier);
    state.captureCenter = settings.captureCenter;
    state.patterns = builtInPatterns();
    state.patterns.insert(state.patterns.end(), settings.userPatterns.begin(), settings.userPatterns.end());
    const int count = static_cast<int>(state.patterns.size());
    state.pattern1 = settings.pattern1 >= 0 && settings.pattern1 < count ? settings.pattern1 : 0;
    state.pattern2 = settings.pattern2 >= 0 && settings.pattern2 < count ? settings.pattern2 : 1;
    if (settings.focus == StartFocus::zoom) {
        state.zoomActive = 1;
        state.paletteActive = 0;
    } else if (settings.focus == StartFocus::palette) {
        state.zoomActive = 0;
        state.paletteActive = 1;
    }
    state.focusOnColor1 = settings.focusOnColor1 ? 1 : 0;
    state.focusOnColor2 = settings.focusOnColor1 ? 0 : 1;
    state.currentColor = settings.currentColor;
    state.vision = settings.vision;
    state.hotKeys = settings.hotKeys;
}

void applyFirstRun(PickerState& state) {
    state.currentColor = {1, 1, 1};
    state.palette.selected[0] = true;
}

Settings settingsToSave(const PickerState& state, const WindowFacts& window) {
    Settings s;
    s.firstRun = false;
    s.animation = state.animation;
    s.interval = state.interval;
    s.period = state.period;
    s.posX = state.savedLeft != useLiveWindowRect ? state.savedLeft : window.liveWindow.left;
    s.posY = state.savedTop != useLiveWindowRect ? state.savedTop : window.liveWindow.top;
    // The width is kept in 96-DPI units, so that the window keeps its apparent size on another screen.
    s.width = storedWindowWidth(state.savedWidth != useLiveWindowRect ? state.savedWidth
                                                                      : window.liveWindow.width(),
                                state.layout.scale, window.frameWidth, window.frameWidth96);
    s.focusOnColor1 = state.focusOnColor1 != 0;
    s.currentColor = state.currentColor;
    s.modifier = window.modifier;
    s.palette = state.palette;
    s.magnifier = state.magnifier;
    s.captureCenter = state.captureCenter;
    constexpr std::size_t builtIn = 4;
    if (state.patterns.size() > builtIn)
        s.userPatterns.assign(state.patterns.begin() + builtIn, state.patterns.end());
    s.pattern1 = state.pattern1;
    s.pattern2 = state.pattern2;
    s.mode1 = window.check1;
    s.mode2 = window.check2;
    s.vision = state.vision;
    s.hotKeys = state.hotKeys;
    return s;
}

int storedWindowWidth(int windowWidth, Scale scale, int frameWidth, int frameWidth96) {
    return scale.unscaled(windowWidth - frameWidth) + frameWidth96;
}

int windowWidthFromStored(int stored, Scale scale, int frameWidth, int frameWidth96) {
    return scale(stored - frameWidth96) + frameWidth;
}

} // namespace huex
