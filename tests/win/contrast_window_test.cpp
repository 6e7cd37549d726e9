// The contrast window inside the picker: opening it from the colour menu's command, the live
// following of the picker's colour (one update per frame), swap and take, Escape, the DPI change,
// and its state kept in the settings file across a restart.
#include "TempFolder.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "settings/SettingsStore.h"
#include "win/Handles.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace huex {
namespace {

std::string itemText(HWND window, int id) {
    return win::narrow(win::windowText(GetDlgItem(window, id)));
}

int width(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return r.right - r.left;
}

void pump() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

class ContrastInPicker : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        SendMessageW(picker.hwnd(), WM_COMMAND, ID_CONTRAST, 0);
        window = picker.contrastWindow().hwnd();
        ASSERT_NE(window, nullptr);
    }
    // A colour reaches the picker as any input leaves it, then the window's frame comes round.
    void pick(const RgbColor& c) {
        picker.state.currentColor = c;
        picker.renderSlotTexts();
        SendMessageW(window, WM_TIMER, ContrastWindow::frameTimer, 0);
    }
    std::string verdicts() const {
        std::string all;
        for (int id = IDC_CONTRAST_VERDICT_FIRST; id < IDC_CONTRAST_VERDICT_FIRST + 5; ++id)
            all += itemText(window, id) + "\n";
        return all;
    }
    ColorPickerDialog picker;
    HWND window = nullptr;
};

TEST_F(ContrastInPicker, OpensOwnedOnTopWithTextFollowingOnWhite) {
    EXPECT_EQ(win::narrow(win::windowText(window)), "Контраст");
    EXPECT_EQ(GetWindow(window, GW_OWNER), picker.hwnd());
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_WELL), "Текст:");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_BACK_WELL), "Фон:");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TAKE_CURRENT), "Взять текущий");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_SWAP), "⇄");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_PREVIEW), "Съешь же ещё этих мягких французских булок");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#000000");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_BACK_VALUE), "#FFFFFF");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_RATIO), "21.00:1");
    // A second command brings the same window forward.
    SendMessageW(picker.hwnd(), WM_COMMAND, ID_CONTRAST, 0);
    EXPECT_EQ(picker.contrastWindow().hwnd(), window);
}

TEST_F(ContrastInPicker, FollowsThePickerOncePerFrameSwapsAndTakes) {
    picker.state.currentColor = {52 / 255.0, 136 / 255.0, 0};
    picker.renderSlotTexts();
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#000000"); // waits for the frame
    SendMessageW(window, WM_TIMER, ContrastWindow::frameTimer, 0);
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#348800");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_RATIO), "4.49:1");
    EXPECT_EQ(verdicts(), "AA, обычный текст: не пройден\nAA, крупный текст: пройден\n"
                          "AAA, обычный текст: не пройден\nAAA, крупный текст: не пройден\n"
                          "Графика и элементы интерфейса: пройден\n");

    SendMessageW(GetDlgItem(window, IDC_CONTRAST_SWAP), BM_CLICK, 0, 0);
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#FFFFFF");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_BACK_VALUE), "#348800");
    pick({0.2, 0.4, 0.6}); // now the background follows
    EXPECT_EQ(itemText(window, IDC_CONTRAST_BACK_VALUE), "#336699");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#FFFFFF");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_RATIO), "5.99:1");

    SendMessageW(GetDlgItem(window, IDC_CONTRAST_TAKE_CURRENT), BM_CLICK, 0, 0);
    EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#336699");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_RATIO), "1.00:1");
}

