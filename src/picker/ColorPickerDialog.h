#pragma once
// The picker window: the program's only main window, run modally for the whole life of the
// program. Plain state lives in PickerState; this class owns every handle and child window.
#include "color/Modifiers.h"
#include "controls/HUEXCheckBox.h"
#include "controls/TooltipBtn.h"
#include "controls/XEdit.h"
#include "dialogs/ContrastWindow.h"
#include "dialogs/HistoryWindow.h"
#include "picker/CaptureBitmap.h"
#include "picker/Frames.h"
#include "picker/KeyboardRules.h"
#include "picker/PickerState.h"
#include "picker/ScreenSquare.h"
#include "settings/SavePlan.h"
#include "settings/SettingsStore.h"
#include "win/Dialog.h"
#include "win/Handles.h"
#include "win/OleSession.h"
#include "win/Window.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace huex {

// Puts the tray commands at the top of a window's system menu, drops minimise, restore and
// maximise, remaps Close to the exit command (the tray's exit item takes its text) and adds
// "hide" with the close command, which the window turns into hiding to the tray.
void rebuildSystemMenu(HMENU system, HMENU tray);
// The hide item's text, the key after a tab.
void setMenuItemText(HMENU menu, UINT command, const std::string& text);

class ColorPickerDialog : public win::Dialog {
  public:
    // With a home for its files, initialisation reads the settings and image files and the Exit
    // command or the window's destruction writes them; without (tests, benchmarks) the window runs
    // on its start values and keeps nothing.
    explicit ColorPickerDialog(std::optional<SettingsHome> home = std::nullopt);
    ~ColorPickerDialog() override;

    static constexpr UINT_PTR fadeTimer = 6;
    static constexpr UINT_PTR historySaveTimer = 7;
    static constexpr UINT_PTR colorTextTimer = 8;
    static constexpr unsigned staleSlot1 = 1, staleSlot2 = 2, staleCaption = 4;
    static constexpr UINT colorTextInterval = 16; // milliseconds: one frame of a 60 Hz display

    bool preTranslateMessage(MSG& msg) override;
    // The start-up work the first frame does not need (the window's tooltip, cursors, tray icons
    // and the tray icon itself, menu bitmaps, the system menu, OLE and the slots' drop targets):
    // posted by the initialisation, run once the first frame is drawn, and only once.
    void finishStartup();
    static constexpr UINT finishStartupMessage = WM_APP + 0x148;
    // Answers the live count of the program's own handles (wParam 0: GDI objects and DCs; 1: menus,
    // icons and cursors) or the heap in use in kB (2: the C library's heaps, 3: the process heap), so that a
    // long session driven from outside (tools/soak.sh) can show it leaves nothing behind.
    static constexpr UINT liveHandlesMessage = WM_APP + 0x149;

    PickerState state;
    // The slot controls; declared after `state`, whose pattern list the edits look into.
    XEdit edit1, edit2;
    HUEXCheckBox check2, check1;
    CopyBtn copyButton1, copyButton2;

    // Read-only views for the painting code and the tests.
    [[nodiscard]] const CaptureBitmap& captureImage() const { return captureImage_; }
    CaptureBitmap& captureImage() { return captureImage_; }
    [[nodiscard]] HMENU menuPopup(int menuId) const;
    [[nodiscard]] HWND instanceMarker() const { return instanceMarker_.hwnd(); }
    [[nodiscard]] HWND toolTip() const { return toolTip_; }
    [[nodiscard]] ColorMode modifier() const;
    [[nodiscard]] ContrastWindow& contrastWindow() { return contrast_; }
    // Per hot key (refresh, toggle, pick): it could not be had at the last registration.
    [[nodiscard]] const std::array<bool, kHotKeyCount>& hotKeysTaken() const { return hotKeysTaken_; }
    [[nodiscard]] const std::array<bool, kHotKeyCount>& hotKeysHeld() const { return hotKeysHeld_; }
    [[nodiscard]] HistoryWindow& historyWindow() { return history_; }

    // Operations other parts of the window call.
    void renderSlotText(int slot);
    void renderSlotTexts();
    // Everything that shows the current colour as text (the caption and both slot texts) is
    // brought up to date by refreshColorTexts, and by nothing else while the colour moves: a
    // pipette drag or an arrow key only marks the texts stale, and a timer refreshes them at most
    // once a display frame and always after the last move. A window that follows the colour
    // hooks into refreshColorTexts. Typing into one slot marks only the other one stale: the
    // typed text stays as it is.
    void markColorTextsStale();
    void markSlotTextStale(int slot);
    void refreshColorTexts();
    [[nodiscard]] bool colorTextsStale() const { return staleTexts_ != 0; }
    void setSlotCaption(int slot);
    void updateCaption();
    void applyLayout();
    void setZoomLevel(int index);
    void stepZoomLevel(int step);
    void setSampleSize(int commandId);
    // The zoom view shows the screen as this vision sees it (commands 1340..1344); picks, slots,
    // swatches, palette, clipboard and image file keep the true colours.
    void setVision(Vision vision);
    void refresh();
    void captureScreen();
    void sampleFromImage();
    void sampleLive(HDC windowDc);

