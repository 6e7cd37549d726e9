// The picker window as constructed and initialised: its start state, caption, marker, menus,
// system menu, layout, and that creating and destroying it leaks nothing.
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "shell/InstanceNames.h"
#include "shell/TrayIcon.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace huex {
namespace {

std::wstring windowText(HWND window) {
    std::array<wchar_t, 512> text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::wstring menuItemText(HMENU menu, UINT position) {
    std::array<wchar_t, 256> text{};
    GetMenuStringW(menu, position, text.data(), static_cast<int>(text.size()), MF_BYPOSITION);
    return text.data();
}

TEST(PickerConstruction, StartsWithEveryMemberAtItsStartValue) {
    const ColorPickerDialog picker;
    const PickerState& s = picker.state;
    EXPECT_EQ(s.period, 2);
    EXPECT_EQ(s.marqueePhase, 0);
    EXPECT_EQ(s.interval, 350);
    EXPECT_EQ(s.animation, 0);
    EXPECT_EQ(s.fadeLevel, 8);
    EXPECT_EQ(s.fadeStep, 1);
    EXPECT_EQ(s.windowShowState, 5);
    EXPECT_EQ(s.flashStep, 0);
    EXPECT_EQ(s.magnifier.viewSize, 7);
    EXPECT_EQ(s.magnifier.zoomFactor, 11);
    EXPECT_EQ(s.zoomActive, 1);
    EXPECT_EQ(s.focusOnColor1, 1);
    EXPECT_EQ(s.focusOnColor2, 0);
    EXPECT_EQ(s.magnifier.sampleSize, 1);
    EXPECT_EQ(s.magnifier.pickOffset, (Point{0, 0}));
    EXPECT_EQ(s.magnifier.viewOffset, (Point{1, 1}));
    EXPECT_EQ(s.frameWidth, 3);
    EXPECT_EQ(s.palette.count, 7);
    for (int i = 0; i < Palette::capacity; ++i) {
        EXPECT_EQ(s.palette.selected[i], i == 0) << "cell " << i;
        EXPECT_EQ(s.palette.colors[i].red + s.palette.colors[i].green + s.palette.colors[i].blue, 0.0);
    }
    EXPECT_EQ(s.paletteActive, 0);
    EXPECT_EQ(s.selectionAnchor, 0);
    EXPECT_EQ(s.selectionCursor, 0);
    EXPECT_EQ(s.dropHoverCell, -1);
    EXPECT_EQ(s.currentColor.red + s.currentColor.green + s.currentColor.blue, 0.0);
    EXPECT_EQ(s.savedLeft, -30000);
    EXPECT_EQ(s.savedTop, -30000);
    EXPECT_EQ(s.savedWidth, -30000);
    ASSERT_EQ(s.patterns.size(), 4u);
    EXPECT_EQ(s.patterns[0].name, "RRGGBB");
    EXPECT_EQ(s.patterns[3].name, "CMY(255, 255, 255)");
    EXPECT_EQ(s.pattern1, 0);
    EXPECT_EQ(s.pattern2, 1);
    EXPECT_EQ(s.firstRun, 0);
    EXPECT_EQ(s.dragMode, DragMode::idle);
    EXPECT_EQ(s.layout.zoomRect, (Rect{6, 6, 83, 83}));
}

class PickerWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        picker.finishStartup(); // as the posted message does once the window shows
    }
    ColorPickerDialog picker;
};

TEST_F(PickerWindow, ShowsCaptionMarkerAndLayoutSize) {
    HWND window = picker.hwnd();
    EXPECT_EQ(windowText(window), L"HUEX | X:99, Y:99   (x11)");
    HWND marker = FindWindowExW(window, nullptr, nullptr, instanceMarkerText);
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker, picker.instanceMarker());
    EXPECT_EQ(GetDlgCtrlID(marker), 2);
    RECT markerRect{};
    GetClientRect(marker, &markerRect);
    EXPECT_EQ(markerRect.right, 1);
    EXPECT_EQ(markerRect.bottom, 1);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 297);
    EXPECT_EQ(client.bottom, 114);
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(picker.toolTip(), nullptr);
}

TEST_F(PickerWindow, SlotsShowTheColourThroughTheirPatterns) {
    std::array<wchar_t, 64> text{};
    GetDlgItemTextW(picker.hwnd(), IDC_EDIT1, text.data(), 64);
    EXPECT_STREQ(text.data(), L"000000");
    GetDlgItemTextW(picker.hwnd(), IDC_EDIT2, text.data(), 64);
    EXPECT_STREQ(text.data(), L"HSB(0, 0, 0)");
    GetDlgItemTextW(picker.hwnd(), IDC_CHECK1, text.data(), 64);
    EXPECT_STREQ(text.data(), L"RRGGBB");
    GetDlgItemTextW(picker.hwnd(), IDC_CHECK2, text.data(), 64);
    EXPECT_STREQ(text.data(), L"HSB(360, 100, 100)");
}

