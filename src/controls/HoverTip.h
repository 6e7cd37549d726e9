#pragma once
// A control's own tooltip, shown while the mouse is over the control: the control captures the
// mouse when it enters, so that it sees the move that leaves it and can hide the tip again.
#include "win/Message.h"

#include <string>

namespace huex {

// A tooltip window for `parent` (multi-line tips); null when it could not be made. It is a popup
// owned by the parent's top-level window, so it must be destroyed with the control.
HWND createTooltipWindow(HWND parent);

// Passes a mouse message aimed at `control` on to its tooltip; other messages are left alone.
void relayToTooltip(HWND tooltip, HWND control, const win::Message& m);

class HoverTip {
  public:
    HoverTip() = default;
    HoverTip(const HoverTip&) = delete;
    HoverTip& operator=(const HoverTip&) = delete;
    ~HoverTip();

    // Creates the tooltip once, with one tool covering the whole control and an empty text.
    void create(HWND control);
    // Passes a mouse message on, making the tooltip first if there is none yet: a control's tip is
    // made when the mouse first comes to it, not while its window starts.
    void relay(HWND control, const win::Message& m);
    // WM_MOUSEMOVE (after relay): entering shows `text` and captures the mouse; a move outside
    // the control releases it and hides the tip.
    void onMouseMove(HWND control, LPARAM clientPoint, const std::wstring& text);
    // WM_CAPTURECHANGED: hovering lasts while the control holds the capture.
    void onCaptureChanged(HWND control, HWND newCapture) { hovering_ = newCapture == control; }
    void activate(bool on) const;

    [[nodiscard]] bool hovering() const { return hovering_; }
    [[nodiscard]] HWND window() const { return tooltip_; }

  private:
    HWND tooltip_ = nullptr;
    bool hovering_ = false;
};

} // namespace huex
