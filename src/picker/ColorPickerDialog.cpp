#include "picker/ColorPickerDialog.h"

#include "picker/Marquee.h"
#include "picker/PaletteSelection.h"
#include "resource.h"
#include "shell/Help.h"
#include "shell/InstanceNames.h"
#include "shell/ProcessValues.h"
#include "shell/TrayIcon.h"
#include "win/Fonts.h"
#include "win/Trace.h"

#include <commctrl.h>

#include <tuple>
#include <utility>

namespace huex {

namespace {
constexpr UINT_PTR colorDragTimer = 1;
constexpr UINT_PTR modifiedDragTimer = 2;
constexpr UINT_PTR marqueeTimer = 4;
constexpr UINT_PTR flashTimer = 5;
constexpr int markerId = 2;

bool keyDown(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}
} // namespace

ColorPickerDialog::ColorPickerDialog(std::optional<SettingsHome> home)
    : win::Dialog(IDD_PICKER), home_(std::move(home)) {
    // Cell 0 starts selected exactly as a click on it would leave it.
    SelectionMarks marks{state.selectionAnchor, state.selectionCursor};
    selectPaletteCell(state.palette, marks, 0, keyDown(VK_CONTROL), keyDown(VK_SHIFT));
    state.selectionAnchor = marks.anchor;
    state.selectionCursor = marks.cursor;
    connectHistory();
}

ColorPickerDialog::~ColorPickerDialog() {
    // The window goes first, so that no message reaches members being torn down.
    if (hwnd()) DestroyWindow(hwnd());
}

BOOL ColorPickerDialog::onInitDialog() {
    HWND self = hwnd();
    trace::step("init: dialog and its controls created");
    attachSlotControls();
    trace::step("init: slot controls attached");
    state.backgroundColor = GetSysColor(COLOR_BTNFACE);

    static const wchar_t* const markerClass = L"HUEXInstanceMarker";
    win::Window::registerClass(markerClass);
    instanceMarker_.create(markerClass, 0, WS_CHILD | WS_VISIBLE, instanceMarkerText, RECT{0, 0, 1, 1}, self,
                           markerId);
    trace::step("init: instance marker");

    // Each copy button sits on top of its edit's right-hand strip and copies that edit's text.
    for (auto [edit, button, id] :
         {std::tuple{&edit1, &copyButton1, IDC_COPY1}, {&edit2, &copyButton2, IDC_COPY2}}) {
        edit->setCompanionId(id);
        BringWindowToTop(button->hwnd());
        button->setOwnerEdit(edit->hwnd());
    }
    trace::step("init: copy buttons paired");

    initialiseDpi();
    trace::step("init: fonts and pictures for the DPI");
    loadMenus();
    trace::step("init: menus");
    // What the first frame does not show follows once it is on the screen.
    PostMessageW(self, finishStartupMessage, 0, 0);

    captureImage_.create(CaptureBitmap::side, CaptureBitmap::side);
    if (home_) {
        loadSettings();
        trace::step("init: settings loaded, laid out, placed");
        registerHotKeys();
        showHotKeysInMenus();
        trace::step("init: hot keys");
        return FALSE; // the focus the settings chose stays
    }
    registerHotKeys();
    showHotKeysInMenus();
    // Without settings files the window runs on its constructor values.
    loadSampleIcon();
    updateCaption();
    applyLayout();
    startMarqueeTimer();
    return TRUE;
}

void ColorPickerDialog::finishStartup() {
    if (startupFinished_ || !hwnd()) return;
    startupFinished_ = true;
    HWND self = hwnd();
    if (startFocus_) SetFocus(std::exchange(startFocus_, nullptr));
    RedrawWindow(self, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    trace::step("later: first frame drawn");

    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, self, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (toolTip_) {
        SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, 0xFFFFFF);
        if (SendMessageW(toolTip_, TTM_GETTOOLCOUNT, 0, 0) == 0) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND; // the message loop relays the mouse (relayToToolTip)
            tool.hwnd = self;
            tool.uId = reinterpret_cast<UINT_PTR>(self);
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    trace::step("later: tooltip");

    loadDpiCursors();
    trace::step("later: cursors and tray icons");
    loadColorBitmaps();
    changeSystemMenu();
    showHotKeysInMenus();
    trace::step("later: menu bitmaps, system menu");

    // Selected slot text can be dragged out into other programs; drops onto the slots are refused.
    ole_.start();
    edit1.EnableDragDrop(ColorTextEdit::dragOut);
    edit2.EnableDragDrop(ColorTextEdit::dragOut);
    trace::step("later: OLE, drop targets");
    trayIconAdded_ = addTrayIcon(self, trayIconShown_.get(), L"HUEX");
    trace::step("later: tray icon");
    if (contrast_.settings().open && !contrast_.hwnd()) openContrast(); // open as the last run ended
    if (history_.wasOpen() && !history_.hwnd()) openHistory();
}

void ColorPickerDialog::attachSlotControls() {
    HWND self = hwnd();
    edit1.attachDlgItem(self, IDC_EDIT1);
    edit2.attachDlgItem(self, IDC_EDIT2);
    check2.attachDlgItem(self, IDC_CHECK2);
    check1.attachDlgItem(self, IDC_CHECK1);
    copyButton1.attachDlgItem(self, IDC_COPY1);
    copyButton2.attachDlgItem(self, IDC_COPY2);
}

// The hover tips see the mouse through the message loop, not by subclassing the window: a drag
// shows no tip (one would come into the pipette's own view), and the subclass's relay of every
// move was a third of a pipette step.
void ColorPickerDialog::relayToToolTip(const MSG& msg) {
    if (!toolTip_ || msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST) return;
    if (state.dragMode == DragMode::pipette || state.dragMode == DragMode::color) return;
    SendMessageW(toolTip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

// The hot key's own key never reaches the window, so Alt released after a hot key with Alt looks
// like Alt pressed alone, which would open the window menu: that release is dropped.
bool ColorPickerDialog::dropsAltAfterHotKey(const MSG& msg) {
    if (msg.message == WM_HOTKEY) {
        altAfterHotKey_ = (LOWORD(msg.lParam) & MOD_ALT) != 0;
    } else if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (msg.wParam != VK_MENU) altAfterHotKey_ = false;
    } else if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) {
        return msg.wParam == VK_MENU && std::exchange(altAfterHotKey_, false);
    }
    return false;
}

bool ColorPickerDialog::preTranslateMessage(MSG& msg) {
    relayToToolTip(msg);
    if (dropsAltAfterHotKey(msg)) return true;
    if (contrast_.preTranslateMessage(msg)) return true;
    if (history_.preTranslateMessage(msg)) return true;
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && onKeyDown(msg)) return true;
    if (msg.message == WM_HOTKEY && msg.hwnd == hwnd()) return onHotKey(msg.wParam);
    // Popup menus post their commands; the ones the window acts on are taken here.
    if (msg.message == WM_COMMAND && msg.hwnd == hwnd() && msg.lParam == 0)
        return runMenuCommand(LOWORD(msg.wParam));
    return false;
}

bool ColorPickerDialog::onMessage(win::Message& m) {
    if (onMouseMessage(m)) return true;
    switch (m.id) {
    case WM_PAINT: {
        const win::PaintDc dc(hwnd());
        paint(dc.get());
        if (!firstPaintTraced_) trace::step("first paint");
        firstPaintTraced_ = true;
        return true;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(m.wParam));
        return true;
    case WM_ERASEBKGND:
        m.result = 1; // every pixel is painted by the paint routine
        return true;
    case WM_SIZE:
        onSize();
        return false;
    case WM_GETMINMAXINFO: {
        RECT window{}, client{};
        if (!hwnd() || !GetWindowRect(hwnd(), &window) || !GetClientRect(hwnd(), &client)) return false;
        const int nonClientHeight = (window.bottom - window.top) - (client.bottom - client.top);
        const TrackingLimits limits = trackingLimits(state.layout, nonClientHeight);
        auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
        info->ptMinTrackSize = {limits.minTrack.width, limits.minTrack.height};
        info->ptMaxTrackSize = {limits.maxTrack.width, limits.maxTrack.height};
        return true;
    }
    case WM_TIMER:
        onTimer(m.wParam);
        return true;
    case WM_COMMAND:
        onCommand(LOWORD(m.wParam), HIWORD(m.wParam), reinterpret_cast<HWND>(m.lParam));
        return false;
    case WM_SYSCOMMAND:
        return onSysCommand(m);
    case WM_CLOSE: // from outside the window's own controls: end, saving as an exit does
        exitProgram();
        return true;
    case WM_SHOWWINDOW:
        if (m.wParam == activationRequest) {
            DefWindowProcW(hwnd(), m.id, m.wParam, m.lParam);
            showOnRequest();
            return true;
        }
        return false;
    case WM_DPICHANGED:
        onDpiChanged(LOWORD(m.wParam), reinterpret_cast<const RECT*>(m.lParam));
        return true;
    case WM_QUERYDRAGICON:
        m.result = reinterpret_cast<LRESULT>(trayIconShown_.get());
        return true;
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        applyLayout();
        state.backgroundColor = GetSysColor(COLOR_BTNFACE);
        m.result = m.id == WM_THEMECHANGED ? 1 : 0;
        return m.id == WM_THEMECHANGED;
    case trayCallbackMessage:
        onTrayCallback(m.lParam);
        return true;
    case WM_QUERYENDSESSION:
        // The default answer allows ending; the settings are saved at once.
        saveSettings(SaveMoment::sessionEnding);
        m.result = TRUE;
        return true;
    case WM_ENDSESSION:
        if (m.wParam == FALSE) saves_.sessionEnding = false; // another program kept the session
        return false;
    case finishStartupMessage:
        finishStartup();
        return true;
    case liveHandlesMessage:
        m.result = m.wParam == 0   ? win::liveGdiHandles()
                   : m.wParam == 1 ? win::liveUserHandles()
                                   : win::heapKilobytesInUse(m.wParam == 3);
        return true;
    case WM_WINDOWPOSCHANGED:
        if (!shownTraced_ && (reinterpret_cast<const WINDOWPOS*>(m.lParam)->flags & SWP_SHOWWINDOW)) {
            shownTraced_ = true;
            trace::step("window shown");
        }
        return false;
    case WM_DESTROY:
        trace::step("exit: window being destroyed");
        unregisterHotKeys();
        trace::step("exit: hot keys unregistered");
        if (trayIconAdded_) deleteTrayIcon(hwnd());
        trayIconAdded_ = false;
        trace::step("exit: tray icon deleted");
        pipetteDcs_.reset();
        saveSettings(SaveMoment::windowDestroyed);
        return false;
    default:
        return false;
    }
}

void ColorPickerDialog::onTimer(UINT_PTR id) {
    if (id == colorTextTimer) {
        refreshStaleTexts();
        return;
    }
    if (id == historySaveTimer) {
        onHistorySaveTimer();
        return;
    }
    const win::WindowDc dc(hwnd());
    if (!dc) return;
    if (id == marqueeTimer) {
        drawMarquee(dc.get());
        state.marqueePhase = nextMarqueePhase(state.marqueePhase, state.period);
    } else if (id == colorDragTimer || id == modifiedDragTimer) {
        onDragTimer(id);
    } else if (id == fadeTimer) {
        onFadeTick();
    } else if (id == flashTimer) {
        const FlashTick tick = nextFlashStep(state.flashStep);
        state.flashStep = tick.step;
        if (tick.finished) KillTimer(hwnd(), flashTimer);
        drawZoomFrame(dc.get());
    }
}

void ColorPickerDialog::startFlash(int kind) {
    state.flashKind = kind;
    state.flashStep = 1;
    SetTimer(hwnd(), flashTimer, 70, nullptr);
    const win::WindowDc dc(hwnd());
    if (dc) drawZoomFrame(dc.get());
}

void ColorPickerDialog::exitProgram() {
    trace::step("exit: command");
    // Saved before anything else: taking the window and the tray icon off the screen can wait on
    // the window system (seconds where no window manager answers).
    saveSettings(SaveMoment::exitCommand);
    trace::step("exit: settings saved");
    if (hwnd()) DestroyWindow(hwnd());
    trace::step("exit: window destroyed");
}

HWND ColorPickerDialog::slotEdit(int slot) const {
    return GetDlgItem(hwnd(), slot == 1 ? IDC_EDIT1 : IDC_EDIT2);
}
HWND ColorPickerDialog::slotCheck(int slot) const {
    return GetDlgItem(hwnd(), slot == 1 ? IDC_CHECK1 : IDC_CHECK2);
}

} // namespace huex
