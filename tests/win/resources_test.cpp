// The compiled resources as the program loads them: menus (ids, texts, radio groups, checked and
// default items, the column break), the picker dialog template, the colour bitmaps pixel for
// pixel, icons and cursors, and the manifest.
#include "DialogTemplate.h"
#include "geometry/Scale.h"
#include "resource.h"
#include "win/Artwork.h"
#include "win/Dpi.h"
#include "win/Handles.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace huex {
namespace {

HINSTANCE module() {
    return GetModuleHandleW(nullptr);
}

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else { // tests only need readable failure messages: show other characters as \uXXXX
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
            out += buffer;
        }
    }
    return out;
}

// ---- Menus ---------------------------------------------------------------------------------------

struct ItemSpec {
    UINT id;
    const wchar_t* text;
    UINT type = 0;  // MFT_* bits besides MFT_STRING
    UINT state = 0; // MFS_* bits
    const std::vector<ItemSpec>* submenu = nullptr;
};

struct MenuSpec {
    const char* name; // test name
    int resourceId;
    const wchar_t* popupName;
    std::vector<ItemSpec> items;
};

// Names the menu in failure messages instead of dumping its bytes.
void PrintTo(const MenuSpec& spec, std::ostream* out) {
    *out << "menu " << spec.resourceId;
}

ItemSpec separator() {
    return {0, L"", MFT_SEPARATOR};
}
ItemSpec radio(UINT id, const wchar_t* text, UINT state = 0) {
    return {id, text, MFT_RADIOCHECK, state};
}

const std::vector<ItemSpec> namedColourItems = {
    {ID_COLOR_BLACK, L"black"},
    {ID_COLOR_GRAY, L"gray"},
    {ID_COLOR_SILVER, L"silver"},
    {ID_COLOR_WHITE, L"white"},
    {ID_COLOR_NAVY, L"navy"},
    {ID_COLOR_BLUE, L"blue"},
    {ID_COLOR_PURPLE, L"purple"},
    {ID_COLOR_MAGENTA, L"magenta"},
    {ID_COLOR_GREEN, L"green", MFT_MENUBARBREAK}, // the second column of eight starts here
    {ID_COLOR_LIME, L"lime"},
    {ID_COLOR_TEAL, L"teal"},
    {ID_COLOR_CYAN, L"cyan"},
    {ID_COLOR_MAROON, L"maroon"},
    {ID_COLOR_RED, L"red"},
    {ID_COLOR_OLIVE, L"olive"},
    {ID_COLOR_YELLOW, L"yellow"},
};

