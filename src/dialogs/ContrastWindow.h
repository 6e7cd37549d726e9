#pragma once
// The contrast window: a text colour and a background, one of them following the picker's colour
// live, their WCAG ratio and verdicts, their APCA value and verdict, and a sample of text in both. Modeless,
// owned by the picker, on top of other windows.
#include "color/Contrast.h"
#include "settings/Settings.h"
#include "win/Handles.h"
#include "win/Window.h"

#include <array>

namespace huex {

class ContrastWindow : public win::Window {
  public:
    static constexpr UINT_PTR frameTimer = 1;

    // Opens the window beside `owner` (or where it last stood), or brings it forward when open.
    void open(HWND owner, const RgbColor& current);
    // Closed by the user: it will not reopen at the next start.
    void close();
    // Goes with the picker when it hides to the tray, and comes back when it shows again.
    void followOwner(bool ownerShown);
    // Coalesced: the window shows the last colour once per display frame at most.
    void currentColorChanged(const RgbColor& current);
    // Escape and dialog navigation for messages meant for this window; true when taken.
    bool preTranslateMessage(MSG& msg);

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
    void rememberPlace();
    [[nodiscard]] HWND item(int id) const { return GetDlgItem(hwnd(), id); }

    ContrastPair pair_;
    RgbColor current_{};
    bool updatePending_ = false;
    bool wasOpen_ = false;
    bool hiddenWithOwner_ = false;
    int posX_ = useLiveWindowRect, posY_ = useLiveWindowRect;
    int dpi_ = 96;
    win::UniqueFont uiFont_, ratioFont_, smallSample_, largeSample_, symbolFont_;
};

} // namespace huex
