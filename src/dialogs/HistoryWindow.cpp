#include "dialogs/HistoryWindow.h"

#include "geometry/Scale.h"
#include "pattern/Formatter.h"
#include "resource.h"
#include "win/Clipboard.h"
#include "win/Fonts.h"
#include "win/Text.h"

#include <windowsx.h>

#include <algorithm>

namespace huex {

namespace {

constexpr const wchar_t* kClassName = L"HUEXHistory";
constexpr const wchar_t* kFace = L"MS Shell Dlg 2";
constexpr std::string_view kPinnedMark = "\tзакреплён";
constexpr SIZE kClientSize{240, 320};
constexpr int kMargin = 8, kRowHeight = 20, kSwatchWidth = 32, kPinWidth = 16;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | WS_BORDER |
                             LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                             LBS_DISABLENOSCROLL;

COLORREF colorref(ColorRef c) {
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

void fill(HDC dc, const RECT& r, COLORREF color) {
    const win::UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.get());
}

// A drawing pin: a round head over a short needle, in the row's text colour.
void drawPin(HDC dc, const RECT& box, COLORREF color, const Scale& scale) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const int head = scale(3);
    const win::UniquePen pen(CreatePen(PS_SOLID, scale.line(1), color));
    const win::UniqueBrush brush(CreateSolidBrush(color));
    const win::SelectGuard usePen(dc, pen.get()), useBrush(dc, brush.get());
    Ellipse(dc, cx - head, cy - head - scale(2), cx + head + 1, cy + head - scale(2) + 1);
    MoveToEx(dc, cx, cy, nullptr);
    LineTo(dc, cx, cy + scale(6));
}

} // namespace

std::string historyRowText(const ColorPattern& pattern, const HistoryEntry& entry) {
    const RgbColor rgb = colorrefToRgb(entry.color);
    std::string text = formatColor(pattern, rgb, rgbToHsb(rgb));
    if (entry.pinned) text += kPinnedMark;
    return text;
}

HistoryWindow::HistoryWindow() : ToolWindow(kClientSize), pattern_(builtInPatterns().front()) {}

void HistoryWindow::open(HWND owner) {
    if (!openWindow(owner, kClassName, L"История цветов")) return;
    createList();
    fillList();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

void HistoryWindow::createList() {
    HWND list = CreateWindowExW(0, L"ListBox", L"", kListStyle, 0, 0, 0, 0, hwnd(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_HISTORY_LIST)),
                                GetModuleHandleW(nullptr), nullptr);
    list_.attach(list);
    // The rows are drawn here with this font; the list itself is given none (Wine keeps a block
    // for every font a control is sent).
    font_.reset(win::createPointFont(90, kFace, dpi_));
    layOut();
}

void HistoryWindow::layOut() {
    const Scale scale{dpi_};
    HWND list = item(IDC_HISTORY_LIST);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, scale(kRowHeight));
    MoveWindow(list, scale(kMargin), scale(kMargin), scale(kClientSize.cx - 2 * kMargin),
               scale(kClientSize.cy - 2 * kMargin), TRUE);
}

std::wstring HistoryWindow::rowText(const HistoryEntry& e) const {
    return win::widen(historyRowText(pattern_, e));
}

