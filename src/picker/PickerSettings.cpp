// The picker window's settings: read at initialisation, written when the window is destroyed
// and when the session ends.
#include "picker/ColorPickerDialog.h"
#include "picker/PickerPersistence.h"
#include "resource.h"
#include "settings/ImageFile.h"
#include "win/Dpi.h"
#include "win/Files.h"
#include "win/Monitors.h"
#include "win/Trace.h"

#include <span>

namespace huex {

namespace {
Rect toRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

// The frame (window less client width) now, and the one the window's style has at 96 DPI where the
// system can tell (else the present one scaled).
ColorPickerDialog::FrameWidths ColorPickerDialog::frameWidths() const {
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const int now = (window.right - window.left) - client.right;
    if (state.layout.scale.identity()) return {now, now}; // stored widths are live widths at 96 DPI
    const auto style = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_EXSTYLE));
    const int at96 = win::frameWidthForDpi(style, exStyle, kBaseDpi);
    return {now, at96 >= 0 ? at96 : mulDiv(now, kBaseDpi, state.layout.scale.dpi)};
}

std::span<std::uint32_t> ColorPickerDialog::capturePixels() {
    const std::size_t count = captureImage_.empty() ? 0 : captureImage_.imageBytes() / 4;
    return {captureImage_.bits(), captureImage_.bits() ? count : 0};
}

void ColorPickerDialog::loadSettings() {
    files_ = filesToRead(*home_);
    const Settings loaded = huex::loadSettings(readSettingsFile(files_.settings), win::virtualScreen());
    applySettings(state, loaded);
    trace::step("init: settings file read");
    contrast_.restore(loaded.contrast);
    history_.restore(loaded.history);
    startMarqueeTimer();
    CheckMenuRadioItem(menuPopup(IDM_MODIFIER), ID_MOD_WEB, ID_MOD_COMPLEMENT,
                       static_cast<UINT>(ID_MOD_WEB + loaded.modifier), MF_BYCOMMAND);
    const int level = zoomLevelIndex(state.magnifier.viewSize);
    CheckMenuRadioItem(menuPopup(IDM_ZOOM), ID_ZOOM_X15, ID_ZOOM_X3, static_cast<UINT>(ID_ZOOM_X15 + level),
                       MF_BYCOMMAND);
    CheckMenuRadioItem(menuPopup(IDM_SAMPLE), ID_SAMPLE_1X1, ID_SAMPLE_5X5,
                       static_cast<UINT>(sampleCommandFor(state.magnifier.sampleSize)), MF_BYCOMMAND);
    checkVisionItem();
    loadSampleIcon();
    // Given once the window shows: a focus set before that activates the hidden window, which
    // cost the first frame 8 ms.
    startFocus_ = loaded.focus == StartFocus::edit1   ? slotEdit(1)
                  : loaded.focus == StartFocus::edit2 ? slotEdit(2)
                                                      : instanceMarker();
    CheckDlgButton(hwnd(), IDC_CHECK1, loaded.mode1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hwnd(), IDC_CHECK2, loaded.mode2 ? BST_CHECKED : BST_UNCHECKED);
    updateReadOnly(1);
    updateReadOnly(2);
    rebuildPatternMenu();
    trace::step("init: menus checked, focus");
    renderSlotTexts();
    updateCaption();
    trace::step("init: slot texts, caption");
    applyLayout();
    placeWindow(loaded);
    trace::step("init: laid out and placed");
    setSlotCaption(1);
    setSlotCaption(2);
    readImageFile(readImageFileBytes(files_.image), capturePixels());
    if (state.firstRun) {
        applyFirstRun(state);
        renderSlotTexts();
        SetWindowTextW(hwnd(), L"HUEX - Первый запуск");
    }
}

void ColorPickerDialog::placeWindow(const Settings& loaded) {
    RECT window{};
    if (!GetWindowRect(hwnd(), &window)) return;
    const FrameWidths frame = frameWidths();
    const CaptionBar caption = win::captionBarFor(static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_STYLE)),
                                                  static_cast<DWORD>(GetWindowLongW(hwnd(), GWL_EXSTYLE)));
    const Placement place =
        windowPlacement(loaded.posX, loaded.posY,
                        windowWidthFromStored(loaded.width, state.layout.scale, frame.now, frame.at96),
                        caption, win::displayMonitors());
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!place.move) flags |= SWP_NOMOVE;
    // The height follows the layout: the window's size limits fix it.
    SetWindowPos(hwnd(), nullptr, place.left, place.top, place.width, window.bottom - window.top, flags);
}

bool ColorPickerDialog::saveSettings(SaveMoment moment) {
    const SaveTurn turn = saveTurn(moment, saves_);
    if (!home_ || !hwnd() || !turn.save) return false;
    RECT window{};
    GetWindowRect(hwnd(), &window);
    WindowFacts facts;
    facts.liveWindow = toRect(window);
    facts.modifier = static_cast<int>(modifier()) - ID_MOD_WEB;
    facts.check1 = IsDlgButtonChecked(hwnd(), IDC_CHECK1) == BST_CHECKED;
    facts.check2 = IsDlgButtonChecked(hwnd(), IDC_CHECK2) == BST_CHECKED;
    const FrameWidths frame = frameWidths();
    facts.frameWidth = frame.now;
    facts.frameWidth96 = frame.at96;
    Settings s = settingsToSave(state, facts);
    s.contrast = contrast_.settings();
    s.history = history_.settings();
    const SaveResult saved = saveFiles(*home_, files_, settingsEntries(s), imageFileBytes(capturePixels()));
    if (saved.settings) { // the history's changes are in the file: no timed save is due
        historySave_.saved();
        KillTimer(hwnd(), historySaveTimer);
    }
    const bool tell = !saved.settings && turn.tellFailure;
    saves_ = afterSave(saves_, moment, tell);
    if (tell) {
        // Owned by the window while it is still there (the Exit command), so that it shows over it.
        const std::wstring text =
            L"Не удалось сохранить настройки: " + win::systemErrorText(saved.settings.error);
        MessageBoxW(moment == SaveMoment::exitCommand ? hwnd() : nullptr, text.c_str(), L"HUEX",
                    MB_OK | MB_ICONWARNING | MB_TOPMOST);
    }
    return static_cast<bool>(saved.settings);
}

} // namespace huex
