// Reading the settings file: defaults for missing keys, then every value brought into range.
#include "pattern/CssPatterns.h"
#include "pattern/NumberScan.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace huex {

namespace {

constexpr std::array<std::string_view, 3> kChannels{"R", "G", "B"};
constexpr int kBuiltInPatterns = 4;

class Reader {
  public:
    explicit Reader(const IniDocument& file) : file_(file) {}
    void section(std::string_view name) { section_ = name; }
    [[nodiscard]] std::string text(std::string_view key, std::string_view fallback) const {
        return std::string(file_.read(section_, key).value_or(fallback));
    }
    [[nodiscard]] int integer(std::string_view key, int fallback) const {
        const auto value = file_.read(section_, key);
        return value ? readInteger(*value) : fallback;
    }
    [[nodiscard]] int integer(std::string_view key, int fallback, int low, int high) const {
        return std::clamp(integer(key, fallback), low, high);
    }
    // A fraction 0..1: NaN takes the default, anything else is clamped. A default goes through
    // the same conversion as a stored value (to the decimals the file keeps).
    [[nodiscard]] double fraction(std::string_view key, double fallback) const {
        const auto value = file_.read(section_, key);
        const double read = value ? readRealPrefix(*value) : std::nan("");
        return std::isnan(read) ? readRealPrefix(formatReal(fallback)) : std::clamp(read, 0.0, 1.0);
    }
    [[nodiscard]] RgbColor color(const std::string& prefix, const RgbColor& fallback) const {
        return {fraction(prefix + std::string(kChannels[0]), fallback.red),
                fraction(prefix + std::string(kChannels[1]), fallback.green),
                fraction(prefix + std::string(kChannels[2]), fallback.blue)};
    }

  private:
    const IniDocument& file_;
    std::string_view section_;
};

StartFocus startFocus(std::string_view value) {
    if (value == "edit1") return StartFocus::edit1;
    if (value == "edit2") return StartFocus::edit2;
    if (value == "zoom") return StartFocus::zoom;
    if (value == "palette") return StartFocus::palette;
    return StartFocus::marker;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Old files wrote the RGB and HSB placeholders as entities.
std::string withBracePlaceholders(std::string text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> entities{{
        {"&rgbR;", "{rgbR}"},
        {"&rgbG;", "{rgbG}"},
        {"&rgbB;", "{rgbB}"},
        {"&hsbH;", "{hsbH}"},
        {"&hsbS;", "{hsbS}"},
        {"&hsbB;", "{hsbB}"},
    }};
    for (const auto& [entity, placeholder] : entities) replaceAll(text, entity, placeholder);
    return text;
}

ColorPattern userPattern(const Reader& in, int k, int version) {
    const std::string number = std::to_string(k);
    const std::string name = in.text("name" + number, "unnamed");
    std::array<std::string, 9> specs; // constructor order: rgbR .. hslL, as the keys are stored
    for (std::size_t i = 0; i < kFormatKeys.size(); ++i)
        specs[i] = in.text(std::string(kFormatKeys[i].first) + number, "");
    std::string text = in.text("patternString" + number, "ошибка при загрузке");
    if (version < kBraceSyntaxVersion) text = withBracePlaceholders(std::move(text));
    ColorPattern p(name, std::move(text), specs);
    const std::vector<Component> newer = newerModelFormats(p.patternString);
    for (const Component c : newer)
        parseFormatSpec(p.formats[static_cast<std::size_t>(c)],
                        in.text(std::string(formatKey(c)) + number, ""));
    if (!newer.empty()) analysePattern(p, p.patternString); // the first two formats decide validity
    return p;
}

// The zoom pair in use wins when it is one of the table's; else the zoom menu's item; else 9 x 8.
MagnifierState zoomFromFile(const Reader& in) {
    MagnifierState m;
    m.pickOffset = {in.integer("shiftX", 0), in.integer("shiftY", 0)};
    m.viewOffset = {in.integer("shiftViewPortX", 0), in.integer("shiftViewPortY", 0)};
    const int viewSize = in.integer("ZoomSize", 9);
    const int zoomFactor = in.integer("ZoomSkale", 8);
    const int mode = in.integer("Mode", 3);
    int level = zoomLevelIndex(viewSize);
    if (level < 0 || kZoomLevels[level].zoomFactor != zoomFactor)
        level = mode >= 1 && mode <= 5 ? mode - 1 : 2;
    m = withZoomLevel(m, level);
    const int average = in.integer("average", 1);
    m.sampleSize = average == 3 || average == 5 ? average : 1;
    return clampOffsets(m);
}

// A plain integer (blanks, a sign, digits), else nothing: a history is not cut to nothing by a
// size or count that is not a number.
std::optional<int> plainInteger(std::optional<std::string_view> text) {
    if (!text) return std::nullopt;
    std::string_view digits = *text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return readInteger(*text);
}

// Keys "0" to count - 1; with a count that is not a number, every key from "0" on that is there.
HistorySettings historyFromFile(const IniDocument& file, const Reader& in) {
    HistorySettings h;
    const auto count = plainInteger(file.read("History", "count"));
    const int last = std::clamp(count.value_or(ColorHistory::maxStored), 0, ColorHistory::maxStored);
    std::vector<std::optional<HistoryEntry>> stored;
    for (int k = 0; k < last; ++k) {
        const auto value = file.read("History", std::to_string(k));
        if (!value && !count) break;
        stored.push_back(value ? parseHistoryEntry(*value) : std::nullopt);
    }
    const int size = plainInteger(file.read("History", "size")).value_or(ColorHistory::defaultSize);
    h.history = ColorHistory::restored(size, stored);
    h.posX = in.integer("posX", h.posX);
    h.posY = in.integer("posY", h.posY);
    h.open = in.integer("open", 0) == 1;
    return h;
}

} // namespace

int readInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max() + 1LL;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit); // saturates instead of overflowing
    value = negative ? -value : std::min(value, limit - 1);
    return static_cast<int>(value);
}

