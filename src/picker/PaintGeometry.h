#pragma once
// Where the picker window's painter puts things that depend only on the layout: the background
// between the regions, the marker between the swatches, the gaps between palette cells, the
// drop previews, the pipette bar's icons, the sample button and the separator.
#include "color/Color.h"
#include "geometry/Geometry.h"
#include "picker/Layout.h"

#include <array>
#include <optional>
#include <vector>

namespace huex {

// Background fills of a full paint, in painting order, empty ones left out: the margins, the
// gaps between panels and the bands of the right panel round the slot controls. `controls` are
// the controls' actual rectangles in client coordinates.
std::vector<Rect> backgroundFills(const PickerLayout& layout, const SlotControlRects& controls, Size client);

// Whether two colours paint as the same 24-bit colour.
bool sameScreenColor(const RgbColor& a, const RgbColor& b);

// The marker between the swatches. When the swatches differ the gap is just background; when
// they are equal an equals sign in a white box says that the modifier changes nothing.
struct SwatchMarker {
    bool equalSign;
    Rect background;                      // differ: the gap to fill with background
    Rect box;                             // equal: filled white
    Rect boxOutline;                      // equal: slate outline one pixel outside the box
    int outlineWidth;                     // equal: of the box outline
    std::array<Rect, 2> bars;             // equal: the two black bars of the sign
    std::array<Rect, 2> backgroundStrips; // equal: filled with background above and below the box
};
SwatchMarker swatchMarker(const PickerLayout& layout, bool swatchesEqual);

// The one-pixel background row in the middle of the gap under palette cell `index`; none for the
// last cell or an index outside 0..count-1.
std::optional<Rect> paletteGapRow(const PickerLayout& layout, int index, int count);

// Preview of dropping a colour on a swatch or a palette cell: part of the target keeps its own
// colour, the rest shows the dragged colour, a one-pixel divider in the contrast colour between
// them, and a white outline with a focus rectangle round `focusFrame`.
struct DropPreview {
    Rect ownColor;
    Rect droppedColor;
    Rect divider;
    Rect focusFrame;
};
DropPreview swatchDropPreview(const Rect& swatch, Scale scale = {});
DropPreview paletteDropPreview(const Rect& cell, Scale scale = {});

// Pipette bar: a black outline with background corners, a white area left of the sample button
// with the pipette icon centred in it, and the divider icon at the button's left edge.
struct PipetteBarPaint {
    Rect outline;
    std::array<Point, 4> backgroundCorners;
    Rect whiteArea;
    Point pipetteIcon; // DrawIcon positions, centred as for a 16 x 16 picture (scaled)
    Point dividerIcon;
    int lineWidth; // of the outline and its corners
};
PipetteBarPaint pipetteBarPaint(const PickerLayout& layout);

enum class SampleButtonMode { byCursor = 0, normal = 1, highlighted = 2 };
struct SampleButtonPaint {
    Rect face;
    ColorRef faceColor;
    Point icon; // centred as for a 24 x 16 picture
};
SampleButtonPaint sampleButtonPaint(const PickerLayout& layout, SampleButtonMode mode, Point cursor);

// The separator left of the palette: a grey line and a white line beside it.
struct SeparatorLines {
    Point greyFrom, greyTo, whiteFrom, whiteTo; // LineTo's end is not drawn
    int width;                                  // of each line, which runs right of its points
};
SeparatorLines separatorLines(const PickerLayout& layout);

} // namespace huex
