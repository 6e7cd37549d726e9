#include "dialogs/PropertyDialog.h"

#include "dialogs/DialogTemplate.h"
#include "dialogs/SettingsChoices.h"
#include "resource.h"
#include "win/Artwork.h"
#include "win/Dpi.h"
#include "win/Fonts.h"
#include "win/Text.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace huex {

namespace {
constexpr std::array<int, 5> zoomRadios{IDC_SET_ZOOM_X15, IDC_SET_ZOOM_X11, IDC_SET_ZOOM_X8, IDC_SET_ZOOM_X5,
                                        IDC_SET_ZOOM_X3};
constexpr std::array<int, 3> sampleRadios{IDC_SET_SAMPLE_1X1, IDC_SET_SAMPLE_3X3, IDC_SET_SAMPLE_5X5};
constexpr std::array<int, 5> modifierRadios{IDC_SET_MOD_WEB, IDC_SET_MOD_GRAY, IDC_SET_MOD_DESATURATION,
                                            IDC_SET_MOD_INVERSION, IDC_SET_MOD_COMPLEMENT};
// Where the magnification radios go in the widened group, in client pixels.
constexpr int zoomRadioLeft = 15, zoomRadioTop = 55, zoomRadioStep = 19;

RECT childRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void placeChild(HWND dialog, int id, const RECT& r) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog opens with every button unchecked: only the marked one is told (each check costs a
// themed button a repaint).
template <std::size_t N> void markRadio(HWND dialog, const std::array<int, N>& group, int index) {
    if (index >= 0 && index < static_cast<int>(N))
        CheckDlgButton(dialog, group[static_cast<std::size_t>(index)], BST_CHECKED);
}

template <std::size_t N> int markedRadioIn(HWND dialog, const std::array<int, N>& group, int before) {
    std::array<bool, N> marked{};
    for (std::size_t i = 0; i < N; ++i) marked[i] = IsDlgButtonChecked(dialog, group[i]) == BST_CHECKED;
    return markedRadio(marked, before);
}

int valueOf(const int* p) {
    return p ? *p : 0;
}

void write(int* p, int value) {
    if (p) *p = value;
}

std::wstring wide(const std::u16string& text) {
    return {text.begin(), text.end()};
}

// The template, read once: the dialog is made from it without the controls of the magnifier and
// colour pages, which are made from the same items when their page is first shown. Each control
// costs the window system about as much to make as to paint, and most openings never leave the
// pattern page.
struct SettingsTemplate {
    std::optional<DialogTemplateView> view;
    std::vector<std::byte> firstPage; // empty when the resource could not be read
};

const SettingsTemplate& settingsTemplate() {
    static const SettingsTemplate read = [] {
        SettingsTemplate t;
        const auto bytes = win::resourceBytes(IDD_SETTINGS, RT_DIALOG);
        t.view = readDialogTemplate(bytes);
        if (!t.view) return t;
        std::vector<int> later;
        for (int page = 1; page < PropertyDialog::pageCount; ++page) {
            const std::vector<int>& ids = PropertyDialog::pageControls(page);
            later.insert(later.end(), ids.begin(), ids.end());
        }
        t.firstPage = templateWithout(bytes, *t.view, later);
        return t;
    }();
    return read;
}
} // namespace

const std::vector<int>& PropertyDialog::pageControls(int page) {
    static const std::array<std::vector<int>, pageCount> pages{
        std::vector<int>{
            IDC_SET_PATTERN_LIST, IDC_SET_EDIT_GROUP,  IDC_SET_RGB_R,         IDC_SET_RGB_G,
            IDC_SET_RGB_B,        IDC_SET_HSB_H,       IDC_SET_HSB_S,         IDC_SET_HSB_B,
            IDC_SET_PATTERN,      IDC_SET_NAME,        IDC_SET_HSL_H,         IDC_SET_HSL_S,
            IDC_SET_HSL_L,        IDC_SET_DELETE,      IDC_SET_ADD,           IDC_SET_RGB_R_LABEL,
            IDC_SET_RGB_G_LABEL,  IDC_SET_RGB_B_LABEL, IDC_SET_HSB_H_LABEL,   IDC_SET_HSB_S_LABEL,
            IDC_SET_HSB_B_LABEL,  IDC_SET_NAME_LABEL,  IDC_SET_PATTERN_LABEL, IDC_SET_HSL_H_LABEL,
            IDC_SET_HSL_S_LABEL,  IDC_SET_HSL_L_LABEL, IDC_SET_LINE1,         IDC_SET_LINE2,
            IDC_SET_UP,           IDC_SET_DOWN,        IDC_SET_MODEL_LABEL,   IDC_SET_MODEL_1,
            IDC_SET_MODEL_2,      IDC_SET_MODEL_3},
        std::vector<int>{IDC_SET_ZOOM_GROUP, IDC_SET_ZOOM_X15, IDC_SET_ZOOM_X11, IDC_SET_ZOOM_X8,
                         IDC_SET_ZOOM_X5, IDC_SET_ZOOM_X3, IDC_SET_SAMPLE_1X1, IDC_SET_SAMPLE_3X3,
                         IDC_SET_SAMPLE_5X5, IDC_SET_ANIMATION, IDC_SET_PIPETTE_GROUP},
        std::vector<int>{IDC_SET_MODIFIER_GROUP, IDC_SET_MOD_WEB, IDC_SET_MOD_GRAY, IDC_SET_MOD_DESATURATION,
                         IDC_SET_MOD_INVERSION, IDC_SET_MOD_COMPLEMENT, IDC_SET_PALETTE_LABEL,
                         IDC_SET_PALETTE_SIZE},
        std::vector<int>{IDC_SET_KEY_REFRESH_LABEL, IDC_SET_KEY_REFRESH, IDC_SET_KEY_REFRESH_TAKEN,
                         IDC_SET_KEY_TOGGLE_LABEL, IDC_SET_KEY_TOGGLE, IDC_SET_KEY_TOGGLE_TAKEN,
                         IDC_SET_KEY_PICK_LABEL, IDC_SET_KEY_PICK, IDC_SET_KEY_PICK_TAKEN,
                         IDC_SET_PICK_COPIES},
    };
    return pages[static_cast<std::size_t>(page >= 0 && page < pageCount ? page : 0)];
}

PropertyDialog::PropertyDialog(std::vector<ColorPattern>& patterns, int builtInCount)
    : win::Dialog(IDD_SETTINGS), patternPage_(patterns, builtInCount) {
    const SettingsTemplate& t = settingsTemplate();
    if (!t.firstPage.empty())
        setTemplateData(t.firstPage.data());
    else
        pageMade_.fill(true); // the whole template, as the resource gives it
}

PropertyDialog::~PropertyDialog() {
    // The window goes first, so that no message reaches members being torn down.
    if (hwnd()) DestroyWindow(hwnd());
}

BOOL PropertyDialog::onInitDialog() {
    HWND self = hwnd();
    upButton.attachDlgItem(self, IDC_SET_UP);
    downButton.attachDlgItem(self, IDC_SET_DOWN);
    tab_.attachDlgItem(self, IDC_SET_TAB);
    tabBackground_.rebuild(tab_.hwnd());
    setUpArrowButtons();

    const std::array<const wchar_t*, pageCount> tabTexts{L"Шаблоны", L"Лупа", L"Цвета", L"Клавиши"};
    for (std::size_t i = 0; i < tabTexts.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(tabTexts[i]);
        SendMessageW(tab_.hwnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }

    layOut();
    patternPage_.open(self, valueOf(color1Pattern), valueOf(color2Pattern));
    for (int page = 1; page < pageCount; ++page) {
        if (!pageMade_[static_cast<std::size_t>(page)]) continue;
        layOutPage(page);
        fillChoices(page);
    }
    showPage(0);
    SetDlgItemTextW(self, IDC_SET_DELETE, L"Удалить");
    SetDlgItemTextW(self, IDC_SET_ADD, L"Добавить");
    return TRUE;
}

void PropertyDialog::setUpArrowButtons() {
    upButton.setTipText(L"Сместить запись наверх");
    downButton.setTipText(L"Сместить запись вниз");
    // Webdings draws "5" and "6" as triangles; without it the dialog font's own triangles serve.
    const bool webdings = win::fontInstalled(L"Webdings");
    if (webdings) {
        arrowFont_.reset(win::createPointFont(100, L"Webdings", win::windowDpi(hwnd())));
        for (const TooltipBtn* button : {&upButton, &downButton})
            SendMessageW(button->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(arrowFont_.get()), TRUE);
    }
    SetWindowTextW(upButton.hwnd(), webdings ? L"5" : L"\u25B2");
    SetWindowTextW(downButton.hwnd(), webdings ? L"6" : L"\u25BC");
}

void PropertyDialog::layOut() {
    HWND self = hwnd();
    // The template scales with its font; the pixel distances here scale with the window's DPI.
    const Scale s = win::windowScale(self);
    const RECT edit = childRect(self, IDC_SET_EDIT_GROUP);
    // The list fills the page above the editing group, leaving a column for the arrow buttons.
    RECT list{};
    GetClientRect(tab_.hwnd(), &list);
    MapWindowPoints(tab_.hwnd(), self, reinterpret_cast<POINT*>(&list), 2);
    list.left += s(8);
    list.top += s(29);
    list.right -= s(19);
    list.bottom -= s(9) + (edit.bottom - edit.top);
    placeChild(self, IDC_SET_PATTERN_LIST, list);
    placeChild(self, IDC_SET_UP, {list.right + s(1), list.top, list.right + s(18), list.top + s(23)});
    placeChild(self, IDC_SET_DOWN,
               {list.right + s(1), list.top + s(25), list.right + s(18), list.top + s(46)});
}

void PropertyDialog::layOutPage(int page) {
    HWND self = hwnd();
    const Scale s = win::windowScale(self);
    const RECT edit = childRect(self, IDC_SET_EDIT_GROUP);
    if (page == keysPage) return; // the template's places serve
    if (page == 2) {
        RECT modes = childRect(self, IDC_SET_MODIFIER_GROUP);
        modes.left = edit.left;
        modes.right = edit.right;
        placeChild(self, IDC_SET_MODIFIER_GROUP, modes);
        return;
    }
    const RECT pipette = childRect(self, IDC_SET_PIPETTE_GROUP);
    RECT zoom = childRect(self, IDC_SET_ZOOM_GROUP);
    zoom.left = edit.left;
    zoom.right = edit.left + (pipette.right - pipette.left);
    placeChild(self, IDC_SET_ZOOM_GROUP, zoom);
    for (std::size_t i = 0; i < zoomRadios.size(); ++i) {
        const RECT r = childRect(self, zoomRadios[i]);
        const int top = s(zoomRadioTop + zoomRadioStep * static_cast<int>(i));
        placeChild(self, zoomRadios[i],
                   {s(zoomRadioLeft), top, s(zoomRadioLeft) + (r.right - r.left), top + (r.bottom - r.top)});
    }
}

void PropertyDialog::makePage(int page) {
    auto& made = pageMade_[static_cast<std::size_t>(page)];
    if (made) return;
    made = true;
    HWND self = hwnd();
    const std::vector<int>& ids = pageControls(page);
    const auto font = static_cast<WPARAM>(SendMessageW(self, WM_GETFONT, 0, 0));
    // As the dialog manager makes them, in the template's order, which is the tab order.
    HWND after = HWND_TOP;
    for (const TemplateItem& item : settingsTemplate().view->items) {
        const int id = static_cast<int>(item.id);
        if (HWND existing = GetDlgItem(self, id)) {
            after = existing;
            continue;
        }
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) continue;
        RECT r{item.x, item.y, item.x + item.cx, item.y + item.cy};
        MapDialogRect(self, &r);
        HWND control = CreateWindowExW(
            item.exStyle | WS_EX_NOPARENTNOTIFY, wide(itemClassName(item.className)).c_str(),
            wide(item.title.text).c_str(), item.style & ~WS_VISIBLE, r.left, r.top, r.right - r.left,
            r.bottom - r.top, self, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
            GetModuleHandleW(nullptr), nullptr);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, font, FALSE);
        SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control;
    }
    layOutPage(page);
    fillChoices(page);
}