const std::vector<MenuSpec> menuSpecs = {
    {"Tray",
     IDM_TRAY,
     L"TrayMenu",
     {{ID_TOGGLE_WINDOW, L"Спрятать/показать \tCtrl+Alt+E", 0, MFS_DEFAULT},
      separator(),
      {ID_SETTINGS, L"Настройки \tCtrl+P"},
      {ID_ABOUT, L"О программе \tCtrl+I"},
      {ID_HELP_CONTENTS, L"Справка \tF1"},
      separator(),
      {ID_EXIT, L"Выход"}}},
    {"Colour",
     IDM_COLOR,
     nullptr,
     {{ID_CHOOSE_COLOR, L"Выбрать цвет"},
      {0, L"16 W3C цветов", 0, 0, &namedColourItems},
      separator(),
      {ID_CONTRAST, L"Проверить контраст…"},
      {ID_HISTORY, L"История цветов…"},
      {ID_PALETTE_EXPORT, L"Экспорт палитры…"},
      {ID_PALETTE_IMPORT, L"Импорт палитры…"}}},
    {"Modifier",
     IDM_MODIFIER,
     nullptr,
     {radio(ID_MOD_WEB, L"Ближайший WEB цвет", MFS_CHECKED), radio(ID_MOD_GRAY, L"Серый (R+G+B)/3"),
      radio(ID_MOD_DESATURATION, L"Обесцвеченный"), radio(ID_MOD_INVERSION, L"Инвертированный"),
      radio(ID_MOD_COMPLEMENT, L"Дополняющий цвет")}},
    {"Palette",
     IDM_PALETTE,
     L"Операции со списком цветов",
     {{ID_GRADIENT_RGB, L"Градиент (RGB)"}, {ID_GRADIENT_HSB, L"Градиент (HSB)"}}},
    {"SampleSize",
     IDM_SAMPLE,
     nullptr,
     {radio(ID_SAMPLE_1X1, L"1x1", MFS_CHECKED), radio(ID_SAMPLE_3X3, L"3x3 усреднение"),
      radio(ID_SAMPLE_5X5, L"5x5 усреднение")}},
    {"Zoom",
     IDM_ZOOM,
     nullptr,
     {{ID_REFRESH, L"Обновить \tAlt+F5"},
      {ID_COPY_IMAGE, L"Скопировать \tCtrl+C"},
      separator(),
      radio(ID_ZOOM_X15, L"x15 - 5x5"),
      radio(ID_ZOOM_X11, L"x11 - 7x7"),
      radio(ID_ZOOM_X8, L"x8   - 9x9", MFS_CHECKED),
      radio(ID_ZOOM_X5, L"x5   - 15x15"),
      radio(ID_ZOOM_X3, L"x3   - 25x25"),
      separator(),
      radio(ID_VISION_NORMAL, L"Обычное зрение", MFS_CHECKED),
      radio(ID_VISION_PROTANOPIA, L"Протанопия"),
      radio(ID_VISION_DEUTERANOPIA, L"Дейтеранопия"),
      radio(ID_VISION_TRITANOPIA, L"Тританопия"),
      radio(ID_VISION_ACHROMATOPSIA, L"Ахроматопсия")}},
};

struct LoadedItem {
    UINT type = 0, state = 0, id = 0;
    std::wstring text;
    HMENU submenu = nullptr;
};

LoadedItem loadItem(HMENU menu, int position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        ADD_FAILURE() << "GetMenuItemInfoW failed at position " << position;
        return {};
    }
    return {info.fType, info.fState, info.wID, text, info.hSubMenu};
}

void expectItems(HMENU menu, const std::vector<ItemSpec>& expected, const std::string& where) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size())) << where;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ItemSpec& want = expected[i];
        const LoadedItem got = loadItem(menu, static_cast<int>(i));
        const std::string at = where + " item " + std::to_string(i);
        EXPECT_EQ(got.type, want.type) << at;
        EXPECT_EQ(got.state, want.state) << at;
        EXPECT_EQ(narrow(got.text), narrow(want.text)) << at;
        if (want.submenu) {
            ASSERT_NE(got.submenu, nullptr) << at;
            expectItems(got.submenu, *want.submenu, at);
        } else {
            EXPECT_EQ(got.submenu, nullptr) << at;
            EXPECT_EQ(got.id, want.id) << at;
        }
    }
}

class MenuResource : public testing::TestWithParam<MenuSpec> {};

TEST_P(MenuResource, HasOnePopupWithTheListedItems) {
    const MenuSpec& spec = GetParam();
    const win::UniqueMenu menu(LoadMenuW(module(), MAKEINTRESOURCEW(spec.resourceId)));
    ASSERT_TRUE(menu) << "menu " << spec.resourceId << " missing";
    ASSERT_EQ(GetMenuItemCount(menu.get()), 1);
    const LoadedItem popup = loadItem(menu.get(), 0);
    ASSERT_NE(popup.submenu, nullptr);
    if (spec.popupName) { // only some popups have names the program relies on
        EXPECT_EQ(narrow(popup.text), narrow(spec.popupName));
    }
    expectItems(popup.submenu, spec.items, "menu " + std::to_string(spec.resourceId));
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuResource, testing::ValuesIn(menuSpecs),
                         [](const testing::TestParamInfo<MenuSpec>& info) {
                             return std::string(info.param.name);
                         });

// ---- Picker dialog template ----------------------------------------------------------------------

using test::DialogItem;
using test::DialogTemplate;
using test::loadDialogTemplate;

