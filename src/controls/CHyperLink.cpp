#include "controls/CHyperLink.h"

#include "controls/HoverTip.h"
#include "shell/LinkOpener.h"
#include "shell/OpenerRules.h"
#include "win/Text.h"

#include <commctrl.h>

namespace huex {

namespace {
std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void showFailure(HWND link, const std::wstring& message) {
    MessageBoxW(GetAncestor(link, GA_ROOT), message.c_str(), L"HUEX", MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

CHyperLink::CHyperLink() : opener_(&openLink), failureReport_(&showFailure) {}

CHyperLink::~CHyperLink() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

void CHyperLink::onAttached() {
    if (url_.empty()) url_ = windowText(hwnd());
    if (windowText(hwnd()).empty()) SetWindowTextW(hwnd(), url_.c_str());
    if (auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0))) {
        LOGFONTW description{};
        GetObjectW(font, sizeof description, &description);
        description.lfUnderline = (options_ & linkUnderline) ? TRUE : FALSE;
        linkFont_.reset(CreateFontIndirectW(&description));
        SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), TRUE);
        sizeToText();
    } else {
        options_ &= ~static_cast<unsigned>(linkSizeToText);
    }
    if (!(options_ & linkNoHandCursor)) handCursor_ = LoadCursorW(nullptr, IDC_HAND);
    if (!tooltip_) {
        tooltip_ = createTooltipWindow(hwnd());
        TTTOOLINFOW tool = tipTool();
        if (tooltip_) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The tip's one tool: the whole client area, showing the target.
TTTOOLINFOW CHyperLink::tipTool() {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uId = 1;
    GetClientRect(hwnd(), &tool.rect);
    tool.lpszText = url_.data();
    return tool;
}

void CHyperLink::SetURL(const std::wstring& url) {
    url_ = url;
    if (!hwnd()) return;
    ShowWindow(hwnd(), SW_HIDE);
    sizeToText();
    updateTip();
    ShowWindow(hwnd(), SW_SHOW);
}

void CHyperLink::updateTip() {
    if (!tooltip_) return;
    TTTOOLINFOW tool = tipTool();
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperLink::sizeToText() {
    if (!(options_ & linkSizeToText) || !linkFont_) return;
    HWND parent = GetParent(hwnd());
    const std::wstring text = windowText(hwnd());
    SIZE extent{};
    {
        const win::WindowDc dc(hwnd());
        const win::SelectGuard font(dc.get(), linkFont_.get());
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const SIZE frame{(window.right - window.left) - client.right,
                     (window.bottom - window.top) - client.bottom};
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE));
    const DWORD alignment = style & SS_TYPEMASK;
    const TextAlignment align = alignment == SS_CENTER  ? TextAlignment::centre
                                : alignment == SS_RIGHT ? TextAlignment::right
                                                        : TextAlignment::left;
    const LinkBox box = sizedToText({window.left, window.top, window.right, window.bottom}, extent.cx,
                                    extent.cy, align, (style & SS_CENTERIMAGE) != 0);
    MoveWindow(hwnd(), box.left, box.top, extent.cx + frame.cx, extent.cy + frame.cy, TRUE);
}

void CHyperLink::repaint() const {
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void CHyperLink::open() {
    const int result = opener_ ? opener_(url_, SW_SHOW) : 0;
    if (result > 32) {
        state_.visited = true;
        repaint();
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    if (failureReport_) failureReport_(hwnd(), openFailureMessage(result));
}

void CHyperLink::hoverStep(LPARAM clientPoint) {
    if (!state_.hovering) {
        state_.hovering = true;
        repaint();
        SetCapture(hwnd());
        return;
    }
    const POINT point{static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (!PtInRect(&client, point)) {
        state_.hovering = false;
        ReleaseCapture();
        repaint();
    }
}

bool CHyperLink::onReflected(win::Message& m) {
    if (m.id != WM_CTLCOLORSTATIC) return false;
    auto dc = reinterpret_cast<HDC>(m.wParam);
    SetTextColor(dc, textColour());
    SetBkMode(dc, TRANSPARENT);
    // The dialog's face: repainting with erasing then leaves no trace of the previous colour.
    m.result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

bool CHyperLink::onMessage(win::Message& m) {
    relayToTooltip(tooltip_, hwnd(), m);
    switch (m.id) {
    case WM_NCHITTEST:
        m.result = HTCLIENT;
        return true;
    case WM_SETCURSOR:
        if (!handCursor_) return false;
        SetCursor(handCursor_);
        m.result = TRUE;
        return true;
    case WM_MOUSEMOVE:
        hoverStep(m.lParam);
        return true;
    case WM_LBUTTONDOWN:
        if (options_ & linkFocusOnClick) SetFocus(hwnd());
        if (options_ & linkOpenOnPress) open();
        state_.active = true;
        return true;
    case WM_LBUTTONUP:
        if (state_.active && !(options_ & linkOpenOnPress)) open();
        return true;
    case WM_SETFOCUS:
        state_.active = true;
        repaint();
        return true;
    case WM_KILLFOCUS:
        state_.hovering = false;
        state_.active = false;
        repaint();
        return true;
    case WM_KEYDOWN:
        if (m.wParam == VK_SPACE) {
            open();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace huex
