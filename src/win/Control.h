#pragma once
// A subclassed child control. Its procedure takes the object from the subclass reference data; a
// parent finds it through a window property (no global lists) and reflects WM_COMMAND, WM_NOTIFY
// and WM_CTLCOLOR* to it first.
#include "win/Message.h"

namespace huex::win {

class Control {
  public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() { detach(); }

    // Attaches to an existing control; false when the subclass could not be installed.
    bool attach(HWND control);
    bool attachDlgItem(HWND dialog, int id) { return attach(GetDlgItem(dialog, id)); }
    void detach();
    [[nodiscard]] HWND hwnd() const { return hwnd_; }

    // Our object behind a child window, or null when it is not one of ours.
    static Control* fromWindow(HWND window);

    // A notification the parent reflected back; true when taken.
    virtual bool onReflected(Message& /*m*/) { return false; }

  protected:
    // The control's own messages; true when taken. Unhandled ones go to the original procedure.
    virtual bool onMessage(Message& /*m*/) { return false; }
    // Lets the original window procedure handle a message now (for work before or after it).
    LRESULT callDefault(const Message& m);
    virtual void onAttached() {}

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR subclassId,
                                      DWORD_PTR refData) noexcept;
    HWND hwnd_ = nullptr;
};

} // namespace huex::win