struct ControlSpec {
    DWORD id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    short x, y, cx, cy;
};

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
constexpr DWORD editStyle = child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD checkStyle = child | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD buttonStyle = child | WS_TABSTOP | BS_PUSHBUTTON;

const ControlSpec pickerControls[] = {
    {IDC_EDIT1, L"Edit", L"", editStyle, 71, 14, 87, 14},
    {IDC_EDIT2, L"Edit", L"", editStyle, 71, 39, 87, 14},
    {IDC_CHECK1, L"Button", L"check1", checkStyle, 71, 2, 49, 10},
    {IDC_CHECK2, L"Button", L"check2", checkStyle, 71, 30, 45, 8},
    {IDC_COPY1, L"Button", L"Button1", buttonStyle, 11, 11, 50, 14},
    {IDC_COPY2, L"Button", L"Button2", buttonStyle, 11, 38, 50, 14},
};

constexpr DWORD pickerStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU |
                              WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

TEST(PickerDialogResource, TemplateMatchesTheWindowDescription) {
    const auto t = loadDialogTemplate(IDD_PICKER);
    ASSERT_TRUE(t) << "dialog 102 missing or not an extended template";
    EXPECT_EQ(t->style, pickerStyle | DS_SHELLFONT);
    EXPECT_EQ(t->exStyle, static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(t->cx, 169);
    EXPECT_EQ(t->cy, 62);
    EXPECT_EQ(narrow(t->caption), "HUEX");
    EXPECT_TRUE(t->menu.empty());
    EXPECT_TRUE(t->className.empty());
    EXPECT_EQ(narrow(t->fontName), "MS Shell Dlg");
    EXPECT_EQ(t->pointSize, 8);
    EXPECT_EQ(t->italic, 0);

    ASSERT_EQ(t->items.size(), std::size(pickerControls));
    for (std::size_t i = 0; i < t->items.size(); ++i) {
        const DialogItem& got = t->items[i];
        const ControlSpec& want = pickerControls[i];
        SCOPED_TRACE("control " + std::to_string(want.id));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(CompareStringOrdinal(got.className.c_str(), -1, want.className, -1, TRUE), CSTR_EQUAL)
            << narrow(got.className);
        EXPECT_EQ(narrow(got.text), narrow(want.text));
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
    }
}

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

struct DestroyWindowTraits {
    using Type = HWND;
    static inline int live = 0;
    static void close(HWND h) { DestroyWindow(h); }
};

TEST(PickerDialogResource, CreatesTheWindowAndItsControls) {
    const win::Unique<DestroyWindowTraits> dialog(
        CreateDialogParamW(module(), MAKEINTRESOURCEW(IDD_PICKER), nullptr, plainDialogProc, 0));
    ASSERT_TRUE(dialog);
    const HWND w = dialog.get();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(w, GWL_STYLE)) & pickerStyle, pickerStyle);
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(w, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              static_cast<DWORD>(WS_EX_TOPMOST | WS_EX_TOOLWINDOW));

    for (const ControlSpec& want : pickerControls) {
        SCOPED_TRACE("control " + std::to_string(want.id));
        const HWND control = GetDlgItem(w, static_cast<int>(want.id));
        ASSERT_NE(control, nullptr);
        wchar_t text[64] = {}, className[64] = {};
        GetWindowTextW(control, text, static_cast<int>(std::size(text)));
        GetClassNameW(control, className, static_cast<int>(std::size(className)));
        EXPECT_EQ(narrow(text), narrow(want.text));
        EXPECT_EQ(CompareStringOrdinal(className, -1, want.className, -1, TRUE), CSTR_EQUAL)
            << narrow(className);

        // The dialog manager converts position and size separately (so rounding never moves an edge
        // by more than the conversion of its own value).
        RECT units{want.x, want.y, want.cx, want.cy};
        MapDialogRect(w, &units);
        const RECT expected{units.left, units.top, units.left + units.right, units.top + units.bottom};
        RECT actual{};
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
    }
}

// ---- Bitmaps -------------------------------------------------------------------------------------

