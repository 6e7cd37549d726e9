#include "picker/Frames.h"

#include "color/Modifiers.h"

#include <cmath>

namespace huex {

namespace {

// The fade curve is defined with this value of pi, not the exact one.
constexpr double kFlashPi = 3.14159265;

} // namespace

Frame zoomFrame(int flashStep, FlashKind kind, bool zoomActive) {
    const Frame ordinary = zoomActive ? Frame{FrameStyle::active, kDark} : Frame{FrameStyle::passive, kSlate};
    if (flashStep < 1 || flashStep > kFlashSteps) return ordinary;
    const double x = std::sin((flashStep - 1) / 7.0 * kFlashPi / 2);
    const ColorRef flash = kind == FlashKind::copy ? kCopyFlash : kRefreshFlash;
    return {ordinary.style, mixColors(flash, ordinary.color, x)};
}

Frame colorSwatchFrame(bool focusOnColor1) {
    return focusOnColor1 ? Frame{FrameStyle::active, kDark} : Frame{FrameStyle::passive, kSlate};
}

Frame modifiedSwatchFrame(bool focusOnColor2) {
    return focusOnColor2 ? Frame{FrameStyle::focused, kDark} : Frame{FrameStyle::passive, kSlate};
}

Frame paletteCellFrame(bool selected, bool paletteActive) {
    if (!selected) return {FrameStyle::thin, kSlate};
    return paletteActive ? Frame{FrameStyle::source, kDark} : Frame{FrameStyle::focused, kDark};
}

FlashTick nextFlashStep(int step) {
    if (step < 0 || step >= kFlashSteps) return {0, true};
    return {step + 1, false};
}

FramePaint framePaint(const Rect& inner, const Frame& frame, ColorRef background, Scale scale) {
    std::array<ColorRef, 3> colors{};
    int cornerRing = 3;
    switch (frame.style) {
    case FrameStyle::active:
        colors = {kLightRing, frame.color, frame.color};
        break;
    case FrameStyle::passive:
        colors = {kLightRing, kLightRing, frame.color};
        break;
    case FrameStyle::source:
        colors = {kLightRing, kDark, kDark};
        break;
    case FrameStyle::focused:
        colors = {kLightRing, kWhite, kDark};
        break;
    case FrameStyle::thin:
        colors = {kLightRing, kSlate, background};
        cornerRing = 2;
        break;
    }
    FramePaint paint{};
    // Ring edges at the scaled distances 1, 2 and 3 from the inner rectangle: their widths add up
    // to the scaled frame width whatever the rounding.
    for (int i = 0; i < 3; ++i) {
        const int outer = scale.line(i + 1);
        paint.rings[i] = {inner.inflated(outer, outer), colors[i], outer - (i == 0 ? 0 : scale.line(i))};
    }
    paint.focusRect = frame.style == FrameStyle::focused;
    paint.backgroundCorners = cornerPixels(paint.rings[cornerRing - 1].outline);
    paint.cornerSize = paint.rings[cornerRing - 1].width;
    return paint;
}

} // namespace huex
