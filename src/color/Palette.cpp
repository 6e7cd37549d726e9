#include "color/Palette.h"

#include "color/StrictFloat.h"

namespace huex {

namespace {

// Cells beyond the array are never looked at, whatever count says.
int usedCells(const Palette& p) {
    if (p.count < 0) return 0;
    return p.count < Palette::capacity ? p.count : Palette::capacity;
}

int selectedCount(const Palette& p) {
    int n = 0;
    for (int i = 0; i < usedCells(p); ++i) n += p.selected[static_cast<std::size_t>(i)] ? 1 : 0;
    return n;
}

RgbColor rgbStep(const RgbColor& start, const RgbColor& d, double k, double n) {
    return {k * d.red / n + start.red, k * d.green / n + start.green, k * d.blue / n + start.blue};
}

// Gray and black ends have no hue of their own (and black no saturation): take the other end's.
void borrowUndefinedHues(HsbColor& start, HsbColor& end) {
    if (start.brightness == 0) {
        start.hue = end.hue;
        start.saturation = end.saturation;
    }
    if (end.brightness == 0) {
        end.hue = start.hue;
        end.saturation = start.saturation;
    }
    if (start.saturation == 0) start.hue = end.hue;
    if (end.saturation == 0) end.hue = start.hue;
}

} // namespace

int firstSelectedCell(const Palette& p) {
    for (int i = 0; i < usedCells(p); ++i) {
        if (p.selected[static_cast<std::size_t>(i)]) return i;
    }
    return -1;
}

int lastSelectedCell(const Palette& p) {
    for (int i = usedCells(p) - 1; i >= 0; --i) {
        if (p.selected[static_cast<std::size_t>(i)]) return i;
    }
    return -1;
}

void paletteGradientRgb(Palette& p) {
    const int first = firstSelectedCell(p);
    const int n = selectedCount(p) - 1;
    if (n < 1) return;
    const RgbColor start = p.colors[static_cast<std::size_t>(first)];
    const RgbColor end = p.colors[static_cast<std::size_t>(lastSelectedCell(p))];
    const RgbColor d{end.red - start.red, end.green - start.green, end.blue - start.blue};
    int k = 0;
    for (int i = 0; i < usedCells(p); ++i) {
        const auto cell = static_cast<std::size_t>(i);
        if (!p.selected[cell]) continue;
        if (k < n) p.colors[cell] = rgbStep(start, d, k, n);
        ++k;
    }
}

void paletteGradientHsb(Palette& p) {
    const int n = selectedCount(p) - 1;
    if (n < 1) return;
    HsbColor start = rgbToHsb(p.colors[static_cast<std::size_t>(firstSelectedCell(p))]);
    HsbColor end = rgbToHsb(p.colors[static_cast<std::size_t>(lastSelectedCell(p))]);
    borrowUndefinedHues(start, end);
    double dH = end.hue - start.hue;
    const double dS = end.saturation - start.saturation;
    const double dV = end.brightness - start.brightness;
    // The shorter way round the circle; exactly half a circle keeps its sign.
    if (dH < -0.5) dH = dH + 1;
    if (dH > 0.5) dH = dH - 1;
    const auto steps = static_cast<double>(n);
    int k = 0;
    for (int i = 0; i < usedCells(p); ++i) {
        const auto cell = static_cast<std::size_t>(i);
        if (!p.selected[cell]) continue;
        if (k > 0 && k < n) {
            const auto kk = static_cast<double>(k);
            double h = kk * dH / steps + start.hue;
            if (h > 1) h = h - 1;
            if (h < 0) h = h + 1;
            const double s = kk * dS / steps + start.saturation;
            const double v = kk * dV / steps + start.brightness;
            p.colors[cell] = hsbToRgb({h, s, v});
        }
        ++k;
    }
}

RgbColor paletteMean(const Palette& p) {
    RgbColor sum;
    int n = 0;
    for (int i = 0; i < usedCells(p); ++i) {
        const auto cell = static_cast<std::size_t>(i);
        if (!p.selected[cell]) continue;
        sum.red += p.colors[cell].red;
        sum.green += p.colors[cell].green;
        sum.blue += p.colors[cell].blue;
        ++n;
    }
    if (n == 0) return {};
    return {sum.red / n, sum.green / n, sum.blue / n};
}

} // namespace huex