// A bitmap's pixels as COLORREFs, top row first, with the bit depth it was stored in.
struct Pixels {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<COLORREF> colours;
    COLORREF at(int x, int y) const { return colours[static_cast<std::size_t>(y * width + x)]; }
};

// The bit depth is known for DIB sections only (0 for others).
std::optional<Pixels> pixelsOf(HBITMAP bitmap) {
    DIBSECTION section{};
    const int got = bitmap ? GetObjectW(bitmap, sizeof section, &section) : 0;
    if (got != sizeof section && got != sizeof(BITMAP)) return std::nullopt;
    Pixels p{section.dsBm.bmWidth,
             section.dsBm.bmHeight,
             got == sizeof section ? section.dsBmih.biBitCount : 0,
             {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(p.width * p.height));
    const win::WindowDc screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(p.height), raw.data(), &info, DIB_RGB_COLORS) !=
        p.height) {
        return std::nullopt;
    }
    for (std::uint32_t v : raw) p.colours.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    return p;
}

std::optional<Pixels> loadBitmapPixels(int id) {
    const win::UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return pixelsOf(bitmap.get());
}

struct NamedColourBitmap {
    int id;
    COLORREF colour;
};

const NamedColourBitmap namedColourBitmaps[] = {
    {IDB_COLOR_BLACK, RGB(0x00, 0x00, 0x00)},  {IDB_COLOR_GRAY, RGB(0x80, 0x80, 0x80)},
    {IDB_COLOR_SILVER, RGB(0xC0, 0xC0, 0xC0)}, {IDB_COLOR_WHITE, RGB(0xFF, 0xFF, 0xFF)},
    {IDB_COLOR_NAVY, RGB(0x00, 0x00, 0x80)},   {IDB_COLOR_BLUE, RGB(0x00, 0x00, 0xFF)},
    {IDB_COLOR_PURPLE, RGB(0x80, 0x00, 0x80)}, {IDB_COLOR_MAGENTA, RGB(0xFF, 0x00, 0xFF)},
    {IDB_COLOR_GREEN, RGB(0x00, 0x80, 0x00)},  {IDB_COLOR_LIME, RGB(0x00, 0xFF, 0x00)},
    {IDB_COLOR_TEAL, RGB(0x00, 0x80, 0x80)},   {IDB_COLOR_CYAN, RGB(0x00, 0xFF, 0xFF)},
    {IDB_COLOR_MAROON, RGB(0x80, 0x00, 0x00)}, {IDB_COLOR_RED, RGB(0xFF, 0x00, 0x00)},
    {IDB_COLOR_OLIVE, RGB(0x80, 0x80, 0x00)},  {IDB_COLOR_YELLOW, RGB(0xFF, 0xFF, 0x00)},
};

// Outline and ring `line` pixels wide each, the rest of the colour, every pixel exact.
void expectOutlineRingAndSquare(const Pixels& p, COLORREF colour, int side, int line) {
    ASSERT_EQ(p.width, side);
    ASSERT_EQ(p.height, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int ring = std::min({x, y, side - 1 - x, side - 1 - y}) / line; // 0 = outermost
            const COLORREF expected = ring == 0 ? RGB(0, 0, 0) : ring == 1 ? RGB(255, 255, 255) : colour;
            ASSERT_EQ(p.at(x, y), expected) << "pixel " << x << ", " << y;
        }
    }
}

TEST(ColourBitmapResource, EachIsOutlineRingAndColourSquare) {
    ASSERT_EQ(std::size(namedColourBitmaps), static_cast<std::size_t>(HUEX_NAMED_COLOR_COUNT));
    for (const NamedColourBitmap& want : namedColourBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(want.id));
        const auto p = loadBitmapPixels(want.id);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->bitsPerPixel, 24);
        expectOutlineRingAndSquare(*p, want.colour, 13, 1);
    }
}

