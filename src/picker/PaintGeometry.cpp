#include "picker/PaintGeometry.h"

#include "picker/Frames.h"

namespace huex {

namespace {

constexpr int f = kFrameWidth;

// Top-left corner at which a picture of the given size sits centred in `area`.
Point centredIn(const Rect& area, int width, int height) {
    return {(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2};
}

} // namespace

std::vector<Rect> backgroundFills(const PickerLayout& l, const SlotControlRects& c, Size client) {
    const int cw = client.width, ch = client.height;
    const int R = l.rightPanel.right;
    const int x = l.rightPanel.left;
    const std::array<Rect, 12> all{{
        Rect::fromSize(0, 0, cw, f),
        Rect::fromSize(0, ch - f, cw, f),
        Rect::fromSize(0, f, f, ch - 2 * f),
        Rect::fromSize(cw - f + 1, f, f - 1, ch - 2 * f),
        Rect::fromSize(l.leftPanel.right - f, f, f, ch - 2 * f),
        Rect::fromSize(f, l.colorSwatch.top - 2 * f, R, f),
        Rect::fromSize(R - f, f, f, ch - 2 * f),
        Rect::fromSize(l.paletteColumn.left - f + 3, f, f - 1, ch - 2 * f),
        {x, f, R, c.check1.top},
        {x, c.check1.bottom, R, c.edit1.top},
        {x, c.edit1.bottom, R, c.check2.top},
        {x, c.check2.bottom, R, c.edit2.top},
    }};
    std::vector<Rect> fills;
    for (const Rect& r : all) {
        if (!r.empty()) fills.push_back(r);
    }
    return fills;
}

bool sameScreenColor(const RgbColor& a, const RgbColor& b) {
    return (rgbToColorref(a) & 0xFFFFFF) == (rgbToColorref(b) & 0xFFFFFF);
}

SwatchMarker swatchMarker(const PickerLayout& l, bool swatchesEqual) {
    const Rect& left = l.colorSwatch;
    const Rect& right = l.modifiedSwatch;
    SwatchMarker marker{};
    marker.equalSign = swatchesEqual;
    if (!swatchesEqual) {
        marker.background = {left.right + 3, left.top - 3, right.left - 3, right.bottom + 3};
        return marker;
    }
    const int m = (left.top + left.bottom) / 2;
    marker.box = {left.right - 2, m - 5, right.left + 2, m + 5};
    marker.boxOutline = marker.box.inflated(1, 1);
    marker.lineYs = {m - 3, m - 2, m + 1, m + 2};
    marker.lineFromX = left.right + 1;
    marker.lineToX = right.left - 1;
    const int stripHeight = right.height() / 2 - 3;
    marker.backgroundStrips = {Rect::fromSize(left.right + 3, left.top - f, f, stripHeight),
                               Rect::fromSize(left.right + 3, left.bottom - f + 1, f, stripHeight)};
    return marker;
}

std::optional<Rect> paletteGapRow(const PickerLayout& l, int index, int count) {
    // The last cell has no gap below it.
    if (paletteCell(l, index + 1, count).empty()) return std::nullopt;
    const Rect above = paletteCell(l, index, count);
    if (above.empty()) return std::nullopt;
    return Rect::fromSize(l.paletteColumn.left, above.bottom + 3, l.paletteColumn.width(), 1);
}

DropPreview swatchDropPreview(const Rect& s) {
    const int m = s.left + s.width() / 2;
    return {
        .ownColor = {s.left, s.top, m - 1, s.bottom},
        .droppedColor = {m, s.top, s.right, s.bottom},
        .divider = Rect::fromSize(m, s.top + 1, 1, s.height() - 2),
        .focusFrame = s.inflated(-1, -1),
    };
}

DropPreview paletteDropPreview(const Rect& cell) {
    const int m = cell.left + cell.width() / 2;
    return {
        .ownColor = {cell.left, cell.top, m, cell.bottom},
        .droppedColor = {m, cell.top, cell.right, cell.bottom},
        .divider = {m, cell.top, m + 1, cell.bottom},
        .focusFrame = cell,
    };
}

PipetteBarPaint pipetteBarPaint(const PickerLayout& l) {
    const Rect& bar = l.pipetteBar;
    Rect white = bar.inflated(-1, -1);
    white.right = l.sampleButton.left + 1;
    const Point icon = centredIn(white, 16, 16);
    return {bar, cornerPixels(bar), white, icon, {l.sampleButton.left, icon.y}};
}

SampleButtonPaint sampleButtonPaint(const PickerLayout& l, SampleButtonMode mode, Point cursor) {
    const bool highlighted = mode == SampleButtonMode::highlighted ||
                             (mode == SampleButtonMode::byCursor && l.sampleButton.contains(cursor));
    const Rect face = l.sampleButton.inflated(-1, -1);
    return {face, highlighted ? kHover : kWhite, centredIn(face, 24, 16)};
}

SeparatorLines separatorLines(const PickerLayout& l) {
    const int R = l.rightPanel.right;
    const int bottom = l.rightPanel.bottom - f;
    return {{R, f}, {R, bottom}, {R + 1, f}, {R + 1, bottom}};
}

} // namespace huex
