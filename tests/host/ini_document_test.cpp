// Saving into a file written by hand: only the values written change, every other byte stays;
// new keys and sections go where a reader expects them; values are quoted only when they must be.
#include "settings/FileText.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huex {
namespace {

using namespace std::string_literals;

struct Write {
    const char *section, *key, *value;
};

TEST(IniDocument, SaveChangesOnlyTheValuesItWrites) {
    const struct {
        const char* name;
        std::string before;
        std::vector<Write> writes;
        std::string after;
    } cases[] = {
        {"comments, blank lines and spacing stay; new keys follow the section's last key",
         "; my settings\r\n[Window]\r\n; placed by hand\r\n  posX = 1 \r\nfocus=edit1\r\n; trailing "
         "note\r\n\r\n"
         "[Mine]\r\nkeep=this\r\n",
         {{"Window", "posX", "2"}, {"Window", "width", "306"}, {"Window", "focus2", "color1"}},
         "; my settings\r\n[Window]\r\n; placed by hand\r\n  posX = 2 \r\nfocus=edit1\r\nwidth=306\r\n"
         "focus2=color1\r\n; trailing note\r\n\r\n[Mine]\r\nkeep=this\r\n"},
        {"a second section of a name is left alone; names match without regard to case",
         "[Zoom]\nMode=1\n[zoom]\nMode=2\nextra=1\n",
         {{"zoom", "MODE", "3"}, {"Zoom", "average", "1"}},
         "[Zoom]\nMode=3\naverage=1\n[zoom]\nMode=2\nextra=1\n"},
        {"new sections at the end, after a blank line, with the file's own line ends",
         "[Common]\nFirstRun=yes",
         {{"Common", "FirstRun", "no"}, {"Common", "Version", "150"}, {"Window", "posX", "5"}},
         "[Common]\nFirstRun=no\nVersion=150\n\n[Window]\nposX=5\n"},
        {"a section of comments only takes its keys after the header; the first key wins",
         "top=1\r\n[Color1]\r\n; R G B\r\n[Color2]\r\nmode=1\r\nmode=2\r\n",
         {{"Color1", "R", "0.2"}, {"Color1", "G", "0.3"}, {"Color2", "mode", "3"}},
         "top=1\r\n[Color1]\r\nR=0.2\r\nG=0.3\r\n; R G B\r\n[Color2]\r\nmode=3\r\nmode=2\r\n"},
        {"values that already read as written stay as they are written",
         "[Patterns]\r\nname0=Проверка\r\nname1=\"Проверка\"\r\nname2='x'\r\nname3=\"old\"\r\n",
         {{"Patterns", "name0", "Проверка"},
          {"Patterns", "name1", "Проверка"},
          {"Patterns", "name2", "x"},
          {"Patterns", "name3", "Новое имя"}},
         "[Patterns]\r\nname0=Проверка\r\nname1=\"Проверка\"\r\nname2='x'\r\nname3=Новое имя\r\n"},
        {"quotes only where the reader would change the value",
         "[Patterns]\r\n",
         {{"Patterns", "a", " lead"},
          {"Patterns", "b", "'q'"},
          {"Patterns", "c", "x\u00A0"},
          {"Patterns", "g", "\x1A"},
          {"Patterns", "d", "\"half"},
          {"Patterns", "e", "日本 {rgbR}"},
          {"Patterns", "f", ""}},
         "[Patterns]\r\na=\" lead\"\r\nb=\"'q'\"\r\nc=x\u00A0\r\ng=\"\x1A\"\r\nd=\"half\r\ne=日本 "
         "{rgbR}\r\nf=\r\n"},
        {"an empty value is filled in place; NUL line ends and stray bytes stay",
         "[A]\0k=\r\n\xFF\xFE junk\n[B]\0v=1"s,
         {{"A", "k", "7"}, {"B", "v", "2"}},
         "[A]\0k=7\r\n\xFF\xFE junk\n[B]\0v=2"s},
    };
    for (const auto& c : cases) {
        IniDocument file = IniDocument::parse(c.before);
        for (const Write& w : c.writes) file.write(w.section, w.key, w.value);
        EXPECT_EQ(file.text(), c.after) << c.name;
        for (const Write& w : c.writes)
            EXPECT_EQ(IniDocument::parse(file.text()).read(w.section, w.key), w.value)
                << c.name << ": " << w.key;
    }
}

TEST(IniDocument, NewFileFollowsTheSaveOrder) {
    IniDocument file;
    writeSettings(file, Settings{});
    std::string expected, section;
    for (const SettingsEntry& e : settingsEntries(Settings{})) {
        if (e.onlyOverExisting) continue; // a new file has no key to write over
        if (e.section != section) expected += (section.empty() ? "[" : "\r\n[") + e.section + "]\r\n";
        section = e.section;
        expected += e.key + "=" + e.value + "\r\n";
    }
    EXPECT_EQ(file.text(), expected);
    EXPECT_EQ(expected.find("[Common]\r\nFirstRun=no\r\nVersion=150\r\n\r\n[Window]\r\nposX="), 0u);
}

// A value read is a view of the document's text, which grows as lines are written.
TEST(IniDocument, AValueReadCanBeWrittenBackIntoTheSameDocument) {
    IniDocument file = IniDocument::parse("[A]\r\nname=a value too long for a short string\r\n");
    const std::string value = "a value too long for a short string";
    for (int i = 0; i < 64; ++i) file.write("A", "copy" + std::to_string(i), *file.read("A", "name"));
    file.write("A", "name", *file.read("A", "copy63"));
    const IniDocument saved = IniDocument::parse(file.text());
    for (int i = 0; i < 64; ++i) EXPECT_EQ(saved.read("A", "copy" + std::to_string(i)), value) << i;
    EXPECT_EQ(saved.read("A", "name"), value);
}

TEST(FileText, UnicodeFilesComeBackByteForByte) {
    const std::vector<std::vector<std::uint8_t>> files{
        {0xFF, 0xFE, '[', 0, 'A', 0, ']', 0, 0x1F, 0x04, 0x3D, 0xD8, 0x00, 0xDE}, // Cyrillic, astral
        {0xFE, 0xFF, 0xD8, 0x00, 0, 'x', 0xDC, 0x00, 0xDB, 0xFF},                 // lone surrogates
        {0xEF, 0xBB, 0xBF, 'k', '=', 0xC3, 0x28, 0xF8},                           // no UTF-8 at all
    };
    for (const auto& bytes : files) {
        const TextEncoding encoding = fileEncoding(bytes);
        EXPECT_EQ(unicodeFileBytes(unicodeFileText(bytes, encoding), encoding), bytes);
    }
    EXPECT_EQ(unicodeFileText(files[0], TextEncoding::utf16le), "[A]П\U0001F600");
    EXPECT_EQ(fileEncoding(std::vector<std::uint8_t>{'[', 0xFF, 0xFE}), TextEncoding::ansi);
    // Text the program made is always UTF-8; stray bytes become U+FFFD rather than vanish.
    EXPECT_EQ(utf16FromUtf8("a\xC0\xAF\xE2\x82"), u"a\uFFFD\uFFFD\uFFFD\uFFFD");
}

} // namespace
} // namespace huex
