#include "picker/Magnifier.h"

#include <algorithm>
#include <limits>

namespace huex {

namespace {

ColorRef captureColorAt(std::span<const std::uint8_t> capture, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * kCaptureSide + x) * 4;
    const ColorRef blue = capture[at], green = capture[at + 1], red = capture[at + 2];
    return red | green << 8 | blue << 16;
}

} // namespace

MagnifierState withSampleCommand(MagnifierState s, int commandId) {
    if (commandId < kSampleCommandFirst || commandId > kSampleCommandFirst + 2) return s;
    s.sampleSize = 2 * commandId - (2 * kSampleCommandFirst - 1);
    return clampOffsets(s);
}

int sampleCommandFor(int sampleSize) {
    return isSampleSize(sampleSize) ? kSampleCommandFirst + sampleSize / 2 : 0;
}

int sampleIconFor(int sampleSize) {
    const int command = sampleCommandFor(sampleSize);
    return command != 0 ? 210 + command : 0;
}

Point pickedImagePixel(const MagnifierState& s) {
    return {kCaptureCentre + s.pickOffset.x - s.viewOffset.x,
            kCaptureCentre + s.pickOffset.y - s.viewOffset.y};
}

Point pickedScreenPixel(const MagnifierState& s, Point captureCenter) {
    return {saturated(0LL + captureCenter.x + s.pickOffset.x - s.viewOffset.x),
            saturated(0LL + captureCenter.y + s.pickOffset.y - s.viewOffset.y)};
}

std::string magnifierCaption(Point pixel, int zoomFactor, Vision vision) {
    std::string caption = "HUEX | X:" + std::to_string(pixel.x) + ", Y:" + std::to_string(pixel.y) + "   (x" +
                          std::to_string(zoomFactor) + ")";
    if (vision != Vision::normal) caption += " — " + std::string(visionName(vision));
    return caption;
}

Rect liveSourceRect(const MagnifierState& s, Point captureCenter) {
    const int left = saturated(0LL + captureCenter.x - s.viewOffset.x - s.viewSize / 2);
    const int top = saturated(0LL + captureCenter.y - s.viewOffset.y - s.viewSize / 2);
    return {left, top, saturated(0LL + left + s.viewSize), saturated(0LL + top + s.viewSize)};
}

Point captureSourceOrigin(const MagnifierState& s) {
    const int margin = (kCaptureSide - s.viewSize) / 2;
    return {margin - s.viewOffset.x, margin + s.viewOffset.y};
}

RgbColor sampleFromCapture(std::span<const std::uint8_t> capture, const MagnifierState& state) {
    if (capture.size() < kCaptureBytes) return {};
    const MagnifierState s = sanitized(state);
    const Point c = pickedImagePixel(s);
    const int h = s.sampleSize / 2;
    RgbColor sum;
    for (int x = c.x - h; x <= c.x + h; ++x) {
        for (int y = c.y - h; y <= c.y + h; ++y) accumulateColor(sum, captureColorAt(capture, x, y));
    }
    const double n = s.sampleSize * s.sampleSize;
    return {sum.red / n, sum.green / n, sum.blue / n};
}

std::vector<Point> liveSamplePoints(const MagnifierState& state, ViewGrid grid) {
    const MagnifierState s = sanitized(state);
    const int k = grid.block;
    const int cx = k * s.viewSize / 2 + grid.origin.x, cy = k * s.viewSize / 2 + grid.origin.y;
    const int h = s.sampleSize / 2;
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(s.sampleSize) * s.sampleSize);
    for (int i = 0; i < s.sampleSize; ++i) {
        for (int j = 0; j < s.sampleSize; ++j)
            points.push_back({cx + k * (s.pickOffset.x + i - h), cy + k * (s.pickOffset.y + j - h)});
    }
    return points;
}

RgbColor sampleFromLiveSquare(std::span<const std::uint32_t> square, const MagnifierState& state) {
    const MagnifierState s = sanitized(state);
    const auto side = static_cast<std::size_t>(s.viewSize);
    if (square.size() < side * side) return {};
    // Block (i, j) of the view shows square pixel (i, j); the live points lie in these blocks.
    const std::vector<Point> blocks = liveSamplePoints(s, ViewGrid{{0, 0}, 1});
    std::vector<ColorRef> colors;
    colors.reserve(blocks.size());
    for (const Point& b : blocks) {
        const std::uint32_t p = square[static_cast<std::size_t>(b.y) * side + static_cast<std::size_t>(b.x)];
        colors.push_back((p >> 16 & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16);
    }
    return meanColor(colors);
}

RgbColor meanColor(std::span<const ColorRef> colors) {
    if (colors.empty()) return {};
    RgbColor sum;
    for (ColorRef c : colors) accumulateColor(sum, c);
    const double n = static_cast<double>(colors.size());
    return {sum.red / n, sum.green / n, sum.blue / n};
}

} // namespace huex
