// The three name lists, the nearest name of a colour and the colour of a name.
#include "color/ColorNames.h"
#include "color/NearestPoint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace huex {
namespace {

constexpr std::array<NameList, 3> lists{NameList::css, NameList::iscc, NameList::russian};

ColorRef hex(std::uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
}

RgbColor colorOf(std::uint32_t rgb) {
    return colorrefToRgb(hex(rgb));
}

double distance(const Coords& a, const Coords& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

// The rule itself, entry by entry: the smallest ΔE OK, the earlier of equals.
std::size_t nearestByRule(NameList list, const Coords& oklab) {
    const auto names = colorNames(list);
    std::size_t best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const double d = distance(oklab, oklabOfColor(colorrefToRgb(names[i].color)));
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::size_t indexOf(NameList list, const ColorName& name) {
    return static_cast<std::size_t>(&name - colorNames(list).data());
}

TEST(ColorNames, ListsAsTheIssueGivesThem) {
    const auto css = colorNames(NameList::css);
    ASSERT_EQ(css.size(), 139u);
    EXPECT_TRUE(std::is_sorted(css.begin(), css.end(),
                               [](const ColorName& a, const ColorName& b) { return a.name < b.name; }));
    std::set<std::string_view> cssNames;
    for (const ColorName& n : css) cssNames.insert(n.name);
    for (const char* kept : {"cyan", "magenta", "gray", "darkgray", "darkslategray", "dimgray", "lightgray",
                             "lightslategray", "slategray"})
        EXPECT_EQ(cssNames.count(kept), 1u) << kept;
    for (const char* left : {"aqua", "fuchsia", "grey", "darkgrey", "lightslategrey", "transparent"})
        EXPECT_EQ(cssNames.count(left), 0u) << left;
    EXPECT_EQ(css.front().name, "aliceblue");
    EXPECT_EQ(css.front().color, hex(0xF0F8FF));

    const auto iscc = colorNames(NameList::iscc);
    ASSERT_EQ(iscc.size(), 267u);
    EXPECT_EQ(iscc.front().name, "Vivid Pink");
    EXPECT_EQ(iscc.front().color, hex(0xFFB5BA));
    EXPECT_EQ(iscc.back().name, "Black");
    EXPECT_EQ(iscc.back().color, hex(0x222222));

    const auto russian = colorNames(NameList::russian);
    ASSERT_EQ(russian.size(), 27u);
    EXPECT_EQ(russian.front().name, "зеленый");
    EXPECT_EQ(russian.front().color, hex(0x4FCC57));
    EXPECT_EQ(russian.back().name, "серо зелёный");
}

TEST(ColorNames, NoListHoldsTwoEntriesOfOneColourOrOneName) {
    for (const NameList list : lists) {
        std::set<ColorRef> colors;
        for (const ColorName& n : colorNames(list)) {
            EXPECT_TRUE(colors.insert(n.color).second) << n.name;
            // Read back through its own list first, every name gives its own colour: no other name
            // of the list folds to the same text.
            const auto read = colorFromName(n.name, list);
            ASSERT_TRUE(read) << n.name;
            EXPECT_EQ(rgbToColorref(*read), n.color) << n.name;
        }
    }
}

TEST(ColorNames, AListColourIsNamedByItsOwnEntry) {
    for (const NameList list : lists) {
        for (const ColorName& n : colorNames(list)) {
            EXPECT_EQ(&nearestColorName(list, colorrefToRgb(n.color)), &n) << n.name;
        }
    }
}

TEST(ColorNames, TildeWhenTheBytesDifferFromTheCssName) {
    EXPECT_EQ(colorNameText(NameList::css, colorOf(0x008080)), "teal");
    EXPECT_EQ(colorNameText(NameList::css, colorOf(0x008081)), "~teal");
    EXPECT_EQ(colorNameText(NameList::css, colorOf(0x018080)), "~teal");
    // Fractions between bytes: the bytes they round to decide.
    EXPECT_EQ(colorNameText(NameList::css, {0, 0.5019, 0.502}), "teal");
    EXPECT_EQ(colorNameText(NameList::css, {0, 0.5019, 0.498}), "~teal");
    // The other lists are written as listed, never with "~".
    EXPECT_EQ(colorNameText(NameList::iscc, colorOf(0xFFB5BB)), "Vivid Pink");
    EXPECT_EQ(colorNameText(NameList::russian, colorOf(0x2DE4C3)), "бирюзовый");
}

TEST(ColorNames, BetweenListColoursTheNearestByTheRule) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> fraction(0, 1);
    std::vector<RgbColor> colors;
    for (int i = 0; i < 20000; ++i) colors.push_back({fraction(random), fraction(random), fraction(random)});
    // Midpoints of list colours, in sRGB, and colours a byte away from them.
    for (const NameList list : lists) {
        const auto names = colorNames(list);
        for (std::size_t i = 0; i + 1 < names.size(); ++i) {
            const RgbColor a = colorrefToRgb(names[i].color), b = colorrefToRgb(names[i + 1].color);
            colors.push_back({(a.red + b.red) / 2, (a.green + b.green) / 2, (a.blue + b.blue) / 2});
            colors.push_back({a.red, a.green, std::min(1.0, a.blue + 1.0 / 255)});
        }
    }
    // Outside sRGB the grid is not used; the answer is the same.
    colors.push_back({1.5, -0.25, 0.5});
    colors.push_back({-1, -1, -1});
    colors.push_back({2, 2, 2});
    for (const NameList list : lists) {
        int differ = 0;
        for (const RgbColor& c : colors) {
            const Coords lab = oklabOfColor(c);
            const std::size_t got = indexOf(list, nearestColorName(list, c));
            const std::size_t expected = nearestByRule(list, lab);
            if (got == expected) continue;
            // Two entries within 1e-12 of each other's distance: either may be named.
            const auto names = colorNames(list);
            const double dGot = distance(lab, oklabOfColor(colorrefToRgb(names[got].color)));
            const double dExpected = distance(lab, oklabOfColor(colorrefToRgb(names[expected].color)));
            if (std::fabs(dGot - dExpected) > 1e-12) ++differ;
        }
        EXPECT_EQ(differ, 0) << static_cast<int>(list);
    }
}

TEST(NearestPoint, ATieGoesToTheEarlierPoint) {
    // Points placed symmetrically about the query give exactly equal distances.
    const std::vector<Coords> points{{0.5, 0.25, 0}, {0.5, -0.25, 0}, {0.5, 0, 0.25}, {0.9, 0.9, 0.9}};
    const NearestPoint::Grid grid{{0, -1, -1}, {1, 1, 1}, {4, 8, 8}};
    const NearestPoint index(points, grid);
    EXPECT_EQ(index.nearest({0.5, 0, 0}), 0u);
    EXPECT_EQ(index.nearestByScan({0.5, 0, 0}), 0u);
    EXPECT_EQ(index.nearest({0.5, 0, -0.1}), 0u); // only 0 and 1 tie here
    EXPECT_EQ(index.nearest({0.5, -0.01, 0}), 1u);
    const std::vector<Coords> reversed{{0.5, 0, 0.25}, {0.5, -0.25, 0}, {0.5, 0.25, 0}};
    EXPECT_EQ(NearestPoint(reversed, grid).nearest({0.5, 0, 0}), 0u);
    EXPECT_EQ(NearestPoint(reversed, grid).nearest({0.5, 0, -0.1}), 1u);
}

TEST(NearestPoint, TheGridAgreesWithTheScanInsideAndOutsideItsBox) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> coordinate(-0.2, 1.2);
    std::vector<Coords> points;
    for (int i = 0; i < 300; ++i)
        points.push_back({coordinate(random), coordinate(random), coordinate(random)});
    const NearestPoint index(points, {{0, 0, 0}, {1, 1, 1}, {12, 12, 12}});
    EXPECT_LT(index.meanCandidates(), 40);
    for (int i = 0; i < 20000; ++i) {
        const Coords q{coordinate(random), coordinate(random), coordinate(random)};
        ASSERT_EQ(index.nearest(q), index.nearestByScan(q));
    }
    // Cell bounds and box bounds exactly.
    for (double v : {0.0, 1.0 / 12, 0.5, 11.0 / 12, 1.0}) {
        const Coords q{v, v, 1 - v};
        EXPECT_EQ(index.nearest(q), index.nearestByScan(q)) << v;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_LT(index.nearest({nan, 0, 0}), points.size());
}

TEST(ColorNames, ReadingNames) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> rgb;
    };
    for (const Case& c : {Case{"teal", 0x008080},
                          Case{"Teal", 0x008080},
                          Case{"TEAL", 0x008080},
                          Case{"  teal\t", 0x008080},
                          Case{"~teal", 0x008080},
                          Case{" \t~Teal ", 0x008080},
                          Case{"cyan", 0x00FFFF},
                          Case{"gray", 0x808080},
                          Case{"Vivid Pink", 0xFFB5BA},
                          Case{"vivid pink", 0xFFB5BA},
                          Case{"VIVID PINK", 0xFFB5BA},
                          Case{"~Vivid Pink", 0xFFB5BA},
                          Case{"Vivid Blue, ultramarine", 0x00A1C2},
                          Case{"бирюзовый", 0x2DE4C2},
                          Case{"БИРЮЗОВЫЙ", 0x2DE4C2},
                          Case{"Бирюзовый", 0x2DE4C2},
                          Case{"~бирюзовый", 0x2DE4C2},
                          Case{"серо зелёный", 0x708E6D},
                          Case{"серо зеленый", 0x708E6D},
                          Case{"СЕРО ЗЕЛЁНЫЙ", 0x708E6D},
                          Case{"чёрный", 0x141B1F},
                          Case{"ЧЕРНЫЙ", 0x141B1F},
                          Case{"Black", 0x000000},
                          Case{"aqua", std::nullopt},
                          Case{"grey", std::nullopt},
                          Case{"~~teal", std::nullopt},
                          Case{"~ teal", std::nullopt},
                          Case{"teal~", std::nullopt},
                          Case{"te al", std::nullopt},
                          Case{"Vivid  Pink", std::nullopt},
                          Case{"teal\n", std::nullopt},
                          Case{"#008080", std::nullopt},
                          Case{"", std::nullopt},
                          Case{" \t ", std::nullopt},
                          Case{"~", std::nullopt},
                          Case{"\xD0", std::nullopt},
                          Case{"blurple", std::nullopt}}) {
        SCOPED_TRACE(c.text);
        const auto read = colorFromName(c.text);
        ASSERT_EQ(read.has_value(), c.rgb.has_value());
        if (read) {
            EXPECT_EQ(rgbToColorref(*read), hex(*c.rgb));
        }
    }
}

TEST(ColorNames, TheFirstListIsSearchedFirst) {
    const auto byte = [](const std::optional<RgbColor>& c) { return c ? rgbToColorref(*c) : ~0u; };
    EXPECT_EQ(byte(colorFromName("Black")), hex(0x000000));
    EXPECT_EQ(byte(colorFromName("Black", NameList::css)), hex(0x000000));
    EXPECT_EQ(byte(colorFromName("Black", NameList::iscc)), hex(0x222222));
    EXPECT_EQ(byte(colorFromName("white", NameList::iscc)), hex(0xF2F3F4));
    // A list without the name: the others, in the order css, iscc, russian.
    EXPECT_EQ(byte(colorFromName("Black", NameList::russian)), hex(0x000000));
    EXPECT_EQ(byte(colorFromName("Medium Gray", NameList::russian)), hex(0x848482));
    EXPECT_EQ(byte(colorFromName("бирюзовый", NameList::iscc)), hex(0x2DE4C2));
}

} // namespace
} // namespace huex
