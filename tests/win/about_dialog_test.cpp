// The About box: its template, the two links (targets, tooltips, font, colours, cursor) and what
// a click does, with the shell replaced by a recorder.
#include "WindowProbes.h"
#include "controls/LinkRules.h"
#include "dialogs/AboutDialog.h"
#include "resource.h"
#include "shell/OpenerRules.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace huex {
namespace {

std::wstring classOf(HWND window) {
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

class About : public ::testing::Test {
  protected:
    void SetUp() override {
        for (CHyperLink* link : {&about.emailLink, &about.webLink}) {
            link->setOpener([this](const std::wstring& target, int show) {
                opened.push_back(target);
                shows.push_back(show);
                return openResult;
            });
            link->setFailureReport([this](HWND, const std::wstring& message) { reports.push_back(message); });
        }
        ASSERT_NE(about.create(nullptr), nullptr);
    }
    COLORREF colourOf(HWND link) {
        const win::WindowDc dc(link);
        SendMessageW(about.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                     reinterpret_cast<LPARAM>(link));
        return GetTextColor(dc.get());
    }
    AboutDialog about;
    std::vector<std::wstring> opened, reports;
    std::vector<int> shows;
    int openResult = 42;
};

TEST_F(About, TemplateCaptionControlsAndTopmostStyle) {
    HWND box = about.hwnd();
    EXPECT_EQ(test::windowTextOf(box), L"О программе — HUEX v1.5.5");
    EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    std::vector<std::pair<int, std::wstring>> children;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.emplace_back(GetDlgCtrlID(child), classOf(child));
    ASSERT_EQ(children.size(), 8u);
    HWND picture = GetWindow(box, GW_CHILD);
    EXPECT_EQ(GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(test::windowTextOf(GetWindow(picture, GW_HWNDNEXT)), L"HUEX — верный помошник дизайнера!");
    EXPECT_EQ(test::windowTextOf(GetDlgItem(box, IDC_ABOUT_EMAIL)), L"huex@example.org");
    EXPECT_EQ(test::windowTextOf(GetDlgItem(box, IDC_ABOUT_WEB)), L"http://example.org/");
    HWND ok = GetDlgItem(box, IDOK);
    EXPECT_EQ(test::windowTextOf(ok), L"OK");
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(About, LinksTargetTheAddressesAndShowThemAsTips) {
    EXPECT_EQ(about.emailLink.url(), L"mailto:huex@example.org");
    EXPECT_EQ(about.webLink.url(), L"http://example.org/");
    for (const CHyperLink* link : {&about.emailLink, &about.webLink}) {
        std::array<wchar_t, 256> tip{};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = link->hwnd();
        tool.uId = 1;
        tool.lpszText = tip.data();
        SendMessageW(link->tooltip(), TTM_GETTEXTW, tip.size(), reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(tip.data()), link->url());
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link->hwnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_TRUE(font.lfUnderline);
    }
}

TEST_F(About, LinkSizedToItsTextAndShowsTheHandCursor) {
    HWND link = about.webLink.hwnd();
    const win::WindowDc dc(link);
    const win::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(link, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32W(dc.get(), L"http://example.org/", 19, &text);
    RECT client{};
    GetClientRect(link, &client);
    EXPECT_EQ(client.right, text.cx);
    EXPECT_EQ(client.bottom, text.cy);
    EXPECT_EQ(SendMessageW(link, WM_NCHITTEST, 0, 0), HTCLIENT);
    EXPECT_EQ(
        SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
        TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(About, ClickOpensOnReleaseAndTheColourFollowsTheState) {
    HWND link = about.emailLink.hwnd();
    EXPECT_EQ(colourOf(link), linkColour);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(opened.empty()); // not on the press
    EXPECT_EQ(GetFocus(), link);
    EXPECT_EQ(colourOf(link), linkActiveColour);
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(opened, std::vector<std::wstring>{L"mailto:huex@example.org"});
    EXPECT_EQ(shows[0], SW_SHOW);
    EXPECT_EQ(colourOf(link), linkActiveColour); // still focused
    SetFocus(GetDlgItem(about.hwnd(), IDOK));
    EXPECT_EQ(colourOf(link), linkVisitedColour);
    SendMessageW(about.webLink.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], L"http://example.org/");
    EXPECT_TRUE(reports.empty());
}

TEST_F(About, FailedOpenReportsTheCodesTextAndLeavesTheLinkUnvisited) {
    for (int code : {2, 4}) {
        openResult = code;
        reports.clear();
        SendMessageW(about.webLink.hwnd(), WM_KEYDOWN, VK_SPACE, 0);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0], openFailureMessage(code));
        EXPECT_FALSE(about.webLink.state().visited);
    }
    EXPECT_EQ(reports[0], L"Can't open link:\n\nUnknown Error (4) occurred.");
}

TEST_F(About, HoverCapturesTheMouseUntilItLeaves) {
    HWND link = about.webLink.hwnd();
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(about.webLink.state().hovering);
    EXPECT_EQ(GetCapture(), link);
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(1, 400));
    EXPECT_FALSE(about.webLink.state().hovering);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(AboutBox, OkEndsTheModalRun) {
    AboutDialog about;
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HWND box = FindWindowW(nullptr, L"О программе — HUEX v1.5.5");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(about.runModal(nullptr), IDOK);
    EXPECT_EQ(about.hwnd(), nullptr);
}

} // namespace
} // namespace huex
