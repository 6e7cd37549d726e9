// The settings dialog: its template, pages, layout, themed background, the pattern page driven
// through its controls, and what OK and Cancel write back.
#include "DialogTemplate.h"
#include "WindowProbes.h"
#include "dialogs/PropertyDialog.h"
#include "pattern/ColorModels.h"
#include "resource.h"
#include "win/Dpi.h"
#include "win/Handles.h"
#include "win/Text.h"
#include "win/Window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace huex {
namespace {

std::string textOf(HWND window) {
    return win::narrow(win::windowText(window));
}

// ---- Template --------------------------------------------------------------------------------

struct ControlSpec {
    int id;
    const wchar_t* className;
    const char* text;
    DWORD style; // besides WS_CHILD | WS_VISIBLE
    bool transparent;
    short x, y, cx, cy;
};

constexpr DWORD editStyle = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP;
constexpr DWORD radio = BS_AUTORADIOBUTTON;
constexpr DWORD firstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP;
constexpr DWORD label = SS_LEFT;

const ControlSpec settingsControls[] = {
    {IDC_SET_PATTERN_LIST, L"ListBox", "",
     LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, false, 176, 0, 48, 40},
    {IDC_SET_UP, L"Button", "Up", BS_PUSHBUTTON | WS_TABSTOP, false, 165, 267, 55, 14},
    {IDC_SET_DOWN, L"Button", "Dn", BS_PUSHBUTTON | WS_TABSTOP, false, 223, 267, 55, 14},
    {IDC_SET_EDIT_GROUP, L"Button", "Редактирование шаблона", BS_GROUPBOX, true, 6, 132, 270, 125},
    {IDC_SET_NAME_LABEL, L"Static", "Имя:", label, false, 10, 142, 25, 8},
    {IDC_SET_NAME, L"Edit", "", editStyle, false, 9, 150, 77, 14},
    {IDC_SET_PATTERN_LABEL, L"Static", "Шаблон:", label, false, 93, 142, 37, 8},
    {IDC_SET_PATTERN, L"Edit", "", editStyle, false, 92, 150, 180, 14},
    {IDC_SET_RGB_R_LABEL, L"Static", "rgbR:", label, false, 9, 172, 19, 8},
    {IDC_SET_RGB_R, L"Edit", "", editStyle, false, 29, 169, 62, 12},
    {IDC_SET_RGB_G_LABEL, L"Static", "rgbG:", label, false, 99, 172, 19, 8},
    {IDC_SET_RGB_G, L"Edit", "", editStyle, false, 118, 169, 62, 12},
    {IDC_SET_RGB_B_LABEL, L"Static", "rgbB:", label, false, 192, 172, 19, 8},
    {IDC_SET_RGB_B, L"Edit", "", editStyle, false, 210, 169, 62, 12},
    {IDC_SET_LINE1, L"Static", "", SS_ETCHEDHORZ, true, 8, 184, 267, 1},
    {IDC_SET_HSB_H_LABEL, L"Static", "hsbH:", label, false, 9, 190, 19, 8},
    {IDC_SET_HSB_H, L"Edit", "", editStyle, false, 29, 187, 62, 12},
    {IDC_SET_HSB_S_LABEL, L"Static", "hsbS:", label, false, 99, 190, 19, 8},
    {IDC_SET_HSB_S, L"Edit", "", editStyle, false, 118, 187, 62, 12},
    {IDC_SET_HSB_B_LABEL, L"Static", "hsbB:", label, false, 192, 190, 19, 8},
    {IDC_SET_HSB_B, L"Edit", "", editStyle, false, 210, 187, 62, 12},
    {IDC_SET_LINE2, L"Static", "", SS_ETCHEDHORZ, true, 8, 202, 267, 1},
    {IDC_SET_HSL_H_LABEL, L"Static", "hslH:", label, false, 9, 208, 19, 8},
    {IDC_SET_HSL_H, L"Edit", "", editStyle, false, 29, 205, 62, 12},
    {IDC_SET_HSL_S_LABEL, L"Static", "hslS:", label, false, 99, 208, 19, 8},
    {IDC_SET_HSL_S, L"Edit", "", editStyle, false, 118, 205, 62, 12},
    {IDC_SET_HSL_L_LABEL, L"Static", "hslL:", label, false, 192, 208, 19, 8},
    {IDC_SET_HSL_L, L"Edit", "", editStyle, false, 210, 205, 62, 12},
    {IDC_SET_MODEL_LABEL, L"Static", "", label, false, 9, 226, 45, 8},
    {IDC_SET_MODEL_1, L"Edit", "", editStyle, false, 56, 223, 70, 12},
    {IDC_SET_MODEL_2, L"Edit", "", editStyle, false, 129, 223, 70, 12},
    {IDC_SET_MODEL_3, L"Edit", "", editStyle, false, 202, 223, 70, 12},
    {IDC_SET_DELETE, L"Button", "Удалить", BS_PUSHBUTTON | WS_DISABLED | WS_TABSTOP, false, 9, 241, 55, 13},
    {IDC_SET_ADD, L"Button", "Добавить", BS_PUSHBUTTON | WS_DISABLED | WS_TABSTOP, false, 69, 241, 58, 13},
    {IDC_SET_ZOOM_GROUP, L"Button", "Увеличение", BS_GROUPBOX, false, 144, 23, 160, 75},
    {IDC_SET_ZOOM_X15, L"Button", "x15 — 5x5 пикселей", firstRadio, true, 127, 38, 90, 10},
    {IDC_SET_ZOOM_X11, L"Button", "x11 — 7x7 пикселей", radio, true, 127, 49, 90, 10},
    {IDC_SET_ZOOM_X8, L"Button", "x8 — 9x9 пикселей", radio, true, 127, 60, 90, 10},
    {IDC_SET_ZOOM_X5, L"Button", "x5 — 15x15 пикселей", radio, true, 127, 71, 90, 10},
    {IDC_SET_ZOOM_X3, L"Button", "x3 — 25x25 пикселей", radio, true, 127, 82, 90, 10},
    {IDC_SET_PIPETTE_GROUP, L"Button", "Пипетка. Размер и анимация:", BS_GROUPBOX, false, 6, 105, 160, 70},
    {IDC_SET_SAMPLE_1X1, L"Button", "Точка образа", firstRadio, true, 9, 120, 102, 10},
    {IDC_SET_SAMPLE_3X3, L"Button", "3 x 3", radio, true, 9, 132, 102, 10},
    {IDC_SET_SAMPLE_5X5, L"Button", "5 x 5", radio, true, 9, 144, 102, 10},
    {IDC_SET_ANIMATION, L"Button", "Анимация выделения:", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, true, 9,
     160, 102, 10},
    {IDC_SET_MODIFIER_GROUP, L"Button", "Режим модифицированного цвета", BS_GROUPBOX, false, 6, 23, 109, 80},
    {IDC_SET_MOD_WEB, L"Button", "Ближайший WEB цвет (web)", firstRadio, true, 9, 38, 252, 10},
    {IDC_SET_MOD_GRAY, L"Button", "Усреднённый серый (gray);  Y = (R+G+B)/3", radio, true, 9, 50, 252, 10},
    {IDC_SET_MOD_DESATURATION, L"Button", "Обесцвеченный (desaturation);  Y = (MAX(R,G,B)+MIN(R,G,B))/2",
     radio, true, 9, 62, 252, 10},
    {IDC_SET_MOD_INVERSION, L"Button", "Инвертированный цвет (inversion)", radio, true, 9, 74, 252, 10},
    {IDC_SET_MOD_COMPLEMENT, L"Button", "Дополняющий цвет (complement)", radio, true, 9, 86, 252, 10},
    {IDC_SET_PALETTE_LABEL, L"Static", "Размер палитры:", label | WS_GROUP, false, 8, 105, 135, 8},
    {IDC_SET_PALETTE_SIZE, L"ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, false, 8, 115, 85,
     70},
    {IDC_SET_KEY_REFRESH_LABEL, L"Static", "Обновить снимок:", label, false, 9, 32, 108, 8},
    {IDC_SET_KEY_REFRESH, L"msctls_hotkey32", "", WS_BORDER | WS_TABSTOP, false, 118, 30, 100, 12},
    {IDC_SET_KEY_REFRESH_TAKEN, L"Static", "", label, false, 222, 32, 50, 8},
    {IDC_SET_KEY_TOGGLE_LABEL, L"Static", "Спрятать/показать:", label, false, 9, 50, 108, 8},
    {IDC_SET_KEY_TOGGLE, L"msctls_hotkey32", "", WS_BORDER | WS_TABSTOP, false, 118, 48, 100, 12},
    {IDC_SET_KEY_TOGGLE_TAKEN, L"Static", "", label, false, 222, 50, 50, 8},
    {IDC_SET_KEY_PICK_LABEL, L"Static", "Взять цвет под курсором:", label, false, 9, 68, 108, 8},
    {IDC_SET_KEY_PICK, L"msctls_hotkey32", "", WS_BORDER | WS_TABSTOP, false, 118, 66, 100, 12},
    {IDC_SET_KEY_PICK_TAKEN, L"Static", "", label, false, 222, 68, 50, 8},
    {IDC_SET_PICK_COPIES, L"Button", "Копировать текст цвета 1", BS_AUTOCHECKBOX | WS_TABSTOP, true, 9, 86,
     200, 10},
    {IDOK, L"Button", "OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, false, 165, 267, 55, 14},
    {IDCANCEL, L"Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, false, 223, 267, 55, 14},
    {IDC_SET_TAB, L"SysTabControl32", "", WS_CLIPSIBLINGS | WS_TABSTOP, false, 2, 2, 279, 261},
};

TEST(SettingsDialogResource, TemplateListsEveryControl) {
    const auto t = test::loadDialogTemplate(IDD_SETTINGS);
    ASSERT_TRUE(t) << "dialog 497 missing or not an extended template";
    EXPECT_EQ(t->style, static_cast<DWORD>(DS_SHELLFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_VISIBLE |
                                           WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(t->exStyle, static_cast<DWORD>(WS_EX_TOPMOST));
    EXPECT_EQ(t->cx, 282);
    EXPECT_EQ(t->cy, 283);
    EXPECT_EQ(win::narrow(t->caption), "Настройки — HUEX");
    EXPECT_EQ(win::narrow(t->fontName), "MS Shell Dlg");
    EXPECT_EQ(t->pointSize, 8);
    ASSERT_EQ(t->items.size(), std::size(settingsControls));
    for (std::size_t i = 0; i < t->items.size(); ++i) {
        const test::DialogItem& got = t->items[i];
        const ControlSpec& want = settingsControls[i];
        SCOPED_TRACE("control " + std::to_string(want.id));
        EXPECT_EQ(got.id, static_cast<DWORD>(want.id));
        EXPECT_EQ(CompareStringOrdinal(got.className.c_str(), -1, want.className, -1, TRUE), CSTR_EQUAL)
            << win::narrow(got.className);
        EXPECT_EQ(win::narrow(got.text), want.text);
        EXPECT_EQ(got.style, WS_CHILD | WS_VISIBLE | want.style);
        EXPECT_EQ(got.exStyle, want.transparent ? static_cast<DWORD>(WS_EX_TRANSPARENT) : 0u);
        EXPECT_EQ((std::array<short, 4>{got.x, got.y, got.cx, got.cy}),
                  (std::array<short, 4>{want.x, want.y, want.cx, want.cy}));
    }
}

// ---- The dialog ------------------------------------------------------------------------------

std::optional<bool> themedDesktop() {
    return true;
}
std::optional<bool> plainDesktop() {
    return false;
}
std::optional<bool> noThemeLibrary() {
    return std::nullopt;
}

std::vector<AddOutcome>& refusals() {
    static std::vector<AddOutcome> seen;
    return seen;
}
void recordRefusal(HWND, AddOutcome why) {
    refusals().push_back(why);
}

// The caller's values, with a sentinel for each, and the dialog wired to them.
struct CallerValues {
    int color1 = 4, color2 = 1, zoom = 2, modifier = 3, sample = 3, interval = 350, period = 2, animation = 0,
        palette = 7;
    HotKeySettings hotKeys;
    bool operator==(const CallerValues&) const = default;
};

class SettingsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        refusals().clear();
        patterns = builtInPatterns();
        PatternTexts mine = newPatternTexts();
        mine.name = "rgb()";
        mine.patternString = "rgb({rgbR}, {rgbG}, {rgbB})";
        patterns.emplace_back(mine.name, mine.patternString, mine.formats);
    }
    void open(std::optional<bool> (*probe)() = &plainDesktop) {
        dialog.emplace(patterns, 4);
        dialog->color1Pattern = &values.color1;
        dialog->color2Pattern = &values.color2;
        dialog->zoomLevel = &values.zoom;
        dialog->modifier = &values.modifier;
        dialog->sampleSize = &values.sample;
        dialog->interval = &values.interval;
        dialog->period = &values.period;
        dialog->animation = &values.animation;
        dialog->paletteCount = &values.palette;
        dialog->hotKeys = &values.hotKeys;
        dialog->heldHotKeys = held;
        dialog->tabBackground().setProbe(probe);
        dialog->patternPage().setRefusalBox(&recordRefusal);
        ASSERT_NE(dialog->create(nullptr), nullptr);
    }
    HWND item(int id) const { return GetDlgItem(dialog->hwnd(), id); }
    void command(int id, int code = BN_CLICKED) const {
        SendMessageW(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(item(id)));
    }
    void select(int listItem) const {
        SendMessageW(item(IDC_SET_PATTERN_LIST), LB_SETCURSEL, static_cast<WPARAM>(listItem), 0);
        command(IDC_SET_PATTERN_LIST, LBN_SELCHANGE);
    }
    void switchTab(int page) const {
        SendMessageW(item(IDC_SET_TAB), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
        NMHDR header{item(IDC_SET_TAB), static_cast<UINT_PTR>(IDC_SET_TAB), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(dialog->hwnd(), WM_NOTIFY, IDC_SET_TAB, reinterpret_cast<LPARAM>(&header));
    }
    void type(int edit, const char* text) const {
        SetWindowTextW(item(edit), win::widen(text).c_str()); // the edit notifies EN_CHANGE itself
    }
    std::vector<std::string> listItems() const {
        std::vector<std::string> items;
        HWND list = item(IDC_SET_PATTERN_LIST);
        const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            text.resize(text.size() - 1);
            items.push_back(win::narrow(text));
        }
        return items;
    }
    int selected() const {
        return static_cast<int>(SendMessageW(item(IDC_SET_PATTERN_LIST), LB_GETCURSEL, 0, 0));
    }
    bool readOnly(int edit) const { return (GetWindowLongW(item(edit), GWL_STYLE) & ES_READONLY) != 0; }
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    // Shown as far as the control goes (the dialog itself is never shown here).
    bool shown(int id) const { return (GetWindowLongW(item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::string text(int id) const { return textOf(item(id)); }

    std::vector<ColorPattern> patterns;
    CallerValues values;
    std::array<HotKey, kHotKeyCount> held{};
    std::optional<PropertyDialog> dialog;
};

const std::string separator(kPatternListSeparator);

TEST_F(SettingsDialog, OpensOnThePatternPageWithItsChoicesMarked) {
    open();
    HWND tab = item(IDC_SET_TAB);
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 4);
    const std::array<const char*, 4> names{"Шаблоны", "Лупа", "Цвета", "Клавиши"};
    for (int i = 0; i < 4; ++i) {
        std::array<wchar_t, 64> name{};
        TCITEMW tabItem{};
        tabItem.mask = TCIF_TEXT;
        tabItem.pszText = name.data();
        tabItem.cchTextMax = static_cast<int>(name.size());
        SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tabItem));
        EXPECT_EQ(win::narrow(name.data()), names[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(listItems(),
              (std::vector<std::string>{"RRGGBB", "HSB(360, 100, 100)", "HSL(360, 100, 100)",
                                        "CMY(255, 255, 255)", separator, "rgb()", separator, "Добавить..."}));
    EXPECT_EQ(selected(), LB_ERR);
    EXPECT_FALSE(enabled(IDC_SET_UP));
    EXPECT_FALSE(enabled(IDC_SET_DOWN));
    EXPECT_FALSE(enabled(IDC_SET_DELETE));
    EXPECT_FALSE(enabled(IDC_SET_ADD));
    for (int edit : PatternPage::editIds) EXPECT_TRUE(readOnly(edit)) << edit;

    // The other pages' controls are made when their page is first shown, marked as given.
    for (int page : {1, 2, 3}) {
        for (int id : PropertyDialog::pageControls(page)) EXPECT_EQ(item(id), nullptr) << id;
        switchTab(page);
    }
    EXPECT_EQ(IsDlgButtonChecked(dialog->hwnd(), IDC_SET_ZOOM_X8), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog->hwnd(), IDC_SET_MOD_INVERSION), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog->hwnd(), IDC_SET_SAMPLE_3X3), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog->hwnd(), IDC_SET_ANIMATION), BST_UNCHECKED);
    HWND combo = item(IDC_SET_PALETTE_SIZE);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 6);
    for (int i = 0; i < 6; ++i) {
        std::array<wchar_t, 8> entry{};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry.data()));
        EXPECT_EQ(win::narrow(entry.data()), std::to_string(5 + i));
    }
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    // The arrow buttons carry their tips, and triangles rather than words.
    EXPECT_EQ(win::narrow(dialog->upButton.tipText()), "Сместить запись наверх");
    EXPECT_EQ(win::narrow(dialog->downButton.tipText()), "Сместить запись вниз");
    EXPECT_NE(text(IDC_SET_UP), "Up");
    EXPECT_NE(text(IDC_SET_DOWN), "Dn");
}

TEST_F(SettingsDialog, EachTabShowsItsOwnControlsOnly) {
    open();
    for (int page : {2, 3, 1, 0, 2}) {
        switchTab(page);
        for (int p = 0; p < PropertyDialog::pageCount; ++p) {
            for (int id : PropertyDialog::pageControls(p))
                EXPECT_EQ(shown(id), p == page) << "page " << page << " control " << id;
        }
        for (int id : {IDOK, IDCANCEL, IDC_SET_TAB}) EXPECT_TRUE(shown(id));
    }
    // Controls made later take their place in the template's order, which is the tab order, with
    // the template's class and text.
    const auto t = test::loadDialogTemplate(IDD_SETTINGS);
    ASSERT_TRUE(t);
    HWND child = GetWindow(dialog->hwnd(), GW_CHILD);
    for (const test::DialogItem& want : t->items) {
        ASSERT_NE(child, nullptr) << "no window for control " << want.id;
        EXPECT_EQ(GetDlgCtrlID(child), static_cast<int>(want.id));
        std::array<wchar_t, 64> className{};
        GetClassNameW(child, className.data(), static_cast<int>(className.size()));
        EXPECT_EQ(CompareStringOrdinal(className.data(), -1, want.className.c_str(), -1, TRUE), CSTR_EQUAL)
            << want.id;
        EXPECT_EQ(GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT, want.exStyle & WS_EX_TRANSPARENT);
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

RECT placeIn(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(SettingsDialog, ListAndArrowsFillThePageAboveTheEditingGroup) {
    open();
    HWND self = dialog->hwnd();
    RECT tab{};
    GetClientRect(item(IDC_SET_TAB), &tab);
    MapWindowPoints(item(IDC_SET_TAB), self, reinterpret_cast<POINT*>(&tab), 2);
    const RECT group = placeIn(self, item(IDC_SET_EDIT_GROUP));
    const RECT list = placeIn(self, item(IDC_SET_PATTERN_LIST));
    EXPECT_EQ(list.left, tab.left + 8);
    EXPECT_EQ(list.top, tab.top + 29);
    EXPECT_EQ(list.right, tab.right - 19);
    EXPECT_EQ(list.bottom, tab.bottom - 9 - (group.bottom - group.top));
    const RECT up = placeIn(self, item(IDC_SET_UP)), down = placeIn(self, item(IDC_SET_DOWN));
    EXPECT_EQ(up.left, list.right + 1);
    EXPECT_EQ(up.right, list.right + 18);
    EXPECT_EQ(up.top, list.top);
    EXPECT_EQ(up.bottom, list.top + 23);
    EXPECT_EQ(down.left, up.left);
    EXPECT_EQ(down.top, list.top + 25);
    EXPECT_EQ(down.bottom, list.top + 46);

    switchTab(1);
    switchTab(2);
    const RECT zoom = placeIn(self, item(IDC_SET_ZOOM_GROUP)),
               pipette = placeIn(self, item(IDC_SET_PIPETTE_GROUP));
    EXPECT_EQ(zoom.left, group.left);
    EXPECT_EQ(zoom.right - zoom.left, pipette.right - pipette.left);
    const RECT modes = placeIn(self, item(IDC_SET_MODIFIER_GROUP));
    EXPECT_EQ(modes.left, group.left);
    EXPECT_EQ(modes.right, group.right);
    for (int i = 0; i < 5; ++i) {
        const RECT r = placeIn(self, item(IDC_SET_ZOOM_X15 + i));
        EXPECT_EQ(r.left, 15);
        EXPECT_EQ(r.top, 55 + 19 * i);
    }
}

TEST_F(SettingsDialog, SelectingEachKindOfItemShowsAndEnablesWhatItShould) {
    open();
    select(1); // a built-in pattern: its texts, read-only
    EXPECT_EQ(text(IDC_SET_NAME), "HSB(360, 100, 100)");
    EXPECT_EQ(text(IDC_SET_PATTERN), "HSB({hsbH}, {hsbS}, {hsbB})");
    EXPECT_EQ(text(IDC_SET_HSB_H), "{d|0:360|*.*}");
    EXPECT_EQ(text(IDC_SET_RGB_R), "");
    for (int edit : PatternPage::editIds) EXPECT_TRUE(readOnly(edit));
    EXPECT_FALSE(enabled(IDC_SET_DELETE) || enabled(IDC_SET_ADD) || enabled(IDC_SET_UP) ||
                 enabled(IDC_SET_DOWN));

    select(4); // the separator: cleared, read-only
    for (int edit : PatternPage::editIds) {
        EXPECT_EQ(text(edit), "") << edit;
        EXPECT_TRUE(readOnly(edit));
    }
    EXPECT_FALSE(enabled(IDC_SET_DELETE) || enabled(IDC_SET_ADD));

    select(5); // the user's pattern: writable, deletable, and alone it cannot move
    EXPECT_EQ(text(IDC_SET_NAME), "rgb()");
    EXPECT_EQ(text(IDC_SET_PATTERN), "rgb({rgbR}, {rgbG}, {rgbB})");
    for (int edit : PatternPage::editIds) EXPECT_FALSE(readOnly(edit));
    EXPECT_TRUE(enabled(IDC_SET_DELETE));
    EXPECT_FALSE(enabled(IDC_SET_ADD) || enabled(IDC_SET_UP) || enabled(IDC_SET_DOWN));

    select(7); // the add entry: the new-pattern template, writable
    EXPECT_EQ(text(IDC_SET_NAME), "Новый шаблон");
    EXPECT_EQ(text(IDC_SET_PATTERN), "#{rgbR}{rgbG}{rgbB}");
    EXPECT_EQ(text(IDC_SET_RGB_G), "{X|0:255|2.*}");
    EXPECT_EQ(text(IDC_SET_HSL_H), "{d|0:360|*.*}");
    EXPECT_EQ(text(IDC_SET_HSL_L), "{d|0:100|*.*}");
    for (int edit : PatternPage::editIds) EXPECT_FALSE(readOnly(edit));
    EXPECT_FALSE(enabled(IDC_SET_DELETE));
    EXPECT_TRUE(enabled(IDC_SET_ADD));
    EXPECT_EQ(patterns.size(), 5u); // filling the edits changed no pattern
}

TEST_F(SettingsDialog, AddRefusesKnownAndBlankNamesThenMovesAndDeletes) {
    open();
    select(7);
    type(IDC_SET_NAME, "rgb()");
    command(IDC_SET_ADD);
    type(IDC_SET_NAME, "Добавить...");
    command(IDC_SET_ADD);
    type(IDC_SET_NAME, "  ");
    command(IDC_SET_ADD);
    EXPECT_EQ(refusals(), (std::vector<AddOutcome>{AddOutcome::duplicateName, AddOutcome::duplicateName,
                                                   AddOutcome::blankName}));
    EXPECT_EQ(patterns.size(), 5u);

    type(IDC_SET_NAME, "hsl()");
    type(IDC_SET_PATTERN, "hsl({hslH}, {hslS}%, {hslL}%)");
    command(IDC_SET_ADD);
    ASSERT_EQ(patterns.size(), 6u);
    EXPECT_EQ(patterns[5].name, "hsl()");
    EXPECT_EQ(patterns[5].patternString, "hsl({hslH}, {hslS}%, {hslL}%)");
    EXPECT_TRUE(patterns[5].valid);
    EXPECT_EQ(listItems()[6], "hsl()");
    EXPECT_EQ(selected(), 8); // the add entry again, with a fresh template
    EXPECT_EQ(text(IDC_SET_NAME), "Новый шаблон");

    select(6); // the last user pattern moves up only
    EXPECT_TRUE(enabled(IDC_SET_UP));
    EXPECT_FALSE(enabled(IDC_SET_DOWN));
    command(IDC_SET_UP);
    EXPECT_EQ(patterns[4].name, "hsl()");
    EXPECT_EQ(patterns[5].name, "rgb()");
    EXPECT_EQ(listItems()[5], "hsl()");
    EXPECT_EQ(listItems()[6], "rgb()");
    EXPECT_EQ(selected(), 5);
    EXPECT_EQ(text(IDC_SET_NAME), "hsl()");
    EXPECT_FALSE(enabled(IDC_SET_UP));
    EXPECT_TRUE(enabled(IDC_SET_DOWN));

    select(6);
    command(IDC_SET_DELETE); // the last user pattern: the one above takes the selection
    ASSERT_EQ(patterns.size(), 5u);
    EXPECT_EQ(patterns[4].name, "hsl()");
    EXPECT_EQ(selected(), 5);
    command(IDC_SET_DELETE); // the only one: the add entry with the template
    EXPECT_EQ(patterns.size(), 4u);
    EXPECT_EQ(listItems().size(), 6u);
    EXPECT_EQ(selected(), 5);
    EXPECT_EQ(text(IDC_SET_NAME), "Новый шаблон");
    EXPECT_TRUE(enabled(IDC_SET_ADD));

    select(2); // a built-in can't be deleted even if the button is clicked
    command(IDC_SET_DELETE);
    EXPECT_EQ(patterns.size(), 4u);
}

TEST_F(SettingsDialog, TypingIntoAUserPatternUpdatesItAndItsListItem) {
    open();
    select(5);
    type(IDC_SET_NAME, "rgba()");
    type(IDC_SET_PATTERN, "rgba({rgbR}, {rgbG}, {rgbB}, 1)");
    type(IDC_SET_RGB_R, "{d|0:255|*.*}");
    EXPECT_EQ(patterns[4].name, "rgba()");
    EXPECT_EQ(patterns[4].patternString, "rgba({rgbR}, {rgbG}, {rgbB}, 1)");
    EXPECT_EQ(patterns[4].formats[static_cast<std::size_t>(Component::rgbR)].specText, "{d|0:255|*.*}");
    EXPECT_EQ(listItems()[5], "rgba()");
    EXPECT_EQ(selected(), 5);

    select(0); // typing into a read-only built-in's edits changes nothing
    type(IDC_SET_NAME, "mine");
    EXPECT_EQ(patterns[0].name, "RRGGBB");
}

// Which model and which defaults is the list model's rule; here the row shows and edits them.
TEST_F(SettingsDialog, FourthRowShowsTheModelsFormatsAndEditsThem) {
    open();
    const auto row = [&] {
        return std::vector<std::string>{text(IDC_SET_MODEL_LABEL), text(IDC_SET_MODEL_1),
                                        text(IDC_SET_MODEL_2), text(IDC_SET_MODEL_3)};
    };
    const auto rowReadOnly = [&] { return readOnly(IDC_SET_MODEL_1) && readOnly(IDC_SET_MODEL_3); };
    select(5); // the user's pattern, on RGB only
    EXPECT_EQ(row(), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_TRUE(rowReadOnly());
    type(IDC_SET_PATTERN, "oklch({oklchL}% {oklchC} {oklchH})");
    EXPECT_EQ(row(), (std::vector<std::string>{"OKLCh", "{f|0:100|*.2}", "{f|0:0.4|*.4}", "{f|0:360|*.2}"}));
    EXPECT_FALSE(rowReadOnly());
    type(IDC_SET_MODEL_2, "{f|0:0.4|*.3}");
    EXPECT_EQ(patterns[4].formats[static_cast<std::size_t>(Component::oklchC)].specText, "{f|0:0.4|*.3}");
    select(0); // built in: read-only
    EXPECT_EQ(row()[0], "");
    EXPECT_TRUE(rowReadOnly());

    select(7); // a new pattern: the row names the model as the string is typed; Add fills it
    type(IDC_SET_NAME, "p3");
    type(IDC_SET_PATTERN, "color(display-p3 {p3R} {p3G} {p3B})");
    EXPECT_EQ(row(), (std::vector<std::string>{"Display P3", "", "", ""}));
    EXPECT_FALSE(rowReadOnly());
    command(IDC_SET_ADD);
    ASSERT_EQ(patterns.size(), 6u);
    EXPECT_EQ(patterns[5].formats[static_cast<std::size_t>(Component::p3G)].specText, "{f|0:1|*.4}");
}

// The pattern page as the dialog manager lays the template out for the dialog font at each DPI:
// the fourth row and the buttons below it overlap no other control, everything lies in the
// editing group, and the row's label holds every model name.
// The template's controls placed as the dialog manager places them with its font at a DPI.
class TemplateAtDpi {
  public:
    TemplateAtDpi(const test::DialogTemplate& t, LOGFONTW font, int dpi) : t_(t) {
        font.lfHeight = -MulDiv(t.pointSize, dpi, 72);
        font_.reset(CreateFontIndirectW(&font));
        select_.emplace(dc_.get(), font_.get());
        // Dialog base units as the dialog manager takes them from its font.
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_.get(), &metrics);
        SIZE alphabet{};
        GetTextExtentPoint32W(dc_.get(), L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                              &alphabet);
        baseX_ = (alphabet.cx / 26 + 1) / 2;
        baseY_ = metrics.tmHeight;
    }
    // Position and size each scaled, as the dialog manager does.
    RECT place(int id) const {
        const auto i = std::find_if(t_.items.begin(), t_.items.end(), [id](const test::DialogItem& d) {
            return d.id == static_cast<DWORD>(id);
        });
        const LONG left = MulDiv(i->x, baseX_, 4), top = MulDiv(i->y, baseY_, 8);
        return RECT{left, top, left + MulDiv(i->cx, baseX_, 4), top + MulDiv(i->cy, baseY_, 8)};
    }
    SIZE extent(const std::wstring& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_.get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }

  private:
    const test::DialogTemplate& t_;
    win::UniqueFont font_;
    win::UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
    std::optional<win::SelectGuard> select_;
    int baseX_ = 0, baseY_ = 0;
};

LOGFONTW dialogFont(HWND dialog) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

TEST_F(SettingsDialog, PatternPageRowsStayApartAtEachDpi) {
    open();
    const auto t = test::loadDialogTemplate(IDD_SETTINGS);
    ASSERT_TRUE(t);
    // Placed at run time, or around everything: the list, its arrows and the group.
    const std::vector<int> placedLater{IDC_SET_PATTERN_LIST, IDC_SET_UP, IDC_SET_DOWN, IDC_SET_EDIT_GROUP};
    std::vector<int> rows;
    std::copy_if(PropertyDialog::pageControls(0).begin(), PropertyDialog::pageControls(0).end(),
                 std::back_inserter(rows), [&](int id) {
                     return std::find(placedLater.begin(), placedLater.end(), id) == placedLater.end();
                 });
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE("dpi " + std::to_string(dpi));
        const TemplateAtDpi at(*t, dialogFont(dialog->hwnd()), dpi);
        const auto place = [&](int id) { return at.place(id); };
        if (dpi == win::screenDpi()) { // the arithmetic is the dialog manager's
            for (int id : {IDC_SET_MODEL_LABEL, IDC_SET_MODEL_3, IDC_SET_ADD}) {
                const RECT shown = placeIn(dialog->hwnd(), item(id)), mapped = place(id);
                EXPECT_TRUE(EqualRect(&shown, &mapped)) << id;
            }
        }
        RECT common{};
        for (std::size_t a = 0; a < rows.size(); ++a) {
            for (int added : {IDC_SET_MODEL_LABEL, IDC_SET_MODEL_1, IDC_SET_MODEL_2, IDC_SET_MODEL_3,
                              IDC_SET_DELETE, IDC_SET_ADD}) {
                const RECT ra = place(rows[a]), rb = place(added);
                if (rows[a] != added) {
                    EXPECT_FALSE(IntersectRect(&common, &ra, &rb)) << rows[a] << " and " << added;
                }
            }
            const RECT group = place(IDC_SET_EDIT_GROUP), r = place(rows[a]);
            EXPECT_TRUE(IntersectRect(&common, &group, &r) && EqualRect(&common, &r)) << rows[a];
        }
        const RECT label = place(IDC_SET_MODEL_LABEL);
        for (std::size_t m = classicModels; m < modelCount; ++m) {
            const SIZE extent = at.extent(win::widen(colorModels[m].name));
            EXPECT_LE(extent.cx, label.right - label.left) << colorModels[m].name;
            EXPECT_LE(extent.cy, label.bottom - label.top) << colorModels[m].name;
        }
    }
}

TEST_F(SettingsDialog, KeysPageFitsItsTextsWithNothingOverlappingAtEachDpi) {
    open();
    switchTab(PropertyDialog::keysPage);
    SetDlgItemTextW(dialog->hwnd(), IDC_SET_KEY_PICK_TAKEN, L"занято");
    const auto t = test::loadDialogTemplate(IDD_SETTINGS);
    ASSERT_TRUE(t);
    const std::vector<int>& ids = PropertyDialog::pageControls(PropertyDialog::keysPage);
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE("dpi " + std::to_string(dpi));
        const TemplateAtDpi at(*t, dialogFont(dialog->hwnd()), dpi);
        RECT common{}, page{}, tabs = at.place(IDC_SET_TAB);
        for (std::size_t a = 0; a < ids.size(); ++a) {
            const RECT ra = at.place(ids[a]);
            EXPECT_TRUE(IntersectRect(&page, &tabs, &ra) && EqualRect(&page, &ra)) << ids[a];
            for (std::size_t b = a + 1; b < ids.size(); ++b) {
                const RECT rb = at.place(ids[b]);
                EXPECT_FALSE(IntersectRect(&common, &ra, &rb)) << ids[a] << " and " << ids[b];
            }
            // Texts fit; the check box's text leaves room for its box.
            const SIZE extent = at.extent(win::widen(text(ids[a])));
            const int room =
                (ra.right - ra.left) - (ids[a] == IDC_SET_PICK_COPIES ? (ra.bottom - ra.top) * 2 : 0);
            EXPECT_LE(extent.cx, room) << ids[a];
            EXPECT_LE(extent.cy, ra.bottom - ra.top + 1) << ids[a];
        }
    }
}

TEST_F(SettingsDialog, KeysPageMarksTakenKeysAndOkWritesWhatTheTextFormCanHold) {
    constexpr unsigned C = HotKey::ctrl, A = HotKey::alt, S = HotKey::shift;
    const test::HotKeyHolder other(C | S, 0x79); // Ctrl+Shift+F10, another program's
    const test::HotKeyHolder ours(C | A, 'E');   // the picker's own toggle key
    ASSERT_TRUE(other.held && ours.held);
    values.hotKeys = {{HotKey{C | S, 0x79}, HotKey{C | A, 'E'}, HotKey{C | A, 'E'}}, true};
    held = {HotKey{}, HotKey{C | A, 'E'}, HotKey{}};
    open();
    switchTab(PropertyDialog::keysPage);
    EXPECT_EQ(SendMessageW(item(IDC_SET_KEY_REFRESH), HKM_GETHOTKEY, 0, 0), 0x0379);
    EXPECT_EQ(IsDlgButtonChecked(dialog->hwnd(), IDC_SET_PICK_COPIES), BST_CHECKED);
    // Held by another program; held by us; the same as an earlier key.
    EXPECT_EQ(text(IDC_SET_KEY_REFRESH_TAKEN), "занято");
    EXPECT_EQ(text(IDC_SET_KEY_TOGGLE_TAKEN), "");
    EXPECT_EQ(text(IDC_SET_KEY_PICK_TAKEN), "занято");

    SendMessageW(item(IDC_SET_KEY_REFRESH), HKM_SETHOTKEY, 0x037A, 0); // Ctrl+Shift+F11
    command(IDC_SET_KEY_REFRESH, EN_CHANGE);
    EXPECT_EQ(text(IDC_SET_KEY_REFRESH_TAKEN), "");
    SendMessageW(item(IDC_SET_KEY_PICK), HKM_SETHOTKEY, 0x0209, 0); // Ctrl+Tab: no text form
    command(IDC_SET_KEY_PICK, EN_CHANGE);
    SendMessageW(item(IDC_SET_KEY_TOGGLE), HKM_SETHOTKEY, 0, 0); // none
    CheckDlgButton(dialog->hwnd(), IDC_SET_PICK_COPIES, BST_UNCHECKED);
    command(IDOK);
    const HotKeySettings expected{{HotKey{C | S, 0x7A}, HotKey{}, HotKey{C | A, 'E'}}, false};
    EXPECT_EQ(values.hotKeys, expected);
}

TEST_F(SettingsDialog, OkWritesEveryValueAndFindsTheSlotsPatternsByName) {
    values.color1 = 4; // rgb()
    values.color2 = 4;
    open();
    select(5);
    command(IDC_SET_UP); // can't move: nothing happens
    select(7);
    type(IDC_SET_NAME, "first");
    command(IDC_SET_ADD);
    select(6);
    command(IDC_SET_UP); // "first" now precedes "rgb()"
    switchTab(1);
    CheckRadioButton(dialog->hwnd(), IDC_SET_ZOOM_X15, IDC_SET_ZOOM_X3, IDC_SET_ZOOM_X3);
    CheckRadioButton(dialog->hwnd(), IDC_SET_SAMPLE_1X1, IDC_SET_SAMPLE_5X5, IDC_SET_SAMPLE_5X5);
    CheckDlgButton(dialog->hwnd(), IDC_SET_ANIMATION, BST_CHECKED);
    switchTab(2);
    CheckRadioButton(dialog->hwnd(), IDC_SET_MOD_WEB, IDC_SET_MOD_COMPLEMENT, IDC_SET_MOD_GRAY);
    SendMessageW(item(IDC_SET_PALETTE_SIZE), CB_SETCURSEL, 5, 0);
    command(IDOK);
    EXPECT_EQ(dialog->hwnd(), nullptr);
    const CallerValues expected{.color1 = 5,
                                .color2 = 5,
                                .zoom = 4,
                                .modifier = 1,
                                .sample = 5,
                                .interval = 120,
                                .period = 3,
                                .animation = 1,
                                .palette = 10,
                                .hotKeys = {}};
    EXPECT_EQ(values, expected);
}

TEST_F(SettingsDialog, OkWithoutChangesKeepsEverythingAndADeletedSlotPatternFallsToTheFirst) {
    values.animation = 1;
    values.period = 7;
    values.interval = 900;
    values.palette = 12; // not offered: the list shows nothing and OK keeps it
    open();
    switchTab(2);
    EXPECT_EQ(SendMessageW(item(IDC_SET_PALETTE_SIZE), CB_GETCURSEL, 0, 0), CB_ERR);
    switchTab(0);
    select(5);
    command(IDC_SET_DELETE);
    switchTab(1);
    CheckDlgButton(dialog->hwnd(), IDC_SET_ANIMATION, BST_UNCHECKED);
    command(IDOK);
    // Slot 1's pattern was deleted; the animation stops; the palette count stays.
    const CallerValues expected{.color1 = 0, .interval = 900, .period = 1, .animation = 0, .palette = 12, .hotKeys = {}};
    EXPECT_EQ(values, expected);
}

TEST_F(SettingsDialog, OkKeepsTheValuesOfPagesNeverShown) {
    values.hotKeys = {{HotKey{}, HotKey{HotKey::shift, 0x7B}, HotKey{}}, false};
    values.animation = 1;
    values.period = 3;
    values.interval = 120;
    values.palette = 12;
    const CallerValues before = values;
    open();
    command(IDOK);
    EXPECT_EQ(values, before);
}

TEST_F(SettingsDialog, CancelWritesNothing) {
    open();
    const CallerValues before = values;
    select(7);
    type(IDC_SET_NAME, "extra");
    command(IDC_SET_ADD);
    CheckRadioButton(dialog->hwnd(), IDC_SET_ZOOM_X15, IDC_SET_ZOOM_X3, IDC_SET_ZOOM_X15);
    CheckRadioButton(dialog->hwnd(), IDC_SET_SAMPLE_1X1, IDC_SET_SAMPLE_5X5, IDC_SET_SAMPLE_1X1);
    CheckRadioButton(dialog->hwnd(), IDC_SET_MOD_WEB, IDC_SET_MOD_COMPLEMENT, IDC_SET_MOD_WEB);
    CheckDlgButton(dialog->hwnd(), IDC_SET_ANIMATION, BST_CHECKED);
    SendMessageW(item(IDC_SET_PALETTE_SIZE), CB_SETCURSEL, 0, 0);
    switchTab(3);
    SendMessageW(item(IDC_SET_KEY_PICK), HKM_SETHOTKEY, 0x0378, 0); // Ctrl+Shift+F9
    CheckDlgButton(dialog->hwnd(), IDC_SET_PICK_COPIES, BST_UNCHECKED);
    command(IDCANCEL);
    EXPECT_EQ(dialog->hwnd(), nullptr);
    EXPECT_EQ(values, before);
}

TEST_F(SettingsDialog, ThemedPagesPaintChildrenWithTheTabImage) {
    struct Case {
        std::optional<bool> (*probe)();
        bool themed;
    } cases[] = {{&themedDesktop, true}, {&plainDesktop, false}, {&noThemeLibrary, false}};
    for (const Case& c : cases) {
        open(c.probe);
        EXPECT_EQ(dialog->tabBackground().themed(), c.themed);
        EXPECT_EQ(dialog->tabBackground().brush() != nullptr, c.themed);
        HWND radioButton = item(IDC_SET_SAMPLE_1X1);
        const win::WindowDc dc(radioButton);
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog->hwnd(), WM_CTLCOLORBTN,
                                                                 reinterpret_cast<WPARAM>(dc.get()),
                                                                 reinterpret_cast<LPARAM>(radioButton)));
        if (c.themed) {
            EXPECT_EQ(brush, dialog->tabBackground().brush());
            EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
            POINT origin{};
            GetBrushOrgEx(dc.get(), &origin);
            const RECT place = placeIn(item(IDC_SET_TAB), radioButton);
            EXPECT_EQ(origin.x, -place.left);
            EXPECT_EQ(origin.y, -place.top);
        } else {
            EXPECT_NE(brush, dialog->tabBackground().brush());
        }
        dialog.reset();
    }
}

TEST_F(SettingsDialog, ThemeChangeRebuildsThePageImageAndNothingLeaks) {
    const int gdiBefore = win::liveGdiHandles();
    open(&plainDesktop);
    EXPECT_EQ(dialog->tabBackground().brush(), nullptr);
    dialog->tabBackground().setProbe(&themedDesktop);
    EXPECT_EQ(SendMessageW(dialog->hwnd(), WM_THEMECHANGED, 0, 0), 1);
    EXPECT_NE(dialog->tabBackground().brush(), nullptr);
    dialog->tabBackground().setProbe(&noThemeLibrary); // no answer keeps the last one
    SendMessageW(dialog->hwnd(), WM_THEMECHANGED, 0, 0);
    EXPECT_TRUE(dialog->tabBackground().themed());
    dialog->tabBackground().setProbe(&plainDesktop);
    SendMessageW(item(IDC_SET_TAB), WM_SIZE, 0, 0);
    EXPECT_EQ(dialog->tabBackground().brush(), nullptr);
    command(IDCANCEL);
    dialog.reset();
    EXPECT_EQ(win::liveGdiHandles(), gdiBefore);
}

} // namespace
} // namespace huex