TEST(ColourBitmapResource, EachScaleHasItsOwnDrawingWithLinesOfTheScaledWidth) {
    struct Variant {
        int dpi, firstId;
    };
    for (const Variant v :
         {Variant{120, IDB_COLOR_BLACK_125}, {144, IDB_COLOR_BLACK_150}, {192, IDB_COLOR_BLACK_200}}) {
        const Scale scale{v.dpi};
        for (std::size_t i = 0; i < std::size(namedColourBitmaps); ++i) {
            const int id = v.firstId + static_cast<int>(i);
            SCOPED_TRACE("bitmap " + std::to_string(id));
            const auto p = loadBitmapPixels(id);
            ASSERT_TRUE(p);
            EXPECT_EQ(p->bitsPerPixel, 4);
            expectOutlineRingAndSquare(*p, namedColourBitmaps[i].colour, scale(13), scale.line(1));
        }
    }
}

TEST(AboutBitmapResource, IsAPictureOfTheAboutBoxSize) {
    const auto p = loadBitmapPixels(IDB_ABOUT);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->bitsPerPixel, 24);
    // The About box reserves 47 x 43 dialog units: about 70 pixels with its 8-point font.
    EXPECT_GE(p->width, 60);
    EXPECT_LE(p->width, 80);
    EXPECT_GE(p->height, 60);
    EXPECT_LE(p->height, 80);
    std::vector<COLORREF> distinct(p->colours);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    EXPECT_GT(distinct.size(), 100u) << "a picture, not a flat fill";
}

// ---- Icons and cursors ---------------------------------------------------------------------------

// An icon or cursor drawn with DrawIconEx on white and on black. A pixel is painted when either
// drawing differs from its background.
class IconImage {
  public:
    IconImage() = default;
    IconImage(HICON icon, int side) : side_(side) {
        onWhite_ = draw(icon, 0xFFFFFFFF);
        onBlack_ = draw(icon, 0xFF000000);
    }
    bool painted(int x, int y) const {
        const std::size_t i = static_cast<std::size_t>(y * side_ + x);
        return (onWhite_[i] & 0xFFFFFF) != 0xFFFFFF || (onBlack_[i] & 0xFFFFFF) != 0;
    }
    int paintedCount() const {
        int n = 0;
        for (int y = 0; y < side_; ++y)
            for (int x = 0; x < side_; ++x) n += painted(x, y);
        return n;
    }
    RECT paintedBounds() const {
        RECT r{side_, side_, -1, -1};
        for (int y = 0; y < side_; ++y) {
            for (int x = 0; x < side_; ++x) {
                if (!painted(x, y)) continue;
                r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                     std::max<LONG>(r.bottom, y + 1)};
            }
        }
        return r;
    }
    bool empty() const { return onWhite_.empty(); }
    bool operator==(const IconImage& other) const {
        return onWhite_ == other.onWhite_ && onBlack_ == other.onBlack_;
    }

  private:
    std::vector<std::uint32_t> draw(HICON icon, std::uint32_t background) const {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), side_, -side_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const win::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const win::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        if (!bitmap || !dc) return {};
        auto* pixels = static_cast<std::uint32_t*>(bits);
        const std::size_t count = static_cast<std::size_t>(side_ * side_);
        std::fill(pixels, pixels + count, background);
        {
            const win::SelectGuard select(dc.get(), bitmap.get());
            DrawIconEx(dc.get(), 0, 0, icon, side_, side_, 0, nullptr, DI_NORMAL);
            GdiFlush();
        }
        return {pixels, pixels + count};
    }

  public:
    // The colours of the painted pixels drawn on white.
    std::size_t paintedColours() const {
        std::vector<std::uint32_t> colours;
        for (int y = 0; y < side_; ++y) {
            for (int x = 0; x < side_; ++x) {
                if (painted(x, y))
                    colours.push_back(onWhite_[static_cast<std::size_t>(y * side_ + x)] & 0xFFFFFF);
            }
        }
        std::sort(colours.begin(), colours.end());
        return static_cast<std::size_t>(std::unique(colours.begin(), colours.end()) - colours.begin());
    }

  private:
    int side_ = 0;
    std::vector<std::uint32_t> onWhite_, onBlack_;
};

// The sizes and depths in an icon's group directory.
struct IconEntry {
    int side, bitsPerPixel;
};

