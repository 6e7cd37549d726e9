// The picker window with its settings files in a folder of its own: a first start, a file of
// non-default values shown as written and written back, the keyboard's Alt+F4, Escape, Enter and
// arrows, hiding to the tray with the fade, and the save at the end of the session.
#include "../host/SettingsDifference.h"
#include "TempFolder.h"
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "settings/ImageFile.h"
#include "settings/SettingsStore.h"
#include "shell/TrayIcon.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace huex {
namespace {

Rect screenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::wstring windowText(HWND window) {
    std::array<wchar_t, 256> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool menuChecked(HMENU popup, int id) {
    return (GetMenuState(popup, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

class PickerWithFiles : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.created()); }
    void TearDown() override {
        picker.reset();
        BYTE keys[256]{};
        SetKeyboardState(keys);
    }
    ColorPickerDialog& start() {
        picker = std::make_unique<ColorPickerDialog>(files);
        EXPECT_NE(picker->create(nullptr), nullptr);
        return *picker;
    }
    Settings savedSettings() const { return loadSettings(readSettingsFile(files.settings), screenRect()); }
    // A key as the modal loop hands it to the pre-translation.
    bool key(UINT message, WPARAM virtualKey, HWND target) {
        MSG msg{target, message, virtualKey, 0, 0, {}};
        return picker->preTranslateMessage(msg);
    }
    void tick(int times) {
        for (int i = 0; i < times && picker->hwnd(); ++i)
            SendMessageW(picker->hwnd(), WM_TIMER, ColorPickerDialog::fadeTimer, 0);
    }

    TempFolder folder{L"huex-picker-"};
    SettingsFiles files = settingsFilesIn(folder.path());
    std::unique_ptr<ColorPickerDialog> picker;
};

TEST_F(PickerWithFiles, FirstStartShowsWhiteAndWritesBothFilesWhole) {
    ColorPickerDialog& p = start();
    EXPECT_EQ(windowText(p.hwnd()), L"HUEX - Первый запуск");
    EXPECT_EQ(p.state.firstRun, 1);
    EXPECT_EQ(p.state.currentColor.red + p.state.currentColor.green + p.state.currentColor.blue, 3.0);
    EXPECT_TRUE(p.state.palette.selected[0]);
    EXPECT_EQ(p.state.palette.count, 7);
    EXPECT_EQ(p.state.magnifier, (MagnifierState{9, 8, 1, {0, 0}, {0, 0}}));
    EXPECT_TRUE(menuChecked(p.menuPopup(IDM_ZOOM), ID_ZOOM_X8));
    EXPECT_EQ(p.state.pattern1, 0);
    EXPECT_EQ(p.state.pattern2, 0);
    EXPECT_EQ(IsDlgButtonChecked(p.hwnd(), IDC_CHECK2), BST_CHECKED);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(p.hwnd(), IDC_EDIT2), GWL_STYLE) & ES_READONLY);
    std::array<wchar_t, 64> text{};
    GetDlgItemTextW(p.hwnd(), IDC_EDIT1, text.data(), 64);
    EXPECT_STREQ(text.data(), L"FFFFFF");
    EXPECT_TRUE(test::pumpUntil([&] { return GetFocus() == p.instanceMarker(); }))
        << "the start focus is given once the window shows";
    SendMessageW(p.hwnd(), WM_COMMAND, ID_EXIT, 0);
    ASSERT_EQ(p.hwnd(), nullptr);
    EXPECT_EQ(readImageFileBytes(files.image).size(), kImageFileSize);
    const IniDocument written = readSettingsFile(files.settings);
    for (const SettingsEntry& e : settingsEntries(Settings{}))
        EXPECT_EQ(written.read(e.section, e.key).has_value(), !e.onlyOverExisting)
            << e.section << "/" << e.key;
    EXPECT_FALSE(savedSettings().firstRun);
}

TEST_F(PickerWithFiles, NonDefaultSettingsAreShownAsWrittenAndWrittenBack) {
    const Settings s = nonDefaultSettings();
    ASSERT_TRUE(saveSettingsFile(files.settings, settingsEntries(s)));
    // "focus" is never written by the program; a file may still carry it.
    WritePrivateProfileStringW(L"Window", L"focus", L"palette", files.settings.c_str());
    std::vector<std::uint32_t> pixels(33 * 33, 0x00FF8000);
    pixels[0] = 0x00123456;
    ASSERT_TRUE(saveImageFile(files.image, imageFileBytes(pixels)));

    ColorPickerDialog& p = start();
    EXPECT_EQ(p.state.interval, 250);
    EXPECT_EQ(p.state.magnifier, s.magnifier);
    EXPECT_EQ(p.state.captureCenter, (Point{321, 123}));
    EXPECT_EQ(p.state.patterns.size(), 4 + s.userPatterns.size());
    EXPECT_EQ(p.state.pattern1, 4);
    EXPECT_EQ(p.state.paletteActive, 1);
    EXPECT_EQ(p.state.zoomActive, 0);
    EXPECT_EQ(p.modifier(), ColorMode::inversion);
    EXPECT_TRUE(menuChecked(p.menuPopup(IDM_ZOOM), ID_ZOOM_X3));
    EXPECT_TRUE(menuChecked(p.menuPopup(IDM_SAMPLE), ID_SAMPLE_5X5));
    EXPECT_EQ(IsDlgButtonChecked(p.hwnd(), IDC_CHECK1), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(p.hwnd(), IDC_CHECK2), BST_UNCHECKED);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(p.hwnd(), IDC_EDIT1), GWL_STYLE) & ES_READONLY);
    std::array<wchar_t, 64> text{};
    GetDlgItemTextW(p.hwnd(), IDC_CHECK1, text.data(), 64);
    EXPECT_STREQ(text.data(), L"Свой  [inversion]");
    RECT window{};
    GetWindowRect(p.hwnd(), &window);
    EXPECT_EQ(window.left, 40);
    EXPECT_EQ(window.top, 50);
    EXPECT_EQ(window.right - window.left, 330);
    ASSERT_FALSE(p.captureImage().empty());
    EXPECT_EQ(p.captureImage().bits()[0], 0x00123456u);
    EXPECT_EQ(p.captureImage().bits()[33 * 33 - 1], 0x00FF8000u);

    SendMessageW(p.hwnd(), WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(settingsDifference(s, savedSettings(), 5e-7), "");
    std::vector<std::uint32_t> back(33 * 33);
    readImageFile(readImageFileBytes(files.image), back);
    EXPECT_EQ(back, pixels);
}

