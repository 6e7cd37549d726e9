// Scaled screens: the window's fonts, pictures and layout for the DPI it is shown at, made at
// initialisation and again when the window moves to a screen of another DPI.
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "shell/ProcessValues.h"
#include "shell/TrayIcon.h"
#include "win/Artwork.h"
#include "win/Dpi.h"
#include "win/Fonts.h"
#include "win/Handles.h"

#include <algorithm>

namespace huex {

namespace {

// Whether `size` bytes at `p` are committed, readable memory of this process.
bool readable(const void* p, std::size_t size) {
    MEMORY_BASIC_INFORMATION info{};
    if (!p || VirtualQuery(p, &info, sizeof info) != sizeof info || info.State != MEM_COMMIT) return false;
    constexpr DWORD readableProtection = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                                         PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    const auto end = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
    return (info.Protect & readableProtection) && !(info.Protect & PAGE_GUARD) &&
           static_cast<const char*>(p) + size <= end;
}

int windowHeightOf(HWND window) {
    RECT r{};
    return GetWindowRect(window, &r) ? r.bottom - r.top : 0;
}

} // namespace

void ColorPickerDialog::initialiseDpi() {
    // The template's controls were sized for the system DPI; the check boxes' height is kept in
    // 96-DPI units so that every later layout scales it.
    templateDpi_ = win::screenDpi();
    checkBoxHeight96_ = mulDiv(windowHeightOf(slotCheck(2)), kBaseDpi, templateDpi_);
    state.layout = computeLayout(state.magnifier.viewSize, state.magnifier.zoomFactor, state.layout,
                                 Scale{win::windowDpi(hwnd())});
    loadDpiResources();
}

void ColorPickerDialog::loadDpiResources() {
    const Scale scale = state.layout.scale;
    const int dpi = scale.dpi;
    // A drag's DCs hold the label font: they let it go before it is replaced.
    const bool dragging = pipetteDcs_.has_value();
    pipetteDcs_.reset();
    labelFont_.reset(win::createPointFont(70, L"MS Sans Serif", dpi));
    if (dragging) pipetteDcs_.emplace(hwnd(), labelFont_.get());
    for (XEdit* edit : {&edit1, &edit2}) edit->setDpi(dpi);
    for (CopyBtn* button : {&copyButton1, &copyButton2}) button->setDpi(dpi);
    // The check boxes keep the dialog's own font at the DPI it was made for.
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    checkFont_.reset();
    if (dpi != templateDpi_ && dialogFont) {
        LOGFONTW description{};
        if (GetObjectW(dialogFont, sizeof description, &description)) {
            description.lfHeight = mulDiv(description.lfHeight, dpi, templateDpi_);
            checkFont_.reset(CreateFontIndirectW(&description));
        }
    }
    HFONT checkFont = checkFont_ ? checkFont_.get() : dialogFont;
    for (HWND check : {slotCheck(1), slotCheck(2)})
        if (check && checkFont) SendMessageW(check, WM_SETFONT, reinterpret_cast<WPARAM>(checkFont), FALSE);
    // A font does not grow in step with the scale: the boxes are at least one line of it high.
    checkBoxHeight_ = scale(checkBoxHeight96_);
    if (const win::WindowDc dc(hwnd()); dc && checkFont) {
        const win::SelectGuard select(dc.get(), checkFont);
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc.get(), &metrics))
            checkBoxHeight_ = std::max(checkBoxHeight_, int{metrics.tmHeight});
    }

    const int icon = scale(32);
    pipetteHolderIcon_ = win::loadIcon(IDI_PIPETTE_HOLDER, icon);
    pipetteIcon_ = win::loadIcon(IDI_PIPETTE, icon);
    dividerIcon_ = win::loadIcon(IDI_DIVIDER, icon);
    loadSampleIcon();
}

// Cursors and the tray icons: none of them is needed before the window is on the screen.
void ColorPickerDialog::loadDpiCursors() {
    const int dpi = state.layout.scale.dpi;
    pipetteCursor_ = win::loadCursor(IDCUR_PIPETTE, dpi);
    dragCursor_ = win::loadCursor(IDCUR_DRAG, dpi);
    dropCursor_ = win::loadCursor(IDCUR_DROP, dpi);
    const bool classic = processValues().preXpSystem;
    const int small = win::systemMetric(SM_CXSMICON, dpi);
    trayIconShown_ = win::loadIcon(classic ? IDI_TRAY_SHOWN_CLASSIC : IDI_TRAY_SHOWN, small);
    trayIconHidden_ = win::loadIcon(classic ? IDI_TRAY_HIDDEN_CLASSIC : IDI_TRAY_HIDDEN, small);
}

void ColorPickerDialog::loadSampleIcon() {
    sampleIcon_ = win::loadIcon(sampleIconFor(state.magnifier.sampleSize), state.layout.scale(32));
}

void ColorPickerDialog::onDpiChanged(int dpi, const RECT* suggested) {
    if (dpi <= 0 || dpi == state.layout.scale.dpi) return;
    state.layout =
        computeLayout(state.magnifier.viewSize, state.magnifier.zoomFactor, state.layout, Scale{dpi});
    loadDpiResources();
    if (startupFinished_) {
        loadDpiCursors();
        loadColorBitmaps();
    }
    if (trayIconAdded_) {
        const bool shown = IsWindowVisible(hwnd()) != FALSE;
        modifyTrayIcon(hwnd(), shown ? trayIconShown_.get() : trayIconHidden_.get(),
                       shown ? L"HUEX" : L"HUEX - Показать окно");
    }
    // The suggested rectangle places the window; its size comes from the layout. The message can
    // come from another program, with a pointer that means nothing here: then the window stays.
    if (readable(suggested, sizeof(RECT)))
        SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    applyLayout();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

} // namespace huex
