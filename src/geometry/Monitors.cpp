#include "geometry/Monitors.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace huex {

namespace {

// Rectangles from the settings file may reach past the int range once offset; all sums here are
// taken in 64 bits.
struct Span {
    long long from = 0, to = 0;
};

long long overlap(Span a, Span b) {
    return std::max(0LL, std::min(a.to, b.to) - std::max(a.from, b.from));
}

bool coveredAt(long long x, long long y, std::span<const Monitor> monitors) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        return x >= m.bounds.left && x < m.bounds.right && y >= m.bounds.top && y < m.bounds.bottom;
    });
}

} // namespace

long long pixelsOnMonitors(const Rect& r, std::span<const Monitor> monitors) {
    if (r.empty()) return 0;
    // The monitors' edges cut `r` into cells that are each wholly on a monitor or wholly off;
    // one point of each cell tells which.
    std::vector<long long> xs{r.left, r.right}, ys{r.top, r.bottom};
    for (const Monitor& m : monitors) {
        for (int x : {m.bounds.left, m.bounds.right})
            if (x > r.left && x < r.right) xs.push_back(x);
        for (int y : {m.bounds.top, m.bounds.bottom})
            if (y > r.top && y < r.bottom) ys.push_back(y);
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    long long pixels = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            if (coveredAt(xs[i], ys[j], monitors)) pixels += (xs[i + 1] - xs[i]) * (ys[j + 1] - ys[j]);
        }
    }
    return pixels;
}

Point nearestOnMonitor(Point p, int half, std::span<const Monitor> monitors) {
    Point best = p;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const Monitor& m : monitors) {
        // The centres whose square fits; a monitor narrower than the square offers its middle.
        const auto fit = [half](int from, int to, int at) {
            const long long low = 0LL + from + half, high = 0LL + to - half;
            if (low > high) return static_cast<int>((0LL + from + to) / 2);
            return static_cast<int>(std::clamp<long long>(at, low, high));
        };
        const Point candidate{fit(m.bounds.left, m.bounds.right, p.x),
                              fit(m.bounds.top, m.bounds.bottom, p.y)};
        const auto dx = static_cast<double>(0LL + candidate.x - p.x),
                   dy = static_cast<double>(0LL + candidate.y - p.y);
        const double distance = dx * dx + dy * dy;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

bool captionReachable(int left, int top, int width, CaptionBar caption, std::span<const Monitor> monitors) {
    const Span across{left, 0LL + left + std::max(width, 0)};
    const Span down{0LL + top + caption.top, 0LL + top + caption.top + std::max(caption.height, 1)};
    return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        const Span workAcross{m.work.left, m.work.right}, workDown{m.work.top, m.work.bottom};
        return overlap(across, workAcross) >= kGrabbableCaption &&
               overlap(down, workDown) == down.to - down.from;
    });
}

} // namespace huex