    // Painting: one routine for WM_PAINT and WM_PRINTCLIENT, and the pieces handlers repaint alone.
    void paint(HDC dc);
    void drawZoomView(HDC dc, bool live);
    void drawZoomFrame(HDC dc);
    void drawMarquee(HDC dc);
    // `frame` false: the inside only, for the moves of a pipette drag, which leave frames alone.
    void drawColorSwatch(HDC dc, bool frame = true);
    void drawModifiedSwatch(HDC dc, bool frame = true);
    void drawSwatchMarker(HDC dc);
    void drawPipetteBar(HDC dc);
    void drawSampleButton(HDC dc, int mode);
    void drawPaletteCell(HDC dc, int index);
    void drawPaletteCells(HDC dc);
    void drawSeparator(HDC dc);
    void drawAllButZoom(HDC dc);
    void startFlash(int kind);

    // The captured square as a packed DIB on the clipboard; false when the clipboard stayed busy
    // (about 100 ms) or memory ran out, in which case the clipboard is left as it was.
    bool copyImageToClipboard();
    // Ctrl+V and Shift+Insert outside the slot edits: the clipboard's text read through slot 1's
    // pattern, slot 2's or as CSS becomes the current colour, and the zoom frame flashes; false
    // (nothing changed) for no text, no colour, a text too long, or a clipboard another program
    // holds, which is not waited for.
    bool pasteColor();
    // The pattern menu's popup, rebuilt from `state.patterns`.
    void rebuildPatternMenu();
    [[nodiscard]] HMENU patternMenu() const { return patternMenu_.get(); }

    // Settings and image file, at one of the moments a save runs; false when there are no files or
    // the settings file was written nowhere, which is told at most once per exit (SavePlan.h).
    bool saveSettings(SaveMoment moment = SaveMoment::windowDestroyed);
    // Showing and hiding (PickerShowHide.cpp): 5 shows, 0 hides (fading where the system can);
    // any other state goes to ShowWindow as it is.
    void show(int showState);
    // The colour under the mouse pointer, wherever it is, taken as a pipette release takes it,
    // its text copied when the settings say so; the window stays as it is.
    void pickAtCursor();
    // The three hot keys (ids 1, 2, 3) given back and taken again as the settings say, and the
    // menus' texts made to name them.
    void registerHotKeys();
    void unregisterHotKeys();
    void showHotKeysInMenus();
    bool onHotKey(WPARAM id);
    void toggleShown();

  protected:
    BOOL onInitDialog() override;
    bool onMessage(win::Message& m) override;

  private:
    void relayToToolTip(const MSG& msg);
    bool dropsAltAfterHotKey(const MSG& msg);
    void loadMenus();
    void loadColorBitmaps();
    void loadSampleIcon();
    // Scaled screens (PickerDpi.cpp).
    void initialiseDpi();
    void loadDpiResources();
    void loadDpiCursors();
    void onDpiChanged(int dpi, const RECT* suggested);
    void placeSlotControls();
    void attachSlotControls();
    void startMarqueeTimer();
    void drawFrame(HDC dc, const Rect& inner, const Frame& frame);
    void drawIcon(HDC dc, Point at, HICON icon) const;
    void drawSimulatedView(HDC dc, const CaptureBitmap& image, Point sourceOrigin);
    void checkVisionItem();
    void changeSystemMenu();
    // Commands (PickerCommands.cpp).
    void onCommand(int id, int code, HWND control);
    bool runMenuCommand(int id);
    void chooseModifier(int id);
    void chooseColorWithDialog();
    void chooseNamedColor(int id);
    void applyGradient(int id);
    void choosePattern(int index);
    void onCheckBoxClicked(int slot);
    void onTypedText(int slot);
    void onSlotEditFocusLost(int slot);
    // The pattern slot 1 or 2 renders with; null while the list is empty.
    ColorPattern* slotPatternOf(int slot);
    void openContrast();
    // The colour history (PickerHistory.cpp): a colour taken by a pick, a paste, the colour dialog
    // or Enter in a slot goes in; its changes reach the settings file within a timer period.
    void connectHistory();
    void openHistory();
    void addToHistory(const RgbColor& color);
    void chooseFromHistory(ColorRef color);
    void historyToPalette(ColorRef color);
    void historyChanged();
    void onHistorySaveTimer();
    // Palette files (PickerPaletteFiles.cpp).
    void exportPalette();
    void exportColors(HWND owner, const std::vector<RgbColor>& colors);
    void importPalette();
    // Settings (PickerSettingsCommand.cpp).
    void openSettings();
    void applyDialogChoices(std::vector<ColorPattern>& edited, int zoom, int mode);
    void updateReadOnly(int slot);
    std::optional<RgbColor> askSystemColor(const RgbColor& start);
    void onTimer(UINT_PTR id);
    // Mouse (PickerMouse.cpp).
    bool onMouseMessage(win::Message& m);
    void onLeftButtonDown(Point p);
    void onLeftButtonUp(Point p);
    void onMouseMove(Point p);
    void onRightButtonDown(Point p);
    void onCaptureLost();
    void onDoubleClick(Point p);
    bool onMouseWheel(int delta);
    void onSlotEditFocus();
    void onDragTimer(UINT_PTR id);
    void pipetteStep(Point p);
    void endDragCapture();
    void updateHover(int code);
    void openPopup(HMENU popup, int x, int y, UINT flags = 0);
    void openPatternMenu(int slot, const Rect& checkBox);
    void openCellColorMenu(int cell);
    void drawSwatches(HDC dc, bool frames = true);
    void onSize();
    // Settings (PickerSettings.cpp).
    void loadSettings();
    void placeWindow(const Settings& loaded);
    struct FrameWidths {
        int now, at96;
    };
    FrameWidths frameWidths() const;
    std::span<std::uint32_t> capturePixels();
    // Keyboard (PickerKeyboard.cpp).
    bool onKeyDown(const MSG& msg);
    KeyContext keyContext() const;
    void onFocusSinkKey(const KeyPress& press);
    void selectAllPaletteCells();
    void storeFromEdit();
    void stepPaletteSelection(Key key, const KeyPress& press);
    // Tray, fade and system menu (PickerShowHide.cpp).
    void onFadeTick();
    void setOpacity(int level);
    void onTrayCallback(LPARAM mouseMessage);
    bool onSysCommand(win::Message& m);
    void exitProgram();
    void showOnRequest();
    HWND slotEdit(int slot) const;
    HWND slotCheck(int slot) const;
    XEdit& slotEditControl(int slot) { return slot == 1 ? edit1 : edit2; }

