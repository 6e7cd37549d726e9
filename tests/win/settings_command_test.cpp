// The picker's settings command: the dialog opened from the command, the pattern menu's last
// entry, driven while it runs, and what the window applies after OK (and not after Cancel).
#include "Rendering.h"
#include "dialogs/PatternListModel.h"
#include "picker/ColorPickerDialog.h"
#include "picker/PatternMenuModel.h"
#include "resource.h"
#include "win/Text.h"
#include "win/Window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace huex {
namespace {

constexpr const wchar_t* dialogCaption = L"Настройки — HUEX";

// What to do with the dialog once it shows; run from a timer inside its modal loop.
std::function<void(HWND)> gScript;
int gDialogsSeen = 0;

void CALLBACK driveDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(nullptr, dialogCaption);
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, id);
    ++gDialogsSeen;
    if (gScript) gScript(dialog);
}

void click(HWND dialog, int id, int code = BN_CLICKED) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void selectItem(HWND dialog, int item) {
    SendDlgItemMessageW(dialog, IDC_SET_PATTERN_LIST, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    click(dialog, IDC_SET_PATTERN_LIST, LBN_SELCHANGE);
}

// As a click on a tab does: a page's controls are made when it is first shown.
void showTab(HWND dialog, int page) {
    HWND tab = GetDlgItem(dialog, IDC_SET_TAB);
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR header{tab, static_cast<UINT_PTR>(IDC_SET_TAB), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(dialog, WM_NOTIFY, IDC_SET_TAB, reinterpret_cast<LPARAM>(&header));
}

void setText(HWND dialog, int id, const char* text) {
    SetDlgItemTextW(dialog, id, win::widen(text).c_str());
}

// Pumps the thread's messages for a while (the marquee timer ticks in here).
void pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    MSG msg{};
    while (static_cast<int>(end - GetTickCount()) > 0) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

std::vector<std::string> menuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        std::array<wchar_t, 128> text{};
        GetMenuStringW(menu, static_cast<UINT>(i), text.data(), static_cast<int>(text.size()), MF_BYPOSITION);
        texts.push_back(win::narrow(text.data()));
    }
    return texts;
}

bool checked(HMENU menu, int id) {
    return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

class SettingsCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        gScript = nullptr;
        gDialogsSeen = 0;
        ASSERT_NE(picker.create(nullptr), nullptr);
        PatternTexts mine = newPatternTexts();
        picker.state.patterns.emplace_back("mine", mine.patternString, mine.formats);
        picker.state.pattern1 = 4;
        picker.state.pattern2 = 1;
        CheckDlgButton(picker.hwnd(), IDC_CHECK2, BST_CHECKED);
        picker.setSlotCaption(1);
        picker.setSlotCaption(2);
        picker.rebuildPatternMenu();
        picker.renderSlotTexts();
    }
    // Runs the settings command with `script` acting on the dialog while it is open.
    void runSettings(std::function<void(HWND)> script, int command = ID_SETTINGS) {
        gScript = std::move(script);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &driveDialog);
        SendMessageW(picker.hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
        KillTimer(nullptr, timer);
        gScript = nullptr;
    }
    std::string text(int id) const { return win::narrow(win::windowText(GetDlgItem(picker.hwnd(), id))); }
    ColorPickerDialog picker;
};

// Changes a setting on every page and adds "rgb()" after "mine".
void changeEverything(HWND dialog) {
    selectItem(dialog, 7);
    setText(dialog, IDC_SET_NAME, "rgb()");
    setText(dialog, IDC_SET_PATTERN, "rgb({rgbR}, {rgbG}, {rgbB})");
    for (int id : {IDC_SET_RGB_R, IDC_SET_RGB_G, IDC_SET_RGB_B}) setText(dialog, id, "{d|0:255|*.*}");
    click(dialog, IDC_SET_ADD);
    showTab(dialog, 1);
    CheckRadioButton(dialog, IDC_SET_ZOOM_X15, IDC_SET_ZOOM_X3, IDC_SET_ZOOM_X3);
    CheckRadioButton(dialog, IDC_SET_SAMPLE_1X1, IDC_SET_SAMPLE_5X5, IDC_SET_SAMPLE_5X5);
    CheckDlgButton(dialog, IDC_SET_ANIMATION, BST_CHECKED);
    showTab(dialog, 2);
    CheckRadioButton(dialog, IDC_SET_MOD_WEB, IDC_SET_MOD_COMPLEMENT, IDC_SET_MOD_GRAY);
    SendDlgItemMessageW(dialog, IDC_SET_PALETTE_SIZE, CB_SETCURSEL, 5, 0);
}