std::vector<IconEntry> iconDirectory(int id) {
    HRSRC found = FindResourceW(module(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    if (!found) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module(), found)));
    const DWORD size = SizeofResource(module(), found);
    if (size < 6) return {};
    WORD count = 0;
    std::memcpy(&count, data + 4, sizeof count);
    std::vector<IconEntry> entries;
    for (WORD i = 0; i < count && 6u + 14u * (i + 1u) <= size; ++i) {
        const BYTE* e =
            data + 6 + 14 * i; // GRPICONDIRENTRY: width, height, colours, reserved, planes, bits, ...
        WORD bits = 0;
        std::memcpy(&bits, e + 6, sizeof bits);
        entries.push_back({e[0] == 0 ? 256 : e[0], bits});
    }
    return entries;
}

struct IconSpec {
    int id;
    int bitsPerPixel; // of every image
    RECT content;     // where the picture may lie in the 32 x 32 image: what the window shows of it
    int minPainted;
    std::vector<int> sides = {16, 20, 24, 32, 40, 48, 64}; // small and large icons at 100 .. 200 %
};

constexpr RECT whole{0, 0, 32, 32};
// Shown only in the notification area, as small icons.
const std::vector<int> traySides = {16, 20, 24, 32};

const IconSpec iconSpecs[] = {
    {IDI_APP, 32, whole, 300},
    // Drawn 16 pixels left and above the centre of the pipette bar.
    {IDI_PIPETTE, 32, {0, 0, 16, 16}, 50},
    {IDI_PIPETTE_HOLDER, 32, {0, 0, 16, 16}, 30},
    {IDI_TRAY_SHOWN_CLASSIC, 24, whole, 300, traySides},
    {IDI_TRAY_HIDDEN_CLASSIC, 24, whole, 300, traySides},
    {IDI_TRAY_SHOWN, 32, whole, 300, traySides},
    {IDI_TRAY_HIDDEN, 32, whole, 300, traySides},
    // Drawn 12 pixels left and 8 above the centre of the sample button.
    {IDI_SAMPLE_1X1, 32, {0, 0, 24, 16}, 200},
    {IDI_SAMPLE_3X3, 32, {0, 0, 24, 16}, 200},
    {IDI_SAMPLE_5X5, 32, {0, 0, 24, 16}, 200},
    // Only its first column shows: the sample button is painted over the rest.
    {IDI_DIVIDER, 32, {0, 0, 1, 16}, 8},
};

// Empty when the icon does not load.
IconImage loadIconImage(int id, int side) {
    const win::UniqueIcon icon = win::loadIcon(id, side);
    if (!icon) return {};
    return IconImage(icon.get(), side);
}

TEST(IconResource, HasSmallAndLargeImagesWithAPictureWhereTheWindowShowsIt) {
    for (const IconSpec& spec : iconSpecs) {
        SCOPED_TRACE("icon " + std::to_string(spec.id));
        std::vector<int> sides;
        for (const IconEntry& e : iconDirectory(spec.id)) {
            EXPECT_EQ(e.bitsPerPixel, spec.bitsPerPixel);
            sides.push_back(e.side);
        }
        std::sort(sides.begin(), sides.end());
        EXPECT_EQ(sides, spec.sides);

        const HICON shared = LoadIconW(module(), MAKEINTRESOURCEW(spec.id)); // shared: never destroyed
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(shared, &info));
        const win::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bm{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 32);

        const IconImage large = loadIconImage(spec.id, 32);
        ASSERT_FALSE(large.empty());
        EXPECT_GE(large.paintedCount(), spec.minPainted);
        const RECT bounds = large.paintedBounds();
        EXPECT_GE(bounds.left, spec.content.left);
        EXPECT_GE(bounds.top, spec.content.top);
        EXPECT_LE(bounds.right, spec.content.right);
        EXPECT_LE(bounds.bottom, spec.content.bottom);

        const IconImage small = loadIconImage(spec.id, 16);
        ASSERT_FALSE(small.empty());
        EXPECT_GE(small.paintedCount(), std::min(spec.minPainted / 4, 8));
    }
}

