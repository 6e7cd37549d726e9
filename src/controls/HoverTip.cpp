#include "controls/HoverTip.h"

#include <commctrl.h>

namespace huex {

namespace {
TTTOOLINFOW wholeControlTool(HWND control, const wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}
} // namespace

HWND createTooltipWindow(HWND parent) {
    // Always tip: the picker is a tool window that stays on top while another program is active.
    HWND tooltip =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip) SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 0xFFFFFF);
    return tooltip;
}

HoverTip::~HoverTip() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void HoverTip::create(HWND control) {
    if (tooltip_ && IsWindow(tooltip_)) return;
    tooltip_ = createTooltipWindow(control);
    if (!tooltip_ || SendMessageW(tooltip_, TTM_GETTOOLCOUNT, 0, 0) != 0) return;
    TTTOOLINFOW tool = wholeControlTool(control, L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HoverTip::relay(HWND control, const win::Message& m) {
    if (m.id < WM_MOUSEFIRST || m.id > WM_MOUSELAST) return;
    create(control);
    relayToTooltip(tooltip_, control, m);
}

void relayToTooltip(HWND tooltip, HWND control, const win::Message& m) {
    // The tooltip looks at mouse messages only.
    if (!tooltip || m.id < WM_MOUSEFIRST || m.id > WM_MOUSELAST) return;
    MSG msg{control, m.id, m.wParam, m.lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void HoverTip::activate(bool on) const {
    if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

void HoverTip::onMouseMove(HWND control, LPARAM clientPoint, const std::wstring& text) {
    if (!hovering_) {
        activate(true);
        if (tooltip_) {
            TTTOOLINFOW tool = wholeControlTool(control, text.c_str());
            SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        SetCapture(control);
        hovering_ = true;
        return;
    }
    POINT mouse{static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    ClientToScreen(control, &mouse);
    RECT bounds{};
    GetWindowRect(control, &bounds);
    if (!PtInRect(&bounds, mouse)) {
        ReleaseCapture();
        hovering_ = false;
        activate(false);
    }
}

} // namespace huex
