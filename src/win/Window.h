#pragma once
// Window base for windows of our own classes: `this` is stored at WM_NCCREATE and cleared at
// WM_NCDESTROY, so late messages never reach a destroyed object.
#include "win/Message.h"

#include <string>

namespace huex::win {

// The text of any window of ours, of any length (edits keep theirs themselves).
std::wstring windowText(HWND window);

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    // Registers `className` once per process (our procedure, arrow cursor, no background brush).
    static bool registerClass(const wchar_t* className, UINT classStyle = 0);
    HWND create(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* text, const RECT& bounds,
                HWND parent, INT_PTR childId);
    void destroy();
    [[nodiscard]] HWND hwnd() const { return hwnd_; }

  protected:
    // One switch per class; true when taken. Unhandled messages go to DefWindowProc.
    virtual bool onMessage(Message& /*m*/) { return false; }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) noexcept;
    HWND hwnd_ = nullptr;
};

} // namespace huex::win
