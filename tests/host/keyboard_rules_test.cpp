// The keyboard rules as state transitions: which rule a key meets first, the picked-pixel walk,
// the capture centre, the palette keys, and the fade of showing and hiding.
#include "picker/KeyboardRules.h"

#include "MonitorLayouts.h"
#include "PaletteMarks.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace huex {
namespace {

TEST(KeyboardRules, FirstMatchingRuleDecides) {
    const KeyContext marker{KeyFocus::marker, false, 9, true};
    const KeyContext edit{KeyFocus::slotEdit, true, 9, true};
    const KeyContext readOnlyEdit{KeyFocus::slotEdit, false, 9, true};
    const KeyContext palette{KeyFocus::marker, false, 9, false};
    const KeyContext widest{KeyFocus::marker, false, 25, true};
    const KeyContext narrowest{KeyFocus::other, false, 5, true};
    const struct {
        KeyPress press;
        KeyContext context;
        bool system;
        KeyAction action;
    } cases[] = {
        {{Key::f4, true}, edit, true, KeyAction::exit},
        {{Key::f4, true}, marker, false, KeyAction::exit},
        {{Key::f4}, marker, false, KeyAction::pass},
        {{Key::enter, true}, marker, true, KeyAction::pass}, // other system keys go on
        {{Key::p, false, true}, edit, false, KeyAction::settings},
        {{Key::i, false, true}, marker, false, KeyAction::about},
        {{Key::h, false, true}, edit, false, KeyAction::history}, // not the edit's backspace
        {{Key::h}, marker, false, KeyAction::pass},
        {{Key::p}, edit, false, KeyAction::pass},
        {{Key::minus, false, false, true}, marker, false, KeyAction::zoomOut},
        {{Key::minus, false, false, true}, widest, false, KeyAction::pass}, // 25 pixels: nothing further
        {{Key::plus, false, false, true}, marker, false, KeyAction::zoomIn},
        {{Key::plus, false, false, true}, narrowest, false, KeyAction::pass}, // 5 pixels
        {{Key::f5}, edit, false, KeyAction::refresh},
        {{Key::a, false, false, true}, edit, false, KeyAction::selectAll},
        {{Key::c, false, false, true}, marker, false, KeyAction::copyImage},
        {{Key::insert, false, false, true}, marker, false, KeyAction::copyImage},
        {{Key::c, false, false, true},
         palette,
         false,
         KeyAction::pass}, // reaches the edit, which copies text
        {{Key::v, false, false, true}, palette, false, KeyAction::pasteColor},
        {{Key::insert, false, false, false, true}, narrowest, false, KeyAction::pasteColor},
        {{Key::v, false, false, true}, edit, false, KeyAction::pass}, // the edit pastes into itself
        {{Key::insert, false, false, false, true}, readOnlyEdit, false, KeyAction::pass},
        {{Key::v, true, false, true}, marker, false, KeyAction::pass}, // AltGr+V types a character
        {{Key::v}, marker, false, KeyAction::pass},
        {{Key::left}, marker, false, KeyAction::focusSink},
        {{Key::enter}, palette, false, KeyAction::focusSink},
        {{Key::enter}, edit, false, KeyAction::storeFromEdit},
        {{Key::enter}, readOnlyEdit, false, KeyAction::consume},
        {{Key::escape}, marker, false, KeyAction::consume},
        {{Key::escape}, edit, false, KeyAction::consume},
        {{Key::up}, edit, false, KeyAction::paletteUp},
        {{Key::down}, narrowest, false, KeyAction::paletteDown},
        {{Key::left}, edit, false, KeyAction::pass}, // the caret moves
        {{Key::other}, marker, false, KeyAction::pass},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyDownAction(c.press, c.context, c.system), c.action)
            << "key " << static_cast<int>(c.press.key) << " focus " << static_cast<int>(c.context.focus);
    }
}

