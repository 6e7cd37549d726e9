#pragma once
// The settings dialog: four pages on a tab control (patterns, magnifier, colours, keys). It works on
// the caller's copy of the pattern list and on pointers to the caller's values, and writes the
// values only when it ends with OK; Cancel writes nothing.
#include "controls/TooltipBtn.h"
#include "dialogs/HotKeyPage.h"
#include "dialogs/PatternPage.h"
#include "dialogs/TabBackground.h"
#include "win/Control.h"
#include "win/Dialog.h"
#include "win/Handles.h"

#include <array>
#include <optional>
#include <vector>

namespace huex {

class PropertyDialog : public win::Dialog {
  public:
    // Ids of each page's controls, in page order (patterns, magnifier, colours, keys).
    static const std::vector<int>& pageControls(int page);
    static constexpr int pageCount = 4, keysPage = 3;

    // `patterns` is the caller's editable copy; every pointer must be set before the dialog runs.
    PropertyDialog(std::vector<ColorPattern>& patterns, int builtInCount);
    ~PropertyDialog() override;

    int* color1Pattern = nullptr;
    int* color2Pattern = nullptr;
    int* zoomLevel = nullptr; // 0 .. 4
    int* modifier = nullptr;  // 0 .. 4, web first
    int* sampleSize = nullptr;
    int* interval = nullptr;
    int* period = nullptr;
    int* animation = nullptr;
    int* paletteCount = nullptr;
    HotKeySettings* hotKeys = nullptr;
    std::array<HotKey, kHotKeyCount> heldHotKeys{}; // the keys the program holds now

    TooltipBtn upButton, downButton;

    [[nodiscard]] const TabBackground& tabBackground() const { return tabBackground_; }
    TabBackground& tabBackground() { return tabBackground_; }
    PatternPage& patternPage() { return patternPage_; }
    [[nodiscard]] HWND tabWindow() const { return tab_.hwnd(); }
    // Shows one page's controls and hides the others'; a page's controls are made when it is
    // first shown.
    void showPage(int page);

  protected:
    BOOL onInitDialog() override;
    bool onMessage(win::Message& m) override;

  private:
    // The tab control, subclassed so that a new size redraws the page image.
    class TabControl : public win::Control {
      public:
        explicit TabControl(PropertyDialog& owner) : owner_(owner) {}

      protected:
        bool onMessage(win::Message& m) override;

      private:
        PropertyDialog& owner_;
    };

    void layOut();
    void layOutPage(int page);
    void makePage(int page);
    void fillChoices(int page);
    void setUpArrowButtons();
    void onOk();
    bool onColorRequest(win::Message& m);

    TabControl tab_{*this};
    win::UniqueFont arrowFont_;
    TabBackground tabBackground_;
    PatternPage patternPage_;
    std::array<bool, pageCount> pageMade_{true, false, false, false};
    std::optional<HotKeyPage> hotKeyPage_; // once its page is made
};

} // namespace huex