TEST_F(SettingsCommand, OkAppliesPatternsMenuZoomSampleModifierAndMarquee) {
    runSettings([](HWND dialog) {
        changeEverything(dialog);
        click(dialog, IDOK);
    });
    ASSERT_EQ(gDialogsSeen, 1);
    ASSERT_EQ(picker.state.patterns.size(), 6u);
    EXPECT_EQ(picker.state.patterns[5].name, "rgb()");
    EXPECT_TRUE(picker.state.patterns[5].valid);
    EXPECT_EQ(picker.state.pattern1, 4);
    EXPECT_EQ(picker.state.pattern2, 1);
    EXPECT_EQ(text(IDC_CHECK1), "mine");
    EXPECT_EQ(
        menuTexts(picker.patternMenu()),
        (std::vector<std::string>{"RRGGBB", "HSB(360, 100, 100)", "HSL(360, 100, 100)", "CMY(255, 255, 255)",
                                  "", "mine", "rgb()", "", "Добавить/Редактировать"}));
    EXPECT_EQ(GetMenuItemID(picker.patternMenu(), 8), static_cast<UINT>(kPatternCommandFirst + 6));

    EXPECT_EQ(picker.state.magnifier.viewSize, 25);
    EXPECT_EQ(picker.state.magnifier.zoomFactor, 3);
    EXPECT_TRUE(checked(picker.menuPopup(IDM_ZOOM), ID_ZOOM_X3));
    EXPECT_EQ(picker.modifier(), ColorMode::gray);
    EXPECT_EQ(text(IDC_CHECK2), "HSB(360, 100, 100)  [gray]"); // slot 2 shows the modified colour
    EXPECT_EQ(picker.state.magnifier.sampleSize, 5);
    EXPECT_TRUE(checked(picker.menuPopup(IDM_SAMPLE), ID_SAMPLE_5X5));
    EXPECT_EQ(picker.state.palette.count, 10);
    EXPECT_EQ(picker.state.animation, 1);
    EXPECT_EQ(picker.state.period, 3);
    EXPECT_EQ(picker.state.interval, 120);

    // The sample button shows the 5 x 5 icon, as the sample menu's own command draws it.
    ColorPickerDialog reference;
    ASSERT_NE(reference.create(nullptr), nullptr);
    reference.setZoomLevel(4);
    reference.setSampleSize(ID_SAMPLE_5X5);
    const Rect button = picker.state.layout.sampleButton;
    ASSERT_EQ(button, reference.state.layout.sampleButton);
    const test::ClientImage shown(picker.hwnd()), expected(reference.hwnd());
    int differing = 0;
    for (int y = button.top; y < button.bottom; ++y) {
        for (int x = button.left; x < button.right; ++x) differing += shown.at(x, y) != expected.at(x, y);
    }
    EXPECT_EQ(differing, 0);

    // The marquee runs from phase 0 at the new pace.
    EXPECT_EQ(picker.state.marqueePhase, 0);
    pump(400);
    EXPECT_NE(picker.state.marqueePhase, 0);
}

TEST_F(SettingsCommand, CancelLeavesTheWindowAsItWas) {
    const HMENU menuBefore = picker.patternMenu();
    const PickerState before = picker.state;
    runSettings([](HWND dialog) {
        changeEverything(dialog);
        selectItem(dialog, 5);
        click(dialog, IDC_SET_DELETE);
        click(dialog, IDCANCEL);
    });
    ASSERT_EQ(gDialogsSeen, 1);
    ASSERT_EQ(picker.state.patterns.size(), 5u);
    EXPECT_EQ(picker.state.patterns[4].name, "mine");
    EXPECT_EQ(picker.patternMenu(), menuBefore);
    EXPECT_EQ(picker.state.pattern1, before.pattern1);
    EXPECT_EQ(picker.state.magnifier.viewSize, before.magnifier.viewSize);
    EXPECT_EQ(picker.state.magnifier.sampleSize, before.magnifier.sampleSize);
    EXPECT_EQ(picker.state.palette.count, before.palette.count);
    EXPECT_EQ(picker.state.animation, before.animation);
    EXPECT_EQ(picker.state.period, before.period);
    EXPECT_EQ(picker.state.interval, before.interval);
    EXPECT_EQ(picker.modifier(), ColorMode::web);
}

TEST_F(SettingsCommand, ADeletedSlotPatternFallsBackToTheFirstAndTheEditReadsTheNewList) {
    // Opened from the pattern menu's last entry, as the menu posts it.
    MSG fromMenu{picker.hwnd(), WM_COMMAND, static_cast<WPARAM>(kPatternCommandFirst + 5), 0, 0, {}};
    gScript = [](HWND dialog) {
        selectItem(dialog, 5);
        click(dialog, IDC_SET_DELETE);
        click(dialog, IDOK);
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &driveDialog);
    EXPECT_TRUE(picker.preTranslateMessage(fromMenu));
    KillTimer(nullptr, timer);
    ASSERT_EQ(gDialogsSeen, 1);
    EXPECT_EQ(picker.state.patterns.size(), 4u);
    EXPECT_EQ(picker.state.pattern1, 0);
    EXPECT_EQ(text(IDC_CHECK1), "RRGGBB");
    EXPECT_EQ(text(IDC_EDIT1), "000000");
    // The edit colours its text through the new list's pattern 0, under which it reads.
    win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    SendMessageW(picker.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(GetDlgItem(picker.hwnd(), IDC_EDIT1)));
    EXPECT_EQ(GetTextColor(dc.get()), XEdit::parsedText);
    EXPECT_EQ(menuTexts(picker.patternMenu()).size(), 6u);
}

TEST_F(SettingsCommand, OneDialogAtATime) {
    int nested = 0;
    runSettings([&nested, this](HWND dialog) {
        SendMessageW(picker.hwnd(), WM_COMMAND, ID_SETTINGS, 0); // returns at once
        for (HWND w = FindWindowW(nullptr, dialogCaption); w;
             w = FindWindowExW(nullptr, w, nullptr, dialogCaption))
            ++nested;
        click(dialog, IDCANCEL);
    });
    EXPECT_EQ(gDialogsSeen, 1);
    EXPECT_EQ(nested, 1);
}

} // namespace
} // namespace huex
