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
}

bool hasPendingException() noexcept {
    return static_cast<bool>(pending());
}

void rethrowPendingException() {
    if (auto e = std::exchange(pending(), nullptr)) std::rethrow_exception(e);
}

} // namespace huex::win
