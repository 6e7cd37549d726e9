#pragma once
// The one dispatch mechanism: every window, dialog and control class answers messages in a single
// `onMessage` switch and returns true when it took the message (result in `result`).
#include <windows.h>

namespace huex::win {

struct Message {
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
};

// The child window a parent notification comes from: WM_COMMAND and WM_CTLCOLOR* carry it in
// lParam, WM_NOTIFY in its NMHDR. Null for anything else.
HWND notifyingChild(const Message& m);

// Records an exception caught at a window procedure, so that it crosses no system frames; the
// modal loop rethrows it once dispatch has returned.
void storePendingException() noexcept;
bool hasPendingException() noexcept;
void rethrowPendingException();
// Makes the calling thread's GetMessage return once, so a modal loop notices a change of state
// that happened inside a sent message.
void wakeMessageLoop() noexcept;

} // namespace huex::win
