#pragma once
// The windows the running copy shows over itself: its dialogs, message boxes and popup menus.
#include <windows.h>

namespace huexctl {

// The enabled visible window owned by `owner` (tooltips aside); null for none.
HWND ownedPopup(HWND owner);
// The popup menu open on the desktop; null for none.
HWND openMenu();

} // namespace huexctl
