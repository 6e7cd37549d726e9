#pragma once
// Readable GoogleTest failure messages for the picker's geometry values.
#include "geometry/Geometry.h"

#include <ostream>

namespace huex {

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const Size& s, std::ostream* os) {
    *os << s.width << " x " << s.height;
}
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

} // namespace huex
