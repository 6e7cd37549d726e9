#pragma once
// The picker window: the program's only main window, run modally for the whole life of the
// program. Plain state lives in PickerState; this class owns every handle and child window.
#include "color/Modifiers.h"
#include "picker/CaptureBitmap.h"
#include "picker/Frames.h"
#include "picker/PickerState.h"
#include "win/Dialog.h"
#include "win/Handles.h"
#include "win/Window.h"

#include <array>

namespace huex {

// Puts the tray commands at the top of a window's system menu, drops minimise, restore and
// maximise, remaps Close to the exit command (the tray's exit item takes its text) and adds
// "hide" with the close command, which the window turns into hiding to the tray.
void rebuildSystemMenu(HMENU system, HMENU tray);

class ColorPickerDialog : public win::Dialog {
  public:
    ColorPickerDialog();
    ~ColorPickerDialog() override;

    bool preTranslateMessage(MSG& msg) override;

    PickerState state;

    // Read-only views for the painting code and the tests.
    [[nodiscard]] const CaptureBitmap& captureImage() const { return captureImage_; }
    CaptureBitmap& captureImage() { return captureImage_; }
    [[nodiscard]] HMENU menuPopup(int menuId) const;
    [[nodiscard]] HWND instanceMarker() const { return instanceMarker_.hwnd(); }
    [[nodiscard]] HWND toolTip() const { return toolTip_; }
    [[nodiscard]] ColorMode modifier() const;

    // Operations other parts of the window call.
    void renderSlotText(int slot);
    void renderSlotTexts();
    void setSlotCaption(int slot);
    void updateCaption();
    void applyLayout();
    void setZoomLevel(int index);
    void stepZoomLevel(int step);
    void setSampleSize(int commandId);
    void refresh();
    void captureScreen();
    void sampleFromImage();
    void sampleLive(HDC windowDc);

    // Painting: one routine for WM_PAINT and WM_PRINTCLIENT, and the pieces handlers repaint alone.
    void paint(HDC dc);
    void drawZoomView(HDC dc, bool live);
    void drawZoomFrame(HDC dc);
    void drawMarquee(HDC dc);
    void drawColorSwatch(HDC dc);
    void drawModifiedSwatch(HDC dc);
    void drawSwatchMarker(HDC dc);
    void drawPipetteBar(HDC dc);
    void drawSampleButton(HDC dc, int mode);
    void drawPaletteCell(HDC dc, int index);
    void drawPaletteCells(HDC dc);
    void drawSeparator(HDC dc);
    void drawAllButZoom(HDC dc);
    void startFlash(int kind);

  protected:
    BOOL onInitDialog() override;
    bool onMessage(win::Message& m) override;

  private:
    void loadMenus();
    void loadSampleIcon();
    void placeSlotControls();
    void placeCopyButton(HWND edit, HWND button) const;
    void startMarqueeTimer();
    void drawFrame(HDC dc, const Rect& inner, const Frame& frame);
    void changeSystemMenu();
    void onCommand(int id);
    void onTimer(UINT_PTR id);
    void onSize();
    void exitProgram();
    void showOnRequest();
    HWND slotEdit(int slot) const;
    HWND slotCheck(int slot) const;

    // Owned handles, in the order they are made.
    win::UniqueIcon trayIconShown_, trayIconHidden_;
    win::UniqueIcon pipetteIcon_, pipetteHolderIcon_, sampleIcon_, dividerIcon_;
    win::UniqueMenu trayMenu_, colorMenu_, modifierMenu_, paletteMenu_, sampleMenu_, zoomMenu_, patternMenu_;
    std::array<win::UniqueBitmap, 16> colorBitmaps_;
    win::UniqueFont labelFont_;
    win::UniqueCursor pipetteCursor_, dragCursor_, dropCursor_;
    CaptureBitmap captureImage_;
    win::Window instanceMarker_;
    HWND toolTip_ = nullptr; // a window owned by ours: destroyed with it
    bool trayIconAdded_ = false;
};

} // namespace huex
