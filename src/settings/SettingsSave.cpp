// The order and form in which the settings are written.
#include "pattern/ColorModels.h"
#include "pattern/NumberFormat.h"
#include "settings/Settings.h"

#include <array>
#include <string_view>

namespace huex {

std::string formatReal(double value) {
    NumberBuffer buffer{};
    const std::size_t length = writeReal(buffer, PrintfConversion{false, 0, -1, 'f'}, value);
    return {buffer.data(), length};
}

std::vector<Component> newerModelFormats(std::string_view patternString) {
    std::vector<Component> used;
    for (std::size_t m = classicModels; m < modelCount; ++m) {
        if (!usesModel(patternString, m)) continue;
        for (std::size_t i = 0; i < 3; ++i) used.push_back(static_cast<Component>(m * 3 + i));
    }
    return used;
}

namespace {

constexpr std::array<std::string_view, 3> kChannels{"R", "G", "B"};

double channel(const RgbColor& c, std::size_t i) {
    return i == 0 ? c.red : i == 1 ? c.green : c.blue;
}

// Hands each entry to `put(section, key, value)`, in the save order.
template <class Put> class EntryList {
  public:
    explicit EntryList(Put& put) : put_(put) {}
    void section(std::string_view name) { section_ = name; }
    void text(std::string_view key, std::string_view value, bool onlyOverExisting = false) {
        put_(section_, key, value, onlyOverExisting);
    }
    void integer(std::string_view key, int value) { text(key, std::to_string(value)); }
    void real(std::string_view key, double value) { text(key, formatReal(value)); }
    void color(const std::string& prefix, const RgbColor& c) {
        for (std::size_t i = 0; i < kChannels.size(); ++i)
            real(prefix + std::string(kChannels[i]), channel(c, i));
    }

  private:
    Put& put_;
    std::string_view section_;
};

template <class Put> void putEntries(const Settings& s, Put put) {
    EntryList<Put> out(put);
    out.section("Common");
    out.text("FirstRun", "no");
    out.integer("Version", kSettingsVersion);
    out.section("Window");
    out.integer("posX", s.posX);
    out.integer("posY", s.posY);
    out.integer("width", s.width);
    out.text("focus2", s.focusOnColor1 ? "color1" : "color2");
    out.section("Marquee");
    out.integer("animation", s.animation);
    out.integer("interval", s.interval);
    out.integer("period", s.period);
    out.section("Color1");
    out.color("", s.currentColor);
    out.section("Color2");
    out.integer("mode", s.modifier);
    out.section("CustomColors");
    out.integer("customColorsLength", s.palette.count);
    for (int i = 0; i < Palette::capacity; ++i) {
        const std::string cell = "Color" + std::to_string(i);
        out.color(cell, s.palette.colors[i]);
        out.integer(cell + "Focus", s.palette.selected[i] ? 1 : 0);
    }
    out.section("Zoom");
    out.integer("Mode", zoomLevelIndex(s.magnifier.viewSize) + 1);
    out.integer("shiftX", s.magnifier.pickOffset.x);
    out.integer("shiftY", s.magnifier.pickOffset.y);
    out.integer("shiftViewPortX", s.magnifier.viewOffset.x);
    out.integer("shiftViewPortY", s.magnifier.viewOffset.y);
    out.integer("captured.x", s.captureCenter.x);
    out.integer("captured.y", s.captureCenter.y);
    out.integer("zoomSize", s.magnifier.viewSize);
    out.integer("zoomSkale", s.magnifier.zoomFactor);
    out.integer("average", s.magnifier.sampleSize);
    out.section("Patterns");
    out.integer("pattern1", s.pattern1);
    out.integer("pattern2", s.pattern2);
    out.integer("mode1", s.mode1 ? 1 : 0);
    out.integer("mode2", s.mode2 ? 1 : 0);
    out.integer("uPatternsLength", static_cast<int>(s.userPatterns.size()));
    for (std::size_t k = 0; k < s.userPatterns.size(); ++k) {
        const ColorPattern& p = s.userPatterns[k];
        const std::string number = std::to_string(k);
        out.text("name" + number, p.name);
        out.text("patternString" + number, p.patternString);
        for (const auto& [key, component] : kFormatKeys)
            out.text(std::string(key) + number, p.formats[static_cast<std::size_t>(component)].specText);
        for (const Component c : newerModelFormats(p.patternString))
            out.text(std::string(formatKey(c)) + number, p.formats[static_cast<std::size_t>(c)].specText);
    }
    out.section("Contrast");
    out.integer("posX", s.contrast.posX);
    out.integer("posY", s.contrast.posY);
    out.text("text", hexText(s.contrast.text));
    out.text("background", hexText(s.contrast.background));
    out.text("follow", s.contrast.followBackground ? "background" : "text");
    out.integer("open", s.contrast.open ? 1 : 0);
    out.section("Vision");
    out.text("mode", std::to_string(static_cast<int>(s.vision)), s.vision == Vision::normal);
    out.section("HotKeys");
    for (std::size_t i = 0; i < kHotKeyCount; ++i)
        out.text(kHotKeyNames[i], hotKeyText(s.hotKeys.keys[i]), s.hotKeys.keys[i] == kDefaultHotKeys[i]);
    out.text("pickCopies", s.hotKeys.pickCopies ? "1" : "0", s.hotKeys.pickCopies);
    // Written whole, and only once there is something to keep, so a file without it stays as it was.
    const HistorySettings& h = s.history;
    const std::vector<HistoryEntry>& kept = h.history.entries();
    const bool onlyOver = kept.empty() && !h.windowUsed();
    out.section("History");
    out.text("", "", onlyOver);
    out.text("size", std::to_string(h.history.size()),
             onlyOver || h.history.size() == ColorHistory::defaultSize);
    out.text("count", std::to_string(kept.size()), onlyOver);
    for (std::size_t k = 0; k < kept.size(); ++k) out.text(std::to_string(k), historyEntryText(kept[k]));
    out.text("posX", std::to_string(h.posX), onlyOver);
    out.text("posY", std::to_string(h.posY), onlyOver);
    out.text("open", h.open ? "1" : "0", onlyOver);
}

} // namespace

std::vector<SettingsEntry> settingsEntries(const Settings& s) {
    std::vector<SettingsEntry> entries;
    entries.reserve(86 + s.userPatterns.size() * 11 + s.history.history.entries().size()); // as put above
    putEntries(s, [&](std::string_view section, std::string_view key, std::string_view value, bool onlyOver) {
        entries.push_back({std::string(section), std::string(key), std::string(value), onlyOver});
    });
    return entries;
}

void writeSettings(IniDocument& file, const Settings& s) {
    writeEntries(file, settingsEntries(s));
}

void writeEntries(IniDocument& file, std::span<const SettingsEntry> entries) {
    std::vector<bool> wanted(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsEntry& e = entries[i];
        wanted[i] = !e.onlyOverExisting ||
                    (e.key.empty() ? file.hasSection(e.section) : file.read(e.section, e.key).has_value());
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SettingsEntry& e = entries[i];
        if (!wanted[i]) continue;
        if (e.key.empty())
            file.clearSection(e.section);
        else
            file.write(e.section, e.key, e.value);
    }
}

} // namespace huex
