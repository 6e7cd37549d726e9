#include "win/Window.h"

#include "win/Control.h"

namespace huex::win {

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

Window::~Window() {
    destroy();
}

bool Window::registerClass(const wchar_t* className, UINT classStyle) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

HWND Window::create(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* text,
                    const RECT& bounds, HWND parent, INT_PTR childId) {
    return CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                           reinterpret_cast<HMENU>(childId), GetModuleHandleW(nullptr), this);
}

void Window::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (id == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return DefWindowProcW(window, id, wParam, lParam);
    Message m{id, wParam, lParam};
    bool handled = false;
    try {
        Control* child = Control::fromWindow(notifyingChild(m));
        handled = (child && child->onReflected(m)) || self->onMessage(m);
    } catch (...) {
        storePendingException();
    }
    LRESULT result = handled ? m.result : DefWindowProcW(window, id, wParam, lParam);
    if (id == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace huex::win
