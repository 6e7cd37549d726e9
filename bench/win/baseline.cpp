// The smallest useful Win32 dialog program: the yardstick for the start-up time and memory of
// huex.exe (bench/win/startup.sh starts both the same way). One dialog resource, one dialog
// procedure, nothing else.
#include <windows.h>

#include "baseline_resource.h"

namespace {

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == baselineExitCommand) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

extern "C" int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                               int /*show*/) {
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(baselineDialog), nullptr, dialogProc, 0));
}
