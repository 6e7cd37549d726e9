// What a load puts into the picker's state and what a save takes from it.
#include "SettingsDifference.h"
#include "picker/PickerPersistence.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

TEST(PickerPersistence, LoadedSettingsGoIntoTheStateAndComeBackOut) {
    const Settings s = nonDefaultSettings();
    PickerState state;
    applySettings(state, s);
    EXPECT_EQ(state.patterns.size(), 4 + s.userPatterns.size());
    EXPECT_EQ(state.patterns[0].name, "RRGGBB");
    EXPECT_EQ(state.patterns[4].name, "Свой");
    EXPECT_EQ(state.focusOnColor1, 0);
    EXPECT_EQ(state.focusOnColor2, 1);
    EXPECT_EQ(state.selectionAnchor, 4); // the first selected cell
    WindowFacts facts{Rect{40, 50, 370, 200}, s.modifier, s.mode1, s.mode2};
    Settings saved = settingsToSave(state, facts);
    saved.contrast = s.contrast; // kept by the contrast window, not the picker's state
    saved.history = s.history;   // kept by the history window
    EXPECT_EQ(settingsDifference(s, saved, 0), "");
    EXPECT_FALSE(saved.firstRun);
}

TEST(PickerPersistence, SourceOfTheColourFollowsTheStartFocus) {
    const struct {
        StartFocus focus;
        int zoomActive, paletteActive;
    } cases[] = {{StartFocus::zoom, 1, 0},
                 {StartFocus::palette, 0, 1},
                 {StartFocus::marker, 1, 0}, // the start values stay
                 {StartFocus::edit1, 1, 0}}; // the edit's focus clears both once it arrives
    for (const auto& c : cases) {
        Settings s;
        s.focus = c.focus;
        PickerState state;
        applySettings(state, s);
        EXPECT_EQ(state.zoomActive, c.zoomActive) << static_cast<int>(c.focus);
        EXPECT_EQ(state.paletteActive, c.paletteActive) << static_cast<int>(c.focus);
    }
}

TEST(PickerPersistence, HiddenWindowSavesWhereItWasHidden) {
    PickerState state;
    const WindowFacts facts{Rect{-32000, -32000, -31840, -31970}, 0, false, true};
    EXPECT_EQ(settingsToSave(state, facts).posX, -32000); // visible: the live rectangle
    state.savedLeft = 120;
    state.savedTop = 80;
    state.savedWidth = 310;
    const Settings saved = settingsToSave(state, facts);
    EXPECT_EQ(saved.posX, 120);
    EXPECT_EQ(saved.posY, 80);
    EXPECT_EQ(saved.width, 310);
}

TEST(PickerPersistence, FirstRunShowsWhiteWithTheFirstCellSelected) {
    PickerState state;
    state.palette.selected.fill(false);
    applyFirstRun(state);
    EXPECT_EQ(state.currentColor.red + state.currentColor.green + state.currentColor.blue, 3.0);
    EXPECT_TRUE(state.palette.selected[0]);
}

} // namespace
} // namespace huex
