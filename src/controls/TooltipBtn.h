#pragma once
// Push buttons with a hover tooltip. TooltipBtn hides its tip as soon as a button is pressed on
// it; CopyBtn shows a glyph, keeps its tip until the mouse leaves, and when clicked copies the
// whole text of its owner edit to the clipboard and gives that edit the focus.
#include "controls/HoverTip.h"
#include "win/Control.h"
#include "win/Handles.h"

#include <string>

namespace huex {

class TooltipBtn : public win::Control {
  public:
    TooltipBtn() = default;

    void setTipText(std::wstring text) { tipText_ = std::move(text); }
    [[nodiscard]] const std::wstring& tipText() const { return tipText_; }
    [[nodiscard]] HWND tooltip() const { return tip_.window(); }
    [[nodiscard]] bool hovering() const { return tip_.hovering(); }

  protected:
    explicit TooltipBtn(bool hideTipOnPress) : hideTipOnPress_(hideTipOnPress) {}
    bool onMessage(win::Message& m) override;

  private:
    std::wstring tipText_;
    HoverTip tip_;
    bool hideTipOnPress_ = true;
};

class CopyBtn : public TooltipBtn {
  public:
    CopyBtn();

    // The edit whose text the button copies; without one, the button's parent.
    void setOwnerEdit(HWND edit) { ownerEdit_ = edit; }
    [[nodiscard]] HWND copyTarget() const;
    // Selects the target's whole text, copies it to the clipboard and focuses the target.
    void copy() const;

    bool onReflected(win::Message& m) override;
    // The glyph font for the DPI the button is shown at.
    void setDpi(int dpi);

  protected:
    void onAttached() override;

  private:
    void applyGlyphFont();

    win::UniqueFont glyphFont_;
    int fontDpi_ = 0;
    HWND ownerEdit_ = nullptr;
};

} // namespace huex
