#pragma once
// Geometry of the magnifier: zoom levels, the part of the captured square that the view shows,
// the picked pixel and its sample block, and the colour sampled from the capture or read back
// from the live view.
#include "color/Color.h"
#include "color/Vision.h"
#include "geometry/Geometry.h"
#include "geometry/ZoomLevels.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace huex {

// Client coordinate of the zoom view's top-left corner on both axes.
inline constexpr int kZoomViewOrigin = 6;

inline constexpr int kSampleCommandFirst = 1021; // 1x1; 1022 3x3, 1023 5x5

// Sample size for a sample-size menu command (1021..1023 give 1, 3, 5); other commands leave the
// state as it is.
MagnifierState withSampleCommand(MagnifierState s, int commandId);
// Menu command and icon resource (1231..1233) of sample size 1, 3 or 5; 0 for any other size.
int sampleCommandFor(int sampleSize);
int sampleIconFor(int sampleSize);

// The picked pixel in capture coordinates and on the screen.
Point pickedImagePixel(const MagnifierState& s);
Point pickedScreenPixel(const MagnifierState& s, Point captureCenter);

// Window caption naming the picked screen pixel and the magnification, then " — " and the vision
// the view simulates, when it simulates one.
std::string magnifierCaption(Point pickedScreenPixel, int zoomFactor, Vision vision = Vision::normal);

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
std::vector<Point> liveSamplePoints(const MagnifierState& s, ViewGrid grid);
inline std::vector<Point> liveSamplePoints(const MagnifierState& s) {
    return liveSamplePoints(s, unscaledGrid(sanitized(s)));
}

// Mean of the colours read at those points; black for none.
RgbColor meanColor(std::span<const ColorRef> colors);

// The live sample taken from the screen square the view shows (`viewSize` x `viewSize` pixels
// 0x00RRGGBB, row-major) instead of from the drawn view, which a simulated vision changes: the
// same blocks in the same order as the live points, so a true view gives the same colour.
RgbColor sampleFromLiveSquare(std::span<const std::uint32_t> square, const MagnifierState& s);

} // namespace huex
