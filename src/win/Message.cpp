#include "win/Message.h"

#include <exception>
#include <utility>

namespace huex::win {

namespace {
std::exception_ptr& pending() {
    static std::exception_ptr exception;
    return exception;
}
} // namespace

HWND notifyingChild(const Message& m) {
    switch (m.id) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<HWND>(m.lParam);
    case WM_NOTIFY:
        return m.lParam != 0 ? reinterpret_cast<const NMHDR*>(m.lParam)->hwndFrom : nullptr;
    default:
        return nullptr;
    }
}

void storePendingException() noexcept {
    if (!pending()) pending() = std::current_exception();
    wakeMessageLoop();
}

void wakeMessageLoop() noexcept {
    // A message sent from another thread or process is handled inside GetMessage, which then goes
    // on waiting; a posted null message makes it return so the loop can look at its state again.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

bool hasPendingException() noexcept {
    return static_cast<bool>(pending());
}

void rethrowPendingException() {
    if (auto e = std::exchange(pending(), nullptr)) std::rethrow_exception(e);
}

} // namespace huex::win
