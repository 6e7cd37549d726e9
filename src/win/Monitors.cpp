#include "win/Monitors.h"

namespace huex::win {

namespace {
Rect toRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<Monitor>*>(found)->push_back(
            {toRect(info.rcMonitor), toRect(info.rcWork)});
    return TRUE;
}
} // namespace

Rect virtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<Monitor> displayMonitors() {
    std::vector<Monitor> found;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&found));
    if (found.empty()) found.push_back({virtualScreen(), virtualScreen()});
    return found;
}

CaptionBar captionBarFor(DWORD style, DWORD exStyle) {
    // The frame round an empty client area: the side border stands for the top one too.
    RECT r{0, 0, 0, 0};
    if (!AdjustWindowRectEx(&r, style, FALSE, exStyle)) return {0, GetSystemMetrics(SM_CYCAPTION)};
    return {-r.left, -r.top + r.left};
}

} // namespace huex::win
