#include "controls/HUEXCheckBox.h"

namespace huex {

bool HUEXCheckBox::onMessage(win::Message& m) {
    tip_.relay(hwnd(), m);
    switch (m.id) {
    case WM_MOUSEMOVE:
        tip_.onMouseMove(hwnd(), m.lParam, tipText);
        return false;
    case WM_CAPTURECHANGED:
        tip_.onCaptureChanged(hwnd(), reinterpret_cast<HWND>(m.lParam));
        return false;
    case WM_RBUTTONDOWN: {
        HWND parent = GetParent(hwnd());
        POINT point{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
        MapWindowPoints(hwnd(), parent, &point, 1);
        SendMessageW(parent, WM_RBUTTONDOWN, m.wParam, MAKELPARAM(point.x, point.y));
        return false;
    }
    default:
        return false;
    }
}

} // namespace huex
