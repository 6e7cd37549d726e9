// The six CSS models of the pattern language, as a script sees them: one pattern a model whose
// formats give natural units (degrees, percent, CSS's own numbers) at twelve decimals.
//   pattern_models write   reads "r g b" (sRGB fractions) a line, prints the 18 components
//   pattern_models read    reads "MODEL TEXT" a line, prints the sRGB fractions the model's pattern
//                          reads from TEXT to the last bit, or "none"
#include "pattern/ColorModels.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using huex::Component;

struct ModelPattern {
    const char* name;
    Component first;
    const char* patternString;
    std::array<const char*, 3> formats;
};

// The ranges are the models' reference ranges, so a fraction comes out in natural units.
constexpr std::array<ModelPattern, 6> models{{
    {"hwb", Component::hwbH, "{hwbH} {hwbW} {hwbB}", {"{f|0:360|*.12}", "{f|0:100|*.12}", "{f|0:100|*.12}"}},
    {"lab", Component::labL, "{labL} {labA} {labB}", {"{f|0:100|*.12}", "{f|0:125|*.12}", "{f|0:125|*.12}"}},
    {"lch", Component::lchL, "{lchL} {lchC} {lchH}", {"{f|0:100|*.12}", "{f|0:150|*.12}", "{f|0:360|*.12}"}},
    {"oklab",
     Component::oklabL,
     "{oklabL} {oklabA} {oklabB}",
     {"{f|0:1|*.12}", "{f|0:0.4|*.12}", "{f|0:0.4|*.12}"}},
    {"oklch",
     Component::oklchL,
     "{oklchL} {oklchC} {oklchH}",
     {"{f|0:1|*.12}", "{f|0:0.4|*.12}", "{f|0:360|*.12}"}},
    {"p3", Component::p3R, "{p3R} {p3G} {p3B}", {"{f|0:1|*.12}", "{f|0:1|*.12}", "{f|0:1|*.12}"}},
}};

huex::ColorPattern patternOf(const ModelPattern& m) {
    huex::ColorPattern p;
    for (std::size_t k = 0; k < 3; ++k)
        p.formats[static_cast<std::size_t>(m.first) + k] = huex::ComponentFormat(m.formats[k]);
    huex::analysePattern(p, m.patternString);
    return p;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    std::array<huex::ColorPattern, models.size()> patterns;
    for (std::size_t i = 0; i < models.size(); ++i) {
        patterns[i] = patternOf(models[i]);
        if (!patterns[i].valid) {
            std::fprintf(stderr, "the %s pattern does not analyse\n", models[i].name);
            return 2;
        }
    }
    std::string line;
    if (mode == "write") {
        while (std::getline(std::cin, line)) {
            std::istringstream in(line);
            huex::RgbColor rgb;
            in >> rgb.red >> rgb.green >> rgb.blue;
            const huex::HsbColor hsb = huex::rgbToHsb(rgb);
            std::string out;
            for (const auto& p : patterns) {
                if (!out.empty()) out += ' ';
                out += huex::formatColor(p, rgb, hsb);
            }
            std::printf("%s\n", out.c_str());
        }
        return 0;
    }
    if (mode == "read") {
        while (std::getline(std::cin, line)) {
            const auto space = line.find(' ');
            std::size_t i = 0;
            while (i < models.size() && line.compare(0, space, models[i].name) != 0) ++i;
            if (space == std::string::npos || i == models.size()) {
                std::fprintf(stderr, "bad line: %s\n", line.c_str());
                return 2;
            }
            const huex::RgbColor c =
                huex::parseColorText(patterns[i], std::string_view(line).substr(space + 1));
            if (patterns[i].parseFailed)
                std::printf("none\n");
            else
                std::printf("%.17g %.17g %.17g\n", c.red, c.green, c.blue);
        }
        return 0;
    }
    std::fprintf(stderr, "usage: pattern_models write|read\n");
    return 2;
}
