#include "dialogs/ContrastWindow.h"

#include "geometry/Scale.h"
#include "resource.h"
#include "win/Fonts.h"
#include "win/Text.h"

#include <string_view>
#include <utility>
#include <vector>

namespace huex {

namespace {

constexpr const wchar_t* kClassName = L"HUEXContrast";
constexpr const wchar_t* kFace = L"MS Shell Dlg 2";
constexpr const wchar_t* kSample = L"Съешь же ещё этих мягких французских булок";
constexpr UINT kFrameMilliseconds = 16;

enum class FontKind { ui, ratio, symbol };

// Every control, its place in 96-DPI units of the client area, and its font.
struct Control {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    RECT place;
    FontKind font = FontKind::ui;
};

// Every static, labels included, is drawn here with the window's fonts: a static control sent
// WM_SETFONT keeps a block for it that Wine's never frees, one per control at every opening.
constexpr DWORD kLabel = SS_OWNERDRAW;
constexpr DWORD kDrawn = SS_OWNERDRAW;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr int kVerdictTop = 112, kVerdictStep = 18;
constexpr std::array<Control, 7> kFixedControls{{
    {IDC_CONTRAST_TEXT_WELL, L"Static", L"Текст:", kDrawn, {10, 10, 160, 36}},
    {IDC_CONTRAST_TEXT_VALUE, L"Static", L"", kLabel, {168, 15, 240, 31}},
    {IDC_CONTRAST_BACK_WELL, L"Static", L"Фон:", kDrawn, {10, 42, 160, 68}},
    {IDC_CONTRAST_BACK_VALUE, L"Static", L"", kLabel, {168, 47, 240, 63}},
    {IDC_CONTRAST_SWAP, L"Button", L"⇄", kButton, {250, 10, 284, 68}, FontKind::symbol},
    {IDC_CONTRAST_TAKE_CURRENT, L"Button", L"Взять текущий", kButton, {294, 26, 390, 52}},
    {IDC_CONTRAST_RATIO, L"Static", L"", kLabel, {10, 76, 390, 106}, FontKind::ratio},
}};

// The fixed controls, a line per verdict, then the sample.
std::vector<Control> controls() {
    std::vector<Control> all(kFixedControls.begin(), kFixedControls.end());
    for (int i = 0; i < static_cast<int>(kContrastLevels.size()); ++i) {
        const int top = kVerdictTop + i * kVerdictStep;
        all.push_back({IDC_CONTRAST_VERDICT_FIRST + i, L"Static", L"", kLabel, {10, top, 390, top + 16}});
    }
    for (const int id : {IDC_CONTRAST_APCA, IDC_CONTRAST_APCA_VERDICT}) {
        const int top = kVerdictTop + static_cast<int>(all.size() - kFixedControls.size()) * kVerdictStep;
        all.push_back({id, L"Static", L"", kLabel, {10, top, 390, top + 16}});
    }
    all.push_back({IDC_CONTRAST_PREVIEW, L"Static", kSample, kDrawn, {10, 242, 390, 342}});
    return all;
}
constexpr SIZE kClientSize{400, 352};
// The swatch in a well starts this far from the well's left edge.
constexpr int kSwatchLeft = 56;

void setTextIfChanged(HWND control, const std::wstring& text) {
    if (control && win::windowText(control) != text) SetWindowTextW(control, text.c_str());
}

COLORREF colorref(const ByteColor& c) {
    return RGB(c.red, c.green, c.blue);
}

void fill(HDC dc, const RECT& r, COLORREF color) {
    const win::UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.get());
}

} // namespace

ContrastWindow::ContrastWindow() : ToolWindow(kClientSize) {}

