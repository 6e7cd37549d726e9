#pragma once
// Values computed once, before the application starts, and read for the whole run.
#include <windows.h>

namespace huex {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

struct ProcessValues {
    bool layeredWindowsAvailable = false;
    bool preXpSystem = false;
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
    COLORREF buttonFaceColor = 0;
    COLORREF windowColor = 0;
};

// Computed on first use (during static initialisation of the program) and never changed.
const ProcessValues& processValues();

} // namespace huex
