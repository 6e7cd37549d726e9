// The settings file read and written: defaults, bounds for hostile values, the old placeholder
// syntax, the order and number forms written, and the profile reader's quoting rules.
#include "MonitorLayouts.h"
#include "SettingsDifference.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace huex {
namespace {

const Rect kScreen{0, 0, 1024, 768};

Settings load(const std::string& text) {
    return loadSettings(IniDocument::parse(text), kScreen);
}

TEST(SettingsLoad, MissingFileGivesTheFirstStartValues) {
    const Settings s = load("");
    EXPECT_TRUE(s.firstRun);
    EXPECT_EQ(s.animation, 1);
    EXPECT_EQ(s.interval, 120);
    EXPECT_EQ(s.period, 3);
    EXPECT_EQ(s.posX, -30000);
    EXPECT_EQ(s.posY, -30000);
    EXPECT_EQ(s.width, 306);
    EXPECT_EQ(s.focus, StartFocus::zoom);
    EXPECT_TRUE(s.focusOnColor1);
    EXPECT_DOUBLE_EQ(s.currentColor.red, 0.5);
    EXPECT_EQ(s.modifier, 0);
    EXPECT_EQ(s.palette.count, 7);
    // Defaults pass through the stored form: 128 / 255 is read back from "0.501961".
    EXPECT_DOUBLE_EQ(s.palette.colors[0].red, 1.0);
    EXPECT_DOUBLE_EQ(s.palette.colors[1].blue, 0.501961);
    EXPECT_DOUBLE_EQ(s.palette.colors[9].red, 0.501961);
    EXPECT_DOUBLE_EQ(s.palette.colors[9].blue, 0.0);
    for (bool on : s.palette.selected) EXPECT_FALSE(on);
    EXPECT_EQ(s.magnifier, (MagnifierState{9, 8, 1, {0, 0}, {0, 0}}));
    EXPECT_EQ(s.captureCenter, (Point{100, 100}));
    EXPECT_EQ(s.userPatterns.size(), 9u); // the CSS notations: css_patterns_test.cpp
    EXPECT_EQ(s.pattern1, 0);
    EXPECT_EQ(s.pattern2, 0); // the file's default replaces the window's start value 1
    EXPECT_FALSE(s.mode1);
    EXPECT_TRUE(s.mode2);
}

// One key (or a few) in an otherwise empty file, and what the loaded settings must then say.
struct KeyCase {
    const char* file;
    std::function<bool(const Settings&)> holds;
};

TEST(SettingsLoad, EveryValueIsBroughtIntoRange) {
    const KeyCase cases[] = {
        {"[Marquee]\ninterval=50", [](const Settings& s) { return s.interval == 100; }},
        {"[Marquee]\ninterval=999999", [](const Settings& s) { return s.interval == 60000; }},
        {"[Marquee]\nperiod=0", [](const Settings& s) { return s.period == 1; }},
        {"[Marquee]\nperiod=-7", [](const Settings& s) { return s.period == 1; }},
        {"[Marquee]\nperiod=2000", [](const Settings& s) { return s.period == 1000; }},
        {"[Marquee]\nanimation=", [](const Settings& s) { return s.animation == 0; }}, // empty is not missing
        {"[CustomColors]\ncustomColorsLength=0", [](const Settings& s) { return s.palette.count == 1; }},
        {"[CustomColors]\ncustomColorsLength=-3", [](const Settings& s) { return s.palette.count == 1; }},
        {"[CustomColors]\ncustomColorsLength=11", [](const Settings& s) { return s.palette.count == 10; }},
        {"[CustomColors]\ncustomColorsLength=many", [](const Settings& s) { return s.palette.count == 1; }},
        {"[CustomColors]\nColor3R=nan",
         [](const Settings& s) { return s.palette.colors[3].red == 0.501961; }},
        {"[CustomColors]\nColor3G=2.5", [](const Settings& s) { return s.palette.colors[3].green == 1.0; }},
        {"[CustomColors]\nColor3B=-inf", [](const Settings& s) { return s.palette.colors[3].blue == 0.0; }},
        {"[CustomColors]\nColor9Focus=7", [](const Settings& s) { return s.palette.selected[9]; }},
        {"[Color1]\nR=NAN\nG=1e999\nB=0x1p-2",
         [](const Settings& s) {
             return s.currentColor.red == 0.5 && s.currentColor.green == 1.0 && s.currentColor.blue == 0.25;
         }},
        {"[Color2]\nmode=5", [](const Settings& s) { return s.modifier == 0; }},
        {"[Color2]\nmode=-1", [](const Settings& s) { return s.modifier == 0; }},
        {"[Color2]\nmode=4", [](const Settings& s) { return s.modifier == 4; }},
        // The zoom pair wins when it is one of the five, else the menu item, else 9 x 8.
        {"[Zoom]\nzoomSize=25\nzoomSkale=3\nMode=1",
         [](const Settings& s) { return s.magnifier.viewSize == 25; }},
        {"[Zoom]\nzoomSize=7\nzoomSkale=8\nMode=5",
         [](const Settings& s) { return s.magnifier.viewSize == 25 && s.magnifier.zoomFactor == 3; }},
        {"[Zoom]\nzoomSize=0\nzoomSkale=0\nMode=1",
         [](const Settings& s) { return s.magnifier.viewSize == 5 && s.magnifier.zoomFactor == 15; }},
        {"[Zoom]\nzoomSize=6\nMode=0",
         [](const Settings& s) { return s.magnifier.viewSize == 9 && s.magnifier.zoomFactor == 8; }},
        {"[Zoom]\naverage=3", [](const Settings& s) { return s.magnifier.sampleSize == 3; }},
        {"[Zoom]\naverage=4", [](const Settings& s) { return s.magnifier.sampleSize == 1; }},
        {"[Zoom]\naverage=-5", [](const Settings& s) { return s.magnifier.sampleSize == 1; }},
        // Offsets within the view and the capture for the loaded sizes (9 x 9, 5 x 5 averaging).
        {"[Zoom]\naverage=5\nshiftX=9\nshiftY=-9\nshiftViewPortX=-99\nshiftViewPortY=2147483647",
         [](const Settings& s) {
             return s.magnifier.pickOffset == Point{2, -2} && s.magnifier.viewOffset == Point{-12, 12};
         }},
        {"[Zoom]\ncaptured.x=-99999999999\ncaptured.y=5000",
         [](const Settings& s) {
             return s.captureCenter == Point{0, 767};
         }},
        {"[Patterns]\nuPatternsLength=100000",
         [](const Settings& s) { return s.userPatterns.size() == 200; }},
        {"[Patterns]\nuPatternsLength=-1", [](const Settings& s) { return s.userPatterns.empty(); }},
        {"[Patterns]\nuPatternsLength=1\npattern1=9\npattern2=9",
         [](const Settings& s) { return s.pattern1 == 0 && s.pattern2 == 1; }},
        {"[Patterns]\nuPatternsLength=1\npattern1=4\npattern2=-2",
         [](const Settings& s) { return s.pattern1 == 4 && s.pattern2 == 1; }},
        {"[Patterns]\nmode1=1\nmode2=2", [](const Settings& s) { return s.mode1 && !s.mode2; }},
        {"[Contrast]\nbackground=#12345\ntext=red\nfollow=Background\nopen=2",
         [](const Settings& s) {
             const ContrastSettings c;
             return s.contrast.background == c.background && s.contrast.text == c.text &&
                    !s.contrast.followBackground && !s.contrast.open;
         }},
        {"[Contrast]\nbackground=#a0B0c0\nfollow=background\nopen=1",
         [](const Settings& s) {
             return s.contrast.background == ByteColor{0xA0, 0xB0, 0xC0} && s.contrast.followBackground &&
                    s.contrast.open;
         }},
        {"[Common]\nFirstRun=Yes", [](const Settings& s) { return !s.firstRun; }}, // letter case counts
        {"[common]\nfirstrun=yes", [](const Settings& s) { return s.firstRun; }},  // names do not
        {"[Window]\nfocus2=Color1", [](const Settings& s) { return !s.focusOnColor1; }},
        {"[Window]\nfocus=edit2", [](const Settings& s) { return s.focus == StartFocus::edit2; }},
        {"[Window]\nfocus=palette", [](const Settings& s) { return s.focus == StartFocus::palette; }},
        {"[Window]\nfocus=Zoom", [](const Settings& s) { return s.focus == StartFocus::marker; }},
        {"[Window]\nposX=  -12px\nposY=+7\nwidth=abc",
         [](const Settings& s) { return s.posX == -12 && s.posY == 7 && s.width == 0; }},
    };
    for (const KeyCase& c : cases) EXPECT_TRUE(c.holds(load(c.file))) << c.file;
}

TEST(SettingsLoad, UserPatternsTakeTheirKeysAndDefaults) {
    const Settings s =
        load("[Patterns]\nuPatternsLength=2\nname0=Мой цвет\npatternString0=rgb({rgbR}, {rgbG}, {rgbB})\n"
             "rgbR0={d|0:255|*.*}\nrgbG0={d|0:255|*.*}\nrgbB0={d|0:255|*.*}\n");
    ASSERT_EQ(s.userPatterns.size(), 2u);
    EXPECT_EQ(s.userPatterns[0].name, "Мой цвет");
    EXPECT_EQ(s.userPatterns[0].patternString, "rgb({rgbR}, {rgbG}, {rgbB})");
    EXPECT_TRUE(s.userPatterns[0].valid);
    EXPECT_EQ(s.userPatterns[0].formats[static_cast<int>(Component::rgbG)].specText, "{d|0:255|*.*}");
    EXPECT_EQ(s.userPatterns[1].name, "unnamed");
    EXPECT_EQ(s.userPatterns[1].patternString, "ошибка при загрузке");
    EXPECT_EQ(s.userPatterns[1].formats[static_cast<int>(Component::hslL)].specText, "");
}

TEST(SettingsLoad, OldFilesHaveTheirEntityPlaceholdersConverted) {
    const std::string pattern = "patternString0=&rgbR;-&rgbG;-&rgbB; &hsbH;/&hsbS;/&hsbB; &hslH;\n";
    const struct {
        const char* common;
        const char* expected;
    } cases[] = {
        {"", "{rgbR}-{rgbG}-{rgbB} {hsbH}/{hsbS}/{hsbB} &hslH;"},
        {"[Common]\nVersion=139\n", "{rgbR}-{rgbG}-{rgbB} {hsbH}/{hsbS}/{hsbB} &hslH;"},
        {"[Common]\nVersion=140\n", "&rgbR;-&rgbG;-&rgbB; &hsbH;/&hsbS;/&hsbB; &hslH;"},
        {"[Common]\nVersion=150\n", "&rgbR;-&rgbG;-&rgbB; &hsbH;/&hsbS;/&hsbB; &hslH;"},
    };
    for (const auto& c : cases) {
        const Settings s = load(std::string(c.common) + "[Patterns]\nuPatternsLength=1\n" + pattern);
        ASSERT_EQ(s.userPatterns.size(), 1u);
        EXPECT_EQ(s.userPatterns[0].patternString, c.expected) << c.common;
    }
    // Written as version 150, so the conversion never runs twice.
    Settings converted = load("[Patterns]\nuPatternsLength=1\npatternString0=&amp;rgbR;\n");
    EXPECT_EQ(converted.userPatterns[0].patternString, "&amp;rgbR;");
    IniDocument file;
    writeSettings(file, load("[Patterns]\nuPatternsLength=1\npatternString0=&rgbR;\n"));
    EXPECT_EQ(file.read("Common", "Version"), "150");
    EXPECT_EQ(loadSettings(file, kScreen).userPatterns[0].patternString, "{rgbR}");
}

TEST(SettingsSave, WritesEveryKeyInItsOrderAndForm) {
    Settings s;
    s.currentColor = {128 / 255.0, 1.0, 0.0};
    s.palette.selected[2] = true;
    s.userPatterns.push_back(
        ColorPattern("css", "#{rgbR}{rgbG}{rgbB}", std::array<std::string, 9>{"{X|0:255|2.*}"}));
    const std::optional<HistoryEntry> stored[] = {HistoryEntry{0xAABBCC, false},
                                                  HistoryEntry{0x332211, true}};
    s.history.history = ColorHistory::restored(30, stored);
    std::string written;
    for (const SettingsEntry& e : settingsEntries(s))
        written += e.section + "/" + e.key + "=" + e.value + "\n";
    std::string expected = "Common/FirstRun=no\nCommon/Version=150\n"
                           "Window/posX=-30000\nWindow/posY=-30000\nWindow/width=306\nWindow/focus2=color1\n"
                           "Marquee/animation=1\nMarquee/interval=120\nMarquee/period=3\n"
                           "Color1/R=0.501961\nColor1/G=1.000000\nColor1/B=0.000000\nColor2/mode=0\n"
                           "CustomColors/customColorsLength=7\n";
    const Palette defaults = Settings::defaultPalette();
    for (int i = 0; i < Palette::capacity; ++i) {
        const std::string cell = "CustomColors/Color" + std::to_string(i);
        expected += cell + "R=" + formatReal(defaults.colors[i].red) + "\n" + cell +
                    "G=" + formatReal(defaults.colors[i].green) + "\n" + cell +
                    "B=" + formatReal(defaults.colors[i].blue) + "\n" + cell +
                    "Focus=" + (i == 2 ? "1" : "0") + "\n";
    }
    expected +=
        "Zoom/Mode=3\nZoom/shiftX=0\nZoom/shiftY=0\nZoom/shiftViewPortX=0\nZoom/shiftViewPortY=0\n"
        "Zoom/captured.x=100\nZoom/captured.y=100\nZoom/zoomSize=9\nZoom/zoomSkale=8\nZoom/average=1\n"
        "Patterns/pattern1=0\nPatterns/pattern2=0\nPatterns/mode1=0\nPatterns/mode2=1\n"
        "Patterns/uPatternsLength=1\nPatterns/name0=css\nPatterns/patternString0=#{rgbR}{rgbG}{rgbB}\n"
        "Patterns/rgbR0={X|0:255|2.*}\n";
    for (const char* key : {"rgbG", "rgbB", "hsbH", "hsbS", "hsbB", "hslH", "hslS", "hslL"})
        expected += std::string("Patterns/") + key + "0=\n";
    expected +=
        "Contrast/posX=-30000\nContrast/posY=-30000\nContrast/text=#000000\n"
        "Contrast/background=#FFFFFF\nContrast/follow=text\nContrast/open=0\nVision/mode=0\n"
        "HotKeys/refresh=Alt+F5\nHotKeys/toggle=Ctrl+Alt+E\nHotKeys/pick=Ctrl+Alt+P\nHotKeys/pickCopies=1\n"
        "History/=\nHistory/size=30\nHistory/count=2\nHistory/0=#112233 pinned\nHistory/1=#CCBBAA\n"
        "History/posX=-30000\nHistory/posY=-30000\nHistory/open=0\n";
    EXPECT_EQ(written, expected);
}

// Normal vision, the value of a missing key, is not added to a file without it: a file saved by
// the version before stays byte for byte. Any other mode is written, and so is the way back.
TEST(SettingsSave, VisionModeIsKeptWithoutChangingOlderFiles) {
    Settings s = nonDefaultSettings();
    s.vision = Vision::normal;
    IniDocument older;
    writeSettings(older, s);
    const std::string olderText = older.text();
    ASSERT_EQ(olderText.find("[Vision]"), std::string::npos);
    IniDocument file = IniDocument::parse(olderText);
    writeSettings(file, loadSettings(file, kScreen));
    EXPECT_EQ(file.text(), olderText);

    for (const int mode : {4, 0, 2}) {
        s.vision = visionFromIndex(mode);
        writeSettings(file, s);
        EXPECT_EQ(file.read("Vision", "mode"), std::to_string(mode));
        EXPECT_EQ(loadSettings(IniDocument::parse(file.text()), kScreen).vision, s.vision);
    }
    for (const char* stored : {"5", "-1", "x", ""}) {
        const IniDocument odd = IniDocument::parse(std::string("[Vision]\nmode=") + stored + "\n");
        EXPECT_EQ(loadSettings(odd, kScreen).vision, Vision::normal) << stored;
    }
    EXPECT_EQ(loadSettings(IniDocument::parse("[vision]\nMODE=3\n"), kScreen).vision, Vision::tritanopia);
}

TEST(SettingsSave, RealsAreWrittenAsTheCLibraryPrintsThem) {
    for (double v :
         {0.0, 1.0, 0.5, 128 / 255.0, 1 / 3.0, 0.0000004, 0.0000005, 0.9999995, 1e-300, 123456.75}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%f", v);
        EXPECT_EQ(formatReal(v), expected) << v;
    }
}

TEST(SettingsSave, IntegersAreReadAsAtoiReadsThem) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0},
                 {"  12", 12},
                 {"\t-3x", -3},
                 {"+7", 7},
                 {"- 7", 0},
                 {"abc", 0},
                 {"2147483647", INT_MAX},
                 {"2147483648", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"-99999999999999999999", INT_MIN},
                 {"0012", 12}};
    for (const auto& c : cases) EXPECT_EQ(readInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(SettingsSave, NonDefaultSettingsComeBackAsWritten) {
    Settings s = nonDefaultSettings();
    s.interval = kMaxInterval;
    s.captureCenter = {0, 767}; // the screen's corner pixels
    IniDocument file;
    writeSettings(file, s);
    const Settings back = loadSettings(IniDocument::parse(file.text()), kScreen);
    EXPECT_EQ(settingsDifference(s, back, 5e-7), "");
    EXPECT_FALSE(back.firstRun);
    EXPECT_EQ(back.userPatterns.back().patternString.size(), 1006u);
}

// The newer models' formats follow a pattern's nine keys, only for the models its string uses; a
// missing key reads as an empty format.
TEST(SettingsSave, NewerModelFormatsRoundTrip) {
    const struct {
        const char* patternString;
        std::vector<std::string> keys; // stored after the nine, in order
    } cases[] = {
        {"#{rgbR}{rgbG}{rgbB}", {}},
        {"oklch({oklchL}% {oklchC} {oklchH})", {"oklchL", "oklchC", "oklchH"}},
        {"{labA} {hwbH}", {"hwbH", "hwbW", "hwbB", "labL", "labA", "labB"}}, // used, not valid
        {"color(display-p3 {p3R} {p3G} {p3B}) {hsbH}", {"p3R", "p3G", "p3B"}},
        {"{oklabL}{oklabA}{oklabB}", {"oklabL", "oklabA", "oklabB"}},
        // Names are text of the pattern string, with no keys of their own.
        {"{ruName}", {}},
        {"{cssName} #{rgbR}{rgbG}{rgbB} {isccName}", {}},
        {"{isccName}: {oklchL}{oklchC}{oklchH}", {"oklchL", "oklchC", "oklchH"}},
    };
    Settings s;
    for (const auto& c : cases) {
        ColorPattern p(c.patternString, c.patternString, std::array<std::string, 9>{"{d|0:255|*.*}"});
        for (int i = 0; i < componentCount; ++i)
            parseFormatSpec(p.formats[i],
                            "{X|0:" + std::to_string(i + 1) + "|2.*}"); // widths: valid unseparated
        analysePattern(p, c.patternString);
        s.userPatterns.push_back(p);
    }
    IniDocument file;
    writeSettings(file, s);
    const Settings back = loadSettings(IniDocument::parse(file.text()), kScreen);
    ASSERT_EQ(back.userPatterns.size(), std::size(cases));
    const std::vector<SettingsEntry> entries = settingsEntries(s);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].patternString);
        const std::string number = std::to_string(k);
        const auto at = std::find_if(entries.begin(), entries.end(),
                                     [&](const SettingsEntry& e) { return e.key == "hslL" + number; });
        ASSERT_NE(at, entries.end());
        for (std::size_t i = 0; i < cases[k].keys.size(); ++i)
            EXPECT_EQ(at[1 + i].key, cases[k].keys[i] + number);
        EXPECT_NE(at[1 + cases[k].keys.size()].key, "hwbH" + number);
        const ColorPattern &written = s.userPatterns[k], &read = back.userPatterns[k];
        for (const Component c : newerModelFormats(written.patternString)) {
            const auto i = static_cast<std::size_t>(c);
            EXPECT_EQ(read.formats[i].specText, written.formats[i].specText);
        }
        EXPECT_EQ(read.valid, written.valid);
        EXPECT_EQ(read.patternString, written.patternString);
    }
    const Settings missing = load(
        "[Patterns]\nuPatternsLength=1\npatternString0=lab({labL} {labA} {labB})\nlabL0={d|0:100|*.*}\n");
    EXPECT_EQ(missing.userPatterns[0].formats[static_cast<int>(Component::labL)].specText, "{d|0:100|*.*}");
    EXPECT_EQ(missing.userPatterns[0].formats[static_cast<int>(Component::labA)].specText, "");
}

