// The picker's own hot keys: the chosen ones held, one another program holds left alone and
// marked, the keys they replace free, and the menus naming what is held.
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace huex {
namespace {

std::wstring commandText(HMENU menu, UINT command) {
    std::array<wchar_t, 256> text{};
    GetMenuStringW(menu, command, text.data(), static_cast<int>(text.size()), MF_BYCOMMAND);
    return text.data();
}

constexpr unsigned C = HotKey::ctrl, A = HotKey::alt, S = HotKey::shift;

TEST(PickerHotKeys, ChosenKeysAreHeldTakenOnesAreMarkedAndTheMenusNameThem) {
    const test::HotKeyHolder other(C | A, 'P'); // the default pick key, held by another program
    ASSERT_TRUE(other.held);
    ColorPickerDialog picker;
    picker.state.hotKeys.keys = {HotKey{C | S, VK_F9}, HotKey{}, HotKey{C | A, 'P'}};
    ASSERT_NE(picker.create(nullptr), nullptr);
    picker.finishStartup();
    EXPECT_EQ(picker.hotKeysHeld(), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(picker.hotKeysTaken(), (std::array<bool, 3>{false, false, true}));
    {
        // The defaults the chosen keys replace are free for others; the chosen one is not.
        const test::HotKeyHolder f5(A, VK_F5), e(C | A, 'E'), f9(C | S, VK_F9);
        EXPECT_TRUE(f5.held);
        EXPECT_TRUE(e.held);
        EXPECT_FALSE(f9.held);
    }
    EXPECT_EQ(commandText(picker.menuPopup(IDM_ZOOM), ID_REFRESH), L"Обновить \tCtrl+Shift+F9");
    EXPECT_EQ(commandText(picker.menuPopup(IDM_TRAY), ID_TOGGLE_WINDOW), L"Спрятать/показать");
    EXPECT_EQ(commandText(GetSystemMenu(picker.hwnd(), FALSE), SC_CLOSE), L"Спрятать");

    // Taken again with other keys, as after the settings dialog's OK; the old ones are let go.
    picker.state.hotKeys.keys = kDefaultHotKeys;
    picker.state.hotKeys.keys[0] = HotKey{C | S, VK_F9};
    picker.state.hotKeys.keys[2] = HotKey{C | S, VK_F9};
    picker.registerHotKeys();
    picker.showHotKeysInMenus();
    EXPECT_EQ(picker.hotKeysHeld(), (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(picker.hotKeysTaken(), (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(commandText(picker.menuPopup(IDM_TRAY), ID_TOGGLE_WINDOW), L"Спрятать/показать \tCtrl+Alt+E");
    EXPECT_EQ(commandText(GetSystemMenu(picker.hwnd(), FALSE), SC_CLOSE), L"Спрятать \tCtrl+Alt+E");
    DestroyWindow(picker.hwnd());
    const test::HotKeyHolder f9(C | S, VK_F9), e(C | A, 'E');
    EXPECT_TRUE(f9.held && e.held); // a closed window holds nothing
}

} // namespace
} // namespace huex
