#include "color/ColorNames.h"

#include "color/ColorNameTables.h"
#include "color/CssNamedColors.h"
#include "color/NearestPoint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace huex {

namespace {

constexpr std::array<NameList, 3> allLists{NameList::css, NameList::iscc, NameList::russian};

// Of two CSS names for one colour only these take part: "cyan", "magenta" and the "gray" spellings.
bool preferredSpelling(std::string_view name) {
    return name == "cyan" || name == "magenta" || name.find("gray") != std::string_view::npos;
}

ColorRef colorrefOfRgbHex(std::uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
}

std::vector<ColorName> makeCssList() {
    const auto all = cssNamedColors();
    std::vector<ColorName> list;
    for (const CssNamedColor& c : all) {
        const bool shared = std::count_if(all.begin(), all.end(),
                                          [&c](const CssNamedColor& o) { return o.rgb == c.rgb; }) > 1;
        if (!shared || preferredSpelling(c.name)) list.push_back({c.name, colorrefOfRgbHex(c.rgb)});
    }
    return list;
}

std::span<const ColorName> cssList() {
    static const std::vector<ColorName> list = makeCssList();
    return list;
}

// The box the grids cover: OKLab of the sRGB gamut (L 0..1, a -0.234..0.277, b -0.312..0.199),
// with room to spare. A colour outside it is compared with every name.
constexpr Coords gridLow{-0.01, -0.25, -0.33}, gridHigh{1.01, 0.29, 0.21};

// About sixteen cells a name: a cell then lists a few names.
NearestPoint::Grid gridFor(std::size_t names) {
    const double volume =
        (gridHigh[0] - gridLow[0]) * (gridHigh[1] - gridLow[1]) * (gridHigh[2] - gridLow[2]);
    const double side = std::cbrt(volume / (16.0 * static_cast<double>(names)));
    NearestPoint::Grid grid{gridLow, gridHigh, {}};
    for (std::size_t i = 0; i < 3; ++i)
        grid.cells[i] = std::max(1, static_cast<int>(std::ceil((gridHigh[i] - gridLow[i]) / side)));
    return grid;
}

NearestPoint makeIndex(std::span<const ColorName> names) {
    std::vector<Coords> points;
    points.reserve(names.size());
    for (const ColorName& n : names) points.push_back(oklabOfColor(colorrefToRgb(n.color)));
    return NearestPoint(points, gridFor(names.size()));
}

// Each list's grid, made when the list is first asked for a nearest name.
const NearestPoint& indexOf(NameList list) {
    switch (list) {
    case NameList::iscc: {
        static const NearestPoint index = makeIndex(isccColorNames);
        return index;
    }
    case NameList::russian: {
        static const NearestPoint index = makeIndex(russianColorNames);
        return index;
    }
    case NameList::css:
        break;
    }
    static const NearestPoint index = makeIndex(cssList());
    return index;
}

// Text folded for comparing names: Latin and Cyrillic capitals to small letters, "ё" (and "Ё")
// to "е". Anything else, broken UTF-8 too, is kept byte for byte.
std::string folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 'A' && lead <= 'Z') {
            out += static_cast<char>(lead - 'A' + 'a');
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if ((lead == 0xD0 || lead == 0xD1) && (next & 0xC0) == 0x80) {
            unsigned code = ((lead & 0x1FU) << 6) | (next & 0x3FU);
            if (code >= 0x400 && code <= 0x40F) code += 0x50; // Ѐ..Џ
            if (code >= 0x410 && code <= 0x42F) code += 0x20; // А..Я
            if (code == 0x451) code = 0x435;                  // ё is read as е
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
            ++i;
            continue;
        }
        out += static_cast<char>(lead);
    }
    return out;
}

std::vector<std::string> foldedNames(std::span<const ColorName> names) {
    std::vector<std::string> out;
    out.reserve(names.size());
    for (const ColorName& n : names) out.push_back(folded(n.name));
    return out;
}

const std::vector<std::string>& foldedNamesOf(NameList list) {
    static const std::array<std::vector<std::string>, 3> all{foldedNames(colorNames(NameList::css)),
                                                             foldedNames(colorNames(NameList::iscc)),
                                                             foldedNames(colorNames(NameList::russian))};
    return all[static_cast<std::size_t>(list)];
}

std::optional<RgbColor> findIn(NameList list, const std::string& name) {
    const auto& names = foldedNamesOf(list);
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return std::nullopt;
    return colorrefToRgb(colorNames(list)[static_cast<std::size_t>(found - names.begin())].color);
}

} // namespace

std::span<const ColorName> colorNames(NameList list) {
    switch (list) {
    case NameList::iscc:
        return isccColorNames;
    case NameList::russian:
        return russianColorNames;
    case NameList::css:
        break;
    }
    return cssList();
}

Coords oklabOfColor(const RgbColor& c) {
    return linearSrgbToOklab(srgbToLinear(c));
}

const ColorName& nearestColorNameAt(NameList list, const Coords& oklab) {
    return colorNames(list)[indexOf(list).nearest(oklab)];
}

const ColorName& nearestColorName(NameList list, const RgbColor& c) {
    return nearestColorNameAt(list, oklabOfColor(c));
}

std::string colorNameText(NameList list, const RgbColor& c) {
    const ColorName& name = nearestColorName(list, c);
    std::string text;
    if (list == NameList::css && rgbToColorref(c) != name.color) text += '~';
    text += name.name;
    return text;
}

std::optional<RgbColor> colorFromName(std::string_view text, NameList first) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    text = text.substr(start, text.find_last_not_of(" \t") - start + 1);
    if (text.front() == '~') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    const std::string name = folded(text);
    if (auto color = findIn(first, name)) return color;
    for (const NameList list : allLists) {
        if (list == first) continue;
        if (auto color = findIn(list, name)) return color;
    }
    return std::nullopt;
}

} // namespace huex
