// The picker window driven through its messages: clicks, drags, menus and typed text, as the
// mouse and the edits deliver them.
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "picker/PointerRegions.h"
#include "resource.h"
#include "win/Text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace huex {
namespace {

LPARAM at(Point p) {
    return MAKELPARAM(p.x, p.y);
}

Point centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::wstring slotText(HWND picker, int id) {
    std::array<wchar_t, 128> text{};
    GetDlgItemTextW(picker, id, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// While a popup menu runs, the hook writes down its items and closes it again.
struct MenuProbe {
    HMENU menu = nullptr;
    std::vector<UINT> seen;
    int opened = 0;
};
MenuProbe* gProbe = nullptr;

LRESULT CALLBACK closeMenuWhenIdle(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && gProbe && msg->message == WM_ENTERIDLE && msg->wParam == MSGF_MENU) {
        ++gProbe->opened;
        gProbe->seen.clear();
        for (int i = 0; i < GetMenuItemCount(gProbe->menu); ++i)
            gProbe->seen.push_back(GetMenuItemID(gProbe->menu, i));
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class MenuHook {
  public:
    explicit MenuHook(MenuProbe& probe)
        : hook_(SetWindowsHookExW(WH_CALLWNDPROC, closeMenuWhenIdle, nullptr, GetCurrentThreadId())) {
        gProbe = &probe;
    }
    MenuHook(const MenuHook&) = delete;
    MenuHook& operator=(const MenuHook&) = delete;
    ~MenuHook() {
        gProbe = nullptr;
        UnhookWindowsHookEx(hook_);
    }

  private:
    HHOOK hook_;
};

class PickerMouse : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        window = picker.hwnd();
    }
    void press(UINT down, Point p) { SendMessageW(window, down, 0, at(p)); }
    Point cell(int i) const {
        return centre(paletteCell(picker.state.layout, i, picker.state.palette.count));
    }
    ColorPickerDialog picker;
    HWND window = nullptr;
};

TEST_F(PickerMouse, ReRenderingKeepsTheEditSelection) {
    HWND edit = GetDlgItem(window, IDC_EDIT1);
    SendMessageW(edit, EM_SETSEL, 1, 4);
    picker.state.currentColor = {1, 0.5, 0};
    picker.renderSlotText(1);
    EXPECT_EQ(slotText(window, IDC_EDIT1), L"FF8000");
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
}

TEST_F(PickerMouse, GradientEntriesExistOnlyWhileTheMenuIsOpenOnThreeCells) {
    MenuProbe probe;
    probe.menu = picker.menuPopup(IDM_COLOR);
    const int plain = GetMenuItemCount(probe.menu);
    const MenuHook hook(probe);

    press(WM_LBUTTONDOWN, cell(1)); // cells 1 and 2: no gradients
    SendMessageW(window, WM_LBUTTONUP, 0, at(cell(1)));
    picker.state.palette.selected[2] = true;
    press(WM_RBUTTONDOWN, cell(2));
    ASSERT_EQ(probe.opened, 1) << "the colour menu did not open";
    EXPECT_EQ(static_cast<int>(probe.seen.size()), plain);

    picker.state.palette.selected[3] = true; // three cells: separator and both gradients
    press(WM_RBUTTONDOWN, cell(3));
    ASSERT_EQ(probe.opened, 2);
    ASSERT_EQ(static_cast<int>(probe.seen.size()), plain + 3);
    EXPECT_EQ(probe.seen[2], 0u);
    EXPECT_EQ(probe.seen[3], static_cast<UINT>(ID_GRADIENT_RGB));
    EXPECT_EQ(probe.seen[4], static_cast<UINT>(ID_GRADIENT_HSB));
    EXPECT_EQ(GetMenuItemCount(probe.menu), plain); // and gone once it closed
    EXPECT_EQ(picker.state.colorMenuTarget, 1);
}

TEST_F(PickerMouse, PatternMenuMarksTheSlotsPatternAndChoosingOneRendersTheSlot) {
    MenuProbe probe;
    probe.menu = picker.patternMenu();
    const MenuHook hook(probe);
    picker.state.pattern2 = 3;
    RECT check{};
    GetWindowRect(GetDlgItem(window, IDC_CHECK2), &check);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&check), 2);
    press(WM_RBUTTONDOWN, {check.left + 2, check.top + 2});
    ASSERT_EQ(probe.opened, 1);
    EXPECT_EQ(picker.state.patternMenuSlot, 2);
    EXPECT_TRUE(GetMenuState(probe.menu, 3, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(probe.menu, 0, MF_BYPOSITION) & MF_CHECKED);

    SendMessageW(window, WM_COMMAND, ID_PATTERN_FIRST + 2, 0); // HSL for slot 2
    EXPECT_EQ(picker.state.pattern2, 2);
    EXPECT_EQ(slotText(window, IDC_CHECK2), L"HSL(360, 100, 100)");
    EXPECT_EQ(slotText(window, IDC_EDIT2), L"HSL(0, 0, 0)");
}

TEST_F(PickerMouse, ClickInTheViewPicksAndNamedColoursAndModifiersApply) {
    std::uint32_t* bits = picker.captureImage().bits();
    ASSERT_NE(bits, nullptr);
    for (int i = 0; i < 33 * 33; ++i) bits[i] = 0x102030;
    const Point topLeftBlock{6 + 1, 6 + 1};
    const Point picked = pickedImagePixel([&] {
        MagnifierState s = picker.state.magnifier;
        s.pickOffset = clickedPickOffset(s, topLeftBlock);
        return s;
    }());
    bits[picked.y * 33 + picked.x] = 0xFF8000;
    press(WM_LBUTTONDOWN, topLeftBlock);
    EXPECT_EQ(slotText(window, IDC_EDIT1), L"FF8000");
    EXPECT_EQ(picker.state.zoomActive, 1);
    EXPECT_EQ(GetFocus(), picker.instanceMarker());

    picker.state.colorMenuTarget = 0;
    PostMessageW(window, WM_COMMAND, ID_COLOR_TEAL, 0);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_TRUE(picker.preTranslateMessage(msg)); // posted menu commands are taken before dispatch
    EXPECT_EQ(slotText(window, IDC_EDIT1), L"008080");
    EXPECT_EQ(picker.state.zoomActive, 0);

    CheckDlgButton(window, IDC_CHECK1, BST_CHECKED);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CHECK1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_CHECK1)));
    SendMessageW(window, WM_COMMAND, ID_MOD_INVERSION, 0);
    EXPECT_EQ(slotText(window, IDC_CHECK1), L"RRGGBB  [inversion]");
    EXPECT_EQ(slotText(window, IDC_EDIT1), L"FF7F7F");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(window, IDC_EDIT1), GWL_STYLE) & ES_READONLY);
}

