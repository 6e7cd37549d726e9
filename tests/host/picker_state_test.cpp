// Palette selection by click, the system traits read from the packed version, and the picker's
// start state.
#include "picker/PaletteSelection.h"
#include "picker/PickerState.h"
#include "shell/SystemVersion.h"

#include "PaletteMarks.h"

#include <gtest/gtest.h>

#include <string>

namespace huex {
namespace {

TEST(PaletteSelection, ClickCtrlAndShiftFollowTheirRules) {
    const struct {
        const char* before;
        int anchor, cursor, cell;
        bool ctrl, shift;
        const char* after;
        int anchorAfter, cursorAfter;
    } cases[] = {
        {"1000000000", 0, 0, 3, false, false, "0001000000", 3, 3},  // plain click: only that cell
        {"1010000000", 0, 2, 4, true, false, "1010100000", 4, 4},   // ctrl adds
        {"1010100000", 4, 4, 2, true, false, "1000100000", 2, 2},   // ctrl toggles off
        {"0100000000", 1, 1, 5, false, true, "0111110000", 1, 5},   // shift: anchor..cell, anchor stays
        {"0000011000", 6, 6, 2, false, true, "0011111000", 6, 2},   // shift backwards
        {"1111111111", 3, 3, 3, false, true, "0001000000", 3, 3},   // shift on the anchor itself
        {"0000000000", 0, 0, 9, false, false, "0000000001", 9, 9},  // last cell
        {"0000000000", 42, 0, 1, false, true, "0111111111", 42, 1}, // a bad anchor stays inside the palette
    };
    for (const auto& c : cases) {
        Palette p = withSelection(c.before);
        SelectionMarks marks{c.anchor, c.cursor};
        selectPaletteCell(p, marks, c.cell, c.ctrl, c.shift);
        EXPECT_EQ(selection(p), c.after) << c.before << " cell " << c.cell;
        EXPECT_EQ(marks.anchor, c.anchorAfter) << c.before << " cell " << c.cell;
        EXPECT_EQ(marks.cursor, c.cursorAfter) << c.before << " cell " << c.cell;
    }
}

TEST(PaletteSelection, CellOutsideThePaletteChangesNothing) {
    for (int cell : {-1, 10, 1000}) {
        Palette p = withSelection("0100000000");
        SelectionMarks marks{1, 1};
        selectPaletteCell(p, marks, cell, false, false);
        EXPECT_EQ(selection(p), "0100000000");
        EXPECT_EQ(marks.anchor, 1);
    }
}

TEST(SystemVersion, DecidesTransparencyAndTrayIconStyle) {
    const struct {
        std::uint32_t packed;
        bool layered, preXp;
    } cases[] = {
        {0x00000004u, false, true},  // NT 4.0
        {0x00000005u, true, true},   // 2000 (5.0)
        {0x00000105u, true, false},  // XP (5.1)
        {0x00000206u, true, false},  // 8 (6.2)
        {0x0000000Au, true, false},  // 10
        {0x80000004u, false, true},  // 9x family, major 4
        {0x80000005u, false, false}, // 9x family, major 5
    };
    for (const auto& c : cases) {
        const SystemTraits traits = decodeSystemVersion(c.packed);
        EXPECT_EQ(traits.layeredWindowsAvailable, c.layered) << std::hex << c.packed;
        EXPECT_EQ(traits.preXpSystem, c.preXp) << std::hex << c.packed;
    }
}

TEST(PickerState, StartLayoutMatchesStartZoomAndBuiltInPatterns) {
    const PickerState s;
    EXPECT_EQ(s.layout.zoomRect, (Rect{6, 6, 83, 83}));
    EXPECT_EQ(clientSize(s.layout), (Size{297, 114}));
    ASSERT_EQ(s.patterns.size(), 4u);
    EXPECT_TRUE(s.patterns[0].valid);
    EXPECT_EQ(s.palette.count, 7);
    EXPECT_EQ(s.savedLeft, useLiveWindowRect);
}

} // namespace
} // namespace huex
