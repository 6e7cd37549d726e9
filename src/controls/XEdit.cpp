#include "controls/XEdit.h"

#include "controls/ColorTextReading.h"
#include "shell/ProcessValues.h"
#include "win/Dpi.h"
#include "win/Fonts.h"
#include "win/Text.h"

#include <string>

namespace huex {

namespace {
constexpr int textPoints = 90; // tenths of a point
} // namespace

XEdit::XEdit() : fontDpi_(win::screenDpi()) {
    textFont_.reset(win::createPointFont(textPoints, L"Courier New", fontDpi_));
    stripWidth_ = Scale{fontDpi_}(defaultStripWidth);
}

void XEdit::setDpi(int dpi) {
    if (dpi == fontDpi_) return;
    fontDpi_ = dpi;
    textFont_.reset(win::createPointFont(textPoints, L"Courier New", dpi));
    stripWidth_ = Scale{dpi}(defaultStripWidth);
    if (!hwnd()) return;
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), FALSE);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placeCompanion();
}

void XEdit::onAttached() {
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), TRUE);
    // The companion lies over the strip, above the edit: the edit must never paint over it.
    SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) | WS_CLIPSIBLINGS);
    // The strip is taken from the client area on the next size calculation: ask for one now.
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH XEdit::colorRequest(HDC dc) {
    ColorPattern* pattern = pattern_.get();
    bool parses = false;
    if (pattern) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
        // A CSS colour the pattern can't read is taken too, and shows as read.
        parses = static_cast<bool>(readSlotText(*pattern, win::narrow(text)));
    }
    const COLORREF background = GetFocus() == hwnd() ? focusBackground : processValues().windowColor;
    SetBkColor(dc, background);
    backgroundBrush_.reset(CreateSolidBrush(background));
    SetTextColor(dc, parses ? parsedText : unparsedText);
    paintedParsed_ = parses ? 1 : 0;
    return backgroundBrush_.get();
}

void XEdit::showParseResult(bool parses) {
    if (paintedParsed_ != (parses ? 1 : 0)) InvalidateRect(hwnd(), nullptr, TRUE);
}

void XEdit::setCompanionId(int id) {
    companionId_ = id;
    if (hwnd()) placeCompanion();
}

void XEdit::placeCompanion() {
    HWND parent = GetParent(hwnd());
    HWND companion = companionId_ ? GetDlgItem(parent, companionId_) : nullptr;
    RECT client{};
    if (!companion || !GetClientRect(hwnd(), &client)) return;
    RECT strip{client.right, client.top, client.right + stripWidth_, client.bottom};
    MapWindowPoints(hwnd(), parent, reinterpret_cast<POINT*>(&strip), 2);
    MoveWindow(companion, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, FALSE);
}

bool XEdit::onReflected(win::Message& m) {
    switch (m.id) {
    case WM_CTLCOLOREDIT:
        m.result = reinterpret_cast<LRESULT>(colorRequest(reinterpret_cast<HDC>(m.wParam)));
        return true;
    case WM_COMMAND:
        switch (HIWORD(m.wParam)) {
        case EN_SETFOCUS:
            InvalidateRect(hwnd(), nullptr, FALSE);
            SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), 0), 0);
            return true;
        case EN_KILLFOCUS: // the parent hears of it too
            InvalidateRect(hwnd(), nullptr, FALSE);
            return false;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool XEdit::onMessage(win::Message& m) {
    switch (m.id) {
    case WM_NCCALCSIZE: {
        // Narrow the proposed window rectangle first, so that the client area ends before the strip.
        auto* proposed = reinterpret_cast<RECT*>(m.lParam); // rgrc[0] of NCCALCSIZE_PARAMS, or the RECT
        proposed->right -= stripWidth_;
        m.result = callDefault(m);
        return true;
    }
    case WM_SIZE:
        m.result = callDefault(m);
        placeCompanion();
        return true;
    case WM_CTLCOLOREDIT: // a parent may send the colour request straight to the edit
        m.result = reinterpret_cast<LRESULT>(colorRequest(reinterpret_cast<HDC>(m.wParam)));
        return true;
    default:
        return ColorTextEdit::onMessage(m);
    }
}

} // namespace huex
