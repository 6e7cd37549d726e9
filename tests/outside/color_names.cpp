// The colour names as a script sees them; color_names.mjs checks them against Color.js and the
// package the lists come from.
//   color_names lists     prints every entry of the three lists: "LIST<TAB>NAME<TAB>#rrggbb"
//   color_names nearest   reads "r g b" (sRGB fractions) a line, prints the nearest CSS, ISCC–NBS
//                         and Russian names, tab-separated
//   color_names read      reads "LIST<TAB>TEXT" a line, prints the colour colorFromName reads
//                         from TEXT with LIST first, "#rrggbb", or "none"
//   color_names mixed     reads "r g b" a line, prints for each pattern mixing a model and names
//                         the text it writes and the colour it reads back from that text
//                         ("#rrggbb" or "none"), all tab-separated
#include "color/ColorNames.h"
#include "pattern/Formatter.h"
#include "pattern/Parser.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

using huex::NameList;

constexpr std::array<std::pair<NameList, const char*>, 3> lists{
    {{NameList::css, "css"}, {NameList::iscc, "iscc"}, {NameList::russian, "russian"}}};

std::string hexOf(huex::ColorRef c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

// The patterns whose texts the script takes apart at " | ": the names and one model's numbers.
std::vector<huex::ColorPattern> mixedPatterns() {
    const std::string hex = "{x|0:255|2.*}", dec = "{d|0:255|*.*}";
    std::vector<huex::ColorPattern> patterns;
    patterns.emplace_back("hex", "{ruName} | #{rgbR}{rgbG}{rgbB} | {cssName} | {isccName}",
                          std::array<std::string, 9>{hex, hex, hex, "", "", "", "", "", ""});
    patterns.emplace_back("rgb", "{ruName} | rgb({rgbR} {rgbG} {rgbB}) | {cssName} | {isccName}",
                          std::array<std::string, 9>{dec, dec, dec, "", "", "", "", "", ""});
    // CSS oklch() with more digits than the first-start pattern's, which round some bytes away.
    huex::ColorPattern oklch("oklch", "", std::array<std::string, 9>{});
    const std::array<const char*, 3> oklchFormats{"{f|0:100|*.6}", "{f|0:0.4|*.8}", "{f|0:360|*.6}"};
    for (std::size_t i = 0; i < 3; ++i)
        oklch.formats[static_cast<std::size_t>(huex::Component::oklchL) + i] =
            huex::ComponentFormat(oklchFormats[i]);
    huex::analysePattern(oklch, "{ruName} | oklch({oklchL}% {oklchC} {oklchH}) | {cssName} | {isccName}");
    patterns.push_back(oklch);
    return patterns;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "lists") {
        for (const auto& [list, name] : lists) {
            for (const huex::ColorName& n : huex::colorNames(list))
                std::printf("%s\t%.*s\t%s\n", name, static_cast<int>(n.name.size()), n.name.data(),
                            hexOf(n.color).c_str());
        }
        return 0;
    }
    huex::RgbColor c;
    if (mode == "nearest") {
        while (std::scanf("%lf %lf %lf", &c.red, &c.green, &c.blue) == 3) {
            const auto lab = huex::oklabOfColor(c);
            for (std::size_t i = 0; i < lists.size(); ++i) {
                const huex::ColorName& n = huex::nearestColorNameAt(lists[i].first, lab);
                std::printf("%.*s%c", static_cast<int>(n.name.size()), n.name.data(),
                            i + 1 < lists.size() ? '\t' : '\n');
            }
        }
        return 0;
    }
    if (mode == "read") {
        std::string line;
        while (std::getline(std::cin, line)) {
            const auto tab = line.find('\t');
            std::size_t i = 0;
            while (i < lists.size() && line.compare(0, tab, lists[i].second) != 0) ++i;
            if (tab == std::string::npos || i == lists.size()) {
                std::fprintf(stderr, "bad line: %s\n", line.c_str());
                return 2;
            }
            const auto color = huex::colorFromName(std::string_view(line).substr(tab + 1), lists[i].first);
            std::printf("%s\n", color ? hexOf(huex::rgbToColorref(*color)).c_str() : "none");
        }
        return 0;
    }
    if (mode == "mixed") {
        std::vector<huex::ColorPattern> patterns = mixedPatterns();
        for (const auto& p : patterns) {
            if (!p.valid) {
                std::fprintf(stderr, "pattern %s does not analyse\n", p.patternString.c_str());
                return 2;
            }
        }
        while (std::scanf("%lf %lf %lf", &c.red, &c.green, &c.blue) == 3) {
            for (std::size_t i = 0; i < patterns.size(); ++i) {
                const std::string text = huex::formatColor(patterns[i], c, huex::rgbToHsb(c));
                const huex::RgbColor back = huex::parseColorText(patterns[i], text);
                std::printf("%s\t%s%c", text.c_str(),
                            patterns[i].parseFailed ? "none" : hexOf(huex::rgbToColorref(back)).c_str(),
                            i + 1 < patterns.size() ? '\t' : '\n');
            }
        }
        return 0;
    }
    std::fprintf(stderr, "usage: color_names lists|nearest|read|mixed\n");
    return 2;
}
