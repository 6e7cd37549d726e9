#pragma once
// A tool window beside the picker (the contrast window, the colour history): owned by it, on top
// of other windows, opened beside it the first time and where it was left afterwards, sized for
// its monitor's DPI, closed by Escape, hidden and shown again with its owner.
#include "geometry/Geometry.h"
#include "win/Window.h"

namespace huex {

class ToolWindow : public win::Window {
  public:
    static constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    static constexpr DWORD exStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

    // Closed by the user: it will not reopen at the next start.
    void close();
    // Goes with the picker when it hides to the tray, and comes back when it shows again.
    void followOwner(bool ownerShown);
    // Escape and dialog navigation for messages meant for this window; true when taken.
    bool preTranslateMessage(MSG& msg);
    // Open now, or open as the program last ended.
    [[nodiscard]] bool wasOpen() const { return wasOpen_; }

  protected:
    // `client` in 96-DPI units.
    explicit ToolWindow(SIZE client) : client_(client) {}
    // Brings the window forward (false), or makes it, hidden, beside `owner` or where it last
    // stood (true; the caller makes its controls and shows it). False too when it can't be made.
    bool openWindow(HWND owner, const wchar_t* className, const wchar_t* title);
    // The background (the controls draw the rest) and the close button; true when taken.
    bool onToolMessage(win::Message& m);
    // Keys the window takes before dialog navigation; true when taken.
    virtual bool preTranslateOwn(MSG& /*msg*/) { return false; }

    // The place kept between runs, and whether it was open when it last went.
    void restorePlace(int posX, int posY, bool open);
    [[nodiscard]] POINT place() const;
    void rememberPlace();
    // WM_DPICHANGED: the new DPI and the system's suggested rectangle.
    void moveForDpi(int dpi, const RECT& suggested);
    [[nodiscard]] HWND item(int id) const { return GetDlgItem(hwnd(), id); }

    int dpi_ = 96;

  private:
    [[nodiscard]] RECT boundsAt(POINT at, int dpi) const;

    SIZE client_;
    bool wasOpen_ = false;
    bool hiddenWithOwner_ = false;
    int posX_ = useLiveWindowRect, posY_ = useLiveWindowRect;
};

} // namespace huex
