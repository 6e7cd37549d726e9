#pragma once
// The contrast window: a text colour and a background, one of them following the picker's colour
// live, their WCAG ratio and verdicts, their APCA value and verdict, and a sample of text in both. Modeless,
// owned by the picker, on top of other windows.
#include "color/Contrast.h"
#include "dialogs/ToolWindow.h"
#include "settings/Settings.h"
#include "win/Handles.h"

#include <array>

namespace huex {

class ContrastWindow : public ToolWindow {
  public:
    ContrastWindow();
    static constexpr UINT_PTR frameTimer = 1;

    // Opens the window beside `owner` (or where it last stood), or brings it forward when open.
    void open(HWND owner, const RgbColor& current);
    // Coalesced: the window shows the last colour once per display frame at most.
    void currentColorChanged(const RgbColor& current);

    // What the settings file keeps; `open` says whether the window was open when it last went.
    void restore(const ContrastSettings& settings);
    [[nodiscard]] ContrastSettings settings() const;
    [[nodiscard]] const ContrastPair& pair() const { return pair_; }

  protected:
    bool onMessage(win::Message& m) override;

  private:
    void createControls();
    void makeFonts();
    void layOut();
    void showColors();
    void drawItem(const DRAWITEMSTRUCT& item);
    void drawWell(const DRAWITEMSTRUCT& item, const ByteColor& color, bool following);
    void drawPreview(const DRAWITEMSTRUCT& item);
    void drawLabel(const DRAWITEMSTRUCT& item);
    void onCommand(int id);

    ContrastPair pair_;
    RgbColor current_{};
    bool updatePending_ = false;
    win::UniqueFont uiFont_, ratioFont_, smallSample_, largeSample_, symbolFont_;
};

} // namespace huex
