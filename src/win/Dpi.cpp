#include "win/Dpi.h"

#include "win/Handles.h"

namespace huex::win {

namespace {

template <typename Function> Function user32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                  : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

} // namespace

int screenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kBaseDpi;
}

int windowDpi(HWND window) {
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
    }
    return screenDpi();
}

int systemMetric(int index, int dpi) {
    static const auto forDpi = user32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
    return mulDiv(GetSystemMetrics(index), dpi, screenDpi());
}

int frameWidthForDpi(DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust = user32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, 100, 100};
    if (adjust)
        return adjust(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)) ? r.right - r.left - 100 : -1;
    return dpi == screenDpi() && AdjustWindowRectEx(&r, style, FALSE, exStyle) ? r.right - r.left - 100 : -1;
}

} // namespace huex::win
