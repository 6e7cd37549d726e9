#include "controls/TextSelection.h"

#include <algorithm>

namespace huex {

namespace {
// The part of a line from `from` up to `to`, clipped to the line.
std::wstring linePart(const std::vector<std::wstring>& lines, int line, int from, int to) {
    if (line < 0 || line >= static_cast<int>(lines.size())) return {};
    const std::wstring& text = lines[static_cast<std::size_t>(line)];
    const auto length = static_cast<int>(text.size());
    const int begin = std::clamp(from, 0, length);
    const int end = std::clamp(to, begin, length);
    return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}
} // namespace

std::wstring selectedText(const std::vector<std::wstring>& lines, const TextSelection& selection) {
    const TextPosition& s = selection.start;
    const TextPosition& e = selection.end;
    if (s.line == e.line) return linePart(lines, s.line, s.column, e.column);
    constexpr int wholeLine = 1 << 30;
    std::wstring text = linePart(lines, s.line, s.column, wholeLine);
    for (int line = s.line + 1; line <= e.line; ++line) {
        text += L"\r\n";
        text += linePart(lines, line, 0, line == e.line ? e.column : wholeLine);
    }
    return text;
}

bool insideSelection(const TextSelection& selection, TextPosition at, bool overText) {
    if (selection.empty() || !overText) return false;
    const TextPosition& s = selection.start;
    const TextPosition& e = selection.end;
    if (at.line < s.line || at.line > e.line) return false;
    if (at.line == s.line && at.column < s.column) return false;
    if (at.line == e.line && at.column > e.column) return false;
    return true;
}

} // namespace huex
