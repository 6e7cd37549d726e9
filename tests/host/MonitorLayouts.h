#pragma once
// Monitor arrangements a designer's desk has: the rules of window placement and of the capture
// centre are tried on each. Work areas leave a 40-pixel task bar at the primary monitor's bottom.
#include "geometry/Monitors.h"

#include <vector>

namespace huex::layouts {

inline Monitor withTaskBar(Rect r) {
    return {r, {r.left, r.top, r.right, r.bottom - 40}};
}
inline Monitor plain(Rect r) {
    return {r, r};
}

// One 1024 x 768 screen, the whole of it usable.
inline const std::vector<Monitor> single{plain({0, 0, 1024, 768})};
// A taller monitor right of the primary one.
inline const std::vector<Monitor> sideBySide{withTaskBar({0, 0, 1920, 1080}), plain({1920, 0, 3840, 1200})};
// A monitor above the primary one: negative y.
inline const std::vector<Monitor> stacked{withTaskBar({0, 0, 1920, 1080}), plain({0, -1080, 1920, 0})};
// Primary, one to its right and one below it: the bottom right is a hole in the bounding box.
inline const std::vector<Monitor> lShaped{withTaskBar({0, 0, 1920, 1080}), plain({1920, 0, 3840, 1080}),
                                          plain({0, 1080, 1920, 2160})};
// A smaller monitor left of the primary one, higher up: negative x and y.
inline const std::vector<Monitor> leftOfPrimary{plain({-1280, -200, 0, 824}),
                                                withTaskBar({0, 0, 1920, 1080})};
// The left monitor unplugged: only the primary one is left.
inline const std::vector<Monitor> removed{withTaskBar({0, 0, 1920, 1080})};

} // namespace huex::layouts
