#include "geometry/ZoomLevels.h"

#include <algorithm>

namespace huex {

namespace {

constexpr int kLastLevel = static_cast<int>(kZoomLevels.size()) - 1;

} // namespace

bool isSampleSize(int s) {
    return s == 1 || s == 3 || s == 5;
}

int zoomLevelIndex(int viewSize) {
    for (int i = 0; i <= kLastLevel; ++i) {
        if (kZoomLevels[i].viewSize == viewSize) return i;
    }
    return -1;
}

int pickOffsetBound(int viewSize, int sampleSize) {
    return std::max((viewSize - sampleSize) / 2, 0);
}

int viewOffsetBound(int viewSize) {
    return std::max((kCaptureSide - viewSize) / 2, 0);
}

MagnifierState clampOffsets(MagnifierState s) {
    const int pick = pickOffsetBound(s.viewSize, s.sampleSize);
    const int view = viewOffsetBound(s.viewSize);
    s.pickOffset = {std::clamp(s.pickOffset.x, -pick, pick), std::clamp(s.pickOffset.y, -pick, pick)};
    s.viewOffset = {std::clamp(s.viewOffset.x, -view, view), std::clamp(s.viewOffset.y, -view, view)};
    return s;
}

MagnifierState sanitized(MagnifierState s) {
    int level = zoomLevelIndex(s.viewSize);
    if (level < 0) level = steppedZoomLevel(s.viewSize, 0);
    s.viewSize = kZoomLevels[level].viewSize;
    s.zoomFactor = kZoomLevels[level].zoomFactor;
    if (!isSampleSize(s.sampleSize)) s.sampleSize = 1;
    return clampOffsets(s);
}

MagnifierState withZoomLevel(MagnifierState s, int index) {
    const ZoomLevel& level = kZoomLevels[std::clamp(index, 0, kLastLevel)];
    s.viewSize = level.viewSize;
    s.zoomFactor = level.zoomFactor;
    return clampOffsets(s);
}

int steppedZoomLevel(int viewSize, int step) {
    int current = kLastLevel + 1;
    for (int i = 0; i <= kLastLevel; ++i) {
        if (kZoomLevels[i].viewSize >= viewSize) {
            current = i;
            break;
        }
    }
    // Steps are +1 or -1; anything larger only needs to reach the end of the table.
    step = std::clamp(step, -(kLastLevel + 1), kLastLevel + 1);
    return std::clamp(current + step, 0, kLastLevel);
}

} // namespace huex
