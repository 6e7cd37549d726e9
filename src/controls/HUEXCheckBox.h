#pragma once
// A slot's check box: a hover tooltip that says a right click opens the list of patterns, and
// right clicks handed on to the parent as its own WM_RBUTTONDOWN at the point in its client
// coordinates (the check box still does its own default handling afterwards).
#include "controls/HoverTip.h"
#include "win/Control.h"

namespace huex {

class HUEXCheckBox : public win::Control {
  public:
    static constexpr const wchar_t* tipText = L"Правый клик для вызова списка шаблонов.";

    [[nodiscard]] HWND tooltip() const { return tip_.window(); }
    [[nodiscard]] bool hovering() const { return tip_.hovering(); }

  protected:
    bool onMessage(win::Message& m) override;

  private:
    HoverTip tip_;
};

} // namespace huex
