#include "ImageFiles.h"

#include <fstream>
#include <stdexcept>

namespace huex::art {
namespace {

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

int rowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void putInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1); // planes
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 2835); // 72 dpi, informational only
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
}

// Pixel rows bottom-up, each padded to a multiple of four bytes.
void putPixels(Bytes& out, const Raster& image, int bitsPerPixel, const Rgba* background) {
    const int padding = rowBytes(image.width(), bitsPerPixel) - image.width() * bitsPerPixel / 8;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba p = background ? over(image.at(x, y), *background) : image.at(x, y);
            out.push_back(toChannel(p.b));
            out.push_back(toChannel(p.g));
            out.push_back(toChannel(p.r));
            if (bitsPerPixel == 32) out.push_back(toChannel(p.a));
        }
        out.insert(out.end(), static_cast<std::size_t>(padding), 0);
    }
}

// The AND mask: bit set where the pixel is transparent (drawn as the background without alpha blending).
void putMask(Bytes& out, const Raster& image) {
    const int stride = rowBytes(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y).a < 0.5f)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes iconImage(const Raster& image, int bitsPerPixel) {
    Bytes out;
    const auto colourSize =
        static_cast<std::uint32_t>(rowBytes(image.width(), bitsPerPixel) * image.height());
    const auto maskSize = static_cast<std::uint32_t>(rowBytes(image.width(), 1) * image.height());
    putInfoHeader(out, image.width(), image.height() * 2, bitsPerPixel, colourSize + maskSize);
    const Rgba black = rgb(0, 0, 0); // transparent pixels of images without alpha are black under the mask
    Raster hardened = image;
    if (bitsPerPixel != 32) hardened.hardenAlpha();
    putPixels(out, hardened, bitsPerPixel, bitsPerPixel == 32 ? nullptr : &black);
    putMask(out, hardened);
    return out;
}

// Icons and cursors share the directory layout; they differ in the type and in two entry fields.
Bytes iconDirectory(const std::vector<const Raster*>& images, int bitsPerPixel, bool cursor, int hotX,
                    int hotY) {
    Bytes out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, static_cast<unsigned>(images.size()));
    std::vector<Bytes> bodies;
    for (const Raster* image : images) {
        if (image->width() != image->height() || image->width() > 256) {
            throw std::invalid_argument("icon images must be square, at most 256 pixels");
        }
        bodies.push_back(iconImage(*image, bitsPerPixel));
    }
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int side = images[i]->width();
        out.push_back(static_cast<std::uint8_t>(side == 256 ? 0 : side));
        out.push_back(static_cast<std::uint8_t>(side == 256 ? 0 : side));
        out.push_back(0); // palette size
        out.push_back(0);
        put16(out, cursor ? static_cast<unsigned>(hotX) : 1); // planes or hot spot x
        put16(out,
              cursor ? static_cast<unsigned>(hotY) : static_cast<unsigned>(bitsPerPixel)); // or hot spot y
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace

Bytes iconFile(const std::vector<const Raster*>& images, IconDepth depth) {
    return iconDirectory(images, depth == IconDepth::alpha32 ? 32 : 24, false, 0, 0);
}

Bytes cursorFile(const Raster& image, int hotspotX, int hotspotY) {
    return iconDirectory({&image}, 32, true, hotspotX, hotspotY);
}

Bytes bitmapFile(const Raster& image, Rgba background) {
    Bytes pixels;
    putPixels(pixels, image, 24, &background);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(14 + 40 + pixels.size()));
    put32(out, 0);
    put32(out, 14 + 40);
    putInfoHeader(out, image.width(), image.height(), 24, static_cast<std::uint32_t>(pixels.size()));
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

} // namespace huex::art