TEST_F(ContrastInPicker, ApcaLinesSitUnderTheVerdictsAndFollowLikeTheRatio) {
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA), "Lc 106.0");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA_VERDICT), "APCA: любой текст");
    picker.state.currentColor = {9 / 255.0, 125 / 255.0, 84 / 255.0};
    picker.renderSlotTexts();
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA), "Lc 106.0"); // waits for the frame
    SendMessageW(window, WM_TIMER, ContrastWindow::frameTimer, 0);
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA), "Lc 74.9");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA_VERDICT), "APCA: текст, кроме основного");
    SendMessageW(GetDlgItem(window, IDC_CONTRAST_SWAP), BM_CLICK, 0, 0); // light text on the dark colour
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA), "Lc -80.3");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA_VERDICT), "APCA: основной текст");
    pick({180 / 255.0, 180 / 255.0, 180 / 255.0}); // now the background follows
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA), "Lc -45.0");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA_VERDICT), "APCA: крупный текст и заголовки");
    pick({250 / 255.0, 250 / 255.0, 250 / 255.0}); // below the clip
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA), "Lc 0.0");
    EXPECT_EQ(itemText(window, IDC_CONTRAST_APCA_VERDICT), "APCA: не читается");

    auto rectOf = [&](int id) {
        RECT r{};
        GetWindowRect(GetDlgItem(window, id), &r);
        return r;
    };
    EXPECT_GE(rectOf(IDC_CONTRAST_APCA).top, rectOf(IDC_CONTRAST_VERDICT_FIRST + 4).bottom);
    EXPECT_GE(rectOf(IDC_CONTRAST_APCA_VERDICT).top, rectOf(IDC_CONTRAST_APCA).bottom);
    EXPECT_GE(rectOf(IDC_CONTRAST_PREVIEW).top, rectOf(IDC_CONTRAST_APCA_VERDICT).bottom);
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LE(rectOf(IDC_CONTRAST_PREVIEW).bottom, client.bottom);
}

TEST_F(ContrastInPicker, EscapeClosesAndTheWindowIsNotReopenedNextTime) {
    MSG escape{GetDlgItem(window, IDC_CONTRAST_SWAP), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(picker.preTranslateMessage(escape));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(picker.contrastWindow().settings().open);
}

TEST_F(ContrastInPicker, GoesToTheTrayWithThePickerAndComesBackWithIt) {
    SendMessageW(picker.hwnd(), WM_COMMAND, ID_TOGGLE_WINDOW, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(picker.contrastWindow().settings().open) << "an exit from the tray reopens it";
    SendMessageW(picker.hwnd(), WM_COMMAND, ID_TOGGLE_WINDOW, 0);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(ContrastInPicker, NewDpiScalesTheLayoutAndTakesTheSuggestedPlace) {
    const int at96 = width(GetDlgItem(window, IDC_CONTRAST_PREVIEW));
    RECT suggested{100, 120, 100 + 700, 120 + 600};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(width(GetDlgItem(window, IDC_CONTRAST_PREVIEW)), at96 * 3 / 2);
    RECT placed{};
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.bottom, 720);
}

TEST(ContrastWindow, OpeningAndClosingLeaksNoHandle) {
    ColorPickerDialog picker;
    ASSERT_NE(picker.create(nullptr), nullptr);
    const int gdi = win::liveGdiHandles();
    for (int i = 0; i < 3; ++i) {
        SendMessageW(picker.hwnd(), WM_COMMAND, ID_CONTRAST, 0);
        SendMessageW(picker.contrastWindow().hwnd(), WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(picker.contrastWindow().hwnd(), nullptr);
    EXPECT_EQ(win::liveGdiHandles(), gdi);
}

TEST(ContrastWindow, OpenAtTheEndReopensWithItsColoursAtTheNextStart) {
    TempFolder folder(L"huex-contrast-");
    ASSERT_TRUE(folder.created());
    const SettingsFiles files = settingsFilesIn(folder.path());
    {
        std::ofstream ini(files.settings.c_str());
        ini << "[Common]\nFirstRun=no\nVersion=150\n[Contrast]\nposX=50\nposY=60\ntext=#102030\n"
               "background=#FFEEDD\nfollow=background\nopen=1\n";
    }
    {
        ColorPickerDialog picker(files);
        ASSERT_NE(picker.create(nullptr), nullptr);
        pump(); // the start-up work posted after initialisation
        HWND window = picker.contrastWindow().hwnd();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(itemText(window, IDC_CONTRAST_TEXT_VALUE), "#102030");
        EXPECT_EQ(itemText(window, IDC_CONTRAST_BACK_VALUE), "#808080"); // following the stored colour
        RECT placed{};
        GetWindowRect(window, &placed);
        EXPECT_EQ(placed.left, 50);
        SetWindowPos(window, nullptr, 70, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } // the picker ends with the window open
    const Settings saved = loadSettings(readSettingsFile(files.settings), Rect{0, 0, 4096, 4096});
    EXPECT_TRUE(saved.contrast.open);
    EXPECT_EQ(saved.contrast.posX, 70);
    EXPECT_EQ(saved.contrast.posY, 80);
    EXPECT_EQ(saved.contrast.text, (ByteColor{0x10, 0x20, 0x30}));
    EXPECT_EQ(saved.contrast.background, (ByteColor{0x80, 0x80, 0x80}));
    EXPECT_TRUE(saved.contrast.followBackground);
}

} // namespace
} // namespace huex
