#pragma once
// The themed page background of a tab control, as a pattern brush that the controls on the page
// paint their backgrounds with, so that they blend with it. Without themes there is no brush and
// the controls keep the ordinary dialog colours.
#include "win/Handles.h"

#include <optional>

namespace huex {

// What the theme library says of the desktop; none when the library or its function is missing.
std::optional<bool> queryAppThemed();

class TabBackground {
  public:
    using ThemeProbe = std::optional<bool> (*)();

    explicit TabBackground(ThemeProbe probe = &queryAppThemed) : probe_(probe) {}

    // Asks the probe again (no answer keeps the last one) and redraws the image of the page.
    void rebuild(HWND tab);
    void setProbe(ThemeProbe probe) { probe_ = probe; }

    [[nodiscard]] bool themed() const { return themed_; }
    [[nodiscard]] HBRUSH brush() const { return brush_.get(); }

    // A child control's colours over the page: transparent text, and the brush aligned so that
    // the control shows exactly the part of the page behind it. Null when not themed.
    HBRUSH paintChild(HDC dc, HWND control, HWND tab) const;

  private:
    ThemeProbe probe_;
    bool themed_ = false;
    win::UniqueBrush brush_;
};

} // namespace huex
