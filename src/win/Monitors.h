#pragma once
// The monitors of the virtual screen as the system reports them, for the pure rules of
// geometry/Monitors.h.
#include "geometry/Monitors.h"

#include <windows.h>

#include <vector>

namespace huex::win {

// The bounding rectangle of all monitors (it may start at negative coordinates).
Rect virtualScreen();
// Every monitor with its work area; the virtual screen as one monitor where none is reported.
std::vector<Monitor> displayMonitors();
// Where the caption bar of a window of these styles lies, below its top edge.
CaptionBar captionBarFor(DWORD style, DWORD exStyle);

} // namespace huex::win
