#pragma once
// The three-ring frames drawn round the zoom view, the swatches and the palette cells: the drawing
// colours, which style each region takes, the copy/refresh flash of the zoom frame, and the rings
// and corner pixels a style paints.
#include "color/Color.h"
#include "geometry/Geometry.h"
#include "geometry/Scale.h"

#include <array>

namespace huex {

constexpr ColorRef packColorRef(int red, int green, int blue) {
    return static_cast<ColorRef>(red & 0xFF) | static_cast<ColorRef>(green & 0xFF) << 8 |
           static_cast<ColorRef>(blue & 0xFF) << 16;
}

inline constexpr ColorRef kWhite = packColorRef(255, 255, 255);
inline constexpr ColorRef kLightRing = packColorRef(230, 230, 230); // innermost ring of every frame
inline constexpr ColorRef kDark = packColorRef(64, 32, 0);          // rings of active frames
inline constexpr ColorRef kSlate = packColorRef(95, 95, 112);       // passive frames, swatch marker
inline constexpr ColorRef kHover = packColorRef(250, 245, 235);     // sample button under the mouse
inline constexpr ColorRef kCopyFlash = packColorRef(30, 230, 50);
inline constexpr ColorRef kRefreshFlash = packColorRef(255, 100, 0);
inline constexpr ColorRef kSeparatorGrey = packColorRef(128, 128, 128);

enum class FrameStyle { active, passive, source, focused, thin };

struct Frame {
    FrameStyle style;
    ColorRef color; // the style's own colour; only active and passive use it
    friend bool operator==(const Frame&, const Frame&) = default;
};

enum class FlashKind { copy = 1, refresh = 2 };
inline constexpr int kFlashSteps = 8;

// Zoom view frame: active in dark while the view is the colour source, passive in slate otherwise;
// during a flash (steps 1..8) the colour fades from the flash colour to that ordinary colour.
// Steps outside 1..8 mean no flash.
Frame zoomFrame(int flashStep, FlashKind kind, bool zoomActive);
Frame colorSwatchFrame(bool focusOnColor1);
Frame modifiedSwatchFrame(bool focusOnColor2);
Frame paletteCellFrame(bool selected, bool paletteActive);

// Flash timer tick: the next step, and whether the flash is over (step back to 0, timer stopped).
struct FlashTick {
    int step;
    bool finished;
};
FlashTick nextFlashStep(int step);

struct FrameRing {
    Rect outline; // drawn as an outline on the rectangle's own edge, `width` pixels thick
    ColorRef color;
    int width = 1;
};

// What a frame round `inner` paints, in this order: the three rings (innermost first), a focus
// rectangle (DrawFocusRect) on the second ring's outline when `focusRect` is set, then the corner
// pixels set to the background colour. The rings never overlap, so this order paints the same
// pixels as clearing the thin style's corners before its third ring.
// At a scale above 96 DPI each ring is as thick as the scale makes its pixel, and the corners are
// squares of the corner ring's width (cornerSize).
struct FramePaint {
    std::array<FrameRing, 3> rings;
    bool focusRect;
    std::array<Point, 4> backgroundCorners;
    int cornerSize = 1;
};
FramePaint framePaint(const Rect& inner, const Frame& frame, ColorRef background, Scale scale = {});

} // namespace huex