TEST(KeyboardRules, PickedPixelWalksInsideTheViewThenScrollsItToTheCaptureEdge) {
    // View 9, sample 3: the pick goes to -3, then the view scrolls until the picked pixel is at
    // image column 1 (offset 12); further presses change nothing.
    MagnifierState s{9, 8, 3, {-2, 0}, {0, 0}};
    std::vector<std::pair<int, int>> seen;
    for (int i = 0; i < 16; ++i) {
        s = movePickedPixel(s, Key::left);
        seen.emplace_back(s.pickOffset.x, s.viewOffset.x);
    }
    EXPECT_EQ(seen.front(), std::make_pair(-3, 0));
    EXPECT_EQ(seen[1], std::make_pair(-3, 1));
    EXPECT_EQ(seen[12], std::make_pair(-3, 12));
    EXPECT_EQ(seen.back(), std::make_pair(-3, 12));
    EXPECT_EQ(pickedImagePixel(s).x, 1);
    // The other way and the other axis, from the centre.
    MagnifierState t{5, 15, 1, {0, 0}, {0, 0}};
    for (int i = 0; i < 40; ++i) t = movePickedPixel(t, Key::down);
    EXPECT_EQ(t.pickOffset, (Point{0, 2}));
    EXPECT_EQ(t.viewOffset, (Point{0, -14}));
    EXPECT_EQ(pickedImagePixel(t).y, 32);
    EXPECT_EQ(movePickedPixel(t, Key::enter), t);
}

