// Colour names in the picker window: the colour swatch's tip, a slot on a name pattern, a name
// typed into a slot, and a re-render that never changes the current colour.
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "picker/PointerRegions.h"
#include "resource.h"
#include "win/Text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace huex {
namespace {

class PickerNames : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        picker.finishStartup();
    }
    HWND item(int id) const { return GetDlgItem(picker.hwnd(), id); }
    // Puts slot 1 on a new pattern of that string.
    void slot1On(const char* patternString) {
        picker.state.patterns.emplace_back("names", patternString, std::array<std::string, 9>{});
        picker.state.pattern1 = static_cast<int>(picker.state.patterns.size()) - 1;
        picker.setSlotCaption(1);
        picker.renderSlotText(1);
    }
    std::string text(int id) const { return win::narrow(test::windowTextOf(item(id))); }
    ColorPickerDialog picker;
};

const RgbColor mediumTurquoise = colorrefToRgb(RGB(0x48, 0xD1, 0xCC));

TEST_F(PickerNames, TheColourSwatchTipNamesTheCurrentColour) {
    ASSERT_NE(picker.toolTip(), nullptr);
    picker.state.currentColor = mediumTurquoise;
    const Rect& swatch = picker.state.layout.colorSwatch;
    SendMessageW(picker.hwnd(), WM_MOUSEMOVE, 0,
                 MAKELPARAM((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2));
    std::array<wchar_t, 512> tip{};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = picker.hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(picker.hwnd());
    tool.lpszText = tip.data();
    SendMessageW(picker.toolTip(), TTM_GETTEXTW, tip.size(), reinterpret_cast<LPARAM>(&tool));
    const std::string expected =
        "RGB: 72, 209, 204\nHSB: 178, 66, 82\nбирюзовый · mediumturquoise · Very Light Green";
    EXPECT_EQ(win::narrow(tip.data()).substr(0, expected.size()), expected);
    SendMessageW(picker.hwnd(), WM_RBUTTONDOWN, 0, 0); // ends the hover
}

TEST_F(PickerNames, ASlotOnNamesShowsThemAndANameTypedIntoTheOtherSlotSetsTheColour) {
    picker.state.currentColor = mediumTurquoise;
    slot1On("{ruName} {cssName}");
    EXPECT_EQ(text(IDC_EDIT1), "бирюзовый mediumturquoise");
    // Two names write a text no pattern reads: red, as any text that doesn't read.
    EXPECT_EQ(test::editTextColour(picker.hwnd(), item(IDC_EDIT1)), XEdit::unparsedText);
    const struct {
        const wchar_t* typed;
        COLORREF color;
        const char* slot1;
    } cases[] = {
        {L"Vivid Pink", RGB(0xFF, 0xB5, 0xBA), "бежевый ~lightpink"},
        {L"бирюзовый", RGB(0x2D, 0xE4, 0xC2), "бирюзовый ~turquoise"},
    };
    HWND edit2 = item(IDC_EDIT2);
    for (const auto& c : cases) {
        SCOPED_TRACE(win::narrow(c.typed));
        SetFocus(edit2);
        SetWindowTextW(edit2, c.typed); // the edit notifies the change as typing does
        EXPECT_EQ(rgbToColorref(picker.state.currentColor), c.color);
        EXPECT_EQ(test::editTextColour(picker.hwnd(), edit2), XEdit::parsedText);
        ASSERT_TRUE(test::pumpUntil([&] { return !picker.colorTextsStale(); }));
        EXPECT_EQ(text(IDC_EDIT1), c.slot1);
        EXPECT_EQ(test::windowTextOf(edit2), c.typed); // left as typed while it is typed into
        SetFocus(item(IDC_EDIT1));
        EXPECT_NE(test::windowTextOf(edit2), c.typed); // then written in its own pattern
        EXPECT_EQ(rgbToColorref(picker.state.currentColor), c.color);
    }
}

TEST_F(PickerNames, ReRenderingASlotNeverChangesTheCurrentColour) {
    slot1On("{ruName}");
    HWND edit1 = item(IDC_EDIT1);
    SetFocus(edit1);
    picker.state.currentColor = mediumTurquoise;
    picker.renderSlotText(1); // while the slot has the focus, as after a pick by hot key
    EXPECT_EQ(text(IDC_EDIT1), "бирюзовый");
    // "бирюзовый" reads as #2DE4C2, which is not the colour named.
    EXPECT_EQ(rgbToColorref(picker.state.currentColor), RGB(0x48, 0xD1, 0xCC));
    EXPECT_EQ(test::editTextColour(picker.hwnd(), edit1), XEdit::parsedText);
    // Typing the same name does take its colour.
    SetWindowTextW(edit1, L"бирюзовый ");
    EXPECT_EQ(rgbToColorref(picker.state.currentColor), RGB(0x2D, 0xE4, 0xC2));
}

} // namespace
} // namespace huex