void ContrastWindow::open(HWND owner, const RgbColor& current) {
    current_ = current;
    if (!openWindow(owner, kClassName, L"Контраст")) return;
    createControls();
    pair_.following() = toByteColor(current_);
    showColors();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

void ContrastWindow::currentColorChanged(const RgbColor& current) {
    current_ = current;
    if (!hwnd() || updatePending_) return;
    updatePending_ = SetTimer(hwnd(), frameTimer, kFrameMilliseconds, nullptr) != 0;
    if (!updatePending_) { // no timer to wait for: show it now
        pair_.following() = toByteColor(current_);
        showColors();
    }
}

void ContrastWindow::restore(const ContrastSettings& settings) {
    pair_.text = settings.text;
    pair_.background = settings.background;
    pair_.followBackground = settings.followBackground;
    restorePlace(settings.posX, settings.posY, settings.open);
}

ContrastSettings ContrastWindow::settings() const {
    ContrastSettings s;
    const POINT at = place();
    s.posX = at.x;
    s.posY = at.y;
    s.text = pair_.text;
    s.background = pair_.background;
    s.followBackground = pair_.followBackground;
    s.open = wasOpen();
    return s;
}

void ContrastWindow::createControls() {
    for (const Control& c : controls()) {
        CreateWindowExW(0, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, 0, 0, 0, 0, hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), GetModuleHandleW(nullptr),
                        nullptr);
    }
    makeFonts();
    layOut();
}

void ContrastWindow::makeFonts() {
    uiFont_.reset(win::createPointFont(80, kFace, dpi_));
    ratioFont_.reset(win::createPointFont(160, kFace, dpi_));
    smallSample_.reset(win::createPointFont(90, kFace, dpi_));
    largeSample_.reset(win::createPointFont(180, kFace, dpi_));
    // The dialog face has no arrows; a face that has them, where there is one.
    const wchar_t* symbolFace = kFace;
    for (const wchar_t* face : {L"Segoe UI Symbol", L"DejaVu Sans"}) {
        if (win::fontInstalled(face)) {
            symbolFace = face;
            break;
        }
    }
    symbolFont_.reset(win::createPointFont(120, symbolFace, dpi_));
}

void ContrastWindow::layOut() {
    const Scale scale{dpi_};
    for (const Control& c : controls()) {
        HWND control = item(c.id);
        const win::UniqueFont& font = c.font == FontKind::ratio    ? ratioFont_
                                      : c.font == FontKind::symbol ? symbolFont_
                                                                   : uiFont_;
        if (std::wstring_view(c.className) != L"Static") // the statics are drawn here, see kLabel
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        MoveWindow(control, scale(c.place.left), scale(c.place.top), scale(c.place.right - c.place.left),
                   scale(c.place.bottom - c.place.top), TRUE);
    }
}

void ContrastWindow::showColors() {
    setTextIfChanged(item(IDC_CONTRAST_TEXT_VALUE), win::widen(hexText(pair_.text)));
    setTextIfChanged(item(IDC_CONTRAST_BACK_VALUE), win::widen(hexText(pair_.background)));
    const double ratio = pair_.ratio();
    setTextIfChanged(item(IDC_CONTRAST_RATIO), win::widen(ratioText(ratio)));
    for (std::size_t i = 0; i < kContrastLevels.size(); ++i)
        setTextIfChanged(item(IDC_CONTRAST_VERDICT_FIRST + static_cast<int>(i)),
                         win::widen(verdictText(kContrastLevels[i], ratio)));
    const double lc = apcaContrast(pair_.text, pair_.background);
    setTextIfChanged(item(IDC_CONTRAST_APCA), win::widen(apcaText(lc)));
    setTextIfChanged(item(IDC_CONTRAST_APCA_VERDICT), win::widen(apcaVerdictText(lc)));
    for (const int id : {IDC_CONTRAST_TEXT_WELL, IDC_CONTRAST_BACK_WELL, IDC_CONTRAST_PREVIEW})
        InvalidateRect(item(id), nullptr, FALSE);
}

void ContrastWindow::drawItem(const DRAWITEMSTRUCT& drawn) {
    switch (drawn.CtlID) {
    case IDC_CONTRAST_TEXT_WELL:
        drawWell(drawn, pair_.text, !pair_.followBackground);
        break;
    case IDC_CONTRAST_BACK_WELL:
        drawWell(drawn, pair_.background, pair_.followBackground);
        break;
    case IDC_CONTRAST_PREVIEW:
        drawPreview(drawn);
        break;
    default:
        drawLabel(drawn);
        break;
    }
}

