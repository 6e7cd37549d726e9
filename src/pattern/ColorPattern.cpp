#include "pattern/ColorPattern.h"

#include "pattern/ColorModels.h"
#include "pattern/NamePlaceholders.h"
#include "pattern/Placeholders.h"

#include <utility>

namespace huex {

namespace {

// Each placeholder is marked by a marker of its own length, so positions in the marked copy equal
// positions in the pattern: "~*", then carets, then "*~".
std::string markerOfLength(std::size_t length) {
    return "~*" + std::string(length - 4, '^') + "*~";
}

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
    const std::string marker = markerOfLength(placeholder.size());
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

// The markers that stand in the marked copy: only lengths of placeholders that were marked, so a
// pattern of today's six-character placeholders is cut exactly as before.
struct Markers {
    std::array<std::string, longestPlaceholder + 1> byLength;

    // The first marker at or after `from`, and its length.
    [[nodiscard]] std::pair<std::size_t, std::size_t> find(const std::string& text, std::size_t from) const {
        std::pair<std::size_t, std::size_t> best{std::string::npos, 0};
        if (from == std::string::npos) return best;
        for (const std::string& marker : byLength) {
            if (marker.empty()) continue;
            const std::size_t pos = text.find(marker, from);
            if (pos < best.first) best = {pos, marker.size()};
        }
        return best;
    }
};

std::size_t after(std::pair<std::size_t, std::size_t> marker) {
    return marker.first == std::string::npos ? marker.first : marker.first + marker.second;
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

    std::array<Occurrences, componentCount> found;
    Markers markers;
    for (std::size_t c = 0; c < placeholders.size(); ++c) {
        found[c] = markAll(marked, placeholders[c]);
        const std::size_t length = placeholders[c].size();
        if (found[c].count > 0 && markers.byLength[length].empty())
            markers.byLength[length] = markerOfLength(length);
    }

    // The first model, in order of preference, whose three placeholders each occur once.
    std::size_t model = modelCount;
    for (std::size_t m = 0; m < modelCount && model == modelCount; ++m) {
        const std::size_t base = m * 3;
        if (found[base].count == 1 && found[base + 1].count == 1 && found[base + 2].count == 1) model = m;
    }
    if (model == modelCount) {
        // A pattern of names alone reads its whole text as a name (Parser.cpp).
        p.valid = namesOnlyList(p.patternString).has_value();
        return;
    }

    std::array<Component, 3> order{};
    std::array<std::size_t, 3> position{};
    for (std::size_t i = 0; i < 3; ++i) {
        order[i] = static_cast<Component>(model * 3 + i);
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
    const auto m1 = markers.find(marked, 0);
    const auto m2 = markers.find(marked, after(m1));
    const auto m3 = markers.find(marked, after(m2));
    p.separator1 = pieceBetween(marked, after(m1), m2.first);
    p.separator2 = pieceBetween(marked, after(m2), m3.first);
    p.suffix = pieceBetween(marked, after(m3), std::string::npos);

    // A component of no fixed width ends where the literal text after it begins; a name placeholder
    // there does not end it.
    const ComponentFormat& first = p.formats[static_cast<std::size_t>(order[0])];
    const ComponentFormat& second = p.formats[static_cast<std::size_t>(order[1])];
    p.valid = (!literalLead(p.separator1).empty() || first.width != -1) &&
              (!literalLead(p.separator2).empty() || second.width != -1);
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