void PropertyDialog::fillChoices(int page) {
    HWND self = hwnd();
    if (page == 1) {
        markRadio(self, zoomRadios, valueOf(zoomLevel));
        markRadio(self, sampleRadios, sampleRadioOfSize(valueOf(sampleSize)));
        if (valueOf(animation)) CheckDlgButton(self, IDC_SET_ANIMATION, BST_CHECKED);
        return;
    }
    if (page == keysPage) {
        hotKeyPage_.emplace(hotKeys ? *hotKeys : HotKeySettings{}, heldHotKeys);
        hotKeyPage_->fill(self);
        return;
    }
    markRadio(self, modifierRadios, valueOf(modifier));
    HWND combo = GetDlgItem(self, IDC_SET_PALETTE_SIZE);
    for (std::string_view text : kPaletteSizeTexts)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::widen(text).c_str()));
    // An exact match: the list's own search would take "1" for "10".
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(paletteItemOfCount(valueOf(paletteCount))), 0);
}

void PropertyDialog::showPage(int page) {
    if (page < 0 || page >= pageCount) return;
    makePage(page);
    if (page == keysPage && hotKeyPage_) hotKeyPage_->markTaken(); // another program may have taken one
    for (int p = 0; p < pageCount; ++p) {
        if (p == page || !pageMade_[static_cast<std::size_t>(p)]) continue;
        for (int id : pageControls(p)) ShowWindow(GetDlgItem(hwnd(), id), SW_HIDE);
    }
    for (int id : pageControls(page)) ShowWindow(GetDlgItem(hwnd(), id), SW_SHOW);
}

