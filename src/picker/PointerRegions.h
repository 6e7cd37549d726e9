#pragma once
// Where a pointer is in the picker window and what that region says about itself: the region
// codes the mouse handlers share, the hover tooltip text, and the pixel a click in the zoom view
// picks.
#include "color/Color.h"
#include "picker/Layout.h"
#include "picker/Magnifier.h"

#include <string>

namespace huex {

// Region codes, in the order the left button and the hover test look for them. A palette cell i
// is kPaletteRegion + i.
enum RegionCode : int {
    kNoRegion = 0,
    kZoomRegion = 1,
    kColorSwatchRegion = 2,
    kModifiedSwatchRegion = 3,
    kPipetteBarRegion = 4, // the pipette bar outside the sample button
    kSampleButtonRegion = 5,
    kPaletteRegion = 10,
};

// First region holding p: zoom view, colour swatch, modified swatch, sample button, the rest of the
// pipette bar, then the palette cells (grown hit rectangles).
int regionAt(const PickerLayout& layout, int paletteCount, Point p);

// Palette cell of a region code, -1 for the other regions.
int paletteCellOfRegion(int code);

// The code the hover tracking remembers: the zoom view counts as no region once the first-run
// hints are off, since it then has no tip of its own.
int hoverCode(int code, bool firstRun);

// Tooltip text (UTF-8) for a region; `color` is the region's own colour (swatches and cells).
// The colour swatch's adds the colour's names: "<Russian> · <CSS> · <ISCC–NBS>". Empty when the
// region shows no tip.
std::string hoverTooltip(int code, const RgbColor& color, bool firstRun);

// pickOffset for a click at client point p inside the zoom view, clamped so the sample block stays
// inside the view.
Point clickedPickOffset(const MagnifierState& s, Point p, ViewGrid grid);
inline Point clickedPickOffset(const MagnifierState& s, Point p) {
    return clickedPickOffset(s, p, unscaledGrid(s));
}

} // namespace huex
