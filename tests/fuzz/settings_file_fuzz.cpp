// Settings file bytes -> load -> every value in range -> save into the same file -> load again
// gives the same settings (reals to the six decimals the file keeps); a second save and load
// changes nothing at all, and keys the program does not know survive.
#include "../host/SettingsDifference.h"
#include "picker/Magnifier.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

const huex::Rect kScreen{-1920, -200, 1920, 1080};

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "settings_file_fuzz: %s\n", what);
        std::abort();
    }
}

bool isFraction(double v) {
    return v >= 0 && v <= 1; // false for NaN
}

void requireInRange(const huex::Settings& s) {
    using namespace huex;
    require(s.interval >= 100 && s.interval <= kMaxInterval, "interval");
    require(s.period >= 1 && s.period <= kMaxPeriod, "period");
    require(s.modifier >= 0 && s.modifier <= 4, "modifier");
    require(s.palette.count >= 1 && s.palette.count <= Palette::capacity, "paletteCount");
    for (const RgbColor& c : s.palette.colors)
        require(isFraction(c.red) && isFraction(c.green) && isFraction(c.blue), "palette colour");
    require(isFraction(s.currentColor.red) && isFraction(s.currentColor.green) &&
                isFraction(s.currentColor.blue),
            "currentColor");
    const int level = zoomLevelIndex(s.magnifier.viewSize);
    require(level >= 0 && kZoomLevels[level].zoomFactor == s.magnifier.zoomFactor, "zoom pair");
    require(sanitized(s.magnifier) == s.magnifier, "magnifier offsets and sample size");
    require(s.captureCenter.x >= kScreen.left && s.captureCenter.x < kScreen.right &&
                s.captureCenter.y >= kScreen.top && s.captureCenter.y < kScreen.bottom,
            "captureCenter");
    const int patterns = 4 + static_cast<int>(s.userPatterns.size());
    require(s.userPatterns.size() <= static_cast<std::size_t>(kMaxUserPatterns), "uPatternsLength");
    require(s.pattern1 >= 0 && s.pattern1 < patterns && s.pattern2 >= 0 && s.pattern2 < patterns,
            "pattern index");
    // The window samples the capture with these values.
    const std::vector<std::uint8_t> capture(kCaptureBytes, 0x80);
    const RgbColor sampled = sampleFromCapture(capture, s.magnifier);
    require(sampled.red == 128 / 255.0, "sample from capture");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huex;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument file = IniDocument::parse(bytes);
    const Settings first = loadSettings(file, kScreen);
    requireInRange(first);

    const auto unknown = file.read("Window", "focus");
    writeSettings(file, first);
    const IniDocument saved = IniDocument::parse(file.text());
    require(saved.read("Window", "focus") == unknown, "a key the save does not write survives");
    const Settings second = loadSettings(saved, kScreen);
    requireInRange(second);
    require(!second.firstRun, "firstRun after a save");
    const std::string difference = settingsDifference(first, second, 5e-7);
    if (!difference.empty()) std::fprintf(stderr, "first save changed %s\n", difference.c_str());
    require(difference.empty(), "load -> save -> load");

    IniDocument again = saved;
    writeSettings(again, second);
    const Settings third = loadSettings(IniDocument::parse(again.text()), kScreen);
    require(settingsDifference(second, third, 0).empty(), "second save changed something");
    return 0;
}
