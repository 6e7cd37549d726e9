#include "controls/ColorTextEdit.h"

#include "win/Handles.h"
#include "win/OleSession.h"

#include <vector>

namespace huex {

namespace {
int lowSigned(LRESULT value) {
    return static_cast<short>(LOWORD(value));
}
} // namespace

ColorTextEdit::ColorTextEdit() : dropTarget_(new ColorDropTarget), dataSource_(new TextDataObject) {}

ColorTextEdit::~ColorTextEdit() {
    revokeDropTarget();
}

int ColorTextEdit::EnableDragDrop(unsigned options) {
    if (registered_) return 0;
    options_ = options;
    if (!hwnd()) return 0;
    if (FAILED(win::registerDragDrop(hwnd(), dropTarget_.get()))) return 0;
    registered_ = true;
    return 1;
}

void ColorTextEdit::revokeDropTarget() {
    if (registered_ && hwnd()) win::revokeDragDrop(hwnd());
    registered_ = false;
}

DWORD ColorTextEdit::dropEffectOffered() const {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    dropTarget_->DragEnter(dataSource_.get(), MK_LBUTTON, POINTL{0, 0}, &effect);
    DWORD over = DROPEFFECT_COPY;
    dropTarget_->DragOver(MK_LBUTTON, POINTL{0, 0}, &over);
    dropTarget_->DragLeave();
    return effect | over;
}

TextPosition ColorTextEdit::positionOf(int index) const {
    if (index < 0) index = 0;
    const auto line = static_cast<int>(SendMessageW(hwnd(), EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0));
    const auto first = static_cast<int>(SendMessageW(hwnd(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    return {line, index - first};
}

TextSelection ColorTextEdit::selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {positionOf(static_cast<int>(start)), positionOf(static_cast<int>(end))};
}

std::wstring ColorTextEdit::lineText(int line) const {
    const auto first = SendMessageW(hwnd(), EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    if (first < 0) return {};
    const auto length = static_cast<int>(SendMessageW(hwnd(), EM_LINELENGTH, static_cast<WPARAM>(first), 0));
    // EM_GETLINE takes the buffer size in its first word and writes no terminating zero.
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length < 1 ? 1 : length) + 1, L'\0');
    buffer[0] = static_cast<wchar_t>(buffer.size() < 0xFFFF ? buffer.size() : 0xFFFF);
    const auto copied = static_cast<int>(
        SendMessageW(hwnd(), EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data())));
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied < 0 ? 0 : copied));
}

std::wstring ColorTextEdit::selectedText() const {
    const TextSelection s = selection();
    std::vector<std::wstring> lines(static_cast<std::size_t>(s.end.line) + 1);
    for (int line = s.start.line; line <= s.end.line; ++line)
        lines[static_cast<std::size_t>(line)] = lineText(line);
    return huex::selectedText(lines, s);
}

POINT ColorTextEdit::charPosition(int index) const {
    if (index <= 0) return {0, 0};
    const LRESULT answer = SendMessageW(hwnd(), EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
    const POINT at{lowSigned(answer), static_cast<short>(HIWORD(answer))};
    if (answer != -1 && (at.x >= 0 || at.y >= 0)) return at;
    // Just after the last character the edit reports no position: measure from the one before.
    const POINT before = charPosition(index - 1);
    const TextPosition place = positionOf(index);
    const win::WindowDc dc(hwnd());
    const win::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    SIZE extent{};
    if (place.column == 0) {
        GetTextExtentPoint32W(dc.get(), L"A", 1, &extent);
        return {0, before.y + extent.cy};
    }
    const std::wstring line = lineText(place.line);
    const auto previous = static_cast<std::size_t>(place.column - 1);
    if (previous < line.size()) GetTextExtentPoint32W(dc.get(), &line[previous], 1, &extent);
    return {before.x + extent.cx, before.y};
}

bool ColorTextEdit::pointInSelection(POINT client) const {
    const TextSelection s = selection();
    if (s.empty()) return false;
    // A selection the edit does not show (it hides it without the focus) is not there to grab.
    if (GetFocus() != hwnd() && !(GetWindowLongW(hwnd(), GWL_STYLE) & ES_NOHIDESEL)) return false;
    const LRESULT answer = SendMessageW(hwnd(), EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
    const TextPosition at = positionOf(lowSigned(answer));
    const auto lineStart =
        static_cast<int>(SendMessageW(hwnd(), EM_LINEINDEX, static_cast<WPARAM>(at.line), 0));
    const auto lineLength =
        static_cast<int>(SendMessageW(hwnd(), EM_LINELENGTH, static_cast<WPARAM>(lineStart), 0));
    const bool overText = client.x >= 0 && client.x <= charPosition(lineStart + lineLength).x;
    return insideSelection(s, at, overText);
}

bool ColorTextEdit::mouseInSelection() const {
    POINT mouse{};
    GetCursorPos(&mouse);
    ScreenToClient(hwnd(), &mouse);
    return pointInSelection(mouse);
}

void ColorTextEdit::caretToMouse() {
    POINT mouse{};
    GetCursorPos(&mouse);
    ScreenToClient(hwnd(), &mouse);
    const LRESULT answer = SendMessageW(hwnd(), EM_CHARFROMPOS, 0, MAKELPARAM(mouse.x, mouse.y));
    const WPARAM index = LOWORD(answer);
    SendMessageW(hwnd(), EM_SETSEL, index, static_cast<LPARAM>(index));
    SendMessageW(hwnd(), EM_SCROLLCARET, 0, 0);
}

bool ColorTextEdit::onPress(LPARAM clientPoint) {
    if (!(options_ & dragOut) || !mouseInSelection()) return false;
    const std::wstring text = selectedText();
    dataSource_->setText(text);
    POINT press{static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    ClientToScreen(hwnd(), &press);
    const DWORD effect = dragTextOut(hwnd(), press, *dataSource_.get());
    // Refused, cancelled or never begun: the press was a plain click after all.
    if (!(effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))) caretToMouse();
    return true;
}

bool ColorTextEdit::onMessage(win::Message& m) {
    switch (m.id) {
    case WM_LBUTTONDOWN:
        return onPress(m.lParam);
    case WM_SETCURSOR:
        if ((options_ & dragOut) && mouseInSelection()) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            m.result = TRUE;
            return true;
        }
        return false;
    case WM_DESTROY:
        revokeDropTarget();
        return false;
    default:
        return false;
    }
}

} // namespace huex
