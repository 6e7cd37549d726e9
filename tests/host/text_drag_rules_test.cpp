// Dragging text out of an edit: the selected text over a model of lines, whether the mouse is
// inside the selection, and the square a press must leave before it becomes a drag.
#include "controls/PatternRef.h"
#include "controls/TextSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huex {
namespace {

TEST(SelectedText, OneLineOrSeveralJoinedByCrLf) {
    const std::vector<std::wstring> lines{L"#FF8000", L"second", L"", L"last line"};
    const struct {
        TextSelection selection;
        const wchar_t* text;
    } cases[] = {
        {{{0, 1}, {0, 7}}, L"FF8000"},
        {{{0, 0}, {0, 0}}, L""},
        {{{0, 3}, {0, 99}}, L"8000"}, // clipped at the end of the line
        {{{0, 5}, {1, 3}}, L"00\r\nsec"},
        {{{0, 7}, {3, 4}}, L"\r\nsecond\r\n\r\nlast"}, // an empty line in the middle stays
        {{{1, 6}, {2, 0}}, L"\r\n"},
        {{{3, 0}, {5, 2}}, L"last line\r\n\r\n"}, // lines beyond the text give nothing
    };
    for (const auto& c : cases) {
        const TextSelection& s = c.selection;
        EXPECT_EQ(selectedText(lines, s), c.text)
            << s.start.line << ":" << s.start.column << "-" << s.end.line << ":" << s.end.column;
    }
}

TEST(InsideSelection, BothEndsIncludedAndOnlyOverText) {
    const TextSelection oneLine{{0, 2}, {0, 5}};
    const TextSelection threeLines{{1, 4}, {3, 2}};
    const struct {
        TextSelection selection;
        TextPosition at;
        bool overText, inside;
    } cases[] = {
        {oneLine, {0, 2}, true, true}, // the start
        {oneLine, {0, 5}, true, true}, // just after the last selected character
        {oneLine, {0, 1}, true, false},
        {oneLine, {0, 6}, true, false},
        {oneLine, {1, 3}, true, false},          // another line
        {oneLine, {0, 3}, false, false},         // right of the line's end
        {{{0, 3}, {0, 3}}, {0, 3}, true, false}, // an empty selection holds nothing
        {threeLines, {1, 3}, true, false},
        {threeLines, {1, 4}, true, true},
        {threeLines, {1, 90}, true, true},
        {threeLines, {2, 0}, true, true}, // a middle line, any column
        {threeLines, {2, 0}, false, false},
        {threeLines, {3, 2}, true, true},
        {threeLines, {3, 3}, true, false},
        {threeLines, {0, 9}, true, false},
        {threeLines, {4, 0}, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(insideSelection(c.selection, c.at, c.overText), c.inside)
            << "at " << c.at.line << ":" << c.at.column << " over text " << c.overText;
    }
}

TEST(DragStartSquare, TenPixelsRoundThePressRightAndBottomEdgesExcluded) {
    const struct {
        int dx, dy;
        bool inside;
    } cases[] = {
        {0, 0, true},  {-5, 0, true}, {4, 0, true},  {5, 0, false},  {-6, 0, false},
        {0, -5, true}, {0, 4, true},  {0, 5, false}, {0, -6, false}, {-5, -5, true},
        {4, 4, true},  {4, 5, false}, {5, 4, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(insideDragStartSquare(100, 200, 100 + c.dx, 200 + c.dy), c.inside) << c.dx << ", " << c.dy;
    }
}

TEST(PatternRef, FollowsTheListAndNeverOutlivesAnEntry) {
    std::vector<ColorPattern> list = builtInPatterns();
    const PatternRef none;
    EXPECT_EQ(none.get(), nullptr);
    const PatternRef third(list, 2);
    ASSERT_NE(third.get(), nullptr);
    EXPECT_EQ(third.get()->name, "HSL(360, 100, 100)");
    // The settings dialog hands back a new list: the reference reads the new entry at its index.
    std::vector<ColorPattern> replacement = builtInPatterns();
    replacement[2].name = "replaced";
    list = std::move(replacement);
    ASSERT_NE(third.get(), nullptr);
    EXPECT_EQ(third.get()->name, "replaced");
    // A shorter list: the index is gone, and so is the pattern.
    list.resize(2);
    EXPECT_EQ(third.get(), nullptr);
    list.clear();
    EXPECT_EQ(PatternRef(list, 0).get(), nullptr);
    EXPECT_EQ(PatternRef(list, -1).get(), nullptr);
}

} // namespace
} // namespace huex
