// Painting of the picker window: one routine for WM_PAINT and WM_PRINTCLIENT, and the pieces
// that mouse, keyboard and timer handlers repaint on their own.
#include "color/Modifiers.h"
#include "picker/ColorPickerDialog.h"
#include "picker/Marquee.h"
#include "picker/PaintGeometry.h"
#include "win/Text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace huex {

namespace {
// Solid fill without creating a brush (the background colour of the DC does the work).
void fill(HDC dc, const Rect& r, ColorRef color) {
    if (r.empty()) return;
    const COLORREF previous = SetBkColor(dc, color);
    const RECT rect{r.left, r.top, r.right, r.bottom};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

// An outline `width` pixels thick on the inside of the rectangle's edge.
void outline(HDC dc, const Rect& r, ColorRef color, int width = 1) {
    if (r.empty()) return;
    fill(dc, {r.left, r.top, r.right, r.top + width}, color);
    fill(dc, {r.left, r.bottom - width, r.right, r.bottom}, color);
    fill(dc, {r.left, r.top + width, r.left + width, r.bottom - width}, color);
    fill(dc, {r.right - width, r.top + width, r.right, r.bottom - width}, color);
}

void fillCorners(HDC dc, const std::array<Point, 4>& corners, int size, ColorRef color) {
    for (const Rect& square : cornerSquares(corners, size)) fill(dc, square, color);
}

void focusRect(HDC dc, const Rect& r) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    DrawFocusRect(dc, &rect);
}

ColorRef screenColor(const RgbColor& c) {
    return rgbToColorref(c);
}

Point cursorInClient(HWND window) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    return {p.x, p.y};
}

// One side of a marquee: a row or column of 32-bit pixels (0x00RRGGBB) put out in one call.
void putStrip(HDC dc, int x, int y, int width, int height, const std::uint32_t* pixels) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
}

// The marquee's border pixels, put out one side at a time. A GDI call per pixel (SetPixelV, up to
// 272 of them with a 5 x 5 sample) made the marquee the largest piece of a pipette step that the
// program controls; four strips per rectangle cost about an eighth of that. Which pixels get
// which colour is decided by marqueePixels alone.
void drawMarqueeBorder(HDC dc, const Rect& r, int period, int phase) {
    if (r.empty()) return;
    const int w = r.width(), h = r.height();
    std::vector<std::uint32_t> top(static_cast<std::size_t>(w)), bottom(top.size());
    std::vector<std::uint32_t> left(static_cast<std::size_t>(h)), right(left.size());
    for (const MarqueePixel& p : marqueePixels(r, period, phase)) {
        const std::uint32_t c = GetRValue(p.color) << 16 | GetGValue(p.color) << 8 | GetBValue(p.color);
        const auto column = static_cast<std::size_t>(p.at.x - r.left),
                   row = static_cast<std::size_t>(p.at.y - r.top);
        if (p.at.y == r.top)
            top[column] = c;
        else if (p.at.y == r.bottom - 1)
            bottom[column] = c;
        else if (p.at.x == r.left)
            left[row] = c;
        else
            right[row] = c;
    }
    putStrip(dc, r.left, r.top, w, 1, top.data());
    if (h > 1) putStrip(dc, r.left, r.bottom - 1, w, 1, bottom.data());
    if (h > 2) {
        putStrip(dc, r.left, r.top + 1, 1, h - 2, left.data() + 1);
        if (w > 1) putStrip(dc, r.right - 1, r.top + 1, 1, h - 2, right.data() + 1);
    }
}

Rect clientRectOf(HWND child, HWND parent) {
    RECT r{};
    if (!child || !GetWindowRect(child, &r)) return {};
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}
} // namespace