TEST(IniDocument, ReadsAsTheProfileFunctionsDo) {
    const IniDocument file = IniDocument::parse("key=outside\r\n[Zoom]\r\n  MODE = 4 \r\nmode=5\n"
                                                "[zoom]\nextra=1\n; a comment\n[Text]\nq=\"  padded \"\n"
                                                "s='x'\nhalf=\"x\nempty=\nbare\n");
    EXPECT_EQ(file.read("zoom", "Mode"), "4"); // names without regard to case, first match wins
    EXPECT_FALSE(file.read("Zoom", "extra"));  // a repeated section is not read
    EXPECT_FALSE(file.read("Zoom", "key"));    // lines before any section belong to none
    EXPECT_EQ(file.read("Text", "q"), "  padded ");
    EXPECT_EQ(file.read("Text", "s"), "x");
    EXPECT_EQ(file.read("Text", "half"), "\"x");
    EXPECT_EQ(file.read("Text", "empty"), "");
    EXPECT_FALSE(file.read("Text", "bare")); // a line without '=' has no value
    EXPECT_FALSE(file.read("Text", "missing"));
    EXPECT_FALSE(file.read("Nothing", "q"));
}

TEST(IniDocument, WrittenValuesReadBack) {
    IniDocument file;
    for (const char* value : {"plain", " lead", "trail\t", "\"both\"", "'both'", "\"", "''", "Цвет", "a\"b",
                              "\u00A0nbsp", "ideographic\u3000", "\x1A"}) {
        file.write("Text", "v", value);
        EXPECT_EQ(IniDocument::parse(file.text()).read("Text", "v"), value) << value;
    }
    file.write("Text", "v", std::string_view("two\r\nlines\0!", 12));
    EXPECT_EQ(IniDocument::parse(file.text()).read("Text", "v"), "two  lines !");
}