void PropertyDialog::onOk() {
    HWND self = hwnd();
    write(color1Pattern, patternPage_.slotPattern(1));
    write(color2Pattern, patternPage_.slotPattern(2));
    // A page never shown still holds the values it was given.
    if (pageMade_[1]) {
        write(zoomLevel, markedRadioIn(self, zoomRadios, valueOf(zoomLevel)));
        write(sampleSize, sampleSizeOfRadio(markedRadioIn(self, sampleRadios, -1), valueOf(sampleSize)));
    }
    const bool animated =
        pageMade_[1] ? IsDlgButtonChecked(self, IDC_SET_ANIMATION) == BST_CHECKED : valueOf(animation) != 0;
    const MarqueeValues marquee =
        marqueeAfterChoice(animated, {valueOf(animation), valueOf(period), valueOf(interval)});
    write(animation, marquee.animation);
    write(period, marquee.period);
    write(interval, marquee.interval);
    if (pageMade_[2]) {
        write(modifier, markedRadioIn(self, modifierRadios, valueOf(modifier)));
        const auto item =
            static_cast<int>(SendDlgItemMessageW(self, IDC_SET_PALETTE_SIZE, CB_GETCURSEL, 0, 0));
        write(paletteCount, paletteCountOfItem(item, valueOf(paletteCount)));
    }
    if (hotKeys && hotKeyPage_) *hotKeys = hotKeyPage_->chosen();
    endDialog(IDOK);
}

