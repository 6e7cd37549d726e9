// Two palette file jobs for palette_files.mjs:
//   palette_files tokens        reads sRGB fractions "r g b", one cell a line, writes the design
//                               token file of those cells
//   palette_files read PATH     imports the file and writes each colour's fractions to the last
//                               bit, one a line, or "error: " and the reason
#include "palette/PaletteFiles.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "tokens") {
        std::vector<huex::RgbColor> cells;
        huex::RgbColor c;
        while (std::scanf("%lf %lf %lf", &c.red, &c.green, &c.blue) == 3) cells.push_back(c);
        const auto bytes = huex::writePalette(huex::PaletteFormat::tokens, cells);
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    }
    if (argc == 3 && std::string_view(argv[1]) == "read") {
        std::ifstream in(argv[2], std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                              std::istreambuf_iterator<char>());
        const std::string_view path(argv[2]);
        const huex::PaletteRead read = huex::readPalette(bytes, std::wstring(path.begin(), path.end()));
        if (!read.error.empty()) std::printf("error: %s\n", read.error.c_str());
        for (const huex::RgbColor& color : read.colors)
            std::printf("%.17g %.17g %.17g\n", color.red, color.green, color.blue);
        return 0;
    }
    std::fprintf(stderr, "usage: %s tokens | read PATH\n", argv[0]);
    return 2;
}
