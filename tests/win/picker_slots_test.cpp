// The slot controls as the picker window wires them: attached to its controls, each edit paired
// with its copy button and coloured by its slot's pattern, focus and right clicks reaching the
// window's handlers, and the About command.
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "win/Text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace huex {
namespace {

class PickerSlots : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        picker.finishStartup();
    }
    HWND item(int id) const { return GetDlgItem(picker.hwnd(), id); }
    ColorPickerDialog picker;
};

TEST_F(PickerSlots, ControlsAttachedAndEachCopyButtonOverItsEditsStrip) {
    const std::pair<int, win::Control*> bound[] = {
        {IDC_EDIT1, &picker.edit1},   {IDC_EDIT2, &picker.edit2},       {IDC_CHECK1, &picker.check1},
        {IDC_CHECK2, &picker.check2}, {IDC_COPY1, &picker.copyButton1}, {IDC_COPY2, &picker.copyButton2},
    };
    for (const auto& [id, control] : bound) EXPECT_EQ(win::Control::fromWindow(item(id)), control) << id;
    for (auto [edit, button] : {std::pair{IDC_EDIT1, IDC_COPY1}, {IDC_EDIT2, IDC_COPY2}}) {
        RECT client{}, strip{};
        GetClientRect(item(edit), &client);
        MapWindowPoints(item(edit), picker.hwnd(), reinterpret_cast<POINT*>(&client), 2);
        GetWindowRect(item(button), &strip);
        MapWindowPoints(nullptr, picker.hwnd(), reinterpret_cast<POINT*>(&strip), 2);
        EXPECT_EQ(strip.left, client.right) << edit;
        EXPECT_EQ(strip.right, client.right + 23) << edit;
        EXPECT_EQ(strip.top, client.top) << edit;
        EXPECT_EQ(strip.bottom, client.bottom) << edit;
        EXPECT_EQ(test::windowTextOf(item(button)), L"2");
    }
}

TEST_F(PickerSlots, CopyButtonsCopyTheirOwnSlotsText) {
    for (auto [edit, button] : {std::pair{IDC_EDIT1, IDC_COPY1}, {IDC_EDIT2, IDC_COPY2}}) {
        SendMessageW(item(button), BM_CLICK, 0, 0);
        EXPECT_EQ(test::clipboardText(), test::windowTextOf(item(edit))) << button;
        EXPECT_EQ(GetFocus(), item(edit));
    }
}

TEST_F(PickerSlots, EditTextColourFollowsTheSlotsPatternAcrossAListReplacement) {
    HWND edit = item(IDC_EDIT2); // pattern 1, "HSB(360, 100, 100)"
    EXPECT_EQ(test::windowTextOf(edit), L"HSB(0, 0, 0)");
    EXPECT_EQ(test::editTextColour(picker.hwnd(), edit), XEdit::parsedText);
    SetWindowTextW(edit, L"HSB(0, 0");
    EXPECT_EQ(test::editTextColour(picker.hwnd(), edit), XEdit::unparsedText);
    SetWindowTextW(edit, L"HSB(0, 0, 0)");
    // The list is replaced by a shorter one: the slot's entry is gone and the text reads as red.
    picker.state.patterns.resize(1);
    EXPECT_EQ(test::editTextColour(picker.hwnd(), edit), XEdit::unparsedText);
    // Setting the caption points the edit at the slot's pattern again (clamped into the list).
    picker.state.patterns = builtInPatterns();
    picker.setSlotCaption(2);
    EXPECT_EQ(test::editTextColour(picker.hwnd(), edit), XEdit::parsedText);
    picker.state.pattern2 = 0;
    picker.setSlotCaption(2);
    EXPECT_EQ(test::editTextColour(picker.hwnd(), edit), XEdit::unparsedText); // "HSB(...)" is not RRGGBB
}