TEST_F(PickerMouse, TypedTextBecomesTheColourAndReRendersTheOtherSlotAFrameLater) {
    HWND edit = GetDlgItem(window, IDC_EDIT1);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    const std::wstring before = slotText(window, IDC_EDIT2);
    SetWindowTextW(edit, L"FF0000");
    EXPECT_EQ(picker.state.currentColor.red, 1.0);
    EXPECT_EQ(slotText(window, IDC_EDIT2), before) << "the keystroke rendered the other slot itself";
    ASSERT_TRUE(test::pumpUntil([&] { return !picker.colorTextsStale(); })) << "no refresh after the key";
    EXPECT_EQ(slotText(window, IDC_EDIT2), L"HSB(0, 100, 100)");
    EXPECT_EQ(slotText(window, IDC_EDIT1), L"FF0000");
    SetWindowTextW(edit, L"FF00"); // not a colour: nothing else changes
    EXPECT_EQ(picker.state.currentColor.red, 1.0);
    EXPECT_TRUE(picker.state.patterns[0].parseFailed);
    EXPECT_EQ(slotText(window, IDC_EDIT2), L"HSB(0, 100, 100)");
}

TEST_F(PickerMouse, TextTypedIntoTheSlotDueForARenderIsKept) {
    HWND edit1 = GetDlgItem(window, IDC_EDIT1), edit2 = GetDlgItem(window, IDC_EDIT2);
    SetFocus(edit1);
    SetWindowTextW(edit1, L"FF0000"); // slot 2 is now due for a render
    SetFocus(edit2);
    // Typed before that render came: half a colour, then a whole one.
    for (const auto& [typed, slot1] :
         {std::pair{L"HSB(120", L"FF0000"}, {L"HSB(120, 100, 100)", L"00FF00"}}) {
        SetWindowTextW(edit2, typed);
        ASSERT_TRUE(test::pumpUntil([&] { return !picker.colorTextsStale(); }));
        EXPECT_EQ(slotText(window, IDC_EDIT2), typed) << "a render replaced the typed text";
        EXPECT_EQ(slotText(window, IDC_EDIT1), slot1);
        SetFocus(edit1);
        SetWindowTextW(edit1, L"FF0000");
        SetFocus(edit2);
    }
}

