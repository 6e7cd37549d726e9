#include "picker/Marquee.h"

#include <algorithm>
#include <climits>

namespace huex {

namespace {

// Marquee rectangle round `blocks` x `blocks` magnified pixels starting at view block (bx, by).
Rect aroundBlocks(ViewGrid grid, int bx, int by, int blocks) {
    const int k = grid.block;
    return Rect::fromSize(grid.origin.x + k * bx, grid.origin.y + k * by, blocks * k, blocks * k).inflated(1, 1);
}

} // namespace

MarqueeRects marqueeRects(const MagnifierState& state, ViewGrid grid) {
    const MagnifierState s = sanitized(state);
    const int c = s.viewSize / 2;
    MarqueeRects rects{aroundBlocks(grid, s.pickOffset.x + c, s.pickOffset.y + c, 1), std::nullopt};
    if (s.sampleSize == 3 || s.sampleSize == 5) {
        const int h = s.sampleSize / 2;
        rects.block = aroundBlocks(grid, c - h + s.pickOffset.x, c - h + s.pickOffset.y, s.sampleSize);
    }
    return rects;
}

ColorRef marqueeColorAt(const Rect& r, Point p, int period, int phase) {
    // Wide arithmetic: the period comes from the settings file with only a lower bound.
    const long long a = std::max(period, 1);
    const long long value = (0LL + p.x - r.left) + (0LL + p.y - r.top) + r.width() + a - phase - 2;
    // C++ remainder truncates towards zero, so negative values stay negative and count as black.
    return value % (2 * a) < a ? kMarqueeBlack : kMarqueeWhite;
}

std::vector<MarqueePixel> marqueePixels(const Rect& r, int period, int phase) {
    std::vector<MarqueePixel> pixels;
    if (r.empty()) return pixels;
    auto add = [&](int x, int y) { pixels.push_back({{x, y}, marqueeColorAt(r, {x, y}, period, phase)}); };
    for (int x = r.left; x < r.right; ++x) add(x, r.top);
    if (r.height() > 1) {
        for (int x = r.left; x < r.right; ++x) add(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        add(r.left, y);
        if (r.width() > 1) add(r.right - 1, y);
    }
    return pixels;
}

int nextMarqueePhase(int phase, int period) {
    if (phase < 0 || phase == INT_MAX) return 0;
    return phase + 1 >= 2LL * std::max(period, 1) ? 0 : phase + 1;
}

} // namespace huex
