#include "Popups.h"

#include <cwchar>

namespace huexctl {

HWND ownedPopup(HWND owner) {
    struct Search {
        HWND owner, found, disabled;
    } search{owner, nullptr, nullptr};
    EnumWindows(
        [](HWND top, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (GetWindow(top, GW_OWNER) != s->owner || !IsWindowVisible(top)) return TRUE;
            if (!IsWindowEnabled(top)) { // a tool window under its own modal dialog
                s->disabled = top;
                return TRUE;
            }
            wchar_t name[64] = {};
            GetClassNameW(top, name, 64);
            if (std::wcscmp(name, L"tooltips_class32") == 0) return TRUE;
            s->found = top;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found || !search.disabled ? search.found : ownedPopup(search.disabled);
}

HWND openMenu() {
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr)
        if (IsWindowVisible(menu)) return menu;
    return nullptr;
}

} // namespace huexctl
