// Settings file bytes -> load -> every value in range -> save into the same file -> load again
// gives the same settings (reals to the six decimals the file keeps); a second save changes no
// byte; every line without a value (comments, headers, stray text) survives in its order, and so
// do keys the program does not know. A Unicode file's text goes back to the same bytes.
#include "../host/SettingsDifference.h"
#include "picker/Magnifier.h"
#include "settings/FileText.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

const huex::Rect kScreen{-1920, -200, 1920, 1080};

// The work grows with the size of the file and with the user patterns it declares (each one ten
// keys read and written, up to the 200 the host tests prove). Larger inputs find nothing new and
// would take most of the fuzzer's time, so they are passed over and kept out of the corpus.
constexpr std::size_t kLargestInput = 2048;
constexpr int kMostUserPatterns = 8;

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
    static const std::vector<std::uint8_t> capture(kCaptureBytes, 0x80);
    const RgbColor sampled = sampleFromCapture(capture, s.magnifier);
    require(sampled.red == 128 / 255.0, "sample from capture");
}

// The next line of `text` from `start` on that holds no value, blank ones left out; empty at the
// end of the text.
std::string_view nextLineWithoutValue(std::string_view text, std::size_t& start) {
    while (start < text.size()) {
        const std::size_t end =
            std::min(text.find_first_of(std::string_view("\r\n\0", 3), start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.find_first_not_of(" \t") != std::string_view::npos &&
            line.find('=') == std::string_view::npos)
            return line;
    }
    return {};
}

// Every line of `part` that holds no value is among those of `whole`, in the same order.
bool linesWithoutValueKept(std::string_view part, std::string_view whole) {
    std::size_t inPart = 0, inWhole = 0;
    for (std::string_view line = nextLineWithoutValue(part, inPart); !line.empty();
         line = nextLineWithoutValue(part, inPart)) {
        std::string_view found;
        do found = nextLineWithoutValue(whole, inWhole);
        while (!found.empty() && found != line);
        if (found.empty()) return false;
    }
    return true;
}

std::string fileText(std::span<const std::uint8_t> bytes) {
    const huex::TextEncoding encoding = huex::fileEncoding(bytes);
    if (encoding == huex::TextEncoding::ansi) return {bytes.begin(), bytes.end()};
    std::string text = huex::unicodeFileText(bytes, encoding);
    const std::size_t whole =
        encoding == huex::TextEncoding::utf8 ? bytes.size() : bytes.size() & ~std::size_t{1};
    const std::vector<std::uint8_t> back = huex::unicodeFileBytes(text, encoding);
    require(std::equal(back.begin(), back.end(), bytes.begin(), bytes.begin() + whole) &&
                back.size() == whole,
            "a Unicode file's text goes back to its bytes");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huex;
    if (size > kLargestInput) return -1;
    const std::string text = fileText({data, size});
    IniDocument file = IniDocument::parse(text);
    if (readInteger(file.read("Patterns", "uPatternsLength").value_or("")) > kMostUserPatterns) return -1;
    const Settings first = loadSettings(file, kScreen);
    requireInRange(first);

    const std::optional<std::string> unknown(file.read("Window", "focus")); // the save moves the text
    writeSettings(file, first);
    const std::string savedText = file.text();
    IniDocument saved = IniDocument::parse(savedText);
    require(saved.read("Window", "focus") == unknown, "a key the save does not write survives");
    require(linesWithoutValueKept(text, savedText), "lines without a value survive");
    const Settings second = loadSettings(saved, kScreen);
    requireInRange(second);
    require(!second.firstRun, "firstRun after a save");
    // Six decimals are kept: a value moves by at most half of the last one, and the subtraction
    // that measures it may round the other way (0.25000150 is written as 0.250002).
    const std::string difference = settingsDifference(first, second, 5e-7 + 1e-12);
    if (!difference.empty()) std::fprintf(stderr, "first save changed %s\n", difference.c_str());
    require(difference.empty(), "load -> save -> load");

    writeSettings(saved, second);
    require(saved.text() == savedText, "a second save changed the file");
    return 0;
}
