#include "pattern/ColorPattern.h"

#include "pattern/Placeholders.h"

#include <utility>

namespace huex {

namespace {

// Same length as a placeholder, so positions in the marked copy equal positions in the pattern.
constexpr std::string_view marker = "~*^^*~";
static_assert(marker.size() == placeholderLength);

// Constructor argument order (rgb, hsb, hsl) to the record's Component order.
constexpr std::array<Component, 9> constructorOrder{Component::rgbR, Component::rgbG, Component::rgbB,
                                                    Component::hsbH, Component::hsbS, Component::hsbB,
                                                    Component::hslH, Component::hslS, Component::hslL};

// Replaces every non-overlapping occurrence, left to right, and returns where the first one was
// and how many there were.
struct Occurrences {
    std::size_t first = std::string::npos;
    int count = 0;
};

Occurrences markAll(std::string& text, std::string_view placeholder) {
    Occurrences found;
    for (std::size_t pos = text.find(placeholder); pos != std::string::npos;
         pos = text.find(placeholder, pos + placeholder.size())) {
        if (found.count == 0) found.first = pos;
        ++found.count;
        text.replace(pos, placeholder.size(), marker);
    }
    return found;
}

std::string pieceBetween(const std::string& text, std::size_t from, std::size_t to) {
    if (from >= text.size()) return {};
    return text.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

std::size_t findMarker(const std::string& text, std::size_t from) {
    return from == std::string::npos ? std::string::npos : text.find(marker, from);
}

std::size_t afterMarker(std::size_t pos) {
    return pos == std::string::npos ? pos : pos + placeholderLength;
}

} // namespace

ColorPattern::ColorPattern(std::string name, std::string patternString,
                           const std::array<std::string, 9>& specTexts)
    : name(std::move(name)) {
    for (std::size_t i = 0; i < constructorOrder.size(); ++i) {
        parseFormatSpec(formats[static_cast<std::size_t>(constructorOrder[i])], specTexts[i]);
    }
    this->patternString = std::move(patternString);
    analysePattern(*this, this->patternString);
}

ColorPattern::ColorPattern(std::string name, std::string patternString,
                           const std::array<ComponentFormat, 9>& formats)
    : name(std::move(name)) {
    for (std::size_t i = 0; i < constructorOrder.size(); ++i) {
        this->formats[static_cast<std::size_t>(constructorOrder[i])] = formats[i];
    }
    this->patternString = std::move(patternString);
    analysePattern(*this, this->patternString);
}

ColorPattern::ColorPattern(const ColorPattern& other) : name(other.name) {
    for (std::size_t i = 0; i < formats.size(); ++i) parseFormatSpec(formats[i], other.formats[i].specText);
    analysePattern(*this, other.patternString);
}

ColorPattern& ColorPattern::operator=(const ColorPattern& other) {
    if (this != &other) *this = ColorPattern(other);
    return *this;
}

void analysePattern(ColorPattern& p, std::string_view text) {
    // Copied first: the text may be a view of the pattern's own string.
    std::string marked(text);
    p.parseFailed = false;
    p.patternString = marked;

    std::array<Occurrences, 9> found;
    for (std::size_t c = 0; c < placeholders.size(); ++c) found[c] = markAll(marked, placeholders[c]);

    // Models in order of preference: HSB, HSL, RGB (Component order happens to be the same).
    int model = -1;
    for (int m = 0; m < 3 && model < 0; ++m) {
        const auto base = static_cast<std::size_t>(m) * 3;
        if (found[base].count == 1 && found[base + 1].count == 1 && found[base + 2].count == 1) model = m;
    }
    if (model < 0) {
        p.valid = false;
        return;
    }

    std::array<Component, 3> order{};
    std::array<std::size_t, 3> position{};
    for (std::size_t i = 0; i < 3; ++i) {
        order[i] = static_cast<Component>(model * 3 + static_cast<int>(i));
        position[i] = found[static_cast<std::size_t>(order[i])].first;
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i + 1 < 3; ++i) {
            if (position[i + 1] < position[i]) {
                std::swap(position[i], position[i + 1]);
                std::swap(order[i], order[i + 1]);
            }
        }
    }
    p.textOrder = order;
    p.prefixLength = static_cast<std::int32_t>(position[0]);

    // The pieces lie between the first three markers of any model (or even literal markers).
    const std::size_t m1 = findMarker(marked, 0);
    const std::size_t m2 = findMarker(marked, afterMarker(m1));
    const std::size_t m3 = findMarker(marked, afterMarker(m2));
    p.separator1 = pieceBetween(marked, afterMarker(m1), m2);
    p.separator2 = pieceBetween(marked, afterMarker(m2), m3);
    p.suffix = pieceBetween(marked, afterMarker(m3), std::string::npos);

    const ComponentFormat& first = p.formats[static_cast<std::size_t>(order[0])];
    const ComponentFormat& second = p.formats[static_cast<std::size_t>(order[1])];
    p.valid = (!p.separator1.empty() || first.width != -1) && (!p.separator2.empty() || second.width != -1);
}

std::vector<ColorPattern> builtInPatterns() {
    const std::string hex = "{X|0:255|2.*}";
    const std::string cmy = "{d|255:0|*.*}";
    const std::string hue = "{d|0:360|*.*}";
    const std::string percent = "{d|0:100|*.*}";
    std::vector<ColorPattern> list;
    list.reserve(4);
    list.emplace_back("RRGGBB", "{rgbR}{rgbG}{rgbB}",
                      std::array<std::string, 9>{hex, hex, hex, "", "", "", "", "", ""});
    list.emplace_back("HSB(360, 100, 100)", "HSB({hsbH}, {hsbS}, {hsbB})",
                      std::array<std::string, 9>{"", "", "", hue, percent, percent, "", "", ""});
    list.emplace_back("HSL(360, 100, 100)", "HSL({hslH}, {hslS}, {hslL})",
                      std::array<std::string, 9>{"", "", "", "", "", "", hue, percent, percent});
    list.emplace_back("CMY(255, 255, 255)", "CMY({rgbR}, {rgbG}, {rgbB})",
                      std::array<std::string, 9>{cmy, cmy, cmy, "", "", "", "", "", ""});
    return list;
}

} // namespace huex