TEST_F(PickerWithFiles, AltF4EndsAndSavesEscapeAndEnterDoNot) {
    ColorPickerDialog& p = start();
    HWND marker = p.instanceMarker();
    SetFocus(marker);
    EXPECT_TRUE(key(WM_KEYDOWN, VK_ESCAPE, marker));
    EXPECT_NE(p.hwnd(), nullptr);
    // Enter in slot 1's edit stores the current colour into the selected cell.
    HWND edit1 = GetDlgItem(p.hwnd(), IDC_EDIT1);
    SendMessageW(edit1, EM_SETREADONLY, FALSE, 0);
    SetFocus(edit1);
    p.state.currentColor = {0.0, 0.5, 1.0};
    EXPECT_TRUE(key(WM_KEYDOWN, VK_RETURN, edit1));
    EXPECT_EQ(p.state.palette.colors[0].blue, 1.0);
    EXPECT_NE(p.hwnd(), nullptr);
    // Up and Down in the edit move the selection, Left reaches the edit.
    EXPECT_TRUE(key(WM_KEYDOWN, VK_DOWN, edit1));
    EXPECT_TRUE(p.state.palette.selected[1]);
    EXPECT_FALSE(key(WM_KEYDOWN, VK_LEFT, edit1));
    ASSERT_EQ(GetFileAttributesW(files.settings.c_str()), INVALID_FILE_ATTRIBUTES);
    BYTE keys[256]{};
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(key(WM_SYSKEYDOWN, VK_F4, p.hwnd()));
    EXPECT_EQ(p.hwnd(), nullptr);
    EXPECT_NE(GetFileAttributesW(files.settings.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(savedSettings().palette.colors[0].blue, 1.0);
}

TEST_F(PickerWithFiles, ArrowsOnTheViewMoveThePickedPixelAndEnterFillsTheNextCell) {
    ColorPickerDialog& p = start();
    HWND marker = p.instanceMarker();
    SetFocus(marker);
    p.state.zoomActive = 1;
    EXPECT_TRUE(key(WM_KEYDOWN, VK_LEFT, marker));
    EXPECT_EQ(p.state.magnifier.pickOffset, (Point{-1, 0}));
    ASSERT_TRUE(test::pumpUntil([&] { return !p.colorTextsStale(); })); // the texts follow a frame later
    EXPECT_EQ(windowText(p.hwnd()), L"HUEX | X:99, Y:100   (x8)");
    p.state.palette.selected.fill(false);
    p.state.palette.selected[6] = true;
    EXPECT_TRUE(key(WM_KEYDOWN, VK_RETURN, marker));
    EXPECT_TRUE(p.state.palette.selected[0]); // past the last cell in use it wraps to cell 0
    EXPECT_FALSE(p.state.palette.selected[6]);
}

TEST_F(PickerWithFiles, CloseButtonHidesWithAFadeAndShowingBringsItBack) {
    ColorPickerDialog& p = start();
    HWND window = p.hwnd();
    ShowWindow(window, SW_SHOW);
    RECT before{};
    GetWindowRect(window, &before);
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_EQ(p.hwnd(), window); // hidden, not closed
    EXPECT_EQ(p.state.windowShowState, 0);
    EXPECT_EQ(p.state.savedLeft, before.left);
    EXPECT_EQ(p.state.savedWidth, before.right - before.left);
    EXPECT_TRUE(IsWindowVisible(window)); // fading out
    tick(5);
    EXPECT_EQ(p.state.fadeLevel, 3);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 95);
    tick(4);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED); // hidden at opacity 0
    // A save while hidden writes where the window was.
    ASSERT_TRUE(p.saveSettings());
    EXPECT_EQ(savedSettings().posX, before.left);
    // The tray icon's double click shows it again; half way it is turned round and back.
    SendMessageW(window, trayCallbackMessage, 0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(p.state.windowShowState, 5);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(p.state.savedLeft, -30000);
    tick(3);
    p.toggleShown();
    tick(1);
    EXPECT_EQ(p.state.fadeLevel, 2);
    p.toggleShown();
    tick(7);
    EXPECT_EQ(p.state.fadeLevel, 8);
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(PickerWithFiles, SessionEndSavesAtOnceAndAllowsEnding) {
    ColorPickerDialog& p = start();
    p.state.interval = 4321;
    EXPECT_EQ(SendMessageW(p.hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(savedSettings().interval, 4321);
}

TEST_F(PickerWithFiles, ActivationRequestShowsAHiddenWindow) {
    ColorPickerDialog& p = start();
    p.show(0);
    tick(9);
    ASSERT_FALSE(IsWindowVisible(p.hwnd()));
    SendMessageW(p.hwnd(), WM_SHOWWINDOW, 333, 0);
    EXPECT_TRUE(IsWindowVisible(p.hwnd()));
    EXPECT_EQ(p.state.windowShowState, 5);
}

} // namespace
} // namespace huex
