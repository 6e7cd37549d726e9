// What the picker's gestures and commands change in its state: wheel steps and the advancing
// selection, drags and drops, the colour commands and the gradients.
#include "picker/PaletteSelection.h"
#include "picker/PickerActions.h"

#include <gtest/gtest.h>

#include <string>

namespace huex {
namespace {

// "0100000" style pictures of the selection in use; the first n characters.
std::string picture(const Palette& p) {
    std::string s;
    for (int i = 0; i < p.count; ++i) s += p.selected[static_cast<std::size_t>(i)] ? '1' : '0';
    return s;
}

Palette withSelection(const std::string& cells) {
    Palette p;
    p.count = static_cast<int>(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) p.selected[i] = cells[i] == '1';
    return p;
}

TEST(PaletteSteps, WheelNotchesInBothDirectionsWithAndWithoutModifiers) {
    struct Case {
        std::string before;
        int cursor;
        bool towardUser, extend;
        int cell;
    } cases[] = {
        {"0010000", 2, true, false, 3},  // one selected: the next
        {"0000001", 6, true, false, 6},  // already the last: stays
        {"0110100", 4, true, false, 4},  // several: the last alone
        {"0010000", 2, false, false, 1}, // away: the previous
        {"1000000", 0, false, false, 0}, // the first stays
        {"0110100", 4, false, false, 1}, // several: the first alone
        {"0000000", 0, false, false, 0}, // nothing selected: cell 0
        {"0000000", 0, true, false, 0},
        {"0110000", 2, true, true, 3},  // Shift/Ctrl: the cursor's neighbour, by click
        {"0000001", 6, true, true, -1}, // past the end: nothing
        {"1000000", 0, false, true, -1},
        {"0110000", 2, false, true, 1},
    };
    for (const Case& c : cases) {
        const Palette p = withSelection(c.before);
        EXPECT_EQ(wheelStepCell(p, {c.cursor, c.cursor}, c.towardUser, c.extend), c.cell)
            << c.before << " toward " << c.towardUser << " extend " << c.extend;
    }
}

TEST(PaletteSteps, AdvanceMovesPastTheFirstRunAndWraps) {
    struct Case {
        std::string before, after;
        int cursor;
    } cases[] = {
        {"1000000", "0100000", 1}, {"0000001", "1000000", 0}, {"0110100", "0001000", 3},
        {"0000011", "1000000", 0}, {"0000000", "1000000", 0},
    };
    for (const Case& c : cases) {
        Palette p = withSelection(c.before);
        SelectionMarks marks{5, 5};
        advancePaletteSelection(p, marks);
        EXPECT_EQ(picture(p), c.after) << c.before;
        EXPECT_EQ(marks.cursor, c.cursor) << c.before;
    }
    // Repeated stores walk the palette cell by cell and wrap round.
    Palette p = withSelection("100");
    SelectionMarks marks;
    std::string walk;
    for (int i = 0; i < 4; ++i) {
        advancePaletteSelection(p, marks);
        walk += std::to_string(marks.cursor);
    }
    EXPECT_EQ(walk, "1201");
}

PickerState stateWith(const std::string& selection) {
    PickerState s;
    s.palette = withSelection(selection);
    return s;
}

TEST(ColorDrag, DroppedColourIsRoundedAndTheModifiedColourTakesOverOnlyWhenFocused) {
    // Red 0.5 becomes 128/255 in the cell; the current colour stays unrounded.
    PickerState s = stateWith("1000000");
    s.currentColor = {0.5, 0.25, 1.0};
    beginColorDrag(s, false);
    EXPECT_EQ(s.dragMode, DragMode::color);
    EXPECT_FALSE(dropColor(s, ColorMode::inversion, 3, false));
    EXPECT_EQ(s.palette.colors[3].red, 128.0 / 255);
    EXPECT_EQ(s.palette.colors[3].green, 64.0 / 255);
    EXPECT_EQ(s.currentColor.red, 0.5);
    EXPECT_EQ(s.dragMode, DragMode::idle);
    EXPECT_EQ(s.dropHoverCell, -1);

    // From the modified swatch, held past the delay, released over the colour swatch.
    s = stateWith("1000000");
    s.currentColor = {0.2, 0.4, 0.6};
    s.zoomActive = 1;
    beginColorDrag(s, true);
    focusModifiedColor(s);
    EXPECT_TRUE(dropColor(s, ColorMode::inversion, -1, true));
    EXPECT_NEAR(s.currentColor.red, 0.8, 1e-12);
    EXPECT_EQ(s.zoomActive, 0);
    EXPECT_EQ(s.focusOnColor1, 1);
    EXPECT_EQ(s.focusOnColor2, 0);

    // Released before the delay: colour 1 still has the focus, nothing changes.
    s = stateWith("1000000");
    s.currentColor = {0.2, 0.4, 0.6};
    beginColorDrag(s, true);
    EXPECT_FALSE(dropColor(s, ColorMode::inversion, -1, true));
    EXPECT_EQ(s.currentColor.red, 0.2);

    // A drop on a cell while the palette is in charge: the colour becomes the selection's mean.
    s = stateWith("1100000");
    s.paletteActive = 1;
    s.palette.colors[0] = {0, 0, 0};
    s.currentColor = {1, 1, 1};
    beginColorDrag(s, false);
    EXPECT_TRUE(dropColor(s, ColorMode::web, 1, false));
    EXPECT_EQ(s.currentColor.red, 0.5);
}

TEST(PipetteDrag, CancelRestoresEverythingTheStartChanged) {
    PickerState s;
    s.captureCenter = {300, 200};
    s.magnifier.pickOffset = {2, -1};
    s.magnifier.viewOffset = {3, 4};
    s.paletteActive = 1;
    s.zoomActive = 0;
    s.focusOnColor1 = 0;
    s.focusOnColor2 = 1;
    beginPipetteDrag(s);
    EXPECT_EQ(s.dragMode, DragMode::pipette);
    EXPECT_EQ(s.magnifier.pickOffset, (Point{0, 0}));
    EXPECT_EQ(s.magnifier.viewOffset, (Point{0, 0}));
    EXPECT_EQ(s.zoomActive, 1);
    EXPECT_EQ(s.paletteActive, 0);
    EXPECT_EQ(s.focusOnColor1, 1);
    EXPECT_EQ(s.focusOnColor2, 0);
    s.captureCenter = {10, 10};
    cancelPipetteDrag(s);
    EXPECT_EQ(s.dragMode, DragMode::idle);
    EXPECT_EQ(s.captureCenter, (Point{300, 200}));
    EXPECT_EQ(s.magnifier.pickOffset, (Point{2, -1}));
    EXPECT_EQ(s.magnifier.viewOffset, (Point{3, 4}));
}

TEST(ColorCommands, NamedColoursGoWhereTheMenuWasOpened) {
    const RgbColor olive = *namedColor(382);
    EXPECT_EQ(olive.red, 128.0 / 255);
    EXPECT_EQ(olive.green, 128.0 / 255);
    EXPECT_EQ(olive.blue, 0.0);
    EXPECT_FALSE(namedColor(367));
    EXPECT_FALSE(namedColor(384));

    PickerState s = stateWith("0110000"); // from the colour swatch: the current colour only
    s.paletteActive = 1;
    s.colorMenuTarget = 0;
    applyNamedColor(s, olive);
    EXPECT_EQ(s.currentColor.red, olive.red);
    EXPECT_EQ(s.palette.colors[1].red, 0.0);
    EXPECT_EQ(s.zoomActive, 0);

    s = stateWith("0110000"); // from a cell, palette not in charge: the cells only
    s.colorMenuTarget = 1;
    applyNamedColor(s, olive);
    EXPECT_EQ(s.palette.colors[1].red, olive.red);
    EXPECT_EQ(s.palette.colors[2].red, olive.red);
    EXPECT_EQ(s.palette.colors[3].red, 0.0);
    EXPECT_EQ(s.currentColor.red, 0.0);

    s.paletteActive = 1; // palette in charge: the current colour follows
    applyNamedColor(s, *namedColor(371));
    EXPECT_EQ(s.currentColor.red, 1.0);

    // The system dialog's colour is always the current colour, and the cells' when opened on them.
    s = stateWith("0010000");
    s.colorMenuTarget = 1;
    applyDialogColor(s, {0.2, 0.2, 0.2});
    EXPECT_EQ(s.currentColor.red, 0.2);
    EXPECT_EQ(s.palette.colors[2].red, 0.2);
}

TEST(ColorCommands, GradientsOverTheSelectionSetTheMean) {
    struct Case {
        bool hsb;
        RgbColor from, to, middle;
    } cases[] = {
        {false, {0, 0, 0}, {1, 1, 1}, {0.5, 0.5, 0.5}},
        {true, {1, 0, 0}, {0, 0, 1}, {1, 0, 1}},   // the short way round: magenta, not green
        {true, {0, 0, 0}, {1, 0, 0}, {0.5, 0, 0}}, // red's hue at half brightness
    };
    for (const Case& c : cases) {
        PickerState s = stateWith("0101010");
        s.palette.colors[1] = c.from;
        s.palette.colors[5] = c.to;
        applyGradient(s, c.hsb);
        EXPECT_NEAR(s.palette.colors[3].red, c.middle.red, 1e-9);
        EXPECT_NEAR(s.palette.colors[3].green, c.middle.green, 1e-9);
        EXPECT_NEAR(s.palette.colors[3].blue, c.middle.blue, 1e-9);
        EXPECT_NEAR(s.currentColor.red, (c.from.red + c.middle.red + c.to.red) / 3, 1e-9);
    }
    EXPECT_EQ(toByte(0.5), 128);
    EXPECT_FALSE(offersGradients(withSelection("0101000")));
    EXPECT_TRUE(offersGradients(withSelection("0101010")));
}

TEST(ColorCommands, RightClickOnAnUnselectedCellSelectsItAlone) {
    PickerState s = stateWith("0110000");
    s.paletteActive = 1;
    s.palette.colors[5] = {0.3, 0.3, 0.3};
    EXPECT_FALSE(rightClickPaletteCell(s, 2)); // already selected: the selection stays
    EXPECT_EQ(picture(s.palette), "0110000");
    EXPECT_TRUE(rightClickPaletteCell(s, 5));
    EXPECT_EQ(picture(s.palette), "0000010");
    EXPECT_EQ(s.selectionCursor, 5);
    EXPECT_EQ(s.currentColor.red, 0.3);
    EXPECT_EQ(s.colorMenuTarget, 1);
}

TEST(ColorCommands, DoubleClickInTheViewStoresAndAdvances) {
    PickerState s = stateWith("0000001");
    storeAndAdvance(s, {0.1, 0.2, 0.3});
    EXPECT_EQ(s.palette.colors[6].blue, 0.3);
    EXPECT_EQ(picture(s.palette), "1000000");
}

} // namespace
} // namespace huex