TEST(KeyboardRules, CaptureCentreStaysWhereTheWholeCaptureIsOnTheDesktop) {
    const std::vector<Monitor>& desktop = layouts::single;
    const struct {
        Point from;
        Key key;
        int sample;
        Point to;
    } cases[] = {
        {{100, 100}, Key::left, 1, {99, 100}},  {{16, 100}, Key::left, 1, {16, 100}},
        {{15, 100}, Key::left, 5, {14, 100}},   {{14, 100}, Key::left, 5, {14, 100}},
        {{1007, 5}, Key::right, 1, {1008, 5}},  {{1008, 5}, Key::right, 1, {1008, 5}},
        {{300, 16}, Key::up, 1, {300, 16}},     {{300, 752}, Key::down, 1, {300, 752}},
        {{300, 751}, Key::down, 3, {300, 752}}, {{300, 300}, Key::enter, 1, {300, 300}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(moveCaptureCenter(c.from, c.key, desktop, c.sample), c.to)
            << c.from.x << "," << c.from.y << " key " << static_cast<int>(c.key);
    }
}

// Across the seams between monitors and along their outer edges and holes, with the sample size 1
// (16 pixels of capture each side).
TEST(KeyboardRules, CaptureCentreMovesOverEveryMonitor) {
    using namespace layouts;
    const struct {
        const char* layout;
        const std::vector<Monitor>& monitors;
        Point from;
        Key key;
        Point to;
    } cases[] = {
        {"side by side: over the seam", sideBySide, {1910, 500}, Key::right, {1911, 500}},
        {"side by side: to the far edge", sideBySide, {3823, 500}, Key::right, {3824, 500}},
        {"side by side: not past it", sideBySide, {3824, 500}, Key::right, {3824, 500}},
        {"side by side: below the shorter one", sideBySide, {1936, 1150}, Key::left, {1936, 1150}},
        {"side by side: beside it", sideBySide, {1936, 1000}, Key::left, {1935, 1000}},
        {"stacked: up onto the upper one", stacked, {500, 10}, Key::up, {500, 9}},
        {"stacked: its top edge", stacked, {500, -1064}, Key::up, {500, -1064}},
        {"L-shaped: down onto the lower one", lShaped, {1000, 1064}, Key::down, {1000, 1065}},
        {"L-shaped: not into the hole", lShaped, {2500, 1064}, Key::down, {2500, 1064}},
        {"L-shaped: up to the hole's corner", lShaped, {1903, 1070}, Key::right, {1904, 1070}},
        {"L-shaped: not round it", lShaped, {1904, 1070}, Key::right, {1904, 1070}},
        {"left of the primary: negative x", leftOfPrimary, {-1200, 100}, Key::left, {-1201, 100}},
        {"left of the primary: its left edge", leftOfPrimary, {-1264, 100}, Key::left, {-1264, 100}},
        {"left of the primary: its bottom below the primary's top",
         leftOfPrimary,
         {-1200, 800},
         Key::down,
         {-1200, 801}},
        {"left of the primary: not further into the gap above the primary",
         leftOfPrimary,
         {-10, -150},
         Key::right,
         {-10, -150}},
        {"left of the primary: out of the gap", leftOfPrimary, {-10, -150}, Key::left, {-11, -150}},
        {"removed: back to the nearest place on a monitor", removed, {-600, 400}, Key::left, {16, 400}},
        {"removed: from far away", removed, {5000, 5000}, Key::up, {1904, 1064}},
        {"removed: from the int range's corner", removed, {INT_MIN, INT_MIN}, Key::right, {16, 16}},
        {"removed: Enter only refreshes", removed, {-600, 400}, Key::enter, {-600, 400}},
    };
    for (const auto& c : cases) EXPECT_EQ(moveCaptureCenter(c.from, c.key, c.monitors, 1), c.to) << c.layout;
}

TEST(KeyboardRules, PaletteKeysChooseTheCellToSelect) {
    const struct {
        const char* marks;
        int count, cursor;
        Key key;
        bool shiftOrCtrl;
        int target;
    } cases[] = {
        {"0010000000", 7, 2, Key::up, false, 1},   {"1000000000", 7, 0, Key::up, false, 0},
        {"0011000000", 7, 3, Key::up, false, 2},   {"0000000000", 7, 0, Key::up, false, 0}, // none: cell 0
        {"0010000000", 7, 2, Key::down, false, 3}, {"0000001000", 7, 6, Key::down, false, 6},
        {"0011000000", 7, 3, Key::down, false, 3}, {"0000000000", 7, 0, Key::down, false, 0},
        {"0011000000", 7, 3, Key::up, true, 2},    {"1000000000", 7, 0, Key::up, true, 0},
        {"0011000000", 7, 3, Key::down, true, 4},  {"0000001000", 7, 6, Key::down, true, 6},
        {"0011000000", 7, 3, Key::left, false, 3}, {"0011000000", 7, 3, Key::enter, false, 3},
        {"1111111111", 7, 9, Key::down, true, 6}, // a cursor beyond the cells in use is brought back
    };
    for (const auto& c : cases) {
        EXPECT_EQ(paletteKeyTarget(withSelection(c.marks, c.count), c.cursor, c.key, c.shiftOrCtrl), c.target)
            << c.marks << " cursor " << c.cursor << " key " << static_cast<int>(c.key);
    }
}

TEST(KeyboardRules, UpAndDownOutsideTheSinkStepTheSelection) {
    const struct {
        const char* marks;
        Key key;
        int target;
    } cases[] = {
        {"0010010000", Key::up, 1},   {"0010010000", Key::down, 6}, {"1000000000", Key::up, 0},
        {"0000001000", Key::down, 6}, {"0000000000", Key::down, 0}, {"0000000000", Key::up, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paletteStepTarget(withSelection(c.marks, 7), c.key), c.target) << c.marks;
}

TEST(KeyboardRules, SelectAllLeavesTheCursorOnTheLastCellInUse) {
    Palette p = withSelection("0100000001", 7);
    SelectionMarks marks{4, 4};
    selectAllCells(p, marks);
    EXPECT_EQ(selection(p), "1111111000");
    EXPECT_EQ(marks.anchor, 0);
    EXPECT_EQ(marks.cursor, 6);
    // A following Shift+Down addresses a cell that exists.
    EXPECT_EQ(paletteKeyTarget(p, marks.cursor, Key::down, true), 6);
}

TEST(Fade, LevelsFallAndRiseOneStepPerTickAndReverseWhereTheyAre) {
    std::vector<int> opacities;
    int level = 8;
    FadeTick tick{};
    for (int i = 0; i < 8; ++i) {
        tick = nextFadeTick(level, -1);
        level = tick.level;
        opacities.push_back(fadeOpacity(level));
        EXPECT_FALSE(tick.finished);
    }
    EXPECT_EQ(opacities, (std::vector<int>{223, 191, 159, 127, 95, 63, 31, 0}));
    tick = nextFadeTick(level, -1); // the closing tick hides the window
    EXPECT_TRUE(tick.finished && tick.hide && !tick.opaque);
    EXPECT_EQ(tick.level, 0);
    // Reversed midway: from level 5 back up to 8, then the closing tick makes it opaque.
    level = 5;
    for (int i = 0; i < 3; ++i) level = nextFadeTick(level, +1).level;
    EXPECT_EQ(level, 8);
    tick = nextFadeTick(level, +1);
    EXPECT_TRUE(tick.finished && tick.opaque && !tick.hide);
    EXPECT_EQ(toggledShowState(5), 0);
    EXPECT_EQ(toggledShowState(0), 5);
    EXPECT_EQ(toggledShowState(7), 5);
}

} // namespace
} // namespace huex
