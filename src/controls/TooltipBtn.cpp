#include "controls/TooltipBtn.h"

#include "win/Dpi.h"
#include "win/Fonts.h"

#include <commctrl.h>

namespace huex {

bool TooltipBtn::onMessage(win::Message& m) {
    switch (m.id) {
    case WM_MOUSEMOVE:
        tip_.relay(hwnd(), m);
        tip_.onMouseMove(hwnd(), m.lParam, tipText_);
        return false;
    case WM_CAPTURECHANGED:
        tip_.onCaptureChanged(hwnd(), reinterpret_cast<HWND>(m.lParam));
        return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (hideTipOnPress_) tip_.activate(false);
        return false;
    default:
        return false;
    }
}

namespace {
// "2" in Webdings is the copy glyph; without that font the button says what it does in words.
constexpr const wchar_t* glyphFace = L"Webdings";
} // namespace

CopyBtn::CopyBtn() : TooltipBtn(false), fontDpi_(win::screenDpi()) {
    setTipText(L"Скопировать");
    glyphFont_.reset(win::createPointFont(100, glyphFace, fontDpi_));
}

void CopyBtn::onAttached() {
    TooltipBtn::onAttached();
    applyGlyphFont();
}

void CopyBtn::applyGlyphFont() {
    if (win::fontInstalled(glyphFace)) {
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(glyphFont_.get()), TRUE);
        SetWindowTextW(hwnd(), L"2");
    } else {
        SetWindowTextW(hwnd(), L"C");
    }
}

void CopyBtn::setDpi(int dpi) {
    if (dpi == fontDpi_) return;
    fontDpi_ = dpi;
    glyphFont_.reset(win::createPointFont(100, glyphFace, dpi));
    if (hwnd()) applyGlyphFont();
}

HWND CopyBtn::copyTarget() const {
    return ownerEdit_ ? ownerEdit_ : GetParent(hwnd());
}

void CopyBtn::copy() const {
    HWND target = copyTarget();
    if (!target) return;
    SendMessageW(target, EM_SETSEL, 0, -1);
    SendMessageW(target, EM_SCROLLCARET, 0, 0);
    SendMessageW(target, WM_COPY, 0, 0);
    SetFocus(target);
}

bool CopyBtn::onReflected(win::Message& m) {
    if (m.id == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED) {
        copy();
        return true;
    }
    return false;
}

} // namespace huex
