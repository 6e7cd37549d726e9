// The colour history window inside the picker: rows after the picks that add (a paste, Enter in
// a slot) and none after typing; choosing, copying, deleting, pinning and clearing rows; the rows
// following slot 1's pattern; no handle left behind. Restarts and the timed save are shown from
// outside (tests/e2e/history_test.sh).
#include "WindowProbes.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "win/Clipboard.h"
#include "win/Handles.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace huex {
namespace {

std::vector<std::string> rowsOf(HWND list) {
    std::vector<std::string> rows;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(win::narrow(text));
    }
    return rows;
}

using Rows = std::vector<std::string>;

class HistoryInPicker : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(picker.create(nullptr), nullptr);
        SendMessageW(picker.hwnd(), WM_COMMAND, ID_HISTORY, 0);
        window = picker.historyWindow().hwnd();
        ASSERT_NE(window, nullptr);
        list = GetDlgItem(window, IDC_HISTORY_LIST);
        ASSERT_NE(list, nullptr);
    }
    void paste(const wchar_t* text) {
        ASSERT_TRUE(win::setClipboardText(nullptr, text));
        ASSERT_TRUE(picker.pasteColor());
    }
    void select(int row) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    bool key(HWND to, WPARAM virtualKey) {
        MSG msg{to, WM_KEYDOWN, virtualKey, 0, 0, {}};
        return picker.preTranslateMessage(msg);
    }
    [[nodiscard]] Rows rows() const { return rowsOf(list); }
    [[nodiscard]] std::string slot1() const {
        return win::narrow(win::windowText(GetDlgItem(picker.hwnd(), IDC_EDIT1)));
    }
    ColorPickerDialog picker;
    HWND window = nullptr, list = nullptr;
};

TEST_F(HistoryInPicker, RowsFollowTheColoursThatAddAndNothingElse) {
    EXPECT_EQ(win::narrow(win::windowText(window)), "История цветов");
    EXPECT_EQ(GetWindow(window, GW_OWNER), picker.hwnd());
    const auto style = GetWindowLongPtrW(list, GWL_STYLE);
    EXPECT_EQ(style & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL),
              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL);
    paste(L"#112233");
    paste(L"rgb(68, 85, 102)");
    paste(L"#112233"); // a repeat moves up
    EXPECT_EQ(rows(), (Rows{"112233", "445566"}));

    // Typed text alone adds nothing; Enter that stores it does.
    HWND edit = GetDlgItem(picker.hwnd(), IDC_EDIT1);
    SetFocus(edit);
    SetWindowTextW(edit, L"778899");
    EXPECT_EQ(rows(), (Rows{"112233", "445566"}));
    EXPECT_TRUE(key(edit, VK_RETURN));
    EXPECT_EQ(rows(), (Rows{"778899", "112233", "445566"}));
}

TEST_F(HistoryInPicker, ChoosingARowSetsTheSlotsAndAddsNothing) {
    paste(L"#112233");
    paste(L"#445566");
    picker.state.focusOnColor1 = 0;
    select(1);
    EXPECT_EQ(slot1(), "112233");
    EXPECT_EQ(rgbToColorref(picker.state.currentColor), 0x332211U);
    EXPECT_EQ(picker.state.focusOnColor1, 1);
    EXPECT_EQ(rows(), (Rows{"445566", "112233"}));
}

TEST_F(HistoryInPicker, CopyPinDeleteClearAndToPalette) {
    for (const wchar_t* text : {L"#000001", L"#000002", L"#000003", L"#000004"}) paste(text);
    select(2); // 000002
    SendMessageW(window, WM_COMMAND, ID_HISTORY_PIN, 0);
    EXPECT_EQ(rows(), (Rows{"000002\tзакреплён", "000004", "000003", "000001"}));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    EXPECT_TRUE(key(list, VK_RETURN));
    EXPECT_EQ(test::clipboardText(), L"000002") << "copied without the pin mark";

    SendMessageW(list, LB_SETCURSEL, 2, 0);
    EXPECT_TRUE(key(list, VK_DELETE));
    EXPECT_EQ(rows(), (Rows{"000002\tзакреплён", "000004", "000001"}));

    picker.state.palette.selected.fill(false);
    picker.state.palette.selected[3] = true;
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SendMessageW(window, WM_COMMAND, ID_HISTORY_TO_PALETTE, 0);
    EXPECT_EQ(rgbToColorref(picker.state.palette.colors[3]), 0x040000U);

    SendMessageW(window, WM_COMMAND, ID_HISTORY_CLEAR, 0);
    EXPECT_EQ(rows(), (Rows{"000002\tзакреплён"}));
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(window, WM_COMMAND, ID_HISTORY_PIN, 0); // unpinned again
    EXPECT_EQ(rows(), (Rows{"000002"}));
}

TEST_F(HistoryInPicker, RowsFollowSlot1sPattern) {
    paste(L"#FF8000");
    picker.state.patternMenuSlot = 1;
    const std::string before = rows().front();
    SendMessageW(picker.hwnd(), WM_COMMAND, 1034 + 2, 0); // a pattern of the menu
    const std::string after = rows().front();
    EXPECT_NE(after, before);
    EXPECT_EQ(after, slot1());
}

TEST_F(HistoryInPicker, EscapeClosesTheWindowNotTheHistory) {
    paste(L"#123456");
    EXPECT_TRUE(key(list, VK_ESCAPE));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(picker.historyWindow().wasOpen());
    EXPECT_EQ(picker.historyWindow().history().entries().size(), 1U);
}

TEST(HistoryWindow, OpeningDrawingAndClosingLeaksNoHandle) {
    ColorPickerDialog picker;
    ASSERT_NE(picker.create(nullptr), nullptr);
    ASSERT_TRUE(win::setClipboardText(nullptr, L"#123456"));
    ASSERT_TRUE(picker.pasteColor());
    const int gdi = win::liveGdiHandles();
    for (int i = 0; i < 3; ++i) {
        SendMessageW(picker.hwnd(), WM_COMMAND, ID_HISTORY, 0);
        RedrawWindow(picker.historyWindow().hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        SendMessageW(picker.historyWindow().hwnd(), WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(picker.historyWindow().hwnd(), nullptr);
    EXPECT_EQ(win::liveGdiHandles(), gdi);
}

} // namespace
} // namespace huex