void ColorPickerDialog::drawFrame(HDC dc, const Rect& inner, const Frame& frame) {
    const FramePaint paint = framePaint(inner, frame, state.backgroundColor, state.layout.scale);
    for (const FrameRing& ring : paint.rings) outline(dc, ring.outline, ring.color, ring.width);
    if (paint.focusRect) focusRect(dc, paint.rings[1].outline);
    fillCorners(dc, paint.backgroundCorners, paint.cornerSize, state.backgroundColor);
}

void ColorPickerDialog::paint(HDC dc) {
    if (!dc || IsIconic(hwnd())) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const SlotControlRects controls{clientRectOf(slotEdit(2), hwnd()), clientRectOf(slotCheck(2), hwnd()),
                                    clientRectOf(slotEdit(1), hwnd()), clientRectOf(slotCheck(1), hwnd())};
    for (const Rect& r : backgroundFills(state.layout, controls, {client.right, client.bottom}))
        fill(dc, r, state.backgroundColor);
    drawZoomView(dc, state.dragMode == DragMode::pipette);
    drawZoomFrame(dc);
    drawAllButZoom(dc);
}

void ColorPickerDialog::drawZoomFrame(HDC dc) {
    drawFrame(dc, state.layout.zoomRect,
              zoomFrame(state.flashStep, static_cast<FlashKind>(state.flashKind), state.zoomActive != 0));
    drawMarquee(dc);
}

void ColorPickerDialog::drawMarquee(HDC dc) {
    const MarqueeRects rects = marqueeRects(state.magnifier, state.layout.viewGrid());
    drawMarqueeBorder(dc, rects.picked, state.period, state.marqueePhase);
    if (rects.block) drawMarqueeBorder(dc, *rects.block, state.period, state.marqueePhase);
}

void ColorPickerDialog::drawColorSwatch(HDC dc, bool frame) {
    const Rect& swatch = state.layout.colorSwatch;
    if (frame) drawFrame(dc, swatch, colorSwatchFrame(state.focusOnColor1 != 0));
    const bool preview =
        state.dragMode == DragMode::color && state.focusOnColor2 && swatch.contains(cursorInClient(hwnd()));
    if (!preview) {
        fill(dc, swatch, screenColor(state.currentColor));
        return;
    }
    const DropPreview drop = swatchDropPreview(swatch, state.layout.scale);
    fill(dc, drop.ownColor, screenColor(state.currentColor));
    fill(dc, drop.droppedColor, screenColor(modifiedColor(modifier(), state.currentColor)));
    fill(dc, drop.divider, screenColor(contrastColor(state.currentColor)));
    outline(dc, drop.focusFrame, kWhite);
    focusRect(dc, drop.focusFrame);
}

void ColorPickerDialog::drawModifiedSwatch(HDC dc, bool frame) {
    const Rect& swatch = state.layout.modifiedSwatch;
    if (frame) drawFrame(dc, swatch, modifiedSwatchFrame(state.focusOnColor2 != 0));
    const ColorMode mode = modifier();
    const RgbColor modified = modifiedColor(mode, state.currentColor);
    fill(dc, swatch, screenColor(modified));
    std::optional<win::SelectGuard> font; // a pipette drag's DC holds the font already
    if (GetCurrentObject(dc, OBJ_FONT) != labelFont_.get()) font.emplace(dc, labelFont_.get());
    const COLORREF previousText = SetTextColor(dc, screenColor(contrastColor(modified)));
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const std::wstring label = win::widen(colorModeName(mode));
    RECT rect{swatch.left, swatch.top, swatch.right, swatch.bottom};
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousText);
}

void ColorPickerDialog::drawSwatchMarker(HDC dc) {
    const bool equal = sameScreenColor(state.currentColor, modifiedColor(modifier(), state.currentColor));
    const SwatchMarker marker = swatchMarker(state.layout, equal);
    if (!marker.equalSign) {
        fill(dc, marker.background, state.backgroundColor);
        return;
    }
    fill(dc, marker.box, kWhite);
    outline(dc, marker.boxOutline, kSlate, marker.outlineWidth);
    for (const Rect& bar : marker.bars) fill(dc, bar, 0x000000);
    for (const Rect& strip : marker.backgroundStrips) fill(dc, strip, state.backgroundColor);
}

