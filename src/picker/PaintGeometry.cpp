#include "picker/PaintGeometry.h"

#include "picker/Frames.h"

#include <algorithm>

namespace huex {

namespace {

// Top-left corner at which a picture of the given size sits centred in `area`.
Point centredIn(const Rect& area, int width, int height) {
    return {(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2};
}

// The band between the zoom frame and the pipette bar, which runs on under the slots and above
// the swatch frames. At 96 DPI both gaps are the same rows; at other scales rounding may move them
// apart by a row, and the band covers both.
Rect underViewAndAboveSwatches(const PickerLayout& l, const LayoutMetrics& m) {
    const int f = m.frame;
    const int view = l.zoomRect.bottom + f, swatches = l.colorSwatch.top - 2 * f;
    return {f, std::min(view, swatches), f + l.rightPanel.right, std::max(view + m.margin, swatches + f)};
}

} // namespace

std::vector<Rect> backgroundFills(const PickerLayout& l, const SlotControlRects& c, Size client) {
    const LayoutMetrics m = layoutMetrics(l.scale);
    const int f = m.frame;
    const int cw = client.width, ch = client.height;
    const int R = l.rightPanel.right;
    const int x = l.rightPanel.left;
    const std::array<Rect, 12> all{{
        Rect::fromSize(0, 0, cw, f),
        Rect::fromSize(0, ch - f, cw, f),
        Rect::fromSize(0, f, f, ch - 2 * f),
        Rect::fromSize(cw - f + m.line, f, f - m.line, ch - 2 * f),
        Rect::fromSize(l.leftPanel.right - f, f, f, ch - 2 * f),
        underViewAndAboveSwatches(l, m),
        Rect::fromSize(R - f, f, f, ch - 2 * f),
        Rect::fromSize(l.paletteColumn.left - f + m.margin, f, f - m.line, ch - 2 * f),
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
    const Scale scale = l.scale;
    const int f = layoutMetrics(scale).frame, one = scale.line(1);
    const Rect& left = l.colorSwatch;
    const Rect& right = l.modifiedSwatch;
    SwatchMarker marker{};
    marker.equalSign = swatchesEqual;
    if (!swatchesEqual) {
        marker.background = {left.right + f, left.top - f, right.left - f, right.bottom + f};
        return marker;
    }
    const int m = (left.top + left.bottom) / 2;
    marker.box = {left.right - scale(2), m - scale(5), right.left + scale(2), m + scale(5)};
    marker.boxOutline = marker.box.inflated(one, one);
    marker.outlineWidth = one;
    marker.bars = {Rect{left.right + one, m - scale(3), right.left - one, m - scale(1)},
                   Rect{left.right + one, m + scale(1), right.left - one, m + scale(3)}};
    marker.backgroundStrips = {Rect{left.right + f, left.top - f, left.right + 2 * f, marker.boxOutline.top},
                               Rect{left.right + f, marker.boxOutline.bottom, left.right + 2 * f, right.bottom + f}};
    return marker;
}

std::optional<Rect> paletteGapRow(const PickerLayout& l, int index, int count) {
    // The last cell has no gap below it.
    if (paletteCell(l, index + 1, count).empty()) return std::nullopt;
    const Rect above = paletteCell(l, index, count);
    if (above.empty()) return std::nullopt;
    const LayoutMetrics m = layoutMetrics(l.scale);
    return Rect::fromSize(l.paletteColumn.left, above.bottom + m.frame, l.paletteColumn.width(),
                          2 * m.cellInset - m.frame);
}

DropPreview swatchDropPreview(const Rect& s, Scale scale) {
    const int one = scale.line(1);
    const int m = s.left + s.width() / 2;
    return {
        .ownColor = {s.left, s.top, m - one, s.bottom},
        .droppedColor = {m, s.top, s.right, s.bottom},
        .divider = Rect::fromSize(m, s.top + one, one, s.height() - 2 * one),
        .focusFrame = s.inflated(-one, -one),
    };
}

DropPreview paletteDropPreview(const Rect& cell, Scale scale) {
    const int m = cell.left + cell.width() / 2;
    return {
        .ownColor = {cell.left, cell.top, m, cell.bottom},
        .droppedColor = {m, cell.top, cell.right, cell.bottom},
        .divider = {m, cell.top, m + scale.line(1), cell.bottom},
        .focusFrame = cell,
    };
}

PipetteBarPaint pipetteBarPaint(const PickerLayout& l) {
    const int one = l.scale.line(1);
    const Rect& bar = l.pipetteBar;
    Rect white = bar.inflated(-one, -one);
    white.right = l.sampleButton.left + one;
    const Point icon = centredIn(white, l.scale(16), l.scale(16));
    return {bar, cornerPixels(bar), white, icon, {l.sampleButton.left, icon.y}, one};
}

SampleButtonPaint sampleButtonPaint(const PickerLayout& l, SampleButtonMode mode, Point cursor) {
    const bool highlighted = mode == SampleButtonMode::highlighted ||
                             (mode == SampleButtonMode::byCursor && l.sampleButton.contains(cursor));
    const int one = l.scale.line(1);
    const Rect face = l.sampleButton.inflated(-one, -one);
    return {face, highlighted ? kHover : kWhite, centredIn(face, l.scale(24), l.scale(16))};
}

SeparatorLines separatorLines(const PickerLayout& l) {
    const LayoutMetrics m = layoutMetrics(l.scale);
    const int R = l.rightPanel.right;
    const int bottom = l.rightPanel.bottom - m.frame;
    const int f = m.frame, w = m.line;
    return {{R, f}, {R, bottom}, {R + w, f}, {R + w, bottom}, w};
}

} // namespace huex