TEST_F(PickerMouse, DoubleClicksStoreIntoTheSelectionAndTheViewAdvancesIt) {
    picker.state.currentColor = {1, 1, 0};
    press(WM_LBUTTONDBLCLK, centre(picker.state.layout.colorSwatch));
    EXPECT_EQ(picker.state.palette.colors[0].blue, 0.0);
    EXPECT_EQ(picker.state.palette.colors[0].green, 1.0);
    press(WM_LBUTTONDBLCLK, centre(picker.state.layout.zoomRect));
    EXPECT_TRUE(picker.state.palette.selected[1]);
    EXPECT_FALSE(picker.state.palette.selected[0]);
}

TEST_F(PickerMouse, ColourDragFromTheSwatchLandsInACell) {
    picker.state.currentColor = {0.5, 0.5, 0.5};
    press(WM_LBUTTONDOWN, centre(picker.state.layout.colorSwatch));
    EXPECT_EQ(picker.state.dragMode, DragMode::color);
    EXPECT_EQ(GetCapture(), window);
    SendMessageW(window, WM_MOUSEMOVE, 0, at(cell(4)));
    EXPECT_EQ(picker.state.dropHoverCell, 4);
    SendMessageW(window, WM_LBUTTONUP, 0, at(cell(4)));
    EXPECT_EQ(picker.state.palette.colors[4].red, 128.0 / 255);
    EXPECT_EQ(picker.state.dragMode, DragMode::idle);
    EXPECT_NE(GetCapture(), window);
}

TEST_F(PickerMouse, PipetteDragTextsFollowTheLastMoveAFrameLater) {
    press(WM_LBUTTONDOWN, centre(picker.state.layout.pipetteBar));
    ASSERT_TRUE(test::pumpUntil([&] { return !picker.colorTextsStale(); }));
    const std::wstring before = test::windowTextOf(window);
    for (const Point& cursor : {Point{321, 123}, Point{322, 124}}) {
        POINT client{cursor.x, cursor.y};
        ScreenToClient(window, &client);
        SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
        EXPECT_TRUE(picker.colorTextsStale());
        EXPECT_EQ(test::windowTextOf(window), before) << "a move set the caption itself";
    }
    ASSERT_TRUE(test::pumpUntil([&] { return !picker.colorTextsStale(); }))
        << "no refresh after the last move";
    EXPECT_EQ(picker.state.captureCenter, (Point{322, 124}));
    EXPECT_NE(test::windowTextOf(window).find(L"X:322, Y:124"), std::wstring::npos)
        << test::windowTextOf(window);
    // Both slots show the colour the last move sampled: rendering them now changes nothing.
    const std::wstring slot1 = slotText(window, IDC_EDIT1), slot2 = slotText(window, IDC_EDIT2);
    picker.renderSlotTexts();
    EXPECT_EQ(slotText(window, IDC_EDIT1), slot1);
    EXPECT_EQ(slotText(window, IDC_EDIT2), slot2);
    SendMessageW(window, WM_RBUTTONDOWN, 0, 0); // cancel
}