// The caption bar of these rows starts 5 pixels below the window's top and is 25 pixels tall.
constexpr CaptionBar kCaption{5, 25};

TEST(WindowPlacement, MovesOnlyWindowsThatStayReachable) {
    const struct {
        int left, top, width;
        bool move;
    } cases[] = {
        {100, 100, 306, true},        {-5, -5, 306, true},
        {994, 738, 306, true},                              // the limits themselves
        {-277, 0, 306, false},        {-276, 0, 306, true}, // right edge below 30
        {995, 0, 306, false},         {0, -6, 306, false},
        {0, 739, 306, false}, // beyond the screen
        {-30000, -30000, 306, false}, {INT_MAX, INT_MAX, INT_MAX, false},
        {INT_MIN, 0, INT_MIN, false},
    };
    for (const auto& c : cases) {
        const Placement p = windowPlacement(c.left, c.top, c.width, kCaption, layouts::single);
        EXPECT_EQ(p.move, c.move) << c.left << "," << c.top << " width " << c.width;
        EXPECT_EQ(p.width, c.width);
    }
}

TEST(WindowPlacement, TheCaptionMustLieOnOneMonitorsWorkArea) {
    using namespace layouts;
    const struct {
        const char* layout;
        const std::vector<Monitor>& monitors;
        int left, top, width;
        bool move;
    } cases[] = {
        {"side by side: over the seam", sideBySide, 1800, 100, 306, true},
        {"side by side: below the primary's task bar, on the taller one", sideBySide, 1700, 1050, 306, true},
        {"side by side: there, but too little of it", sideBySide, 1600, 1050, 306, false},
        {"side by side: half on each, neither 30", sideBySide, 1895, 500, 50, false},
        {"side by side: on the task bar", sideBySide, 100, 1020, 306, false},
        {"stacked: on the upper one", stacked, 100, -1000, 306, true},
        {"stacked: its top edge", stacked, 100, -1085, 306, true},
        {"stacked: above it", stacked, 100, -1086, 306, false},
        {"stacked: the caption across the seam, whole on neither", stacked, 100, -20, 306, false},
        {"L-shaped: in the hole", lShaped, 3000, 1500, 306, false},
        {"L-shaped: 20 pixels on the lower one", lShaped, 1900, 1500, 306, false},
        {"L-shaped: 40 pixels", lShaped, 1880, 1500, 306, true},
        {"left of the primary", leftOfPrimary, -1000, -100, 306, true},
        {"left of the primary: right of it, above the primary", leftOfPrimary, 10, -100, 306, false},
        {"removed: the stored place is gone", removed, -1000, -100, 306, false},
        {"removed: the part left on the primary", removed, -276, 300, 306, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windowPlacement(c.left, c.top, c.width, kCaption, c.monitors).move, c.move) << c.layout;
    }
}

} // namespace
} // namespace huex
