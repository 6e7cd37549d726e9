#include "Pictures.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace huex::art {
namespace {

constexpr double pi = 3.14159265358979;

Rgba hsv(double hue, double saturation, double value) {
    const double h = std::fmod(hue, 1.0) * 6.0;
    const int sector = static_cast<int>(h) % 6;
    const double frac = h - std::floor(h);
    const double p = value * (1 - saturation), q = value * (1 - saturation * frac),
                 t = value * (1 - saturation * (1 - frac));
    double r = value, g = t, b = p;
    switch (sector) {
    case 1:
        r = q, g = value, b = p;
        break;
    case 2:
        r = p, g = value, b = t;
        break;
    case 3:
        r = p, g = q, b = value;
        break;
    case 4:
        r = t, g = p, b = value;
        break;
    case 5:
        r = value, g = p, b = q;
        break;
    default:
        break;
    }
    return {static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), 1.0f};
}

// A hue wheel: hue by angle, white at the centre, full saturation at the rim, with a thin dark rim.
void drawColourWheel(Raster& canvas, Point centre, double radius) {
    canvas.fill(disc(centre, radius), rgb(60, 60, 70));
    canvas.fillShaded(disc(centre, radius - std::max(0.8, radius / 18)), [=](double x, double y) {
        const double dx = x - centre.x, dy = y - centre.y;
        const double angle = std::atan2(-dy, dx) / (2 * pi) + 1.0;
        return hsv(angle, std::min(1.0, std::hypot(dx, dy) / radius * 1.25), 1.0);
    });
}

// Pixel art: one character per 96-DPI pixel, '.' left transparent, other characters looked up in
// `colours`. Each art pixel (x, y) covers the device pixels from scaled(x) to scaled(x + 1), so
// the art stays crisp at every scale.
struct Ink {
    char key;
    Rgba colour;
};

void drawPixelArt(Raster& canvas, Scale scale, int left, int top,
                  std::initializer_list<std::string_view> rows, std::initializer_list<Ink> colours) {
    int y = top;
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int x = left + static_cast<int>(i);
            for (const Ink& ink : colours) {
                if (ink.key != row[i]) continue;
                for (int dy = scale(y); dy < scale(y + 1); ++dy) {
                    for (int dx = scale(x); dx < scale(x + 1); ++dx) canvas.blend(dx, dy, ink.colour);
                }
            }
        }
        ++y;
    }
}

// Where a coordinate falls in a grid of lines and cells: line k lies before cell k.
struct GridPlace {
    bool line;
    int index;
};

// `cells` cells between `cells` + 1 lines `lineWidth` wide, spanning `span` pixels.
std::vector<GridPlace> gridPlaces(int span, int cells, int lineWidth) {
    const std::vector<int> cellSizes = evenSplit(span - (cells + 1) * lineWidth, cells);
    std::vector<GridPlace> places;
    for (int k = 0; k <= cells; ++k) {
        places.insert(places.end(), static_cast<std::size_t>(lineWidth), {true, k});
        if (k < cells)
            places.insert(places.end(), static_cast<std::size_t>(cellSizes[static_cast<std::size_t>(k)]),
                          {false, k});
    }
    return places;
}

} // namespace

std::vector<int> evenSplit(int total, int parts) {
    std::vector<int> sizes;
    sizes.reserve(static_cast<std::size_t>(std::max(parts, 0)));
    for (int k = 0; k < parts; ++k) sizes.push_back(mulDiv(k + 1, total, parts) - mulDiv(k, total, parts));
    return sizes;
}

Scale iconScale(int side) {
    return Scale{side < 32 ? side * kBaseDpi / 16 : side * kBaseDpi / 32};
}

Raster sampleSizeIcon(int side, int blockSize) {
    // A 5 x 5 grid of magnified pixels (2-pixel cells, 1-pixel lines at 96 DPI) with the sampled
    // block filled and ringed in black, and a drop-down mark to its right in the large images.
    Raster icon(side, side);
    const Scale scale = iconScale(side);
    const std::vector<GridPlace> places = gridPlaces(scale(16), 5, scale.line(1));
    const int first = 2 - blockSize / 2, last = 2 + blockSize / 2; // block cells, 0-based
    auto inBlock = [&](int cell) { return cell >= first && cell <= last; };
    for (int y = 0; y < scale(16); ++y) {
        for (int x = 0; x < scale(16); ++x) {
            const GridPlace px = places[static_cast<std::size_t>(x)],
                            py = places[static_cast<std::size_t>(y)];
            const bool lineX = px.line, lineY = py.line;
            const int cellX = lineX ? -1 : px.index, cellY = lineY ? -1 : py.index;
            // A line pixel belongs to the block when the cells on both sides of it (or one of them
            // for a line crossing) are inside it.
            const bool blockX = lineX ? inBlock(px.index - 1) && inBlock(px.index) : inBlock(cellX);
            const bool blockY = lineY ? inBlock(py.index - 1) && inBlock(py.index) : inBlock(cellY);
            const bool edgeX = lineX && (px.index == first || px.index == last + 1);
            const bool edgeY = lineY && (py.index == first || py.index == last + 1);
            const bool nearX = lineX ? (px.index >= first && px.index <= last + 1) : inBlock(cellX);
            const bool nearY = lineY ? (py.index >= first && py.index <= last + 1) : inBlock(cellY);
            Rgba colour;
            if ((edgeX && nearY) || (edgeY && nearX)) {
                colour = rgb(0, 0, 0);
            } else if (blockX && blockY) {
                colour = lineX || lineY ? rgb(120, 170, 240) : rgb(30, 100, 215);
            } else {
                colour = lineX || lineY ? rgb(165, 165, 175) : rgb(252, 252, 252);
            }
            icon.blend(x, y, colour);
        }
    }
    if (side >= 32) {
        drawPixelArt(icon, scale, 18, 7, {"#####", ".###.", "..#.."}, {{'#', rgb(40, 40, 40)}});
    }
    return icon;
}

