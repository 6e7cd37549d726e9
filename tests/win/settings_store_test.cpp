// The settings and image files through the real profile functions, in a folder of their own:
// every key round-trips, new files are UTF-16, old files keep their encoding and foreign keys, a
// save cut short or killed at any moment leaves the old file or the new one whole, and the image
// file is exactly its size.
#include "../host/SettingsDifference.h"
#include "TempFolder.h"
#include "settings/ImageFile.h"
#include "settings/SettingsStore.h"
#include "win/Handles.h"
#include "win/Text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace huex {
namespace {

const Rect kScreen{0, 0, 1024, 768};

std::vector<std::uint8_t> fileBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void putFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out << bytes;
}

class SettingsFolder : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.created()); }
    Settings loadBack() const { return loadSettings(readSettingsFile(files.settings), kScreen); }

    TempFolder folder{L"huex-settings-"};
    SettingsFiles files = settingsFilesIn(folder.path());
};

TEST_F(SettingsFolder, EveryKeyRoundTripsThroughTheProfileFunctions) {
    const Settings s = nonDefaultSettings();
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(s)));
    const Settings back = loadBack();
    EXPECT_EQ(settingsDifference(s, back, 5e-7), "");
    EXPECT_FALSE(back.firstRun);
    EXPECT_EQ(back.userPatterns.back().patternString.size(), 1006u);
    // A new file is UTF-16 with a byte-order mark, and no copy is left beside it.
    const std::vector<std::uint8_t> bytes = fileBytes(files.settings);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(GetFileAttributesW((files.settings + L".new").c_str()), INVALID_FILE_ATTRIBUTES);
    // Saving again over it changes nothing.
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(back)));
    EXPECT_EQ(settingsDifference(back, loadBack(), 0), "");
}

TEST_F(SettingsFolder, AnExistingFileKeepsItsEncodingAndTheKeysWeDoNotWrite) {
    putFile(files.settings,
            "[Window]\r\nfocus=edit1\r\nposX=5\r\n[Mine]\r\nkeep=this\r\n[Patterns]\r\nname7=stale\r\n");
    Settings s;
    s.posX = 77;
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(s)));
    const std::vector<std::uint8_t> bytes = fileBytes(files.settings);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], '[');
    wchar_t value[64]{};
    GetPrivateProfileStringW(L"Mine", L"keep", L"", value, 64, files.settings.c_str());
    EXPECT_STREQ(value, L"this");
    const Settings back = loadBack();
    EXPECT_EQ(back.focus, StartFocus::edit1);
    EXPECT_EQ(back.posX, 77);
    GetPrivateProfileStringW(L"Patterns", L"name7", L"", value, 64, files.settings.c_str());
    EXPECT_STREQ(value, L"stale");
    // A name the ANSI code page cannot hold is not lost: the file then becomes UTF-16.
    s.userPatterns.push_back(ColorPattern("色彩 Свой", "{rgbR}", std::array<std::string, 9>{}));
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(s)));
    GetPrivateProfileStringW(L"Patterns", L"name0", L"", value, 64, files.settings.c_str());
    EXPECT_STREQ(value, L"色彩 Свой");
    GetPrivateProfileStringW(L"Mine", L"keep", L"", value, 64, files.settings.c_str());
    EXPECT_STREQ(value, L"this");
}

TEST_F(SettingsFolder, ASaveCutShortLeavesTheOldFileWhole) {
    const Settings old = nonDefaultSettings();
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(old)));
    const std::vector<std::uint8_t> before = fileBytes(files.settings);
    Settings changed = old;
    changed.interval = 9999;
    changed.userPatterns.clear();
    const std::wstring copy = writeSettingsCopy(files.settings, settingsEntries(changed));
    ASSERT_FALSE(copy.empty()); // the copy is written, then the program stops before the replace
    EXPECT_EQ(fileBytes(files.settings), before);
    EXPECT_EQ(settingsDifference(old, loadBack(), 5e-7), "");
    // The next save is not hindered by the copy left behind.
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(changed)));
    EXPECT_EQ(loadBack().interval, 9999);
    EXPECT_TRUE(loadBack().userPatterns.empty());
}