bool PropertyDialog::onColorRequest(win::Message& m) {
    // Statics, group boxes, radios and check boxes show the page behind them; edits, the list
    // and the combo keep their own opaque background, as typed text must not smear.
    if (m.id != WM_CTLCOLORSTATIC && m.id != WM_CTLCOLORBTN) return false;
    auto* control = reinterpret_cast<HWND>(m.lParam);
    if (!tabBackground_.themed() || control == hwnd()) return false;
    const auto dc = reinterpret_cast<HDC>(m.wParam);
    const LRESULT standard = DefWindowProcW(hwnd(), m.id, m.wParam, m.lParam);
    HBRUSH page = tabBackground_.paintChild(dc, control, tab_.hwnd());
    m.result = page ? reinterpret_cast<LRESULT>(page) : standard;
    return true;
}

bool PropertyDialog::onMessage(win::Message& m) {
    switch (m.id) {
    case WM_COMMAND: {
        const int id = LOWORD(m.wParam);
        if (id == IDOK) {
            onOk();
            return true;
        }
        if (id == IDCANCEL) {
            endDialog(IDCANCEL);
            return true;
        }
        if (hotKeyPage_ && hotKeyPage_->onCommand(id, HIWORD(m.wParam))) return true;
        return patternPage_.onCommand(id, HIWORD(m.wParam));
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
        if (!header || header->idFrom != IDC_SET_TAB || header->code != TCN_SELCHANGE) return false;
        showPage(static_cast<int>(SendMessageW(tab_.hwnd(), TCM_GETCURSEL, 0, 0)));
        m.result = 0;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onColorRequest(m);
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(m.wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        m.result = 1;
        return true;
    }
    case WM_THEMECHANGED:
        tabBackground_.rebuild(tab_.hwnd());
        InvalidateRect(hwnd(), nullptr, TRUE);
        m.result = 1;
        return true;
    case WM_DESTROY:
        tab_.detach();
        return false;
    default:
        return false;
    }
}

bool PropertyDialog::TabControl::onMessage(win::Message& m) {
    if (m.id != WM_SIZE) return false;
    owner_.tabBackground_.rebuild(hwnd());
    m.result = 0;
    return true;
}

} // namespace huex
