// The colour slot's controls on a dialog of their own: the edit's strip and companion, its colours
// by parse state and focus, its focus notification, dragging out and refusing drops; the copy
// button's clipboard text and tooltip; the check box's tooltip and right click.
#include "Rendering.h"
#include "WindowProbes.h"
#include "controls/HUEXCheckBox.h"
#include "controls/TooltipBtn.h"
#include "controls/XEdit.h"
#include "resource.h"
#include "shell/ProcessValues.h"
#include "win/Dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace huex {
namespace {

// The picker's template without the picker: the slot controls and a record of what reaches the
// parent.
class SlotHost : public win::Dialog {
  public:
    SlotHost() : win::Dialog(IDD_PICKER) {}
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    std::vector<std::pair<WPARAM, POINT>> rightClicks;

  protected:
    bool onMessage(win::Message& m) override {
        if (m.id == WM_COMMAND) commands.emplace_back(m.wParam, m.lParam);
        if (m.id == WM_RBUTTONDOWN)
            rightClicks.push_back(
                {m.wParam, {static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))}});
        return false;
    }
};

std::wstring tooltipText(HWND tooltip, HWND tool, UINT_PTR id) {
    std::array<wchar_t, 256> text{};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = tool;
    info.uId = id;
    info.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
    return text.data();
}

RECT rectInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class SlotControls : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(host.create(nullptr), nullptr);
        ASSERT_TRUE(edit.attachDlgItem(host.hwnd(), IDC_EDIT1));
        ASSERT_TRUE(copy.attachDlgItem(host.hwnd(), IDC_COPY1));
        ASSERT_TRUE(check.attachDlgItem(host.hwnd(), IDC_CHECK1));
        edit.setCompanionId(IDC_COPY1);
        copy.setOwnerEdit(edit.hwnd());
        BringWindowToTop(copy.hwnd());
    }
    void moveEdit(int width) { MoveWindow(edit.hwnd(), 40, 30, width, 22, FALSE); }

    std::vector<ColorPattern> patterns = builtInPatterns();
    SlotHost host;
    XEdit edit;
    CopyBtn copy;
    HUEXCheckBox check;
};

TEST_F(SlotControls, ClientEndsBeforeTheStripAndTheCompanionCoversIt) {
    HWND plain = GetDlgItem(host.hwnd(), IDC_EDIT2); // the same kind of edit, without the strip
    for (int width : {60, 131, 240, 500}) {
        moveEdit(width);
        MoveWindow(plain, 40, 80, width, 22, FALSE);
        RECT client{}, plainClient{};
        GetClientRect(edit.hwnd(), &client);
        GetClientRect(plain, &plainClient);
        EXPECT_EQ(client.right, plainClient.right - 23) << width;
        EXPECT_EQ(client.bottom, plainClient.bottom) << width;
        POINT clientOrigin{0, 0};
        MapWindowPoints(edit.hwnd(), host.hwnd(), &clientOrigin, 1);
        const RECT button = rectInParent(copy.hwnd());
        EXPECT_EQ(button.left, clientOrigin.x + client.right) << width;
        EXPECT_EQ(button.right - button.left, 23) << width;
        EXPECT_EQ(button.top, clientOrigin.y) << width;
        EXPECT_EQ(button.bottom - button.top, client.bottom) << width;
    }
}

TEST_F(SlotControls, FixedPitchFont) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(edit.hwnd(), WM_GETFONT, 0, 0));
    LOGFONTW description{};
    ASSERT_NE(GetObjectW(font, sizeof description, &description), 0);
    EXPECT_STREQ(description.lfFaceName, L"Courier New");
    const win::WindowDc screen(nullptr);
    EXPECT_EQ(description.lfHeight, -MulDiv(9, GetDeviceCaps(screen.get(), LOGPIXELSY), 72));
}

// What the edit asks the context to paint with.
struct Colours {
    COLORREF text, background, brush;
};

Colours colourRequest(HWND parent, HWND edit) {
    win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(edit)));
    LOGBRUSH description{};
    GetObjectW(brush, sizeof description, &description);
    return {GetTextColor(dc.get()), GetBkColor(dc.get()), description.lbColor};
}

TEST_F(SlotControls, TextColourFollowsTheParseAndBackgroundTheFocus) {
    const COLORREF window = processValues().windowColor;
    const struct {
        const wchar_t* text;
        int pattern; // -1: none set
        bool focused;
        COLORREF textColour, background;
    } cases[] = {
        {L"FF8000", 0, false, XEdit::parsedText, window},
        {L"FF8000", 0, true, XEdit::parsedText, XEdit::focusBackground},
        {L"FF80", 0, false, XEdit::unparsedText, window},
        {L"FF80zz", 0, true, XEdit::unparsedText, XEdit::focusBackground},
        {L"HSB(30, 100, 100)", 1, false, XEdit::parsedText, window},
        {L"FF8000", 1, false, XEdit::unparsedText, window},
        {L"FF8000", -1, false, XEdit::unparsedText, window},
        {L"FF8000", 17, false, XEdit::unparsedText, window}, // an index the list does not have
    };
    for (const auto& c : cases) {
        edit.setPattern(c.pattern < 0 ? PatternRef() : PatternRef(patterns, c.pattern));
        SetWindowTextW(edit.hwnd(), c.text);
        SetFocus(c.focused ? edit.hwnd() : host.hwnd());
        const Colours colours = colourRequest(host.hwnd(), edit.hwnd());
        EXPECT_EQ(colours.text, c.textColour) << c.text << " pattern " << c.pattern;
        EXPECT_EQ(colours.background, c.background) << c.text << " focused " << c.focused;
        EXPECT_EQ(colours.brush, c.background) << c.text;
    }
}

