#pragma once
// Geometry of the magnifier: zoom levels, the part of the captured square that the view shows,
// the picked pixel and its sample block, and the colour sampled from the capture or read back
// from the live view.
#include "color/Color.h"
#include "picker/Geometry.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace huex {

// The captured screen square is kCaptureSide pixels on each side; its centre pixel is
// (kCaptureCentre, kCaptureCentre) and lies on the capture centre's screen point.
inline constexpr int kCaptureSide = 33;
inline constexpr int kCaptureCentre = kCaptureSide / 2;
// Bytes of a capture: 32-bit pixels 0x00RRGGBB, bytes blue, green, red, 0, top row first.
inline constexpr std::size_t kCaptureBytes = std::size_t{kCaptureSide} * kCaptureSide * 4;
// Client coordinate of the zoom view's top-left corner on both axes.
inline constexpr int kZoomViewOrigin = 6;

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

inline constexpr int kSampleCommandFirst = 1021; // 1x1; 1022 3x3, 1023 5x5

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

// Sample size for a sample-size menu command (1021..1023 give 1, 3, 5); other commands leave the
// state as it is.
MagnifierState withSampleCommand(MagnifierState s, int commandId);
// Menu command and icon resource (1231..1233) of sample size 1, 3 or 5; 0 for any other size.
int sampleCommandFor(int sampleSize);
int sampleIconFor(int sampleSize);

// The picked pixel in capture coordinates and on the screen.
Point pickedImagePixel(const MagnifierState& s);
Point pickedScreenPixel(const MagnifierState& s, Point captureCenter);

// Window caption naming the picked screen pixel and the magnification.
std::string magnifierCaption(Point pickedScreenPixel, int zoomFactor);

// Screen rectangle that the live view stretches into the zoom view.
Rect liveSourceRect(const MagnifierState& s, Point captureCenter);

// Source x and y for drawing the view from the top-down capture with StretchDIBits, which counts
// y from the image's bottom edge.
Point captureSourceOrigin(const MagnifierState& s);

// Colour of the sample block in a capture (kCaptureBytes bytes as described above). The state is
// sanitized first, so no state reads outside the capture; a buffer too small to be a capture
// (an empty capture bitmap) gives black. Sums run over the block's columns left to right and,
// within a column, over its rows top to bottom - the same order as the live points below, so both
// ways give identical results for identical pixels.
RgbColor sampleFromCapture(std::span<const std::uint8_t> capture, const MagnifierState& s);

// Client points that the live sample reads back (GetPixel) from the freshly drawn view: one point
// inside each magnified block of the sample, column by column. The state is sanitized first.
std::vector<Point> liveSamplePoints(const MagnifierState& s);

// Mean of the colours read at those points; black for none.
RgbColor meanColor(std::span<const ColorRef> colors);

} // namespace huex
