#pragma once
// The first member in which two loaded settings differ, and a sample of non-default settings, for
// the host and Windows-side tests and the fuzz target.
#include "settings/Settings.h"

#include <array>
#include <cmath>
#include <string>

namespace huex {

inline std::string patternText(const ColorPattern& p) {
    std::string s = p.name + "|" + p.patternString;
    for (const ComponentFormat& f : p.formats) s += "|" + f.specText;
    return s;
}

// Empty when equal; reals may differ by `tolerance` (the file keeps six decimals).
inline std::string settingsDifference(const Settings& a, const Settings& b, double tolerance) {
    auto near = [&](double x, double y) { return std::fabs(x - y) <= tolerance; };
    auto nearColor = [&](const RgbColor& x, const RgbColor& y) {
        return near(x.red, y.red) && near(x.green, y.green) && near(x.blue, y.blue);
    };
    if (a.animation != b.animation || a.interval != b.interval || a.period != b.period) return "marquee";
    if (a.posX != b.posX || a.posY != b.posY || a.width != b.width) return "window";
    if (a.focusOnColor1 != b.focusOnColor1) return "focus2";
    if (!nearColor(a.currentColor, b.currentColor)) return "currentColor";
    if (a.modifier != b.modifier) return "modifier";
    if (a.palette.count != b.palette.count) return "paletteCount";
    for (int i = 0; i < Palette::capacity; ++i) {
        if (!nearColor(a.palette.colors[i], b.palette.colors[i])) return "palette " + std::to_string(i);
        if (a.palette.selected[i] != b.palette.selected[i]) return "paletteSelected " + std::to_string(i);
    }
    if (!(a.magnifier == b.magnifier)) return "magnifier";
    if (!(a.captureCenter == b.captureCenter)) return "captureCenter";
    if (a.userPatterns.size() != b.userPatterns.size()) return "uPatternsLength";
    for (std::size_t k = 0; k < a.userPatterns.size(); ++k) {
        if (patternText(a.userPatterns[k]) != patternText(b.userPatterns[k]))
            return "pattern " + std::to_string(k) + ": " + patternText(a.userPatterns[k]) + " / " +
                   patternText(b.userPatterns[k]);
    }
    if (a.pattern1 != b.pattern1 || a.pattern2 != b.pattern2) return "pattern1/2";
    if (a.mode1 != b.mode1 || a.mode2 != b.mode2) return "mode1/2";
    const ContrastSettings &x = a.contrast, &y = b.contrast;
    if (x.posX != y.posX || x.posY != y.posY || !(x.text == y.text) || !(x.background == y.background) ||
        x.followBackground != y.followBackground || x.open != y.open)
        return "contrast";
    if (a.vision != b.vision) return "vision";
    if (a.hotKeys.keys != b.hotKeys.keys || a.hotKeys.pickCopies != b.hotKeys.pickCopies) return "hotKeys";
    const HistorySettings &h = a.history, &k = b.history;
    if (h.history.entries() != k.history.entries() || h.history.size() != k.history.size() ||
        h.posX != k.posX || h.posY != k.posY || h.open != k.open)
        return "history";
    return "";
}

// Every value off its default: names in three scripts and with quotes and blanks round them, a
// pattern string of 1,000 characters, the widest zoom with 5 x 5 averaging at its offset limits.
inline Settings nonDefaultSettings() {
    Settings s;
    s.firstRun = false;
    s.animation = 0;
    s.interval = 250;
    s.period = 4;
    s.posX = 40;
    s.posY = 50;
    s.width = 330;
    s.focusOnColor1 = false;
    s.currentColor = {0.25, 0.5, 0.75};
    s.modifier = 3;
    s.palette.count = 9;
    for (int i = 0; i < Palette::capacity; ++i) {
        s.palette.colors[i] = {i / 9.0, 1 - i / 9.0, 0.5};
        s.palette.selected[i] = i == 4 || i == 8;
    }
    s.magnifier = {25, 3, 5, {-10, 10}, {4, -4}};
    s.captureCenter = {321, 123};
    const std::array<std::string, 9> formats{"{d|0:255|*.*}", "{d|0:255|*.*}", " {d|0:255|*.*} "};
    s.userPatterns.push_back(ColorPattern("Свой", "rgb({rgbR}, {rgbG}, {rgbB})", formats));
    for (const char* name : {"色彩 ελληνικά", " spaced ", "\"quoted\"", "'single'", "a=b;c"})
        s.userPatterns.push_back(ColorPattern(name, std::string(name) + "{rgbR}", formats));
    s.userPatterns.push_back(ColorPattern("long", std::string(1000, 'x') + "{rgbR}", formats));
    s.pattern1 = 4;
    s.pattern2 = 2;
    s.mode1 = true;
    s.mode2 = false;
    s.contrast = {-1200, 77, {0x1A, 0x2B, 0x3C}, {0xFE, 0xDC, 0xBA}, true, true};
    s.vision = Vision::tritanopia;
    s.hotKeys = {{HotKey{}, HotKey{HotKey::shift, 0x87}, HotKey{HotKey::ctrl | HotKey::shift, 0x65}}, false};
    const std::optional<HistoryEntry> picks[] = {HistoryEntry{0x0C0B0A, true}, HistoryEntry{0xFFFFFF, false},
                                                 HistoryEntry{0x000000, false}, HistoryEntry{0x123456, true}};
    s.history = {ColorHistory::restored(12, picks), -900, 66, true};
    return s;
}

} // namespace huex
