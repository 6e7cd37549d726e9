#include "win/Control.h"

#include <commctrl.h>

namespace huex::win {

namespace {
constexpr UINT_PTR subclassId = 0x48554558; // "HUEX"
}

bool Control::attach(HWND control) {
    detach();
    if (!control || !SetWindowSubclass(control, &Control::procedure, subclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = control;
    onAttached();
    return true;
}

void Control::detach() {
    if (!hwnd_) return;
    RemoveWindowSubclass(hwnd_, &Control::procedure, subclassId);
    hwnd_ = nullptr;
}

Control* Control::fromWindow(HWND window) {
    DWORD_PTR refData = 0;
    if (!window || !GetWindowSubclass(window, &Control::procedure, subclassId, &refData)) return nullptr;
    return reinterpret_cast<Control*>(refData);
}

LRESULT Control::callDefault(const Message& m) { return DefSubclassProc(hwnd_, m.id, m.wParam, m.lParam); }

LRESULT CALLBACK Control::procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam, UINT_PTR /*subclassId*/,
                                    DWORD_PTR refData) noexcept {
    auto* self = reinterpret_cast<Control*>(refData);
    Message m{id, wParam, lParam};
    bool handled = false;
    try {
        handled = self->onMessage(m);
    } catch (...) {
        storePendingException();
    }
    LRESULT result = handled ? m.result : DefSubclassProc(window, id, wParam, lParam);
    if (id == WM_NCDESTROY) self->detach();
    return result;
}

} // namespace huex::win