std::string utf16(const std::wstring& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST_F(SettingsFolder, FilesReadAsTheProfileFunctionsReadThem) {
    const std::wstring text =
        L"top=none\r\n[Patterns]\r\n name0 = Свой цвет \r\nNAME1=\"  quoted \"\r\n"
        L"name2='x'\r\nname3=\"half\r\nname4=\r\nname5\r\nname7=\u00A0nb\u00A0\r\nname8=\u3000x\u2003\r\n"
        L"name9=\x1Ay\x1A\r\nname10=\x1Cz\x1F\r\n[patterns]\r\nname6=later\r\n"
        L"name0=second\r\n; note=1\r\n";
    const std::string utf8 = win::narrow(text);
    const std::string encodings[] = {utf16(text, false), utf16(text, true), "\xEF\xBB\xBF" + utf8};
    for (const std::string& bytes : encodings) {
        putFile(files.settings, bytes);
        const IniDocument read = readSettingsFile(files.settings);
        for (const wchar_t* key : {L"name0", L"name1", L"name2", L"name3", L"name4", L"name5", L"name6",
                                   L"top", L"name7", L"name8", L"name9", L"name10"}) {
            std::array<wchar_t, 256> api{};
            const DWORD length =
                GetPrivateProfileStringW(L"Patterns", key, L"\x01missing", api.data(),
                                         static_cast<DWORD>(api.size()), files.settings.c_str());
            const std::string expected = win::narrow(std::wstring(api.data(), length));
            const auto ours = read.read("Patterns", win::narrow(key));
            EXPECT_EQ(ours.value_or("\x01missing"), expected)
                << "key " << win::narrow(key) << ", file starting " << std::hex << int(bytes[0] & 0xFF);
        }
    }
}

TEST_F(SettingsFolder, ImageFileIsWholeAndRoundTrips) {
    EXPECT_TRUE(readImageFileBytes(files.image).empty());
    std::vector<std::uint32_t> pixels(33 * 33);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint32_t>(i * 0x010203) & 0xFFFFFF;
    ASSERT_TRUE(saveImageFile(files.image, imageFileBytes(pixels)));
    const std::vector<std::uint8_t> bytes = readImageFileBytes(files.image);
    ASSERT_EQ(bytes.size(), 4371u);
    EXPECT_EQ(fileBytes(files.image).size(), 4371u);
    std::vector<std::uint32_t> back(33 * 33);
    readImageFile(bytes, back);
    EXPECT_EQ(back, pixels);
    // A longer file is read only as far as the image goes.
    putFile(files.image, std::string(10000, 'x'));
    EXPECT_EQ(readImageFileBytes(files.image).size(), 4371u);
}

TEST_F(SettingsFolder, SettingsAreSavedEvenWhenTheImageFileCannotBe) {
    ASSERT_TRUE(CreateDirectoryW(files.image.c_str(), nullptr)); // a folder stands where the image goes
    const SaveResult result = saveFiles(files, settingsEntries(nonDefaultSettings()), imageFileBytes({}));
    EXPECT_FALSE(result.image);
    EXPECT_TRUE(result.settings);
    EXPECT_EQ(loadBack().interval, 250);
}

// A program whose folder cannot be written (here one that is gone, which even an administrator
// cannot write into; an unwritable folder proper is tried end to end, as a user of its own).
TEST_F(SettingsFolder, ASaveFallsBackToTheUserFolderAndTheNextStartReadsIt) {
    const std::wstring userFolder = folder.path() + L"\\user";
    const SettingsHome home{settingsFilesIn(folder.path() + L"\\gone"),
                            settingsFilesIn(userFolder + L"\\HUEX")};
    const SettingsFiles read = filesToRead(home);
    EXPECT_EQ(read.settings, home.beside.settings); // nothing in the user's folder yet

    const std::vector<std::uint32_t> pixels(33 * 33, 0x123456);
    const SaveResult saved =
        saveFiles(home, read, settingsEntries(nonDefaultSettings()), imageFileBytes(pixels));
    EXPECT_TRUE(saved.settings) << saved.settings.error;
    EXPECT_TRUE(saved.image);
    EXPECT_EQ(filesToRead(home).settings, home.user->settings);
    EXPECT_EQ(loadSettings(readSettingsFile(home.user->settings), kScreen).interval, 250);
    EXPECT_EQ(readImageFileBytes(home.user->image), imageFileBytes(pixels));
    // While the program's folder can be written, its files are the ones read (a portable copy).
    EXPECT_EQ(filesToRead({files, home.user}).settings, files.settings);

    // Nowhere to write: the user's folder would have to be made inside a file.
    putFile(files.image, "not a folder");
    const SettingsHome nowhere{home.beside, settingsFilesIn(files.image + L"\\HUEX")};
    const SaveResult failed = saveFiles(nowhere, read, settingsEntries(nonDefaultSettings()), {});
    EXPECT_FALSE(failed.settings);
    EXPECT_NE(failed.settings.error, 0u);

    for (const std::wstring& file : {home.user->settings, home.user->image}) DeleteFileW(file.c_str());
    RemoveDirectoryW((userFolder + L"\\HUEX").c_str());
}

// A save killed at random moments: a child process (this program, running the disabled test
// below) saves two sets of settings in turn for as long as it lives, and is terminated at 20
// random points.
constexpr wchar_t kChildFolder[] = L"HUEX_SAVE_IN_TURN_FOLDER";
constexpr wchar_t kChildReady[] = L"HUEX_SAVE_IN_TURN_READY";

Settings settingsInTurn(int which) {
    Settings s = nonDefaultSettings();
    if (which == 1) {
        s.interval = 9999;
        s.userPatterns.resize(2);
    }
    return s;
}

void saveInTurn(const SettingsFiles& files, int which) {
    const std::vector<std::uint32_t> pixels(33 * 33, which == 1 ? 0x123456 : 0xABCDEF);
    saveFiles(files, settingsEntries(settingsInTurn(which)), imageFileBytes(pixels));
}

std::wstring environmentValue(const wchar_t* name) {
    std::array<wchar_t, MAX_PATH> value{};
    const DWORD length = GetEnvironmentVariableW(name, value.data(), MAX_PATH);
    return length < MAX_PATH ? std::wstring(value.data(), length) : std::wstring();
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(SettingsSaveKilled, DISABLED_ChildSavesInTurn) {
    const std::wstring folder = environmentValue(kChildFolder);
    ASSERT_FALSE(folder.empty());
    const SettingsFiles files = settingsFilesIn(folder);
    const win::UniqueHandle ready(
        OpenEventW(EVENT_MODIFY_STATE, FALSE, environmentValue(kChildReady).c_str()));
    for (int i = 0;; ++i) {
        saveInTurn(files, i % 2);
        if (i == 0 && ready) SetEvent(ready.get());
    }
}

TEST(SettingsSaveKilled, TheFilesAreTheOldOrTheNewOnesWhole) {
    TempFolder folder{L"huex-killed-"};
    ASSERT_TRUE(folder.created());
    const SettingsFiles files = settingsFilesIn(folder.path());
    // The bytes each save leaves once the file holds every key, and how long one save takes.
    std::array<std::vector<std::uint8_t>, 2> settings, images;
    saveInTurn(files, 1);
    const auto started = std::chrono::steady_clock::now();
    for (int which : {0, 1}) {
        saveInTurn(files, which);
        settings[which] = fileBytes(files.settings);
        images[which] = fileBytes(files.image);
    }
    const auto save =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started) / 2;

    const std::wstring readyName = L"huex-save-in-turn-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(SetEnvironmentVariableW(kChildFolder, folder.path().c_str()));
    ASSERT_TRUE(SetEnvironmentVariableW(kChildReady, readyName.c_str()));
    std::array<wchar_t, MAX_PATH> program{};
    GetModuleFileNameW(nullptr, program.data(), MAX_PATH);
    std::wstring command = L"\"" + std::wstring(program.data()) +
                           L"\" --gtest_filter=SettingsSaveKilled.DISABLED_ChildSavesInTurn"
                           L" --gtest_also_run_disabled_tests";
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Anywhere in the next three saves after the first, in either file.
    std::uniform_int_distribution<long long> delay(0, 3 * save.count());
    int copiesLeft = 0;
    for (int kill = 0; kill < 20; ++kill) {
        const win::UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        ASSERT_TRUE(CreateProcessW(program.data(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                   nullptr, nullptr, &startup, &child));
        const win::UniqueHandle process(child.hProcess), thread(child.hThread);
        ASSERT_EQ(WaitForSingleObject(ready.get(), 60000), WAIT_OBJECT_0);
        const auto at = std::chrono::steady_clock::now() + std::chrono::microseconds(delay(random));
        while (std::chrono::steady_clock::now() < at) {
        }
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), INFINITE);

        const std::vector<std::uint8_t> settingsNow = fileBytes(files.settings),
                                        imageNow = fileBytes(files.image);
        EXPECT_TRUE(settingsNow == settings[0] || settingsNow == settings[1])
            << "kill " << kill << ", seed " << seed;
        EXPECT_TRUE(imageNow == images[0] || imageNow == images[1]) << "kill " << kill << ", seed " << seed;
        const Settings loaded = loadSettings(readSettingsFile(files.settings), kScreen);
        EXPECT_TRUE(settingsDifference(loaded, settingsInTurn(0), 5e-7).empty() ||
                    settingsDifference(loaded, settingsInTurn(1), 5e-7).empty());
        copiesLeft += exists(files.settings + L".new") || exists(files.image + L".new") ? 1 : 0;
    }
    std::cout << "one save " << save.count() << " us; " << copiesLeft << " of 20 kills left a copy behind\n";
    // A copy left behind is not read, and the next save writes over it and puts it in place.
    saveInTurn(files, 0);
    EXPECT_EQ(fileBytes(files.settings), settings[0]);
    EXPECT_FALSE(exists(files.settings + L".new"));
    EXPECT_FALSE(exists(files.image + L".new"));
}

} // namespace
} // namespace huex
