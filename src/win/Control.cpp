#include "win/Control.h"

#include <commctrl.h>

namespace huex::win {

namespace {
constexpr UINT_PTR subclassId = 0x48554558; // "HUEX"
// The parent finds the object behind a child through this window property (set while attached).
constexpr const wchar_t* objectProperty = L"HUEX.Control";
} // namespace

bool Control::attach(HWND control) {
    detach();
    if (!control ||
        !SetWindowSubclass(control, &Control::procedure, subclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = control;
    SetPropW(control, objectProperty, this);
    onAttached();
    return true;
}

void Control::detach() {
    if (!hwnd_) return;
    RemovePropW(hwnd_, objectProperty);
    RemoveWindowSubclass(hwnd_, &Control::procedure, subclassId);
    hwnd_ = nullptr;
}

Control* Control::fromWindow(HWND window) {
    return window ? static_cast<Control*>(GetPropW(window, objectProperty)) : nullptr;
}

LRESULT Control::callDefault(const Message& m) {
    return DefSubclassProc(hwnd_, m.id, m.wParam, m.lParam);
}

LRESULT CALLBACK Control::procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*subclassId*/, DWORD_PTR refData) noexcept {
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
