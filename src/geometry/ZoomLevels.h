#pragma once
// The captured screen square, the zoom-level table and the magnifier's stored state with the rules
// that keep it consistent. Below both the picker and the settings file, which read and write it.
#include "geometry/Geometry.h"

#include <array>
#include <cstddef>

namespace huex {

// The captured screen square is kCaptureSide pixels on each side; its centre pixel is
// (kCaptureCentre, kCaptureCentre) and lies on the capture centre's screen point.
inline constexpr int kCaptureSide = 33;
inline constexpr int kCaptureCentre = kCaptureSide / 2;
// Bytes of a capture: 32-bit pixels 0x00RRGGBB, bytes blue, green, red, 0, top row first.
inline constexpr std::size_t kCaptureBytes = std::size_t{kCaptureSide} * kCaptureSide * 4;

struct ZoomLevel {
    int viewSize;   // image pixels along each side of the view
    int zoomFactor; // screen pixels per image pixel
    int commandId;  // zoom menu item
};
inline constexpr std::array<ZoomLevel, 5> kZoomLevels{{
    {5, 15, 245},
    {7, 11, 246},
    {9, 8, 247},
    {15, 5, 248},
    {25, 3, 249},
}};


struct MagnifierState {
    int viewSize = 7;
    int zoomFactor = 11;
    int sampleSize = 1;     // side of the averaged block: 1, 3 or 5
    Point pickOffset{};     // picked pixel relative to the view centre, in image pixels
    Point viewOffset{1, 1}; // view position relative to the capture centre, in image pixels
    friend bool operator==(const MagnifierState&, const MagnifierState&) = default;
};

// Row of kZoomLevels whose viewSize is exactly this one, -1 for none.
int zoomLevelIndex(int viewSize);

// Largest |pickOffset| component that keeps the sample block inside the view, and largest
// |viewOffset| component that keeps the view inside the capture. Never negative.
int pickOffsetBound(int viewSize, int sampleSize);
int viewOffsetBound(int viewSize);

// Both offsets clamped to their bounds.
MagnifierState clampOffsets(MagnifierState s);

// Any state, for instance one read from a settings file, made consistent: a viewSize from the
// table takes its own zoomFactor; any other viewSize takes the level the zoom step rule finds for
// it (the first whose view is not smaller, the largest when none); a sampleSize other than 1, 3
// or 5 becomes 1; then the offsets are clamped. Consistent states come back unchanged.
MagnifierState sanitized(MagnifierState s);

// Zoom level `index` (limited to 0..4) with the offsets clamped to it.
MagnifierState withZoomLevel(MagnifierState s, int index);

// Level reached by stepping from the current viewSize: +1 shows more pixels at a smaller factor.
int steppedZoomLevel(int viewSize, int step);

bool isSampleSize(int sampleSize);

// The grid the zoom view draws captured pixels on: each is a block of `block` device pixels, the
// first one's top-left at `origin` (client coordinates).
struct ViewGrid {
    Point origin;
    int block = 0;
    friend constexpr bool operator==(const ViewGrid&, const ViewGrid&) = default;
};
// The grid at 96 DPI: blocks of the zoom factor from (6, 6).
constexpr ViewGrid unscaledGrid(const MagnifierState& s) {
    return {{6, 6}, s.zoomFactor};
}

} // namespace huex