// A label as a left-aligned static control draws it; only the ratio has a font of its own.
void ContrastWindow::drawLabel(const DRAWITEMSTRUCT& drawn) {
    HDC dc = drawn.hDC;
    RECT r = drawn.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const win::SelectGuard font(dc, (drawn.CtlID == IDC_CONTRAST_RATIO ? ratioFont_ : uiFont_).get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const std::wstring text = win::windowText(drawn.hwndItem);
    DrawTextW(dc, text.c_str(), -1, &r, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
}

// The label, then the colour in a framed swatch; the well that follows the picker has a wider frame.
void ContrastWindow::drawWell(const DRAWITEMSTRUCT& drawn, const ByteColor& color, bool following) {
    const Scale scale{dpi_};
    HDC dc = drawn.hDC;
    RECT r = drawn.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const win::SelectGuard font(dc, uiFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring label = win::windowText(drawn.hwndItem);
    RECT text = r;
    DrawTextW(dc, label.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    RECT swatch{r.left + scale(kSwatchLeft), r.top + scale(2), r.right - scale(2), r.bottom - scale(2)};
    const int frame = following ? scale.line(3) : scale.line(1);
    fill(dc, swatch, following ? GetSysColor(COLOR_HIGHLIGHT) : GetSysColor(COLOR_BTNTEXT));
    InflateRect(&swatch, -frame, -frame);
    fill(dc, swatch, colorref(color));
}

// The sample sentence in the text colour on the background, at 9 and at 18 points.
void ContrastWindow::drawPreview(const DRAWITEMSTRUCT& drawn) {
    const Scale scale{dpi_};
    HDC dc = drawn.hDC;
    const RECT r = drawn.rcItem;
    fill(dc, r, colorref(pair_.background));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorref(pair_.text));
    RECT line{r.left + scale(8), r.top + scale(6), r.right - scale(8), r.bottom - scale(4)};
    constexpr UINT format = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
    for (const HFONT font : {smallSample_.get(), largeSample_.get()}) {
        const win::SelectGuard select(dc, font);
        RECT measured = line;
        DrawTextW(dc, kSample, -1, &measured, format | DT_CALCRECT);
        DrawTextW(dc, kSample, -1, &line, format);
        line.top = measured.bottom + scale(6);
    }
}

void ContrastWindow::onCommand(int id) {
    switch (id) {
    case IDC_CONTRAST_TAKE_CURRENT:
        pair_.held() = toByteColor(current_);
        break;
    case IDC_CONTRAST_SWAP:
        pair_.swap();
        break;
    case IDCANCEL:
        close();
        return;
    default:
        return;
    }
    showColors();
}

bool ContrastWindow::onMessage(win::Message& m) {
    if (onToolMessage(m)) return true;
    switch (m.id) {
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
        m.result = TRUE;
        return true;
    case WM_COMMAND:
        onCommand(LOWORD(m.wParam));
        return true;
    case WM_TIMER:
        if (m.wParam != frameTimer) return false;
        KillTimer(hwnd(), frameTimer);
        updatePending_ = false;
        pair_.following() = toByteColor(current_);
        showColors();
        return true;
    case WM_ACTIVATE: // keys reach a control only when one has the focus
        if (LOWORD(m.wParam) != WA_INACTIVE && !IsChild(hwnd(), GetFocus()))
            SetFocus(item(IDC_CONTRAST_TAKE_CURRENT));
        return true;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(m.wParam);
        makeFonts();
        layOut();
        moveForDpi(dpi_, *reinterpret_cast<const RECT*>(m.lParam));
        return true;
    }
    case WM_DESTROY:
        KillTimer(hwnd(), frameTimer);
        updatePending_ = false;
        rememberPlace();
        return false;
    case WM_NCDESTROY: // the controls are gone: their fonts go with them
        uiFont_.reset();
        ratioFont_.reset();
        smallSample_.reset();
        largeSample_.reset();
        symbolFont_.reset();
        return false;
    default:
        return false;
    }
}

} // namespace huex
