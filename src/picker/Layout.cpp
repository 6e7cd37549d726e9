#include "picker/Layout.h"

#include "color/Palette.h"

#include <algorithm>

namespace huex {

namespace {

constexpr int f = kFrameWidth;
constexpr int kPaletteColumnWidth = 46;
constexpr int kPipetteBarHeight = 22;
constexpr int kSampleButtonWidth = 30;
constexpr int kSwatchHeight = 16;
constexpr int kEditHeight = 20;
constexpr int kPaletteHitMargin = 3;
// The whole 33-pixel capture at the largest factor; the zoom table stays far below it.
constexpr long long kMaxViewSide = 33LL * 15;

PickerLayout layoutForViewSide(int S, int R) {
    const int W = S + 2 * f + 6;
    const int H = W + f + 22;
    PickerLayout l;
    l.leftPanel = {0, 0, W, H};
    l.rightPanel = {W - f, 0, R, H};
    l.paletteColumn = {R + 2, 0, R + 2 + kPaletteColumnWidth, H};
    l.zoomRect = {f + 3, f + 3, W - f - 3, f + 3 + S};
    l.pipetteBar = {f, l.zoomRect.bottom + f + 3, W - f, H - f};
    l.sampleButton = {l.pipetteBar.right - kSampleButtonWidth, l.pipetteBar.top, l.pipetteBar.right,
                      l.pipetteBar.bottom};
    const int swatchLeft = l.rightPanel.left + f + 3;
    const int swatchTop = H - f - 3 - kSwatchHeight;
    const int swatchRight = swatchLeft + (R - 3 * f - 12 - l.rightPanel.left) / 2;
    l.colorSwatch = {swatchLeft, swatchTop, swatchRight, H - f - 3};
    l.modifiedSwatch = {swatchRight + f + 6, swatchTop, R - f - 3, H - f - 3};
    return l;
}

} // namespace

PickerLayout computeLayout(int viewSize, int zoomFactor, const PickerLayout& previous) {
    const long long side = static_cast<long long>(viewSize) * zoomFactor;
    const int S = static_cast<int>(std::clamp(side, 0LL, kMaxViewSide));
    const int W = S + 2 * f + 6;
    const int R = previous.rightPanel.empty() ? W + kInitialRightPanelWidth : previous.rightPanel.right;
    return layoutForViewSide(S, R);
}

SlotControlRects slotControlRects(const PickerLayout& l, int checkBoxHeight) {
    const int hc = std::max(checkBoxHeight, 0);
    const int x = l.rightPanel.left + f;
    const int width = l.rightPanel.right - l.rightPanel.left - 2 * f;
    const int v = l.colorSwatch.top - f - 23;
    const int t = v - hc - 2 * f - kEditHeight;
    return {
        .edit2 = Rect::fromSize(x, v, width, kEditHeight),
        .check2 = Rect::fromSize(x, v - hc - 1, width, hc),
        .edit1 = Rect::fromSize(x, t, width, kEditHeight),
        .check1 = Rect::fromSize(x, t - hc - 1, width, hc),
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
    const int height = l.height() + nonClientHeight;
    return {{kMinWindowWidth, height}, {kMaxWindowWidth, height}};
}

int rightEdgeForWindowWidth(const PickerLayout& l, int windowWidth) {
    // The platform never reports a window outside the tracking limits; the clamp only keeps a
    // nonsensical width from overflowing.
    windowWidth = std::clamp(windowWidth, 0, kMaxWindowWidth);
    return l.rightPanel.left + windowWidth - 3 * f - kPaletteColumnWidth - l.leftPanel.width() + 2;
}

std::optional<Rect> applyWindowWidth(PickerLayout& l, int windowWidth) {
    const int R = rightEdgeForWindowWidth(l, windowWidth);
    if (R == l.rightPanel.right) return std::nullopt;
    l = layoutForViewSide(l.zoomRect.width(), R);
    return Rect{l.leftPanel.right + f, 0, l.paletteColumn.right, l.height()};
}

Rect paletteCell(const PickerLayout& l, int index, int count) {
    const int n = std::min(count, Palette::capacity);
    if (index < 0 || index >= n) return {};
    const Rect& column = l.paletteColumn;
    const int G = column.height() - f;
    return {column.left + f + 2, column.top + G * index / n + f + 2, column.right - f - 2,
            column.top + G * (index + 1) / n - 2};
}

int paletteHitTest(const PickerLayout& l, int count, Point p) {
    for (int i = 0; i < std::min(count, Palette::capacity); ++i) {
        if (paletteCell(l, i, count).inflated(kPaletteHitMargin, kPaletteHitMargin).contains(p)) return i;
    }
    return -1;
}

} // namespace huex