// All rows at once, drawn once at the end.
void HistoryWindow::fillList() {
    HWND list = item(IDC_HISTORY_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_INITSTORAGE, history_.entries().size(), history_.entries().size() * 32);
    for (const HistoryEntry& e : history_.entries())
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rowText(e).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void HistoryWindow::apply(const RowEdits& edits) {
    if (edits.empty()) return;
    if (HWND list = item(IDC_HISTORY_LIST)) {
        // The scroll bar is set once for all the edits, not once for each: under Wine each time
        // cost more than drawing every row.
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        for (const RowEdit& edit : edits) {
            if (edit.insert)
                SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(edit.row),
                             reinterpret_cast<LPARAM>(rowText(edit.entry).c_str()));
            else
                SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(edit.row), 0);
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    if (hooks_.changed) hooks_.changed();
}

void HistoryWindow::add(ColorRef color) {
    const RowEdits edits = history_.add(color);
    apply(edits);
    // The row of the colour just taken is the chosen one, as if it had been clicked.
    if (HWND list = item(IDC_HISTORY_LIST)) {
        const auto& entries = history_.entries();
        for (std::size_t row = 0; row < entries.size(); ++row) {
            if (entries[row].color != (color & 0xFFFFFF)) continue;
            if (SendMessageW(list, LB_GETCURSEL, 0, 0) != static_cast<LRESULT>(row))
                SendMessageW(list, LB_SETCURSEL, row, 0);
            break;
        }
    }
}

void HistoryWindow::setPattern(const ColorPattern& pattern) {
    pattern_ = pattern;
    rerenderRows();
}

// Only the rows whose text changed are replaced; the selection stays.
void HistoryWindow::rerenderRows() {
    HWND list = item(IDC_HISTORY_LIST);
    if (!list) return;
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const auto& entries = history_.entries();
    std::wstring shown;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const std::wstring text = rowText(entries[row]);
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
        shown.assign(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
        SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(shown.data()));
        if (shown == text) continue;
        SendMessageW(list, LB_DELETESTRING, row, 0);
        SendMessageW(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (selected >= 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int HistoryWindow::selectedRow() const {
    const LRESULT row = SendMessageW(item(IDC_HISTORY_LIST), LB_GETCURSEL, 0, 0);
    return row >= 0 && row < static_cast<LRESULT>(history_.entries().size()) ? static_cast<int>(row) : -1;
}

void HistoryWindow::choose(int row) {
    if (row < 0 || row >= static_cast<int>(history_.entries().size()) || !hooks_.choose) return;
    hooks_.choose(history_.entries()[static_cast<std::size_t>(row)].color);
}

void HistoryWindow::copyRow(int row) {
    if (row < 0 || row >= static_cast<int>(history_.entries().size())) return;
    HistoryEntry e = history_.entries()[static_cast<std::size_t>(row)];
    e.pinned = false; // the text without the pin mark
    win::setClipboardText(hwnd(), rowText(e));
}

void HistoryWindow::runCommand(int id) {
    const int row = selectedRow();
    const auto& entries = history_.entries();
    switch (id) {
    case ID_HISTORY_COPY:
        copyRow(row);
        break;
    case ID_HISTORY_PIN:
        apply(history_.togglePin(row));
        break;
    case ID_HISTORY_TO_PALETTE:
        if (row >= 0 && hooks_.toPalette) hooks_.toPalette(entries[static_cast<std::size_t>(row)].color);
        break;
    case ID_HISTORY_DELETE: {
        apply(history_.remove(row));
        const int count = static_cast<int>(history_.entries().size());
        // The next row takes the place of the deleted one, so Delete can be pressed again.
        if (row >= 0 && count > 0)
            SendMessageW(item(IDC_HISTORY_LIST), LB_SETCURSEL, static_cast<WPARAM>(std::min(row, count - 1)),
                         0);
        break;
    }
    case ID_HISTORY_CLEAR:
        apply(history_.clearUnpinned());
        break;
    case ID_HISTORY_EXPORT: {
        if (entries.empty() || !hooks_.saveAsPalette) break;
        std::vector<ColorRef> colors;
        colors.reserve(entries.size());
        for (const HistoryEntry& e : entries) colors.push_back(e.color);
        hooks_.saveAsPalette(hwnd(), colors);
        break;
    }
    default:
        break;
    }
}

// The row menu at `at` (screen), for `row` (-1: no row, only the commands on the whole history).
void HistoryWindow::openMenu(POINT at, int row) {
    const win::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    const bool onRow = row >= 0;
    const bool pinned = onRow && history_.entries()[static_cast<std::size_t>(row)].pinned;
    const auto rowItem = [&](int id, const wchar_t* text, bool enabled) {
        AppendMenuW(menu.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(id),
                    text);
    };
    rowItem(ID_HISTORY_COPY, L"Копировать", onRow);
    rowItem(ID_HISTORY_PIN, pinned ? L"Открепить" : L"Закрепить", onRow && (pinned || history_.canPin()));
    rowItem(ID_HISTORY_TO_PALETTE, L"В палитру", onRow);
    rowItem(ID_HISTORY_DELETE, L"Удалить", onRow);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    const bool anyUnpinned = static_cast<int>(history_.entries().size()) > history_.pinnedCount();
    rowItem(ID_HISTORY_CLEAR, L"Очистить историю", anyUnpinned);
    rowItem(ID_HISTORY_EXPORT, L"Сохранить как палитру…", !history_.entries().empty());
    const UINT command =
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    if (command != 0) runCommand(static_cast<int>(command));
}

// Swatch, text and pin mark, drawn off the screen and put on it in one copy, so that a row never
// shows half drawn.
void HistoryWindow::drawRow(const DRAWITEMSTRUCT& drawn) {
    const RECT& r = drawn.rcItem;
    if (drawn.itemID == static_cast<UINT>(-1) || drawn.itemID >= history_.entries().size()) {
        if (drawn.itemState & ODS_FOCUS) DrawFocusRect(drawn.hDC, &r);
        return;
    }
    const HistoryEntry& entry = history_.entries()[drawn.itemID];
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (!rowDc_ || !rowBitmap_ || rowSize_.cx != width || rowSize_.cy != height) {
        rowDc_.reset(CreateCompatibleDC(drawn.hDC));
        rowBitmap_.reset(CreateCompatibleBitmap(drawn.hDC, width, height));
        rowSize_ = {width, height};
    }
    if (!rowDc_ || !rowBitmap_) return;
    HDC dc = rowDc_.get();
    const win::SelectGuard useBitmap(dc, rowBitmap_.get());
    const bool selected = (drawn.itemState & ODS_SELECTED) != 0;
    const COLORREF textColor = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const RECT row{0, 0, width, height};
    FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const Scale scale{dpi_};
    RECT swatch{scale(4), scale(3), scale(4 + kSwatchWidth), height - scale(3)};
    fill(dc, swatch, textColor);
    InflateRect(&swatch, -scale.line(1), -scale.line(1));
    fill(dc, swatch, colorref(entry.color));
    RECT text{scale(4 + kSwatchWidth + 6), 0, width - scale(kPinWidth + 2), height};
    HistoryEntry plain = entry;
    plain.pinned = false;
    const std::wstring label = rowText(plain);
    const win::SelectGuard useFont(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (entry.pinned) drawPin(dc, {width - scale(kPinWidth), 0, width, height}, textColor, scale);
    if (drawn.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
    BitBlt(drawn.hDC, r.left, r.top, width, height, dc, 0, 0, SRCCOPY);
}

bool HistoryWindow::preTranslateOwn(MSG& msg) {
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool menuKey = msg.wParam == VK_APPS || (msg.wParam == VK_F10 && shift);
    // The menu opens as the key goes down; its release would ask for it a second time.
    if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) return menuKey;
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    const int row = selectedRow();
    switch (msg.wParam) {
    case VK_RETURN:
        copyRow(row);
        return true;
    case VK_DELETE:
        runCommand(ID_HISTORY_DELETE);
        return true;
    case VK_APPS:
    case VK_F10: {
        if (!menuKey) return false;
        RECT place{};
        HWND list = item(IDC_HISTORY_LIST);
        if (row < 0 || SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place)) == LB_ERR)
            GetClientRect(list, &place);
        POINT at{place.left + Scale{dpi_}(kSwatchWidth), place.bottom};
        ClientToScreen(list, &at);
        openMenu(at, row);
        return true;
    }
    default:
        return false;
    }
}

bool HistoryWindow::List::onMessage(win::Message& m) {
    switch (m.id) {
    case WM_ERASEBKGND: { // only below the last row: each row paints all of itself
        RECT client{};
        GetClientRect(hwnd(), &client);
        const LRESULT count = SendMessageW(hwnd(), LB_GETCOUNT, 0, 0);
        RECT last{};
        if (count > 0 &&
            SendMessageW(hwnd(), LB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last)) != LB_ERR)
            client.top = std::max(client.top, last.bottom);
        if (client.top < client.bottom)
            FillRect(reinterpret_cast<HDC>(m.wParam), &client, GetSysColorBrush(COLOR_WINDOW));
        m.result = 1;
        return true;
    }
    case WM_LBUTTONDOWN: {
        // A click on the selected row sends no selection change, yet chooses it again.
        const LRESULT before = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
        m.result = callDefault(m);
        const LRESULT after = SendMessageW(hwnd(), LB_GETCURSEL, 0, 0);
        const LRESULT hit = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, m.lParam);
        if (after >= 0 && after == before && HIWORD(hit) == 0 && LOWORD(hit) == after)
            owner_.choose(static_cast<int>(after));
        return true;
    }
    default:
        return false;
    }
}

bool HistoryWindow::onMessage(win::Message& m) {
    if (onToolMessage(m)) return true;
    switch (m.id) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam)->itemHeight =
            static_cast<UINT>(Scale{dpi_}(kRowHeight));
        m.result = TRUE;
        return true;
    case WM_DRAWITEM:
        drawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
        m.result = TRUE;
        return true;
    case WM_COMMAND:
        if (LOWORD(m.wParam) == IDC_HISTORY_LIST) {
            if (HIWORD(m.wParam) == LBN_SELCHANGE) choose(selectedRow());
            if (HIWORD(m.wParam) == LBN_DBLCLK) copyRow(selectedRow());
        } else if (LOWORD(m.wParam) == IDCANCEL) {
            close();
        } else {
            runCommand(LOWORD(m.wParam));
        }
        return true;
    case WM_CONTEXTMENU: {
        HWND list = item(IDC_HISTORY_LIST);
        if (reinterpret_cast<HWND>(m.wParam) != list) return false;
        POINT at{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (at.x == -1 && at.y == -1) { // from the keyboard
            MSG key{list, WM_KEYDOWN, VK_APPS, 0, 0, {}};
            preTranslateOwn(key);
            return true;
        }
        POINT inList = at;
        ScreenToClient(list, &inList);
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(inList.x, inList.y));
        int row = -1;
        if (HIWORD(hit) == 0) { // the menu is for the row under the pointer, which shows selected
            row = LOWORD(hit);
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        }
        openMenu(at, row);
        return true;
    }
    case WM_ACTIVATE: // keys reach the list only when it has the focus
        if (LOWORD(m.wParam) != WA_INACTIVE && !IsChild(hwnd(), GetFocus())) SetFocus(item(IDC_HISTORY_LIST));
        return true;
    case WM_DPICHANGED:
        dpi_ = HIWORD(m.wParam);
        font_.reset(win::createPointFont(90, kFace, dpi_));
        layOut();
        moveForDpi(dpi_, *reinterpret_cast<const RECT*>(m.lParam));
        return true;
    case WM_DESTROY:
        rememberPlace();
        list_.detach();
        return false;
    case WM_NCDESTROY: // the list is gone: what drew its rows goes with it
        font_.reset();
        rowDc_.reset();
        rowBitmap_.reset();
        return false;
    default:
        return false;
    }
}

void HistoryWindow::restore(const HistorySettings& settings) {
    history_ = settings.history;
    restorePlace(settings.posX, settings.posY, settings.open);
    if (hwnd()) fillList();
}

HistorySettings HistoryWindow::settings() const {
    HistorySettings s;
    s.history = history_;
    const POINT at = place();
    s.posX = at.x;
    s.posY = at.y;
    s.open = wasOpen();
    return s;
}

} // namespace huex
