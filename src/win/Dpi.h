#pragma once
// The DPI a window is shown at, and system metrics for a DPI. The per-monitor functions exist
// from Windows 10 on; they are looked up once, and older systems answer with the system DPI.
#include "geometry/Scale.h"

#include <windows.h>

namespace huex::win {

// The screen's DPI as GDI reports it (the system DPI).
int screenDpi();
// The DPI of the monitor the window is on; the system DPI where the system can't tell.
int windowDpi(HWND window);
inline Scale windowScale(HWND window) {
    return Scale{windowDpi(window)};
}

// GetSystemMetrics for a DPI: the per-DPI function where there is one, else the system value
// scaled from the system DPI.
int systemMetric(int index, int dpi);

// The width a window frame of these styles adds to the client area at `dpi`; -1 where the system
// can't tell for another DPI than its own.
int frameWidthForDpi(DWORD style, DWORD exStyle, int dpi);

} // namespace huex::win
