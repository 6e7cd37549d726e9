#include "picker/Layout.h"

#include "color/Palette.h"

#include <algorithm>

namespace huex {

namespace {

// The whole 33-pixel capture at the largest factor; the zoom table stays far below it.
constexpr int kMaxViewSide = 33 * 15;

PickerLayout layoutForViewSide(int S, int R, Scale scale, int block) {
    const LayoutMetrics m = layoutMetrics(scale);
    const int f = m.frame, g = m.margin;
    const int W = S + 2 * f + 2 * g;
    const int H = W + f + m.pipetteBar;
    PickerLayout l;
    l.scale = scale;
    l.block = block;
    l.leftPanel = {0, 0, W, H};
    l.rightPanel = {W - f, 0, R, H};
    l.paletteColumn = {R + m.columnGap, 0, R + m.columnGap + m.paletteColumn, H};
    l.zoomRect = {f + g, f + g, W - f - g, f + g + S};
    l.pipetteBar = {f, l.zoomRect.bottom + f + g, W - f, H - f};
    l.sampleButton = {l.pipetteBar.right - m.sampleButton, l.pipetteBar.top, l.pipetteBar.right,
                      l.pipetteBar.bottom};
    const int swatchLeft = l.rightPanel.left + f + g;
    const int swatchTop = H - f - g - m.swatch;
    const int swatchRight = swatchLeft + (R - 3 * f - 4 * g - l.rightPanel.left) / 2;
    l.colorSwatch = {swatchLeft, swatchTop, swatchRight, H - f - g};
    l.modifiedSwatch = {swatchRight + f + 2 * g, swatchTop, R - f - g, H - f - g};
    return l;
}

} // namespace

LayoutMetrics layoutMetrics(Scale s) {
    return {
        .frame = s.line(kFrameWidth),
        .margin = s.line(3),
        .line = s.line(1),
        .pipetteBar = s(22),
        .sampleButton = s(30),
        .swatch = s(16),
        .edit = s(20),
        .paletteColumn = s(46),
        .columnGap = 2 * s.line(1),
        .cellInset = s.line(2),
        .hitMargin = s(3),
        .initialRightPanel = s(kInitialRightPanelWidth),
        .minWindowWidth = s(kMinWindowWidth),
        .maxWindowWidth = s(kMaxWindowWidth),
        .defaultWindowWidth = s(kDefaultWindowWidth),
    };
}

PickerLayout computeLayout(int viewSize, int zoomFactor, const PickerLayout& previous, Scale scale) {
    const LayoutMetrics m = layoutMetrics(scale);
    const int block = scale(std::clamp(zoomFactor, 0, static_cast<int>(kMaxViewSide)));
    const long long side = static_cast<long long>(viewSize) * block;
    const int S = static_cast<int>(std::clamp(side, 0LL, static_cast<long long>(scale(kMaxViewSide))));
    const int W = S + 2 * m.frame + 2 * m.margin;
    int R = W + m.initialRightPanel;
    if (!previous.rightPanel.empty() && previous.scale == scale) {
        R = previous.rightPanel.right;
    } else if (!previous.rightPanel.empty()) {
        // A new DPI: the right panel keeps its apparent width.
        R = W + mulDiv(previous.rightPanel.right - previous.leftPanel.right, scale.dpi, previous.scale.dpi);
    }
    return layoutForViewSide(S, R, scale, block);
}

SlotControlRects slotControlRects(const PickerLayout& l, int checkBoxHeight) {
    const LayoutMetrics m = layoutMetrics(l.scale);
    const int f = m.frame;
    const int hc = std::max(checkBoxHeight, 0);
    const int x = l.rightPanel.left + f;
    const int width = l.rightPanel.right - l.rightPanel.left - 2 * f;
    const int v = l.colorSwatch.top - f - m.edit - m.margin;
    const int t = v - hc - 2 * f - m.edit;
    return {
        .edit2 = Rect::fromSize(x, v, width, m.edit),
        .check2 = Rect::fromSize(x, v - hc - m.line, width, hc),
        .edit1 = Rect::fromSize(x, t, width, m.edit),
        .check1 = Rect::fromSize(x, t - hc - m.line, width, hc),
    };
}

Size clientSize(const PickerLayout& l) {
    return {l.paletteColumn.right, l.height()};
}

Size windowSizeFor(const PickerLayout& l, Size nonClient) {
    const Size client = clientSize(l);
    return {client.width + nonClient.width, client.height + nonClient.height};
}

TrackingLimits trackingLimits(const PickerLayout& l, int nonClientHeight) {
    const LayoutMetrics m = layoutMetrics(l.scale);
    const int height = l.height() + nonClientHeight;
    return {{m.minWindowWidth, height}, {m.maxWindowWidth, height}};
}

int rightEdgeForWindowWidth(const PickerLayout& l, int windowWidth, int nonClientWidth) {
    const LayoutMetrics m = layoutMetrics(l.scale);
    // The platform never reports a window outside the tracking limits; the clamp only keeps a
    // nonsensical width from overflowing.
    windowWidth = std::clamp(windowWidth, 0, m.maxWindowWidth);
    return windowWidth - nonClientWidth - m.columnGap - m.paletteColumn;
}

std::optional<Rect> applyWindowWidth(PickerLayout& l, int windowWidth, int nonClientWidth) {
    const int R = rightEdgeForWindowWidth(l, windowWidth, nonClientWidth);
    if (R == l.rightPanel.right) return std::nullopt;
    l = layoutForViewSide(l.zoomRect.width(), R, l.scale, l.block);
    return Rect{l.leftPanel.right + layoutMetrics(l.scale).frame, 0, l.paletteColumn.right, l.height()};
}

Rect paletteCell(const PickerLayout& l, int index, int count) {
    const int n = std::min(count, Palette::capacity);
    if (index < 0 || index >= n) return {};
    const LayoutMetrics m = layoutMetrics(l.scale);
    const int f = m.frame, inset = m.cellInset;
    const Rect& column = l.paletteColumn;
    const int G = column.height() - f;
    return {column.left + f + inset, column.top + G * index / n + f + inset, column.right - f - inset,
            column.top + G * (index + 1) / n - inset};
}

int paletteHitTest(const PickerLayout& l, int count, Point p) {
    const int margin = layoutMetrics(l.scale).hitMargin;
    for (int i = 0; i < std::min(count, Palette::capacity); ++i) {
        if (paletteCell(l, i, count).inflated(margin, margin).contains(p)) return i;
    }
    return -1;
}

} // namespace huex
