#include "ImageFiles.h"

#include <zlib.h>

#include <cstdlib>
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

void putBigEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize,
                   std::uint32_t coloursUsed = 0) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1); // planes
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 2835); // 72 dpi, informational only
    put32(out, 2835);
    put32(out, coloursUsed);
    put32(out, 0);
}

// 24-bit pixel rows bottom-up, composited over `background`, each padded to a multiple of four bytes.
void putPixels(Bytes& out, const Raster& image, const Rgba& background) {
    const int padding = rowBytes(image.width(), 24) - image.width() * 3;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba p = over(image.at(x, y), background);
            out.push_back(toChannel(p.b));
            out.push_back(toChannel(p.g));
            out.push_back(toChannel(p.r));
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

std::uint8_t nearestIndex(const Rgba& p, const std::vector<Rgba>& palette) {
    std::size_t best = 0;
    float bestDistance = 0;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const float dr = p.r - palette[i].r, dg = p.g - palette[i].g, db = p.b - palette[i].b;
        const float distance = dr * dr + dg * dg + db * db;
        if (i == 0 || distance < bestDistance) best = i, bestDistance = distance;
    }
    return static_cast<std::uint8_t>(best);
}

// 4-bit pixel rows bottom-up, two pixels a byte (the left one in the high half).
void putIndexedPixels(Bytes& out, const Raster& image, const Rgba& background,
                      const std::vector<Rgba>& palette) {
    const auto stride = static_cast<std::size_t>(rowBytes(image.width(), 4));
    for (int y = image.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t index = nearestIndex(over(image.at(x, y), background), palette);
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// The value PNG filter `filter` predicts for byte i of a row (4 bytes a pixel).
std::uint8_t pngPredictor(std::uint8_t filter, const Bytes& row, const Bytes& above, std::size_t i) {
    const int a = i >= 4 ? row[i - 4] : 0, b = above[i], c = i >= 4 ? above[i - 4] : 0;
    switch (filter) {
    case 1:
        return static_cast<std::uint8_t>(a);
    case 2:
        return static_cast<std::uint8_t>(b);
    case 3:
        return static_cast<std::uint8_t>((a + b) / 2);
    case 4: {
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
    }
    default:
        return 0;
    }
}

void putPngChunk(Bytes& out, const char* type, const Bytes& data) {
    putBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    putBigEndian32(out, static_cast<std::uint32_t>(crc));
}

Bytes iconImage(const Raster& image, int bitsPerPixel) {
    if (bitsPerPixel == 32) return pngFile(image);
    Bytes out;
    const auto colourSize = static_cast<std::uint32_t>(rowBytes(image.width(), 24) * image.height());
    const auto maskSize = static_cast<std::uint32_t>(rowBytes(image.width(), 1) * image.height());
    putInfoHeader(out, image.width(), image.height() * 2, 24, colourSize + maskSize);
    Raster hardened = image;
    hardened.hardenAlpha();
    putPixels(out, hardened, rgb(0, 0, 0)); // transparent pixels are black under the mask
    putMask(out, hardened);
    return out;
}

// Icons and cursors share the directory layout; they differ in the type and in two entry fields.
Bytes iconDirectory(const std::vector<CursorImage>& images, int bitsPerPixel, bool cursor) {
    Bytes out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, static_cast<unsigned>(images.size()));
    std::vector<Bytes> bodies;
    for (const CursorImage& entry : images) {
        const Raster& image = *entry.image;
        if (image.width() != image.height() || image.width() > 256) {
            throw std::invalid_argument("icon images must be square, at most 256 pixels");
        }
        bodies.push_back(iconImage(image, bitsPerPixel));
    }
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].image->width();
        const auto hotX = static_cast<unsigned>(images[i].hotspotX);
        const auto hotY = static_cast<unsigned>(images[i].hotspotY);
        out.push_back(static_cast<std::uint8_t>(side == 256 ? 0 : side));
        out.push_back(static_cast<std::uint8_t>(side == 256 ? 0 : side));
        out.push_back(0); // palette size
        out.push_back(0);
        put16(out, cursor ? hotX : 1);                                   // planes or hot spot x
        put16(out, cursor ? hotY : static_cast<unsigned>(bitsPerPixel)); // bits or hot spot y
        put32(out, static_cast<std::uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace

Bytes iconFile(const std::vector<const Raster*>& images, IconDepth depth) {
    std::vector<CursorImage> entries;
    entries.reserve(images.size());
    for (const Raster* image : images) entries.push_back({image, 0, 0});
    return iconDirectory(entries, depth == IconDepth::alpha32 ? 32 : 24, false);
}

Bytes cursorFile(const std::vector<CursorImage>& images) {
    return iconDirectory(images, 32, true);
}

Bytes bitmapFile(const Raster& image, Rgba background, const std::vector<Rgba>& palette) {
    if (palette.size() > 16) throw std::invalid_argument("a 4-bit bitmap has at most 16 colours");
    Bytes pixels;
    if (palette.empty()) {
        putPixels(pixels, image, background);
    } else {
        putIndexedPixels(pixels, image, background, palette);
    }
    const auto headers = static_cast<std::uint32_t>(14 + 40 + 4 * palette.size());
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(headers + pixels.size()));
    put32(out, 0);
    put32(out, headers);
    putInfoHeader(out, image.width(), image.height(), palette.empty() ? 24 : 4,
                  static_cast<std::uint32_t>(pixels.size()), static_cast<std::uint32_t>(palette.size()));
    for (const Rgba& c : palette) {
        out.insert(out.end(), {toChannel(c.b), toChannel(c.g), toChannel(c.r), 0});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes pngFile(const Raster& image) {
    const auto width = static_cast<std::size_t>(image.width());
    const std::size_t stride = width * 4;
    // Each row is filtered with whichever standard filter leaves the smallest residues, the usual
    // choice for a good compression ratio.
    Bytes raw, previous(stride, 0), row(stride), best, trial(stride);
    for (int y = 0; y < image.height(); ++y) {
        for (std::size_t x = 0; x < width; ++x) {
            const Rgba& p = image.at(static_cast<int>(x), y);
            row[4 * x] = toChannel(p.r);
            row[4 * x + 1] = toChannel(p.g);
            row[4 * x + 2] = toChannel(p.b);
            row[4 * x + 3] = toChannel(p.a);
        }
        long bestCost = -1;
        std::uint8_t bestFilter = 0;
        for (std::uint8_t filter = 0; filter <= 4; ++filter) {
            long cost = 0;
            for (std::size_t i = 0; i < stride; ++i) {
                trial[i] = static_cast<std::uint8_t>(row[i] - pngPredictor(filter, row, previous, i));
                cost += std::abs(static_cast<std::int8_t>(trial[i]));
            }
            if (bestCost < 0 || cost < bestCost) bestCost = cost, bestFilter = filter, best = trial;
        }
        raw.push_back(bestFilter);
        raw.insert(raw.end(), best.begin(), best.end());
        previous = row;
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
        throw std::runtime_error("cannot compress an image");
    }
    packed.resize(packedSize);

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBigEndian32(header, static_cast<std::uint32_t>(image.width()));
    putBigEndian32(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(),
                  {8, 6, 0, 0, 0}); // 8 bits a channel, RGBA, deflate, standard filters, no interlace
    putPngChunk(out, "IHDR", header);
    putPngChunk(out, "IDAT", packed);
    putPngChunk(out, "IEND", {});
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

} // namespace huex::art