Palette Settings::defaultPalette() {
    static constexpr std::array<ColorRef, Palette::capacity> rgb{
        0xFFFFFF, 0x000080, 0x0000FF, 0x800080, 0xFF00FF, 0x008000, 0x00FF00, 0x008080, 0x00FFFF, 0x800000};
    Palette p;
    for (int i = 0; i < Palette::capacity; ++i) {
        const ColorRef c = rgb[i];
        p.colors[i] = {((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0};
    }
    return p;
}

Settings loadSettings(const IniDocument& file, const Rect& screen) {
    Settings s;
    const Settings defaults;
    Reader in(file);
    in.section("Common");
    s.firstRun = in.text("FirstRun", "yes") == "yes";
    const int version = in.integer("version", 100);
    in.section("Marquee");
    s.animation = in.integer("animation", defaults.animation);
    s.interval = in.integer("interval", defaults.interval, 100, kMaxInterval);
    s.period = in.integer("period", defaults.period, 1, kMaxPeriod);
    in.section("Window");
    s.posX = in.integer("posX", defaults.posX);
    s.posY = in.integer("posY", defaults.posY);
    s.width = in.integer("width", defaults.width);
    s.focus = startFocus(in.text("focus", "zoom"));
    s.focusOnColor1 = in.text("focus2", "color1") == "color1";
    in.section("Color1");
    s.currentColor = in.color("", defaults.currentColor);
    in.section("Color2");
    s.modifier = in.integer("mode", 0);
    if (s.modifier < 0 || s.modifier > 4) s.modifier = 0;
    in.section("CustomColors");
    s.palette.count = in.integer("customColorsLength", defaults.palette.count, 1, Palette::capacity);
    for (int i = 0; i < Palette::capacity; ++i) {
        const std::string cell = "Color" + std::to_string(i);
        s.palette.colors[i] = in.color(cell, defaults.palette.colors[i]);
        s.palette.selected[i] = in.integer(cell + "Focus", 0) != 0;
    }
    in.section("Zoom");
    s.magnifier = zoomFromFile(in);
    // The virtual screen's last pixel is right - 1, bottom - 1; an empty screen pins the centre.
    s.captureCenter = {
        std::clamp(in.integer("captured.x", 100), screen.left, std::max(screen.left, screen.right - 1)),
        std::clamp(in.integer("captured.y", 100), screen.top, std::max(screen.top, screen.bottom - 1))};
    in.section("Patterns");
    // Without a list, as on a first start, every CSS notation is one click away.
    if (file.read("Patterns", "uPatternsLength")) {
        const int userCount = in.integer("uPatternsLength", 0, 0, kMaxUserPatterns);
        for (int k = 0; k < userCount; ++k) s.userPatterns.push_back(userPattern(in, k, version));
    } else {
        s.userPatterns = cssPatterns();
    }
    const int patternCount = kBuiltInPatterns + static_cast<int>(s.userPatterns.size());
    s.pattern1 = in.integer("pattern1", 0);
    if (s.pattern1 < 0 || s.pattern1 >= patternCount) s.pattern1 = 0;
    s.pattern2 = in.integer("pattern2", 0);
    if (s.pattern2 < 0 || s.pattern2 >= patternCount) s.pattern2 = 1;
    s.mode1 = in.integer("mode1", 0) == 1;
    s.mode2 = in.integer("mode2", 1) == 1;
    in.section("Contrast");
    s.contrast.posX = in.integer("posX", defaults.contrast.posX);
    s.contrast.posY = in.integer("posY", defaults.contrast.posY);
    s.contrast.text = parseHexText(in.text("text", "")).value_or(defaults.contrast.text);
    s.contrast.background = parseHexText(in.text("background", "")).value_or(defaults.contrast.background);
    s.contrast.followBackground = in.text("follow", "text") == "background";
    s.contrast.open = in.integer("open", 0) == 1;
    in.section("Vision");
    s.vision = visionFromIndex(in.integer("mode", 0));
    in.section("HotKeys");
    for (std::size_t i = 0; i < kHotKeyCount; ++i) {
        const std::string text = in.text(kHotKeyNames[i], hotKeyText(kDefaultHotKeys[i]));
        s.hotKeys.keys[i] = parseHotKey(text).value_or(kDefaultHotKeys[i]);
    }
    s.hotKeys.pickCopies = in.integer("pickCopies", 1) == 1;
    in.section("History");
    s.history = historyFromFile(file, in);
    return s;
}

Placement windowPlacement(int left, int top, int width, CaptionBar caption,
                          std::span<const Monitor> monitors) {
    return {captionReachable(left, top, width, caption, monitors), left, top, width};
}

} // namespace huex
