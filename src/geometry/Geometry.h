#pragma once
// Plain point, size and rectangle values, in client or screen coordinates.
// Rectangles follow the platform's conventions: right and bottom are exclusive, a rectangle
// with no area is empty, and contains() answers exactly as PtInRect does.
#include <algorithm>
#include <array>
#include <limits>

namespace huex {

// The value that stands for "take the live window rectangle" in a remembered left, top or width.
inline constexpr int useLiveWindowRect = -30000;

// A coordinate sum taken in 64 bits, brought back into the int range: positions from the settings
// file come unchecked, and what is derived from them saturates instead of overflowing.
constexpr int saturated(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

struct Point {
    int x = 0, y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0, height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    // The form GDI fill calls take: x, y, width, height.
    static constexpr Rect fromSize(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    // Positive amounts grow the rectangle on both sides, negative ones shrink it (InflateRect).
    constexpr Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    constexpr Rect offsetBy(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Point topLeft() const { return {left, top}; }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The four corner pixels of a rectangle's one-pixel outline: top-left, top-right, bottom-left,
// bottom-right.
constexpr std::array<Point, 4> cornerPixels(const Rect& r) {
    return {{{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}}};
}

// Squares of `size` pixels in the four corners that cornerPixels names, each reaching inwards from
// its corner pixel; at size 1 the corner pixels themselves.
constexpr std::array<Rect, 4> cornerSquares(const std::array<Point, 4>& corners, int size) {
    const int d = size - 1;
    const Point a = corners[0], b = corners[1], c = corners[2], e = corners[3];
    return {{{a.x, a.y, a.x + size, a.y + size},
             {b.x - d, b.y, b.x + 1, b.y + size},
             {c.x, c.y - d, c.x + size, c.y + 1},
             {e.x - d, e.y - d, e.x + 1, e.y + 1}}};
}

} // namespace huex
