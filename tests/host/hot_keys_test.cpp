// The hot keys' text form both ways, the keys a hot key control may hand over, the menu texts,
// the settings keys and the order in which the three keys are taken.
#include "settings/HotKeys.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace huex {
namespace {

constexpr unsigned A = HotKey::alt, C = HotKey::ctrl, S = HotKey::shift;

TEST(HotKeyText, EveryKeyNameReadsBackAsWritten) {
    std::vector<std::pair<std::string, unsigned>> names{
        {"Insert", 0x2D},   {"Delete", 0x2E}, {"Home", 0x24},       {"End", 0x23},   {"PageUp", 0x21},
        {"PageDown", 0x22}, {"Left", 0x25},   {"Up", 0x26},         {"Right", 0x27}, {"Down", 0x28},
        {"Space", 0x20},    {"Pause", 0x13},  {"PrintScreen", 0x2C}};
    for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(std::string(1, c), c);
    for (char c = '0'; c <= '9'; ++c) names.emplace_back(std::string(1, c), c);
    for (unsigned f = 1; f <= 24; ++f) names.emplace_back(std::string("F").append(std::to_string(f)), 0x6F + f);
    for (unsigned n = 0; n <= 9; ++n) names.emplace_back(std::string("Num").append(std::to_string(n)), 0x60 + n);
    ASSERT_EQ(names.size(), 13u + 26 + 10 + 24 + 10);
    for (const auto& [name, key] : names) {
        const HotKey k{C | S, key};
        EXPECT_EQ(hotKeyText(k), "Ctrl+Shift+" + name);
        EXPECT_EQ(parseHotKey("Ctrl+Shift+" + name), k) << name;
        EXPECT_EQ(hotKeyFromControl(hotKeyControlValue(k)), k) << name;
    }
}

TEST(HotKeyText, ReadsAnyCaseSpacingAndModifierOrder) {
    const struct {
        const char* text;
        std::optional<HotKey> key;
    } cases[] = {
        {"Alt+F5", HotKey{A, 0x74}},
        {"  shift + ALT +ctrl+ e ", HotKey{A | C | S, 'E'}},
        {"ctrl+alt+pageup", HotKey{A | C, 0x21}},
        {"cTrL\t+\tnum7", HotKey{C, 0x67}},
        {"F24", HotKey{0, 0x87}},
        {"pause", HotKey{0, 0x13}},
        {"PRINTSCREEN", HotKey{0, 0x2C}},
        {"", HotKey{}},
        {"   ", HotKey{}},
        // Refused: a bare key that isn't F1-F24, Pause or PrintScreen, unknown names, a repeated
        // or missing part.
        {"E", std::nullopt},
        {"Space", std::nullopt},
        {"Num5", std::nullopt},
        {"Ctrl+", std::nullopt},
        {"+E", std::nullopt},
        {"Ctrl+Ctrl+E", std::nullopt},
        {"Ctrl+Alt", std::nullopt},
        {"Win+E", std::nullopt},
        {"Ctrl+F25", std::nullopt},
        {"Ctrl+F0", std::nullopt},
        {"Ctrl+F05", std::nullopt},
        {"Ctrl+Num10", std::nullopt},
        {"Ctrl+Ё", std::nullopt},
        {"Ctrl+Alt+E+P", std::nullopt},
        {"Ctrl Alt E", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseHotKey(c.text), c.key) << c.text;
    EXPECT_EQ(hotKeyText({A | C | S, 'E'}), "Ctrl+Alt+Shift+E");
    EXPECT_EQ(hotKeyText({}), "");
}

TEST(HotKeyText, ControlValuesTheTextFormCantHoldAreRefused) {
    EXPECT_EQ(hotKeyControlValue({C | A, 0x2E}), 0x0E2E); // Delete carries the extended flag
    EXPECT_EQ(hotKeyControlValue({S, 0x60}), 0x0160);     // Num0 doesn't
    EXPECT_EQ(hotKeyFromControl(0x0E2E), (HotKey{C | A, 0x2E}));
    EXPECT_EQ(hotKeyFromControl(0), HotKey{});
    EXPECT_EQ(hotKeyFromControl(0x0645), (HotKey{C | A, 'E'}));
    for (std::uint16_t refused : {0x0045, 0x02BA /* Ctrl+; */, 0x0209 /* Ctrl+Tab */, 0x021B /* Ctrl+Esc */})
        EXPECT_FALSE(hotKeyFromControl(refused)) << refused;
}

TEST(HotKeyText, MenuTextsNameTheKeyAfterATab) {
    EXPECT_EQ(hotKeyMenuText("Обновить", kDefaultHotKeys[0]), "Обновить \tAlt+F5");
    EXPECT_EQ(hotKeyMenuText("Спрятать/показать", kDefaultHotKeys[1]), "Спрятать/показать \tCtrl+Alt+E");
    EXPECT_EQ(hotKeyMenuText("Спрятать", {S, 0x7B}), "Спрятать \tShift+F12");
    EXPECT_EQ(hotKeyMenuText("Спрятать/показать", {}), "Спрятать/показать");
}

// Keys in the file, what they read as, and what a save writes back over them.
TEST(HotKeySettings, KeysAreWrittenOnlyWhenTheyDifferOrTheFileHasThem) {
    const Rect screen{0, 0, 800, 600};
    const struct {
        const char* section; // the file's [HotKeys] lines
        const char* saved;   // the section after a load and a save ("" when there is none)
    } cases[] = {
        {"", ""},
        {"refresh=Alt+F5\n", "refresh=Alt+F5\n"},
        {"toggle= alt + ctrl + e \n", "toggle= Ctrl+Alt+E \n"}, // the blanks round a value stay
        {"pick=ctrl+shift+f2\n", "pick=Ctrl+Shift+F2\n"},
        {"refresh=\n", "refresh=\n"},
        {"refresh=Q\ntoggle=Ctrl+Nonsense\npickCopies=0\n",
         "refresh=Alt+F5\ntoggle=Ctrl+Alt+E\npickCopies=0\n"},
        {"pickCopies=1\n", "pickCopies=1\n"},
    };
    for (const auto& c : cases) {
        const std::string head = "[Common]\nFirstRun=no\n";
        const std::string text = head + (*c.section ? std::string("[HotKeys]\n") + c.section : "");
        IniDocument file = IniDocument::parse(text);
        writeSettings(file, loadSettings(file, screen));
        const std::string after = file.text();
        const auto at = after.find("[HotKeys]");
        std::string section;
        if (at != std::string::npos) {
            const auto from = at + std::string_view("[HotKeys]\n").size();
            section = after.substr(from, after.find("\n[", from) + 1 - from);
            while (section.ends_with("\n\n")) section.pop_back();
        }
        EXPECT_EQ(section, c.saved) << c.section;
    }
    Settings s;
    s.hotKeys.keys[2] = {};
    s.hotKeys.pickCopies = false;
    IniDocument file;
    writeSettings(file, s);
    EXPECT_EQ(file.read("HotKeys", "pick"), "");
    EXPECT_EQ(file.read("HotKeys", "pickCopies"), "0");
    EXPECT_FALSE(file.read("HotKeys", "refresh"));
    const Settings back = loadSettings(file, screen);
    EXPECT_TRUE(back.hotKeys.keys[2].empty());
    EXPECT_FALSE(back.hotKeys.pickCopies);
}

TEST(HotKeyRegistration, EmptyKeysAreNeverTakenRepeatsAlwaysAndTheRestAsTheSystemSays) {
    const HotKey f5{A, 0x74}, e{A | C, 'E'};
    using Keys = std::array<HotKey, kHotKeyCount>;
    using Flags = std::array<bool, kHotKeyCount>;
    const struct {
        Keys keys;
        Flags systemFree, taken;
        int asked;
    } cases[] = {
        {Keys{f5, e, e}, Flags{true, true, true}, Flags{false, false, true}, 2},
        {Keys{f5, HotKey{}, f5}, Flags{true, true, true}, Flags{false, false, true}, 1},
        {Keys{f5, e, HotKey{}}, Flags{false, true, true}, Flags{true, false, false}, 2},
        {Keys{}, Flags{}, Flags{}, 0},
    };
    for (const auto& c : cases) {
        int asked = 0;
        const auto taken = takenHotKeys(c.keys, [&](std::size_t i, const HotKey&) {
            ++asked;
            return c.systemFree[i];
        });
        EXPECT_EQ(taken, c.taken);
        EXPECT_EQ(asked, c.asked);
    }
}

} // namespace
} // namespace huex
