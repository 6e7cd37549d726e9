#pragma once
// Everything the picker window keeps between runs, read from the settings file with every value
// brought into range, and written back as an ordered list of keys.
#include "color/ByteColor.h"
#include "color/Color.h"
#include "color/ColorHistory.h"
#include "color/Palette.h"
#include "color/Vision.h"
#include "geometry/Geometry.h"
#include "geometry/Monitors.h"
#include "geometry/ZoomLevels.h"
#include "pattern/ColorPattern.h"
#include "pattern/Placeholders.h"
#include "settings/HotKeys.h"
#include "settings/IniDocument.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace huex {

// Where the keyboard focus goes at start, from "focus".
enum class StartFocus { edit1, edit2, zoom, palette, marker };

// Files of versions before this one wrote placeholders as entities ("&rgbR;").
inline constexpr int kBraceSyntaxVersion = 140;
inline constexpr int kSettingsVersion = 150;
inline constexpr int kMaxUserPatterns = 200;
inline constexpr int kMaxInterval = 60000;
inline constexpr int kMaxPeriod = 1000;

// Stored key order of a pattern's formats, and the component each names.
inline constexpr std::array<std::pair<std::string_view, Component>, 9> kFormatKeys{{
    {"rgbR", Component::rgbR},
    {"rgbG", Component::rgbG},
    {"rgbB", Component::rgbB},
    {"hsbH", Component::hsbH},
    {"hsbS", Component::hsbS},
    {"hsbB", Component::hsbB},
    {"hslH", Component::hslH},
    {"hslS", Component::hslS},
    {"hslL", Component::hslL},
}};
// After those nine, a pattern stores the formats of each newer model its string uses, under keys
// named as the placeholders are ("oklchC3").
std::vector<Component> newerModelFormats(std::string_view patternString);
constexpr std::string_view formatKey(Component c) {
    const std::string_view placeholder = placeholderOf(c);
    return placeholder.substr(1, placeholder.size() - 2);
}

// The contrast window: where it stood (useLiveWindowRect: beside the picker), its two colours,
// which of them follows the picker, and whether it was open as the program ended.
struct ContrastSettings {
    int posX = useLiveWindowRect, posY = useLiveWindowRect;
    ByteColor text{0, 0, 0}, background{255, 255, 255};
    bool followBackground = false;
    bool open = false;
};

// The colour history and its window (placed and reopened as the contrast window is).
struct HistorySettings {
    ColorHistory history;
    int posX = useLiveWindowRect, posY = useLiveWindowRect;
    bool open = false;
    // Whether the window was ever shown: then the section is kept even for an empty history.
    [[nodiscard]] bool windowUsed() const { return open || posX != useLiveWindowRect; }
};

struct Settings {
    bool firstRun = true;
    int animation = 1, interval = 120, period = 3;
    int posX = useLiveWindowRect, posY = useLiveWindowRect, width = 306;
    StartFocus focus = StartFocus::zoom;
    bool focusOnColor1 = true;
    RgbColor currentColor{0.5, 0.5, 0.5};
    int modifier = 0; // checked modifier item - 139
    Palette palette = defaultPalette();
    MagnifierState magnifier{9, 8, 1, {0, 0}, {0, 0}};
    Point captureCenter{100, 100};
    std::vector<ColorPattern> userPatterns; // follow the four built-in patterns
    int pattern1 = 0, pattern2 = 0;
    bool mode1 = false, mode2 = true; // slot check boxes
    ContrastSettings contrast;
    HistorySettings history;
    Vision vision = Vision::normal; // of the zoom view
    HotKeySettings hotKeys;

    // The palette of a first start: white, navy, blue, purple, magenta, green, lime, teal,
    // cyan, maroon; seven cells in use, none selected.
    static Palette defaultPalette();
};

// Reads every key (a missing one takes its default) and brings each value into range, so that
// nothing read can make the window index outside an array or the captured image. `screen` is
// the virtual screen, which bounds the capture centre.
Settings loadSettings(const IniDocument& file, const Rect& screen);

struct SettingsEntry {
    std::string section, key, value;
    // Written only over a key the file already has: the value is the one a missing key reads as,
    // so a file without the key stays as it was.
    bool onlyOverExisting = false;
    // An entry without a key starts a section written whole: the section's old lines go (with
    // onlyOverExisting, only where the file has the section) and its entries follow in order.
};
// Every key in the order it is written, values as the file stores them ("%d", "%f", text).
// posX, posY and width are written as given: the caller puts the live window's values in.
std::vector<SettingsEntry> settingsEntries(const Settings& s);
void writeSettings(IniDocument& file, const Settings& s);
// Every condition is taken from the file as it is before the first entry is written.
void writeEntries(IniDocument& file, std::span<const SettingsEntry> entries);

// "%f" of a fraction and atoi/atof of a stored text, in the C locale.
std::string formatReal(double value);
int readInteger(std::string_view text);

// Where the window goes from the stored left, top and width: moved there when its caption bar can
// be grabbed on one of the monitors (captionReachable), else left where the system put it with
// only its width applied.
struct Placement {
    bool move = false;
    int left = 0, top = 0, width = 0;
};
Placement windowPlacement(int left, int top, int width, CaptionBar caption,
                          std::span<const Monitor> monitors);

} // namespace huex
