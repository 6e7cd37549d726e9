#pragma once
// The rules behind dragging text out of an edit, over a plain model of its lines: which text a
// selection stands for, whether the mouse lies inside it, and when a press becomes a drag.
#include <string>
#include <vector>

namespace huex {

// A place in the text: a line and the character offset within that line.
struct TextPosition {
    int line = 0, column = 0;
    friend constexpr bool operator==(const TextPosition&, const TextPosition&) = default;
};

struct TextSelection {
    TextPosition start, end;
    [[nodiscard]] constexpr bool empty() const { return start == end; }
};

// The selected text: the part of one line, or the lines it spans joined by "\r\n" (the first
// from the start column, the last up to the end column). Positions beyond the text are clipped.
std::wstring selectedText(const std::vector<std::wstring>& lines, const TextSelection& selection);

// Whether the character under the mouse lies in the selection, both ends included. A mouse
// that is not over text (right of its line's end, or left of the text) is never inside.
bool insideSelection(const TextSelection& selection, TextPosition at, bool overText);

// Half the side of the square round a press inside which the mouse may move before the press
// becomes a drag.
inline constexpr int dragStartHalfSide = 5;

// Whether a mouse position (screen pixels) still lies in the start square round the press:
// from 5 pixels left of and above the press to 5 pixels right of and below it, those two edges
// excluded.
constexpr bool insideDragStartSquare(int pressX, int pressY, int x, int y) {
    return x >= pressX - dragStartHalfSide && x < pressX + dragStartHalfSide &&
           y >= pressY - dragStartHalfSide && y < pressY + dragStartHalfSide;
}

} // namespace huex
