#pragma once
// The monitors that make up the virtual screen, as plain rectangles, and the two questions the
// picker asks of them: whether a rectangle lies wholly on the screens, and where a window's caption
// bar can be grabbed. Monitors left of or above the primary one have negative coordinates, and the
// union of the monitors can have holes (an L-shaped arrangement), so no single rectangle answers.
#include "geometry/Geometry.h"

#include <span>

namespace huex {

struct Monitor {
    Rect bounds; // the whole monitor
    Rect work;   // less the task bar and other docked bars
    friend constexpr bool operator==(const Monitor&, const Monitor&) = default;
};

// How many pixels of `r` lie on one monitor or another (overlapping monitors count once).
long long pixelsOnMonitors(const Rect& r, std::span<const Monitor> monitors);

// The point nearest to `p` where the square of `half` pixels each side (p - half .. p + half,
// right and bottom exclusive) lies on one monitor; `p` itself when there is no monitor.
Point nearestOnMonitor(Point p, int half, std::span<const Monitor> monitors);

// Where the caption bar lies in a window: its height and its top edge below the window's top.
struct CaptionBar {
    int top = 0, height = 0;
};

// A window at (left, top), `width` wide can be reached by its caption: a part of the caption bar
// at least kGrabbableCaption pixels wide and the caption bar's whole height lies on one monitor's
// work area.
inline constexpr int kGrabbableCaption = 30;
bool captionReachable(int left, int top, int width, CaptionBar caption, std::span<const Monitor> monitors);

} // namespace huex
