// A small RGBA canvas with anti-aliased shape filling, enough to draw the program's artwork.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace huex::art {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0; // straight (not premultiplied) colour, 0..1
};

constexpr Rgba rgb(int r, int g, int b, float a = 1.0f) {
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f, static_cast<float>(b) / 255.0f,
            a};
}

// `top` composited over `under` with `top`'s alpha scaled by `coverage` (0..1).
Rgba over(const Rgba& top, const Rgba& under, float coverage = 1.0f);

struct Point {
    double x = 0, y = 0;
};

// Inside test for a shape in canvas coordinates; pixel (i, j) covers [i, i + 1) x [j, j + 1).
using Shape = std::function<bool(double x, double y)>;

class Raster {
  public:
    Raster(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    Rgba& at(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // Composites `colour` over the pixel with the given coverage (0..1).
    void blend(int x, int y, const Rgba& colour, double coverage = 1.0);
    // Fills a shape, sampling each pixel on a grid of 8 x 8 points for smooth edges.
    void fill(const Shape& shape, const Rgba& colour);
    // Fills a shape without smoothing: a pixel is in when its centre is.
    void fillHard(const Shape& shape, const Rgba& colour);
    // Fills a shape whose colour varies with the position (sampled at the pixel centre).
    void fillShaded(const Shape& shape, const std::function<Rgba(double x, double y)>& colourAt);
    // Draws `source` over this raster with its top-left corner at (dx, dy).
    void paste(const Raster& source, int dx, int dy);

    // Every pixel's alpha becomes 0 or 1 (threshold 0.5): the look of icons without alpha blending.
    void hardenAlpha();
    // Scales opacity of every pixel by `factor` and moves its colour towards its grey by `desaturate` (0..1).
    void fade(float factor, float desaturate);

  private:
    int width_, height_;
    std::vector<Rgba> pixels_;
};

// Shape helpers.
Shape disc(Point centre, double radius);
Shape rectangle(double left, double top, double right, double bottom);
Shape polygon(std::vector<Point> corners);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);

// 8-bit channel from a 0..1 value, rounded.
std::uint8_t toChannel(float value);

} // namespace huex::art