// The larger large images: the picture of the 32-pixel image at the scaled size, where the window
// shows it at that scale.
TEST(IconResource, LargerImagesHoldThePictureAtTheScaledSize) {
    for (const IconSpec& spec : iconSpecs) {
        if (spec.sides.back() == 32) continue; // small icons only
        SCOPED_TRACE("icon " + std::to_string(spec.id));
        const RECT at100 = loadIconImage(spec.id, 32).paintedBounds();
        for (const Scale scale : {Scale{120}, Scale{144}, Scale{192}}) {
            SCOPED_TRACE("dpi " + std::to_string(scale.dpi));
            const IconImage image = loadIconImage(spec.id, scale(32));
            ASSERT_FALSE(image.empty());
            const RECT b = image.paintedBounds();
            EXPECT_LE(b.right, scale(spec.content.right));
            EXPECT_LE(b.bottom, scale(spec.content.bottom));
            EXPECT_NEAR(b.right - b.left, scale(at100.right - at100.left), 1);
            EXPECT_NEAR(b.bottom - b.top, scale(at100.bottom - at100.top), 1);
        }
    }
}

// The sample-size pictures are pixel art: at every size only their own few colours, never the
// in-between shades of a stretched picture, on a grid that fills the picture's height.
TEST(IconResource, SampleSizePicturesStaySharpAtEverySize) {
    for (int id : {IDI_SAMPLE_1X1, IDI_SAMPLE_3X3, IDI_SAMPLE_5X5}) {
        for (int side : {16, 20, 24, 32, 40, 48, 64}) {
            SCOPED_TRACE("icon " + std::to_string(id) + " at " + std::to_string(side));
            const IconImage image = loadIconImage(id, side);
            ASSERT_FALSE(image.empty());
            EXPECT_LE(image.paintedColours(), 6u); // cells, lines, block, block lines, ring, mark
            const Scale scale{side < 32 ? side * 6 : side * 3};
            EXPECT_EQ(image.paintedBounds().bottom, scale(16));
        }
    }
}

TEST(IconResource, PicturesThatStandForDifferentStatesDiffer) {
    const std::pair<int, int> pairs[] = {
        {IDI_SAMPLE_1X1, IDI_SAMPLE_3X3},
        {IDI_SAMPLE_3X3, IDI_SAMPLE_5X5},
        {IDI_SAMPLE_1X1, IDI_SAMPLE_5X5},
        {IDI_TRAY_SHOWN, IDI_TRAY_HIDDEN},
        {IDI_TRAY_SHOWN_CLASSIC, IDI_TRAY_HIDDEN_CLASSIC},
        {IDI_PIPETTE, IDI_PIPETTE_HOLDER},
    };
    for (const auto& [a, b] : pairs) {
        for (int side : {16, 32}) {
            const IconImage first = loadIconImage(a, side), second = loadIconImage(b, side);
            ASSERT_FALSE(first.empty() || second.empty());
            EXPECT_FALSE(first == second) << a << " and " << b << " at " << side;
        }
    }
}

struct CursorSpec {
    int id;
    // The hot spot is the picture's extreme point in this direction (within 2 pixels): the pipette's
    // tip points down and left, the arrows' tips up and left.
    int towardsX, towardsY;
};

const CursorSpec cursorSpecs[] = {
    {IDCUR_PIPETTE, -1, +1},
    {IDCUR_DROP, -1, -1},
    {IDCUR_DRAG, -1, -1},
};

TEST(CursorResource, LoadsWithItsHotSpotAtTheTip) {
    for (const CursorSpec& spec : cursorSpecs) {
        for (const Scale scale : {Scale{96}, Scale{120}, Scale{144}, Scale{192}}) {
            const int side = scale(32);
            SCOPED_TRACE("cursor " + std::to_string(spec.id) + " at " + std::to_string(side));
            const win::UniqueCursor cursor(static_cast<HCURSOR>(
                LoadImageW(module(), MAKEINTRESOURCEW(spec.id), IMAGE_CURSOR, side, side, 0)));
            ASSERT_TRUE(cursor);
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
            const win::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
            EXPECT_FALSE(info.fIcon);

            const IconImage image(cursor.get(), side);
            EXPECT_GE(image.paintedCount(), scale(scale(100)));
            const int hx = static_cast<int>(info.xHotspot), hy = static_cast<int>(info.yHotspot);
            ASSERT_LT(hx, side);
            ASSERT_LT(hy, side);
            EXPECT_TRUE(image.painted(hx, hy)) << "hot spot " << hx << ", " << hy << " is not on the picture";
            const int hot = hx * spec.towardsX + hy * spec.towardsY;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    if (image.painted(x, y)) {
                        EXPECT_LE(x * spec.towardsX + y * spec.towardsY, hot + scale(2)) << x << ", " << y;
                    }
                }
            }
        }
    }
}