TEST_F(PickerWindow, ChecksStartItemsOfItsMenus) {
    const struct {
        int menu, first, last, checked;
    } groups[] = {
        {IDM_MODIFIER, ID_MOD_WEB, ID_MOD_COMPLEMENT, ID_MOD_WEB},
        {IDM_ZOOM, ID_ZOOM_X15, ID_ZOOM_X3, ID_ZOOM_X8},
        {IDM_SAMPLE, ID_SAMPLE_1X1, ID_SAMPLE_5X5, ID_SAMPLE_1X1},
    };
    for (const auto& g : groups) {
        HMENU popup = picker.menuPopup(g.menu);
        ASSERT_NE(popup, nullptr) << g.menu;
        for (int id = g.first; id <= g.last; ++id) {
            const bool checked = (GetMenuState(popup, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
            EXPECT_EQ(checked, id == g.checked) << "menu " << g.menu << " item " << id;
        }
    }
    EXPECT_EQ(picker.modifier(), ColorMode::web);
    HMENU named = GetSubMenu(picker.menuPopup(IDM_COLOR), 1);
    ASSERT_NE(named, nullptr);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(GetMenuItemInfoW(named, 0, TRUE, &item));
    EXPECT_NE(item.hbmpUnchecked, nullptr); // the colour bitmaps are attached
}

std::vector<UINT> itemIds(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

TEST(SystemMenu, StandardMenuOfASizableWindowBecomesTheTrayShapedOne) {
    win::UniqueMenu system(CreatePopupMenu());
    const std::pair<UINT, const wchar_t*> standard[] = {
        {SC_RESTORE, L"&Restore"},    {SC_MOVE, L"&Move"},         {SC_SIZE, L"&Size"},
        {SC_MINIMIZE, L"Mi&nimize"},  {SC_MAXIMIZE, L"Ma&ximize"}, {0, nullptr},
        {SC_CLOSE, L"&Close\tAlt+F4"}};
    for (const auto& [id, text] : standard)
        AppendMenuW(system.get(), text ? MF_STRING : MF_SEPARATOR, id, text);
    win::UniqueMenu trayMenu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDM_TRAY)));
    HMENU tray = GetSubMenu(trayMenu.get(), 0);
    rebuildSystemMenu(system.get(), tray);
    const std::vector<UINT> expected{ID_SETTINGS, ID_ABOUT, ID_HELP_CONTENTS, 0, SC_MOVE, SC_SIZE,
                                     SC_CLOSE,    0,        ID_EXIT};
    EXPECT_EQ(itemIds(system.get()), expected);
    EXPECT_EQ(menuItemText(system.get(), 0), L"Настройки \tCtrl+P");
    EXPECT_EQ(menuItemText(system.get(), 1), L"О программе \tCtrl+I");
    EXPECT_EQ(menuItemText(system.get(), 2), L"Справка \tF1");
    EXPECT_EQ(menuItemText(system.get(), 6), L"Спрятать \tCtrl+Alt+E");
    EXPECT_EQ(menuItemText(system.get(), 8), L"&Close\tAlt+F4");
    const int last = GetMenuItemCount(tray) - 1;
    EXPECT_EQ(GetMenuItemID(tray, last), static_cast<UINT>(ID_EXIT));
    EXPECT_EQ(menuItemText(tray, static_cast<UINT>(last)), L"&Close\tAlt+F4");
    EXPECT_EQ(GetMenuDefaultItem(tray, TRUE, 0), 0u);
}