TEST_F(SlotControls, TextPixelsAreBlueThenRedAsTheTextStopsParsing) {
    edit.setPattern(PatternRef(patterns, 0));
    moveEdit(200);
    auto count = [&](COLORREF colour) {
        const test::ClientImage image(edit.hwnd());
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.at(x, y) == colour;
        return n;
    };
    SetWindowTextW(edit.hwnd(), L"FF8000");
    EXPECT_GT(count(XEdit::parsedText), 10);
    EXPECT_EQ(count(XEdit::unparsedText), 0);
    SetWindowTextW(edit.hwnd(), L"FF800");
    EXPECT_EQ(count(XEdit::parsedText), 0);
    EXPECT_GT(count(XEdit::unparsedText), 10);
}

TEST_F(SlotControls, ReplacingThePatternListNeverLeavesTheEditOnAFreedPattern) {
    edit.setPattern(PatternRef(patterns, 3));
    SetWindowTextW(edit.hwnd(), L"CMY(0, 127, 255)");
    EXPECT_EQ(colourRequest(host.hwnd(), edit.hwnd()).text, XEdit::parsedText);
    patterns.resize(2);
    EXPECT_EQ(colourRequest(host.hwnd(), edit.hwnd()).text, XEdit::unparsedText);
    patterns = builtInPatterns();
    EXPECT_EQ(colourRequest(host.hwnd(), edit.hwnd()).text, XEdit::parsedText);
}

TEST_F(SlotControls, OneBackgroundBrushAliveAcrossRequests) {
    colourRequest(host.hwnd(), edit.hwnd());
    const int live = win::liveGdiHandles();
    for (int i = 0; i < 50; ++i) colourRequest(host.hwnd(), edit.hwnd());
    EXPECT_EQ(win::liveGdiHandles(), live);
}

TEST_F(SlotControls, FocusTellsTheParentWithTheEditsIdAndCodeZero) {
    SetFocus(host.hwnd());
    host.commands.clear();
    SetFocus(edit.hwnd());
    const std::pair<WPARAM, LPARAM> expected{MAKEWPARAM(IDC_EDIT1, 0), 0};
    EXPECT_EQ(std::count(host.commands.begin(), host.commands.end(), expected), 1);
    host.commands.clear();
    SetFocus(host.hwnd()); // leaving tells nobody
    EXPECT_EQ(std::count(host.commands.begin(), host.commands.end(), expected), 0);
}

TEST_F(SlotControls, CopyButtonCopiesTheWholeTextSelectsItAndFocusesTheEdit) {
    EXPECT_EQ(test::windowTextOf(copy.hwnd()), L"2"); // the glyph
    SetWindowTextW(edit.hwnd(), L"HSB(30, 100, 100)");
    SendMessageW(edit.hwnd(), EM_SETSEL, 2, 4);
    SetFocus(host.hwnd());
    SendMessageW(copy.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(test::clipboardText(), L"HSB(30, 100, 100)");
    DWORD start = 0, end = 0;
    SendMessageW(edit.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 17u);
    EXPECT_EQ(GetFocus(), edit.hwnd());
}

TEST_F(SlotControls, ButtonTooltipsFollowTheMouseInAndOut) {
    const struct {
        win::Control* control;
        std::function<HWND()> tooltip;
        const wchar_t* text;
    } cases[] = {
        {&copy, [&] { return copy.tooltip(); }, L"Скопировать"},
        {&check, [&] { return check.tooltip(); }, L"Правый клик для вызова списка шаблонов."},
    };
    for (const auto& c : cases) {
        HWND control = c.control->hwnd();
        EXPECT_EQ(c.tooltip(), nullptr) << "made before the mouse came";
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        HWND tooltip = c.tooltip();
        ASSERT_NE(tooltip, nullptr);
        EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
        EXPECT_EQ(GetCapture(), control) << c.text;
        EXPECT_EQ(tooltipText(tooltip, control, reinterpret_cast<UINT_PTR>(control)), c.text);
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); // still inside
        EXPECT_EQ(GetCapture(), control) << c.text;
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(-4, 3));
        EXPECT_EQ(GetCapture(), nullptr) << c.text;
    }
    EXPECT_FALSE(copy.hovering());
    EXPECT_FALSE(check.hovering());
}

TEST_F(SlotControls, TooltipButtonLosesItsHoverWhenSomethingElseTakesTheCapture) {
    SendMessageW(copy.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(copy.hovering());
    SetCapture(host.hwnd());
    EXPECT_FALSE(copy.hovering());
    ReleaseCapture();
}

TEST_F(SlotControls, CheckBoxRightClickReachesTheParentAtTheConvertedPoint) {
    POINT expected{3, 4};
    MapWindowPoints(check.hwnd(), host.hwnd(), &expected, 1);
    SendMessageW(check.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
    ASSERT_EQ(host.rightClicks.size(), 1u);
    EXPECT_EQ(host.rightClicks[0].first, static_cast<WPARAM>(MK_RBUTTON));
    EXPECT_EQ(host.rightClicks[0].second.x, expected.x);
    EXPECT_EQ(host.rightClicks[0].second.y, expected.y);
    EXPECT_NE(expected.x, 3); // the check box does not sit at the parent's origin
}

} // namespace
} // namespace huex