Raster dividerIcon(int side) {
    // Only the first line's width shows: the sample button paints over the rest when it is drawn.
    Raster icon(side, side);
    const Scale scale = iconScale(side);
    for (int y = scale(1); y < scale(15); ++y) {
        const double unit = (y + 0.5) * kBaseDpi / scale.dpi - 0.5; // the row in 96-DPI units
        const auto fadeIn = static_cast<float>(std::min({1.0, unit / 3.0, (15 - unit) / 3.0}));
        for (int x = 0; x < scale.line(1); ++x) icon.blend(x, y, rgb(128, 128, 140, fadeIn));
    }
    return icon;
}

Raster trayIcon(int side, bool windowShown, bool blended) {
    Raster icon(side, side);
    const double s = side / 16.0;
    drawColourWheel(icon, {side * 0.56, side * 0.56}, side * 0.44);
    drawPipette(icon, {1.2 * s, side - 1.2 * s}, s, PipetteLook::filled);
    if (!windowShown) icon.fade(blended ? 0.6f : 1.0f, 0.85f);
    return icon;
}

Raster colourDragCursor(Scale scale, bool overDropTarget) {
    Raster cursor(scale(32), scale(32));
    // The colour being carried: a small hue swatch below and right of the arrow.
    const int left = scale(9), top = scale(15), right = scale(25), bottom = scale(27);
    cursor.fillShaded(rectangle(left, top, right, bottom), [&](double x, double y) {
        return hsv((x - left) / (right - left), 0.35 + 0.65 * (y - top) / (bottom - top), 1.0);
    });
    const int frame = scale.line(1);
    for (int x = left; x < right; ++x) {
        for (int y = top; y < bottom; ++y) {
            if (x >= left + frame && x < right - frame && y >= top + frame && y < bottom - frame) continue;
            // Marching dashes while there is nowhere to drop; a solid frame over a target.
            const bool dark = overDropTarget || ((x + y) / (2 * frame)) % 2 == 0;
            cursor.blend(x, y, dark ? rgb(0, 0, 0) : rgb(255, 255, 255));
        }
    }
    if (overDropTarget) {
        drawPixelArt(cursor, scale, 20, 22,
                     {"#########", "#WWWWWWW#", "#WWW#WWW#", "#WWW#WWW#", "#W#####W#", "#WWW#WWW#",
                      "#WWW#WWW#", "#WWWWWWW#", "#########"},
                     {{'#', rgb(0, 0, 0)}, {'W', rgb(255, 255, 255)}});
    }
    drawPixelArt(cursor, scale, 0, 0,
                 {"#", "##", "#W#", "#WW#", "#WWW#", "#WWWW#", "#WWWWW#", "#WWWWWW#", "#WWWWWWW#",
                  "#WWWWWWWW#", "#WWWWWWWWW#", "#WWWWWW#####", "#WWW#WW#", "#WW#.#WW#", "#W#..#WW#",
                  "##....#WW#", "#.....#WW#", ".......#WW#", "........##"},
                 {{'#', rgb(0, 0, 0)}, {'W', rgb(255, 255, 255)}});
    return cursor;
}

Raster aboutPicture(Scale scale) {
    const int side = scale(70);
    const double unit = static_cast<double>(scale.dpi) / kBaseDpi;
    Raster picture(side, side);
    picture.fillShaded(rectangle(0, 0, side, side), [side](double, double y) {
        const int level = static_cast<int>(252 - 30 * y / side);
        return rgb(level, level, std::min(255, level + 8));
    });
    drawColourWheel(picture, {side * 0.56, side * 0.44}, side * 0.36);
    // A soft shadow under the pipette, then the pipette itself across the wheel.
    Raster shadow(side, side);
    drawPipette(shadow, {9.5 * unit, 64.5 * unit}, 3.2 * unit, PipetteLook::filled);
    shadow.fade(0.25f, 1.0f);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Rgba p = shadow.at(x, y);
            p.r = p.g = p.b = 0;
            picture.blend(x + scale(2), y + scale(2), p);
        }
    }
    drawPipette(picture, {8 * unit, 63 * unit}, 3.2 * unit, PipetteLook::filled);
    const int frame = scale.line(1);
    for (int i = 0; i < side; ++i) {
        for (int j = 0; j < frame; ++j) {
            const Rgba colour = rgb(150, 150, 160);
            picture.at(i, j) = picture.at(i, side - 1 - j) = picture.at(j, i) = picture.at(side - 1 - j, i) =
                colour;
        }
    }
    return picture;
}

Raster namedColourSample(Scale scale, const Rgba& c) {
    const int side = scale(13), line = scale.line(1);
    Raster sample(side, side);
    sample.fillHard(rectangle(0, 0, side, side), rgb(0, 0, 0));
    sample.fillHard(rectangle(line, line, side - line, side - line), rgb(255, 255, 255));
    sample.fillHard(rectangle(2 * line, 2 * line, side - 2 * line, side - 2 * line), c);
    return sample;
}

} // namespace huex::art