TEST_F(PickerWindow, SystemMenuCarriesTrayCommandsAndRemappedClose) {
    // The platform's own menu may carry extra items; the tray commands lead and Close is remapped.
    const std::vector<UINT> ids = itemIds(GetSystemMenu(picker.hwnd(), FALSE));
    ASSERT_GE(ids.size(), 6u);
    EXPECT_EQ(std::vector<UINT>(ids.begin(), ids.begin() + 4),
              (std::vector<UINT>{ID_SETTINGS, ID_ABOUT, ID_HELP_CONTENTS, 0}));
    EXPECT_NE(std::find(ids.begin(), ids.end(), UINT{ID_EXIT}), ids.end());
    EXPECT_NE(std::find(ids.begin(), ids.end(), UINT{SC_CLOSE}), ids.end());
    for (UINT gone : {SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
        EXPECT_EQ(std::find(ids.begin(), ids.end(), gone), ids.end());
}

TEST_F(PickerWindow, RegistersBothHotKeysForItself) {
    // A second registration of the same combination by another window must fail while we hold it.
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(RegisterHotKey(other, 1, MOD_ALT, VK_F5));
    EXPECT_FALSE(RegisterHotKey(other, 2, MOD_ALT | MOD_CONTROL, 0x45));
    DestroyWindow(other);
}

// The system sees only Alt of a hot key with Alt, pressed and released alone, which would open
// the window menu; the window drops that release.
TEST_F(PickerWindow, AltReleasedAfterAHotKeyWithAltIsDropped) {
    const HWND self = picker.hwnd();
    const MSG hotKeyWithAlt{self, WM_HOTKEY, 0x7777, MAKELPARAM(MOD_ALT, VK_F5), 0, {}};
    const MSG hotKeyWithCtrl{self, WM_HOTKEY, 0x7777, MAKELPARAM(MOD_CONTROL, VK_F5), 0, {}};
    const MSG altUp{self, WM_SYSKEYUP, VK_MENU, 0, 0, {}};
    const MSG altRepeats{self, WM_SYSKEYDOWN, VK_MENU, 0, 0, {}};
    const MSG otherKey{self, WM_SYSKEYDOWN, VK_F4, 0, 0, {}};
    struct Case {
        std::vector<MSG> before;
        bool dropped;
    };
    for (const Case& c :
         {Case{{hotKeyWithAlt}, true}, Case{{hotKeyWithAlt, altRepeats}, true}, Case{{hotKeyWithCtrl}, false},
          Case{{hotKeyWithAlt, otherKey}, false}, Case{{hotKeyWithAlt, altUp}, false}, Case{{}, false}}) {
        for (MSG m : c.before) picker.preTranslateMessage(m);
        MSG release = altUp;
        EXPECT_EQ(picker.preTranslateMessage(release), c.dropped) << c.before.size();
    }
}

void pumpMessages() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST_F(PickerWindow, TrayIconArrivesOnceTheWindowRunsAndLeavesWithIt) {
    HWND window = picker.hwnd();
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    pumpMessages();
    EXPECT_TRUE(modifyTrayIcon(window, icon, L"HUEX"));
    SendMessageW(window, WM_COMMAND, ID_EXIT, 0);
    EXPECT_FALSE(modifyTrayIcon(window, icon, L"HUEX"));
}

TEST(PickerStartup, WorkTheFirstFrameDoesNotNeedFollowsOnceThroughTheMessageQueue) {
    ColorPickerDialog picker;
    ASSERT_NE(picker.create(nullptr), nullptr);
    EXPECT_EQ(picker.toolTip(), nullptr) << "done before the window showed";
    ASSERT_TRUE(test::pumpUntil([&] { return picker.toolTip() != nullptr; })) << "never done";
    EXPECT_EQ(picker.edit1.EnableDragDrop(ColorTextEdit::dragOut), 0); // the drop targets are in place
    EXPECT_TRUE(modifyTrayIcon(picker.hwnd(), LoadIconW(nullptr, IDI_APPLICATION), L"HUEX"));
    HWND tip = picker.toolTip();
    const int gdi = win::liveGdiHandles(), user = win::liveUserHandles();
    picker.finishStartup();
    PostMessageW(picker.hwnd(), ColorPickerDialog::finishStartupMessage, 0, 0);
    test::pumpUntil([] { return false; }, 50);
    EXPECT_EQ(picker.toolTip(), tip);
    EXPECT_EQ(win::liveGdiHandles(), gdi);
    EXPECT_EQ(win::liveUserHandles(), user);
}

TEST_F(PickerWindow, ExitCommandDestroysTheWindow) {
    SendMessageW(picker.hwnd(), WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(picker.hwnd(), nullptr);
}

TEST(PickerResources, CreateAndDestroyCyclesLeaveHandleCountsUnchanged) {
    HANDLE process = GetCurrentProcess();
    {
        // One cycle first: the system caches classes, fonts and the like on first use.
        ColorPickerDialog warmUp;
        warmUp.create(nullptr);
        warmUp.finishStartup();
    }
    const int ownGdi = win::liveGdiHandles();
    const int ownUser = win::liveUserHandles();
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i) {
        ColorPickerDialog picker;
        ASSERT_NE(picker.create(nullptr), nullptr);
        picker.finishStartup();
        SendMessageW(picker.hwnd(), WM_COMMAND, ID_EXIT, 0);
    }
    EXPECT_EQ(win::liveGdiHandles(), ownGdi);
    EXPECT_EQ(win::liveUserHandles(), ownUser);
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdi);
    EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), user);
    RecordProperty("GetGuiResourcesGdi", static_cast<int>(gdi));
}

} // namespace
} // namespace huex
