#include "Pictures.h"

#include <cmath>
#include <string_view>

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

// Pixel art: one character per pixel, '.' left transparent, other characters looked up in `colours`.
struct Ink {
    char key;
    Rgba colour;
};

void drawPixelArt(Raster& canvas, int left, int top, std::initializer_list<std::string_view> rows,
                  std::initializer_list<Ink> colours) {
    int y = top;
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            for (const Ink& ink : colours) {
                if (ink.key == row[i]) canvas.blend(left + static_cast<int>(i), y, ink.colour);
            }
        }
        ++y;
    }
}

} // namespace

Raster sampleSizeIcon(int side, int blockSize) {
    // A 5 x 5 grid of magnified pixels (2-pixel cells, 1-pixel lines) with the sampled block
    // filled and ringed in black, and a drop-down mark to its right where the icon is wide enough.
    Raster icon(side, side);
    const int first = 2 - blockSize / 2, last = 2 + blockSize / 2; // block cells, 0-based
    auto inBlock = [&](int cell) { return cell >= first && cell <= last; };
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool lineX = x % 3 == 0, lineY = y % 3 == 0;
            const int cellX = lineX ? -1 : x / 3, cellY = lineY ? -1 : y / 3;
            // A line pixel belongs to the block when the cells on both sides of it (or one of them
            // for a line crossing) are inside it.
            const bool blockX = lineX ? inBlock(x / 3 - 1) && inBlock(x / 3) : inBlock(cellX);
            const bool blockY = lineY ? inBlock(y / 3 - 1) && inBlock(y / 3) : inBlock(cellY);
            const bool edgeX = lineX && (x / 3 == first || x / 3 == last + 1);
            const bool edgeY = lineY && (y / 3 == first || y / 3 == last + 1);
            const bool nearX = lineX ? (x / 3 >= first && x / 3 <= last + 1) : inBlock(cellX);
            const bool nearY = lineY ? (y / 3 >= first && y / 3 <= last + 1) : inBlock(cellY);
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
    if (side >= 24) drawPixelArt(icon, 18, 7, {"#####", ".###.", "..#.."}, {{'#', rgb(40, 40, 40)}});
    return icon;
}

Raster dividerIcon(int side) {
    // Only the first column shows: the sample button paints over the rest when it is drawn.
    Raster icon(side, side);
    for (int y = 1; y <= 14; ++y) {
        const float fadeIn =
            std::min({1.0f, static_cast<float>(y) / 3.0f, static_cast<float>(15 - y) / 3.0f});
        icon.blend(0, y, rgb(128, 128, 140, fadeIn));
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

Raster colourDragCursor(bool overDropTarget) {
    Raster cursor(32, 32);
    // The colour being carried: a small hue swatch below and right of the arrow.
    const int left = 9, top = 15, right = 25, bottom = 27;
    cursor.fillShaded(rectangle(left, top, right, bottom), [&](double x, double y) {
        return hsv((x - left) / (right - left), 0.35 + 0.65 * (y - top) / (bottom - top), 1.0);
    });
    for (int x = left; x < right; ++x) {
        for (int y = top; y < bottom; ++y) {
            if (x != left && x != right - 1 && y != top && y != bottom - 1) continue;
            // Marching dashes while there is nowhere to drop; a solid frame over a target.
            const bool dark = overDropTarget || ((x + y) / 2) % 2 == 0;
            cursor.blend(x, y, dark ? rgb(0, 0, 0) : rgb(255, 255, 255));
        }
    }
    if (overDropTarget) {
        drawPixelArt(cursor, 20, 22,
                     {"#########", "#WWWWWWW#", "#WWW#WWW#", "#WWW#WWW#", "#W#####W#", "#WWW#WWW#",
                      "#WWW#WWW#", "#WWWWWWW#", "#########"},
                     {{'#', rgb(0, 0, 0)}, {'W', rgb(255, 255, 255)}});
    }
    drawPixelArt(cursor, 0, 0,
                 {"#", "##", "#W#", "#WW#", "#WWW#", "#WWWW#", "#WWWWW#", "#WWWWWW#", "#WWWWWWW#",
                  "#WWWWWWWW#", "#WWWWWWWWW#", "#WWWWWW#####", "#WWW#WW#", "#WW#.#WW#", "#W#..#WW#",
                  "##....#WW#", "#.....#WW#", ".......#WW#", "........##"},
                 {{'#', rgb(0, 0, 0)}, {'W', rgb(255, 255, 255)}});
    return cursor;
}

Raster aboutPicture() {
    constexpr int side = 70;
    Raster picture(side, side);
    picture.fillShaded(rectangle(0, 0, side, side), [](double, double y) {
        const int level = static_cast<int>(252 - 30 * y / side);
        return rgb(level, level, std::min(255, level + 8));
    });
    drawColourWheel(picture, {side * 0.56, side * 0.44}, side * 0.36);
    // A soft shadow under the pipette, then the pipette itself across the wheel.
    Raster shadow(side, side);
    drawPipette(shadow, {9.5, 64.5}, 3.2, PipetteLook::filled);
    shadow.fade(0.25f, 1.0f);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Rgba p = shadow.at(x, y);
            p.r = p.g = p.b = 0;
            picture.blend(x + 2, y + 2, p);
        }
    }
    drawPipette(picture, {8, 63}, 3.2, PipetteLook::filled);
    for (int i = 0; i < side; ++i) { // 1-pixel frame
        const Rgba frame = rgb(150, 150, 160);
        picture.at(i, 0) = picture.at(i, side - 1) = picture.at(0, i) = picture.at(side - 1, i) = frame;
    }
    return picture;
}

Raster namedColourSample(const Rgba& c) {
    Raster sample(13, 13);
    sample.fillHard(rectangle(0, 0, 13, 13), rgb(0, 0, 0));
    sample.fillHard(rectangle(1, 1, 12, 12), rgb(255, 255, 255));
    sample.fillHard(rectangle(2, 2, 11, 11), c);
    return sample;
}

} // namespace huex::art
