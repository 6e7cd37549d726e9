#pragma once
// Rectangles of the picker window's self-drawn regions and child controls, its client and window
// sizes, the palette cells and the rule that turns a new window width into a new right edge.
// Everything is in client coordinates of the picker window, in device pixels of the window's DPI:
// the rules are written in 96-DPI units and each length goes through the window's scale.
#include "geometry/Geometry.h"
#include "geometry/Scale.h"
#include "geometry/ZoomLevels.h"

#include <optional>

namespace huex {

// Width of the frames drawn round the zoom view, the swatches and the palette cells.
inline constexpr int kFrameWidth = 3;
// Width of the right panel on the very first layout, before the user resized anything.
inline constexpr int kInitialRightPanelWidth = 160;
inline constexpr int kMinWindowWidth = 280;
inline constexpr int kMaxWindowWidth = 6666;

// The layout's lengths at one scale. Positions are built from these, so that lengths that must add
// up (a frame and its margin on both sides of the view) still add up after rounding.
struct LayoutMetrics {
    int frame;         // the frames round the view, the swatches and the cells (3)
    int margin;        // between a frame and what it frames (3)
    int line;          // one-pixel lines and gaps
    int pipetteBar;    // 22
    int sampleButton;  // 30
    int swatch;        // 16
    int edit;          // 20
    int paletteColumn; // 46
    int columnGap;     // between the right panel and the palette column: the two separator lines
    int cellInset;     // 2, between a palette cell's frame and the column
    int hitMargin;     // 3, round a palette cell
    int initialRightPanel, minWindowWidth, maxWindowWidth, defaultWindowWidth;
};
LayoutMetrics layoutMetrics(Scale scale);
inline constexpr int kDefaultWindowWidth = 306;

struct PickerLayout {
    Rect leftPanel;      // zoom view, its frame and the pipette bar
    Rect rightPanel;     // slots and swatches; its right edge R is kept across layouts
    Rect paletteColumn;  // 46 pixels wide, right of R
    Rect zoomRect;       // the magnified view, S x S at (6, 6)
    Rect pipetteBar;     // 22 pixels high, under the zoom view
    Rect sampleButton;   // the right 30 pixels of the pipette bar
    Rect colorSwatch;    // current colour
    Rect modifiedSwatch; // current colour after the modifier

    Scale scale{};       // the DPI everything above is laid out for
    int block = 0;       // device pixels per captured pixel in the zoom view

    int height() const { return leftPanel.bottom; }
    ViewGrid viewGrid() const { return {zoomRect.topLeft(), block}; }
};

// Lays the regions out for a view of viewSize x viewSize image pixels, each drawn as a block of
// the scaled zoomFactor. The right edge of `previous` is kept (its right panel's width scaled when
// the DPI changed); a previous layout with an empty right panel (a default-constructed one) is the
// first layout and gets the initial width. The view side is limited to what the zoom table can
// produce, so garbage zoom values give a sane window.
PickerLayout computeLayout(int viewSize, int zoomFactor, const PickerLayout& previous = {}, Scale scale = {});

// Child controls of the two slots, stacked bottom-up above the swatches. checkBoxHeight is the
// slot-2 check box's current height; both check boxes get it.
struct SlotControlRects {
    Rect edit2, check2, edit1, check1;
};
SlotControlRects slotControlRects(const PickerLayout& layout, int checkBoxHeight);

// The client area the layout needs, and the outer window size for it given the difference between
// the current window and client sizes.
Size clientSize(const PickerLayout& layout);
Size windowSizeFor(const PickerLayout& layout, Size nonClient);

// Size limits for WM_GETMINMAXINFO: only the width can be dragged; the height follows the layout.
struct TrackingLimits {
    Size minTrack, maxTrack;
};
TrackingLimits trackingLimits(const PickerLayout& layout, int nonClientHeight);

// Right edge R that a window of the given outer width gives the right panel: the palette column
// ends at the client area's right edge. The window's frame is nonClientWidth wide in all (8 for a
// sizable window at 96 DPI).
inline constexpr int kFrameNonClientWidth = 8;
int rightEdgeForWindowWidth(const PickerLayout& layout, int windowWidth, int nonClientWidth = kFrameNonClientWidth);

// WM_SIZE: moves the right edge to match the new outer window width and lays out again. Returns
// the client area to invalidate (without erasing) when the edge moved, nothing when it did not.
std::optional<Rect> applyWindowWidth(PickerLayout& layout, int windowWidth,
                                     int nonClientWidth = kFrameNonClientWidth);

// Palette cell i of n cells; the empty rectangle for an index outside 0..n-1. n is limited to
// the palette's capacity so that a hit can always index the palette.
Rect paletteCell(const PickerLayout& layout, int index, int count);

// Index of the first cell whose rectangle, grown by 3 pixels on every side, holds the point;
// -1 when none does.
int paletteHitTest(const PickerLayout& layout, int count, Point p);

} // namespace huex