// Slot 1 on "RRGGBB", slot 2 on HSB: what typing a text does to the colour, the text's colour, the
// other slot and, on leaving, the typed text itself.
TEST_F(PickerSlots, CssTextTheSlotsPatternCantReadIsTakenAndRewrittenOnLeaving) {
    HWND edit1 = item(IDC_EDIT1), edit2 = item(IDC_EDIT2);
    const struct {
        const wchar_t* typed;
        COLORREF color, textColour;
        const wchar_t* slot2;
        const wchar_t* slot1AfterLeaving;
    } cases[] = {
        {L"rgb(255 0 0)", RGB(255, 0, 0), XEdit::parsedText, L"HSB(0, 100, 100)", L"FF0000"},
        {L"hwb(120 0% 50%)", RGB(0, 128, 0), XEdit::parsedText, L"HSB(120, 100, 50)", L"008000"},
        {L"00ff00", RGB(0, 255, 0), XEdit::parsedText, L"HSB(120, 100, 100)", L"00ff00"}, // its own: kept
        {L"oklch(62.8%", RGB(0, 255, 0), XEdit::unparsedText, L"HSB(120, 100, 100)", L"oklch(62.8%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(win::narrow(c.typed));
        SetFocus(edit1);
        SetWindowTextW(edit1, c.typed); // the edit notifies the change as typing does
        EXPECT_EQ(rgbToColorref(picker.state.currentColor), c.color);
        EXPECT_EQ(test::editTextColour(picker.hwnd(), edit1), c.textColour);
        ASSERT_TRUE(test::pumpUntil([&] { return !picker.colorTextsStale(); }));
        EXPECT_EQ(test::windowTextOf(edit2), c.slot2);
        EXPECT_EQ(test::windowTextOf(edit1), c.typed); // left as typed while it is typed into
        SetFocus(edit2);
        EXPECT_EQ(test::windowTextOf(edit1), c.slot1AfterLeaving);
    }
}

TEST_F(PickerSlots, FocusInASlotEditMakesTheViewAndPalettePassive) {
    picker.state.zoomActive = 1;
    picker.state.paletteActive = 1;
    SetFocus(item(IDC_EDIT1));
    EXPECT_EQ(picker.state.zoomActive, 0);
    EXPECT_EQ(picker.state.paletteActive, 0);
}

TEST_F(PickerSlots, SlotEditsRefuseDrops) {
    for (XEdit* edit : {&picker.edit1, &picker.edit2}) {
        EXPECT_EQ(edit->EnableDragDrop(ColorTextEdit::dragOut), 0); // the window registered them already
        EXPECT_EQ(edit->dropEffectOffered(), static_cast<DWORD>(DROPEFFECT_NONE));
    }
}

HMENU gShownMenu = nullptr;

// While a popup menu is tracking: note which menu it shows and close it.
void CALLBACK closeTrackedMenu(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND popup = FindWindowW(L"#32768", nullptr); popup && IsWindowVisible(popup)) {
        KillTimer(nullptr, id);
        gShownMenu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
        EndMenu();
    }
}

TEST_F(PickerSlots, CheckBoxRightClickOpensThePatternMenuForItsSlot) {
    ASSERT_NE(picker.patternMenu(), nullptr);
    for (int slot : {2, 1}) {
        gShownMenu = nullptr;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &closeTrackedMenu);
        SendMessageW(item(slot == 1 ? IDC_CHECK1 : IDC_CHECK2), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
        KillTimer(nullptr, timer);
        EXPECT_EQ(gShownMenu, picker.patternMenu()) << slot;
        EXPECT_EQ(picker.state.patternMenuSlot, slot);
    }
}

HWND gAboutOwner = nullptr;
bool gAboutTopmost = false;

TEST_F(PickerSlots, AboutCommandShowsTheAboutBoxModally) {
    gAboutOwner = nullptr;
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = FindWindowW(nullptr, L"О программе — HUEX v1.5.5");
        if (!box) return;
        KillTimer(nullptr, id);
        gAboutOwner = GetWindow(box, GW_OWNER);
        gAboutTopmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(picker.hwnd(), WM_COMMAND, ID_ABOUT, 0);
    EXPECT_EQ(gAboutOwner, picker.hwnd());
    EXPECT_TRUE(gAboutTopmost);
    EXPECT_TRUE(IsWindowEnabled(picker.hwnd()));
    EXPECT_EQ(FindWindowW(nullptr, L"О программе — HUEX v1.5.5"), nullptr);
}

} // namespace
} // namespace huex
