// The pipette: a glass tube with a pointed tip, a metal collar and a rubber bulb.
#include "Pictures.h"

#include <algorithm>
#include <cmath>

namespace huex::art {
namespace {

// Positions along the pipette (u, from the tip towards the bulb) and across it (v), at scale 1.
struct Frame {
    Point tip;
    double scale;
    double u(double x, double y) const { return ((x - tip.x) - (y - tip.y)) / std::sqrt(2.0) / scale; }
    double v(double x, double y) const { return ((x - tip.x) + (y - tip.y)) / std::sqrt(2.0) / scale; }
};

// A band along the axis from u0 to u1 whose half width goes linearly from w0 to w1, grown by `grow`
// on every side except before the tip (so the outline doesn't blunt the point).
Shape band(const Frame& f, double u0, double u1, double w0, double w1, double grow, bool growBack = true) {
    return [=](double x, double y) {
        const double u = f.u(x, y), v = f.v(x, y);
        if (u < u0 - (growBack ? grow : 0.0) || u > u1 + grow) return false;
        const double t = std::clamp((u - u0) / (u1 - u0), 0.0, 1.0);
        return std::abs(v) <= w0 + (w1 - w0) * t + grow;
    };
}

Shape bulb(const Frame& f, double grow) {
    constexpr double start = 12.8, end = 17.6, halfWidth = 2.1;
    return [=](double x, double y) {
        const double u = f.u(x, y), v = f.v(x, y);
        const double r = halfWidth + grow;
        if (u >= start - grow && u <= end - halfWidth && std::abs(v) <= r) return true;
        const double du = u - (end - halfWidth);
        return du > 0 && du * du + v * v <= r * r;
    };
}

} // namespace

void drawPipette(Raster& canvas, Point tip, double scale, PipetteLook look) {
    const Frame f{tip, scale};
    const double outline = 0.85;
    const bool filled = look == PipetteLook::filled;

    const Shape tipPart = band(f, 0.0, 2.4, 0.45, 1.3, 0);
    const Shape tube = band(f, 2.4, 11.4, 1.3, 1.3, 0);
    const Shape collar = band(f, 10.9, 12.9, 2.6, 2.6, 0);
    const Shape rubber = bulb(f, 0);

    // Outline first, as one shape, so neighbouring parts don't leave seams.
    const Shape silhouette =
        unite(unite(band(f, 0.0, 2.4, 0.45, 1.3, outline, false), band(f, 2.4, 11.4, 1.3, 1.3, outline)),
              unite(band(f, 10.9, 12.9, 2.6, 2.6, outline), bulb(f, outline)));
    canvas.fill(silhouette, filled ? rgb(38, 38, 46) : rgb(150, 150, 160));

    if (!filled) {
        canvas.fill(unite(unite(tipPart, tube), unite(collar, rubber)), rgb(250, 250, 250));
        return;
    }
    canvas.fill(unite(tipPart, tube), rgb(222, 238, 250));
    canvas.fill(band(f, 0.9, 7.2, 0.3, 0.75, 0), rgb(20, 110, 235)); // liquid in the tube
    const Shape highlight = [=](double x, double y) {                // glass lit along its upper-left side
        const double u = f.u(x, y), v = f.v(x, y);
        return u >= 3.0 && u <= 10.6 && v >= -1.05 && v <= -0.45;
    };
    canvas.fill(highlight, rgb(255, 255, 255, 0.8f));
    canvas.fillShaded(collar, [&](double x, double y) {
        const double v = f.v(x, y) / 2.6; // -1 .. 1 across: lit from the upper left
        const int level = static_cast<int>(200 - 70 * v);
        return rgb(level, level, level + 8);
    });
    canvas.fillShaded(rubber, [&](double x, double y) {
        const double v = f.v(x, y) / 2.1;
        return rgb(static_cast<int>(225 - 45 * v), static_cast<int>(60 - 30 * v),
                   static_cast<int>(50 - 25 * v));
    });
}

Raster pipetteIcon(int side, PipetteLook look) {
    Raster icon(side, side);
    const double unit = static_cast<double>(iconScale(side).dpi) / kBaseDpi;
    drawPipette(icon, {1.2 * unit, 14.8 * unit}, unit, look);
    return icon;
}

Raster pipetteCursor(Scale scale) {
    Raster cursor(scale(32), scale(32));
    const Point hot = pipetteCursorHotspot(scale);
    const double unit = static_cast<double>(scale.dpi) / kBaseDpi;
    drawPipette(cursor, {hot.x + 0.5, hot.y + 0.5}, 1.3 * unit, PipetteLook::filled);
    return cursor;
}

Point pipetteCursorHotspot(Scale scale) {
    return {static_cast<double>(scale(1)), static_cast<double>(scale(23))};
}

} // namespace huex::art
