// huex_artgen OUTDIR: draws every icon, cursor and bitmap that resources/huex.rc names and writes
// them into OUTDIR under those names.
#include "ImageFiles.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace huex::art {
namespace {

struct NamedColour {
    const char* name;
    int r, g, b;
};

// The 16 named colours of the colour menu, in menu order (bitmaps 1200 .. 1215).
constexpr NamedColour namedColours[] = {
    {"black", 0x00, 0x00, 0x00},  {"gray", 0x80, 0x80, 0x80},    {"silver", 0xC0, 0xC0, 0xC0},
    {"white", 0xFF, 0xFF, 0xFF},  {"navy", 0x00, 0x00, 0x80},    {"blue", 0x00, 0x00, 0xFF},
    {"purple", 0x80, 0x00, 0x80}, {"magenta", 0xFF, 0x00, 0xFF}, {"green", 0x00, 0x80, 0x00},
    {"lime", 0x00, 0xFF, 0x00},   {"teal", 0x00, 0x80, 0x80},    {"cyan", 0x00, 0xFF, 0xFF},
    {"maroon", 0x80, 0x00, 0x00}, {"red", 0xFF, 0x00, 0x00},     {"olive", 0x80, 0x80, 0x00},
    {"yellow", 0xFF, 0xFF, 0x00},
};

// The screen scales that get artwork of their own, and the names of their resource variants.
struct ScaleVariant {
    Scale scale;
    const char* suffix; // appended to the 100 % file name
};
constexpr ScaleVariant scaleVariants[] = {
    {Scale{96}, ""}, {Scale{120}, "_125"}, {Scale{144}, "_150"}, {Scale{192}, "_200"}};

// Small icons at those scales (16 .. 32) and large ones (32 .. 64).
constexpr int iconSides[] = {16, 20, 24, 32, 40, 48, 64};
// Icons that only ever show in the notification area, as small icons.
constexpr int trayIconSides[] = {16, 20, 24, 32};

template <class Draw>
void writeIcon(const std::filesystem::path& path, std::span<const int> sides, Draw draw,
               IconDepth depth = IconDepth::alpha32) {
    std::vector<Raster> images;
    for (int side : sides) images.push_back(draw(side));
    std::vector<const Raster*> pointers;
    pointers.reserve(images.size());
    for (const Raster& image : images) pointers.push_back(&image);
    writeFile(path, iconFile(pointers, depth));
}

template <class Draw> void writeCursor(const std::filesystem::path& path, Draw draw) {
    std::vector<Raster> images;
    std::vector<Point> hotspots;
    for (const ScaleVariant& v : scaleVariants) {
        auto [image, hot] = draw(v.scale);
        images.push_back(std::move(image));
        hotspots.push_back(hot);
    }
    std::vector<CursorImage> entries;
    for (std::size_t i = 0; i < images.size(); ++i) {
        entries.push_back({&images[i], static_cast<int>(hotspots[i].x), static_cast<int>(hotspots[i].y)});
    }
    writeFile(path, cursorFile(entries));
}

void writeAll(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);

    for (PipetteLook look : {PipetteLook::filled, PipetteLook::empty}) {
        const std::string name = look == PipetteLook::filled ? "pipette.ico" : "pipette_holder.ico";
        writeIcon(dir / name, iconSides, [&](int side) { return pipetteIcon(side, look); });
    }
    for (int block : {1, 3, 5}) {
        const std::string name = "sample_" + std::to_string(block) + "x" + std::to_string(block) + ".ico";
        writeIcon(dir / name, iconSides, [&](int side) { return sampleSizeIcon(side, block); });
    }
    writeIcon(dir / "divider.ico", iconSides, dividerIcon);

    // The program file's icon, which the shell shows at every size; the notification area takes
    // the same picture as a small icon.
    writeIcon(dir / "app.ico", iconSides, [](int side) { return trayIcon(side, true, true); });
    for (bool shown : {true, false}) {
        const std::string state = shown ? "shown" : "hidden";
        writeIcon(dir / ("tray_" + state + ".ico"), trayIconSides,
                  [&](int side) { return trayIcon(side, shown, true); });
        writeIcon(
            dir / ("tray_" + state + "_classic.ico"), trayIconSides,
            [&](int side) { return trayIcon(side, shown, false); }, IconDepth::classic24);
    }

    writeCursor(dir / "pipette.cur", [](Scale s) {
        return std::pair{pipetteCursor(s), pipetteCursorHotspot(s)};
    });
    writeCursor(dir / "drag.cur", [](Scale s) { return std::pair{colourDragCursor(s, false), Point{}}; });
    writeCursor(dir / "drop.cur", [](Scale s) { return std::pair{colourDragCursor(s, true), Point{}}; });

    const Rgba white = rgb(255, 255, 255), black = rgb(0, 0, 0);
    writeFile(dir / "about.bmp", bitmapFile(aboutPicture(Scale{}), white));
    // The larger About pictures travel as compressed icon images: a third of the size of bitmaps.
    std::vector<Raster> about;
    for (const ScaleVariant& v : std::span(scaleVariants).subspan(1)) about.push_back(aboutPicture(v.scale));
    writeFile(dir / "about_picture.ico", iconFile({&about[0], &about[1], &about[2]}, IconDepth::alpha32));
    for (const ScaleVariant& v : scaleVariants) {
        const std::string suffix = v.suffix;
        for (const NamedColour& c : namedColours) {
            const Rgba colour = rgb(c.r, c.g, c.b);
            const Raster sample = namedColourSample(v.scale, colour);
            // The first ones stay 24-bit as they always were; the others need only three colours.
            writeFile(dir / (std::string("color_") + c.name + suffix + ".bmp"),
                      suffix.empty() ? bitmapFile(sample, white)
                                     : bitmapFile(sample, white, {black, white, colour}));
        }
    }
}

} // namespace
} // namespace huex::art

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: huex_artgen OUTDIR\n";
        return 2;
    }
    try {
        huex::art::writeAll(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "huex_artgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