void ColorPickerDialog::drawPipetteBar(HDC dc) {
    const PipetteBarPaint bar = pipetteBarPaint(state.layout);
    outline(dc, bar.outline, 0x000000, bar.lineWidth);
    fillCorners(dc, bar.backgroundCorners, bar.lineWidth, state.backgroundColor);
    fill(dc, bar.whiteArea, kWhite);
    HICON pipette = state.dragMode == DragMode::pipette ? pipetteHolderIcon_.get() : pipetteIcon_.get();
    drawIcon(dc, bar.pipetteIcon, pipette);
    drawIcon(dc, bar.dividerIcon, dividerIcon_.get());
    drawSampleButton(dc, static_cast<int>(SampleButtonMode::byCursor));
}

void ColorPickerDialog::drawSampleButton(HDC dc, int mode) {
    const SampleButtonPaint button =
        sampleButtonPaint(state.layout, static_cast<SampleButtonMode>(mode), cursorInClient(hwnd()));
    fill(dc, button.face, button.faceColor);
    drawIcon(dc, button.icon, sampleIcon_.get());
}

void ColorPickerDialog::drawPaletteCell(HDC dc, int index) {
    const Palette& palette = state.palette;
    if (index < 0 || index >= palette.count || index >= Palette::capacity) return;
    if (const auto gap = paletteGapRow(state.layout, index, palette.count))
        fill(dc, *gap, state.backgroundColor);
    const Rect cell = paletteCell(state.layout, index, palette.count);
    const RgbColor& color = palette.colors[static_cast<std::size_t>(index)];
    fill(dc, cell, screenColor(color));
    if (state.dragMode == DragMode::color &&
        paletteHitTest(state.layout, palette.count, cursorInClient(hwnd())) == index) {
        const RgbColor dragged =
            state.focusOnColor1 ? state.currentColor : modifiedColor(modifier(), state.currentColor);
        const DropPreview drop = paletteDropPreview(cell, state.layout.scale);
        fill(dc, drop.droppedColor, screenColor(dragged));
        fill(dc, drop.divider, screenColor(contrastColor(color)));
        outline(dc, drop.focusFrame, kWhite);
        focusRect(dc, drop.focusFrame);
    }
    drawFrame(dc, cell,
              paletteCellFrame(palette.selected[static_cast<std::size_t>(index)], state.paletteActive != 0));
}

void ColorPickerDialog::drawPaletteCells(HDC dc) {
    for (int i = 0; i < state.palette.count; ++i) drawPaletteCell(dc, i);
}

void ColorPickerDialog::drawSeparator(HDC dc) {
    const SeparatorLines lines = separatorLines(state.layout);
    fill(dc, {lines.greyFrom.x, lines.greyFrom.y, lines.greyFrom.x + lines.width, lines.greyTo.y},
         kSeparatorGrey);
    fill(dc, {lines.whiteFrom.x, lines.whiteFrom.y, lines.whiteFrom.x + lines.width, lines.whiteTo.y},
         kWhite);
}

// The window's small pictures: icons whose picture fills the top-left part of a scaled 32-pixel
// image, drawn at that size so that no picture is stretched.
void ColorPickerDialog::drawIcon(HDC dc, Point at, HICON icon) const {
    const int side = state.layout.scale(32);
    if (icon) DrawIconEx(dc, at.x, at.y, icon, side, side, 0, nullptr, DI_NORMAL);
}

void ColorPickerDialog::drawAllButZoom(HDC dc) {
    drawColorSwatch(dc);
    drawModifiedSwatch(dc);
    drawPipetteBar(dc);
    drawPaletteCells(dc);
    drawSwatchMarker(dc);
    drawSeparator(dc);
}

} // namespace huex