    // Owned handles, in the order they are made.
    win::UniqueIcon trayIconShown_, trayIconHidden_;
    win::UniqueIcon pipetteIcon_, pipetteHolderIcon_, sampleIcon_, dividerIcon_;
    win::UniqueMenu trayMenu_, colorMenu_, modifierMenu_, paletteMenu_, sampleMenu_, zoomMenu_, patternMenu_;
    std::array<win::UniqueBitmap, 16> colorBitmaps_;
    win::UniqueFont labelFont_;
    win::UniqueFont checkFont_; // the dialog font for another DPI than the template's
    int templateDpi_ = kBaseDpi;
    int checkBoxHeight96_ = 0; // the template's, in 96-DPI units
    int checkBoxHeight_ = 0;   // at the window's DPI: the scaled one, or the font's where that is taller
    win::UniqueCursor pipetteCursor_, dragCursor_, dropCursor_;
    CaptureBitmap captureImage_;
    // With a simulated vision: the live view's true screen pixels, and the pixels drawn.
    ScreenSquare liveSquare_;
    std::vector<std::uint32_t> simulatedPixels_;
    win::Window instanceMarker_;
    HWND toolTip_ = nullptr; // a window owned by ours: destroyed with it
    bool trayIconAdded_ = false;
    bool shownTraced_ = false, firstPaintTraced_ = false;
    unsigned staleTexts_ = 0; // staleSlot1 | staleSlot2 | staleCaption, until the timer renders them
    // Per slot: its text was typed as CSS or a name its pattern can't read; shown in the pattern
    // on leaving.
    std::array<bool, 2> cssTyped_{};
    // While a slot's text is being rendered: the edit's change notice is not typing, and reading
    // the text back (a name's colour is not the colour named) must not change the current colour.
    bool renderingSlot_ = false;
    void startColorTextTimer(unsigned stale);
    void refreshStaleTexts();
    bool startupFinished_ = false;
    HWND startFocus_ = nullptr; // the focus the settings chose, given when start-up finishes
    SaveHistory saves_;
    // OLE for dragging slot text out, from the end of start-up until the window object is gone.
    win::OleSession ole_;
    std::optional<SettingsHome> home_;
    SettingsFiles files_; // the files read at start
    bool settingsOpen_ = false;
    // The system colour dialog's custom colours, kept for the session.
    std::array<COLORREF, 16> customColors_{};
    int lastHoverRegion_ = 0;
    bool tipActive_ = false;
    bool altAfterHotKey_ = false; // Alt is held since a hot key with Alt
    std::array<bool, kHotKeyCount> hotKeysHeld_{}, hotKeysTaken_{};
    std::wstring shownCaption_;
    ContrastWindow contrast_;
    HistoryWindow history_;
    HistorySaveSchedule historySave_;
    // The DCs a pipette drag holds from its start to its end: the desktop window's, which it reads
    // (the quicker one to stretch from), and the window's, which it draws on with the swatch
    // label's font kept selected (selecting it cost more than drawing the label).
    struct PipetteDcs {
        PipetteDcs(HWND window, HFONT labelFont)
            : screen(GetDesktopWindow()), window(window), font(this->window.get(), labelFont) {}
        win::WindowDc screen;
        win::WindowDc window;
        win::SelectGuard font;
    };
    std::optional<PipetteDcs> pipetteDcs_;
};

} // namespace huex
