#include "win/Dialog.h"

#include "win/Control.h"

namespace huex::win {

namespace {
// Messages whose dialog-procedure return value is the answer itself rather than a handled flag.
bool returnsDirectly(UINT id) {
    switch (id) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}
} // namespace

Dialog::~Dialog() {
    if (hwnd_) DestroyWindow(hwnd_);
}

HWND Dialog::create(HWND owner) {
    if (templateData_)
        return CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                          static_cast<LPCDLGTEMPLATEW>(templateData_), owner,
                                          &Dialog::procedure, reinterpret_cast<LPARAM>(this));
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                              &Dialog::procedure, reinterpret_cast<LPARAM>(this));
}

void Dialog::endDialog(INT_PTR code) {
    endCode_ = code;
    // The owner is enabled again first, so that the activation passes back to it rather than to
    // some other program's window.
    enableOwner();
    if (hwnd_) DestroyWindow(hwnd_);
}

void Dialog::enableOwner() {
    if (disabledOwner_) EnableWindow(disabledOwner_, TRUE);
    disabledOwner_ = nullptr;
}

INT_PTR Dialog::runModal(HWND owner) {
    endCode_ = 0;
    if (!create(owner)) {
        rethrowPendingException();
        return -1;
    }
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    MSG msg{};
    while (hwnd_ && !hasPendingException()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // leave WM_QUIT for an outer loop
            break;
        }
        if (got == -1) break;
        bool taken = false;
        try {
            taken = preTranslateMessage(msg);
        } catch (...) {
            storePendingException();
        }
        if (!taken && !hasPendingException() && !(hwnd_ && IsDialogMessageW(hwnd_, &msg))) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    enableOwner();
    if (hwnd_) DestroyWindow(hwnd_);
    rethrowPendingException();
    return endCode_;
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (id == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        if (self) {
            self->hwnd_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self) return FALSE;
    INT_PTR answer = FALSE;
    try {
        answer = self->handle(id, wParam, lParam);
    } catch (...) {
        storePendingException();
        answer = FALSE;
    }
    if (id == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        wakeMessageLoop(); // the window may die inside a sent message, with nothing posted after it
        self->onDestroyed();
    }
    return answer;
}

INT_PTR Dialog::handle(UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_INITDIALOG) return onInitDialog();
    Message m{id, wParam, lParam};
    Control* child = Control::fromWindow(notifyingChild(m));
    if (!(child && child->onReflected(m)) && !onMessage(m)) return FALSE;
    if (returnsDirectly(id)) return static_cast<INT_PTR>(m.result);
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, m.result);
    return TRUE;
}

} // namespace huex::win
