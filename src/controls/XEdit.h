#pragma once
// A colour slot's text edit: a fixed-pitch font, a strip at the right edge where its companion
// (the slot's copy button) sits, text coloured by whether it reads as a colour under the slot's
// pattern, a pale green background while it has the focus, and a notification to the parent when
// it gains the focus (WM_COMMAND with its id and code 0).
#include "controls/ColorTextEdit.h"
#include "controls/PatternRef.h"
#include "win/Handles.h"

namespace huex {

class XEdit : public ColorTextEdit {
  public:
    static constexpr int defaultStripWidth = 23;
    static constexpr COLORREF focusBackground = 0xF0FFF5;
    static constexpr COLORREF parsedText = 0x960000;
    static constexpr COLORREF unparsedText = 0x0000CC;

    XEdit();

    // The slot's pattern, looked up on every repaint; an empty reference colours the text red.
    void setPattern(PatternRef pattern) { pattern_ = pattern; }
    // The control kept over the strip (its dialog id in the parent), placed there at once.
    void setCompanionId(int id);
    [[nodiscard]] int companionId() const { return companionId_; }
    [[nodiscard]] int stripWidth() const { return stripWidth_; }
    // Font and strip for the DPI the edit is shown at (the screen's until told otherwise).
    void setDpi(int dpi);

    // Colours the context for painting the text; the background brush (owned by the edit).
    HBRUSH colorRequest(HDC dc);
    // After typing: whether the text now reads under the pattern. The edit redraws the characters
    // that changed by itself; the whole text is repainted only when its colour changes with them.
    void showParseResult(bool parses);

    bool onReflected(win::Message& m) override;

  protected:
    bool onMessage(win::Message& m) override;
    void onAttached() override;

  private:
    void placeCompanion();

    int stripWidth_ = defaultStripWidth;
    int fontDpi_ = 0;
    PatternRef pattern_;
    int companionId_ = 0;
    win::UniqueFont textFont_;
    win::UniqueBrush backgroundBrush_;
    int paintedParsed_ = -1; // whether the last paint showed the text as read (1) or not (0); -1 none yet
};

} // namespace huex
