#include "app/SingleInstance.h"

namespace huex {

bool activateRunningCopy() {
    HWND desktop = GetDesktopWindow();
    for (HWND window = FindWindowW(nullptr, nullptr); window;
         window = FindWindowExW(desktop, window, nullptr, nullptr)) {
        if (!FindWindowExW(window, nullptr, nullptr, instanceMarkerText)) continue;
        // A hung first copy must not hang every later start, so the request gives up after a while.
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_SHOWWINDOW, activationRequest, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                            10000, &answer);
        return true;
    }
    return false;
}

} // namespace huex
