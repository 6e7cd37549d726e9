#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace huex::art {

Raster::Raster(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

Rgba over(const Rgba& top, const Rgba& under, float coverage) {
    const float alpha = top.a * std::clamp(coverage, 0.0f, 1.0f);
    const float outA = alpha + under.a * (1.0f - alpha);
    if (outA <= 0.0f) return {};
    auto mix = [&](float a, float b) { return (a * alpha + b * under.a * (1.0f - alpha)) / outA; };
    return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), outA};
}

void Raster::blend(int x, int y, const Rgba& colour, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    at(x, y) = over(colour, at(x, y), static_cast<float>(coverage));
}

void Raster::fill(const Shape& shape, const Rgba& colour) {
    constexpr int grid = 8;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int inside = 0;
            for (int j = 0; j < grid; ++j) {
                for (int i = 0; i < grid; ++i) {
                    if (shape(x + (i + 0.5) / grid, y + (j + 0.5) / grid)) ++inside;
                }
            }
            blend(x, y, colour, static_cast<double>(inside) / (grid * grid));
        }
    }
}

void Raster::fillHard(const Shape& shape, const Rgba& colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (shape(x + 0.5, y + 0.5)) blend(x, y, colour);
        }
    }
}

void Raster::fillShaded(const Shape& shape, const std::function<Rgba(double, double)>& colourAt) {
    constexpr int grid = 8;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int inside = 0;
            for (int j = 0; j < grid; ++j) {
                for (int i = 0; i < grid; ++i) {
                    if (shape(x + (i + 0.5) / grid, y + (j + 0.5) / grid)) ++inside;
                }
            }
            if (inside > 0)
                blend(x, y, colourAt(x + 0.5, y + 0.5), static_cast<double>(inside) / (grid * grid));
        }
    }
}

void Raster::paste(const Raster& source, int dx, int dy) {
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) blend(x + dx, y + dy, source.at(x, y));
    }
}

void Raster::hardenAlpha() {
    for (Rgba& p : pixels_) p.a = p.a >= 0.5f ? 1.0f : 0.0f;
}

void Raster::fade(float factor, float desaturate) {
    for (Rgba& p : pixels_) {
        const float grey = 0.30f * p.r + 0.59f * p.g + 0.11f * p.b;
        p.r += (grey - p.r) * desaturate;
        p.g += (grey - p.g) * desaturate;
        p.b += (grey - p.b) * desaturate;
        p.a *= factor;
    }
}

Shape disc(Point centre, double radius) {
    return [=](double x, double y) {
        const double dx = x - centre.x, dy = y - centre.y;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Shape rectangle(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](double x, double y) {
        bool inside = false; // even-odd rule
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const Point& a = corners[i];
            const Point& b = corners[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        }
        return inside;
    };
}

Shape unite(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Shape subtract(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

std::uint8_t toChannel(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace huex::art