LRESULT CALLBACK countRelays(HWND tip, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR /*subclass*/,
                             DWORD_PTR counter) {
    if (id == TTM_RELAYEVENT) ++*reinterpret_cast<int*>(counter);
    return DefSubclassProc(tip, id, wParam, lParam);
}

// The hover tips hear the mouse from the message loop, and nothing of a drag.
TEST_F(PickerMouse, HoverTipsHearTheMouseOutsideDragsOnly) {
    ASSERT_TRUE(test::pumpUntil([&] { return picker.toolTip() != nullptr; }));
    int relayed = 0;
    SetWindowSubclass(picker.toolTip(), countRelays, 1, reinterpret_cast<DWORD_PTR>(&relayed));
    struct Case {
        const Rect* pressed; // where a drag starts; none for a plain move
        int relays;
    };
    for (const Case& c : {Case{nullptr, 1}, Case{&picker.state.layout.pipetteBar, 0},
                          Case{&picker.state.layout.colorSwatch, 0}}) {
        if (c.pressed) press(WM_LBUTTONDOWN, centre(*c.pressed));
        relayed = 0;
        MSG move{window,
                 WM_MOUSEMOVE,
                 c.pressed ? MK_LBUTTON : 0u,
                 at(centre(picker.state.layout.modifiedSwatch)),
                 0,
                 {}};
        picker.preTranslateMessage(move);
        EXPECT_EQ(relayed, c.relays) << (c.pressed ? c.pressed->left : -1);
        if (c.pressed) press(WM_RBUTTONDOWN, {}); // cancels the drag
    }
    RemoveWindowSubclass(picker.toolTip(), countRelays, 1);
}

TEST_F(PickerMouse, ADragEndsWhenAnotherWindowTakesTheMouse) {
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const Point center = picker.state.captureCenter;
    for (const Rect* start : {&picker.state.layout.pipetteBar, &picker.state.layout.colorSwatch}) {
        press(WM_LBUTTONDOWN, centre(*start));
        ASSERT_NE(picker.state.dragMode, DragMode::idle);
        SetCapture(other);
        EXPECT_EQ(picker.state.dragMode, DragMode::idle);
        EXPECT_EQ(picker.state.captureCenter, center);
        EXPECT_EQ(picker.state.focusOnColor1, 1);
        ReleaseCapture();
    }
    DestroyWindow(other);
}

TEST_F(PickerMouse, LongSessionsOfDragsAndMenusLeaveHandleCountsFlat) {
    MenuProbe probe;
    probe.menu = picker.menuPopup(IDM_COLOR);
    const MenuHook hook(probe);
    auto cycle = [&](int moves, int menus) {
        press(WM_LBUTTONDOWN, centre(picker.state.layout.pipetteBar));
        for (int i = 0; i < moves; ++i) SendMessageW(window, WM_MOUSEMOVE, 0, at({i % 300, i % 200}));
        SendMessageW(window, WM_RBUTTONDOWN, 0, 0); // cancel
        press(WM_LBUTTONDOWN, centre(picker.state.layout.colorSwatch));
        for (int i = 0; i < moves; ++i) SendMessageW(window, WM_MOUSEMOVE, 0, at({280 - i % 50, i % 120}));
        SendMessageW(window, WM_LBUTTONUP, 0, at({0, 0}));
        picker.state.palette.selected.fill(true);
        for (int i = 0; i < menus; ++i) press(WM_RBUTTONDOWN, cell(i % 7));
    };
    cycle(10, 2); // first use fills the system's caches
    const int gdi = win::liveGdiHandles(), user = win::liveUserHandles();
    const int opened = probe.opened;
    cycle(5000, 1000);
    EXPECT_EQ(probe.opened - opened, 1000);
    EXPECT_EQ(win::liveGdiHandles(), gdi);
    EXPECT_EQ(win::liveUserHandles(), user);
}

} // namespace
} // namespace huex
