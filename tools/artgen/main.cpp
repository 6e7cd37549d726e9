// huex_artgen OUTDIR: draws every icon, cursor and bitmap that resources/huex.rc names and writes
// them into OUTDIR under those names.
#include "ImageFiles.h"
#include "Pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

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

void writeIcon(const std::filesystem::path& dir, const std::string& name, const Raster& small,
               const Raster& large, IconDepth depth = IconDepth::alpha32) {
    writeFile(dir / name, iconFile({&small, &large}, depth));
}

void writeAll(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);

    for (PipetteLook look : {PipetteLook::filled, PipetteLook::empty}) {
        const std::string name = look == PipetteLook::filled ? "pipette.ico" : "pipette_holder.ico";
        writeIcon(dir, name, pipetteIcon(16, look), pipetteIcon(32, look));
    }
    for (int block : {1, 3, 5}) {
        const std::string name = "sample_" + std::to_string(block) + "x" + std::to_string(block) + ".ico";
        writeIcon(dir, name, sampleSizeIcon(16, block), sampleSizeIcon(32, block));
    }
    writeIcon(dir, "divider.ico", dividerIcon(16), dividerIcon(32));

    for (bool shown : {true, false}) {
        const std::string state = shown ? "shown" : "hidden";
        writeIcon(dir, "tray_" + state + ".ico", trayIcon(16, shown, true), trayIcon(32, shown, true));
        writeIcon(dir, "tray_" + state + "_classic.ico", trayIcon(16, shown, false),
                  trayIcon(32, shown, false), IconDepth::classic24);
    }

    const Point hot = pipetteCursorHotspot();
    writeFile(dir / "pipette.cur",
              cursorFile(pipetteCursor(), static_cast<int>(hot.x), static_cast<int>(hot.y)));
    writeFile(dir / "drag.cur", cursorFile(colourDragCursor(false), 0, 0));
    writeFile(dir / "drop.cur", cursorFile(colourDragCursor(true), 0, 0));

    const Rgba white = rgb(255, 255, 255);
    writeFile(dir / "about.bmp", bitmapFile(aboutPicture(), white));
    for (const NamedColour& c : namedColours) {
        writeFile(dir / (std::string("color_") + c.name + ".bmp"),
                  bitmapFile(namedColourSample(rgb(c.r, c.g, c.b)), white));
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