// ---- Loading for a window's DPI ------------------------------------------------------------------

int bitmapWidth(HBITMAP bitmap) {
    BITMAP bm{};
    return bitmap && GetObjectW(bitmap, sizeof bm, &bm) ? bm.bmWidth : 0;
}

int cursorWidth(HCURSOR cursor) {
    ICONINFO info{};
    if (!cursor || !GetIconInfo(cursor, &info)) return 0;
    const win::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    return bitmapWidth(info.hbmMask);
}

TEST(ArtworkLoading, TakesTheDrawingMadeForTheScaleAtOrAboveTheWindows) {
    struct Case {
        int dpi, colourSide, aboutSide, aboutFrame;
    };
    for (const Case c : {Case{96, 13, 70, 1},
                         {110, 16, 88, 1},
                         {120, 16, 88, 1},
                         {144, 20, 105, 2},
                         {168, 26, 140, 2},
                         {192, 26, 140, 2},
                         {288, 26, 140, 2}}) {
        SCOPED_TRACE("dpi " + std::to_string(c.dpi));
        EXPECT_EQ(bitmapWidth(win::loadNamedColourBitmap(3, c.dpi).get()), c.colourSide);
        // A drawn cursor, never smaller than the system's own cursors while there is one as large.
        const int cursor = cursorWidth(win::loadCursor(IDCUR_PIPETTE, c.dpi).get());
        EXPECT_TRUE(cursor == 32 || cursor == 40 || cursor == 48 || cursor == 64) << cursor;
        EXPECT_GE(cursor, std::min(win::systemMetric(SM_CXCURSOR, c.dpi), 64));

        const win::UniqueBitmap about = win::loadAboutPicture(c.dpi);
        ASSERT_EQ(bitmapWidth(about.get()), c.aboutSide);
        const auto p = pixelsOf(about.get());
        ASSERT_TRUE(p);
        std::vector<COLORREF> distinct(p->colours);
        std::sort(distinct.begin(), distinct.end());
        EXPECT_GT(std::unique(distinct.begin(), distinct.end()) - distinct.begin(), 100);
        // Its frame is drawn at its size: whole pixels of the frame colour, not a stretched blur.
        const int frame = c.aboutFrame, middle = c.aboutSide / 2;
        for (int x = 0; x < frame; ++x) EXPECT_EQ(p->at(x, middle), RGB(150, 150, 160)) << x;
        EXPECT_NE(p->at(frame, middle), RGB(150, 150, 160));
    }
    EXPECT_FALSE(win::loadNamedColourBitmap(HUEX_NAMED_COLOR_COUNT, 96));
}

// ---- Manifest ------------------------------------------------------------------------------------

TEST(ManifestResource, AsksForCommonControls6AsInvoker) {
    HRSRC found = FindResourceW(module(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module(), found)));
    const std::string_view manifest(data, SizeofResource(module(), found));
    for (const char* part :
         {"name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
          "processorArchitecture=\"amd64\"", "publicKeyToken=\"6595b64144ccf1df\"", "level=\"asInvoker\""}) {
        EXPECT_NE(manifest.find(part), std::string_view::npos) << part;
    }

    // And the loader honoured it: comctl32 comes from the side-by-side store, version 6 (Wine's
    // copy reports version 5 through DllGetVersion, so its path is what tells).
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    std::string lower = narrow(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
        << lower;
}

} // namespace
} // namespace huex
