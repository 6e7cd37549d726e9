#include "Cycles.h"
#include "Popups.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace huexctl {

namespace {

constexpr DWORD kTurnTimeoutMs = 15000;

template <class Pred> bool waitFor(Pred ready) {
    const ULONGLONG end = GetTickCount64() + kTurnTimeoutMs;
    while (!ready()) {
        if (GetTickCount64() >= end) return false;
        Sleep(2);
    }
    return true;
}

// Opens the popup with a command and closes it with WM_CLOSE.
bool popupTurn(HWND picker, WPARAM command) {
    if (!PostMessageW(picker, WM_COMMAND, command, 0)) return false;
    HWND popup = nullptr;
    if (!waitFor([&] { return (popup = ownedPopup(picker)) != nullptr; })) return false;
    PostMessageW(popup, WM_CLOSE, 0, 0);
    return waitFor([&] { return !IsWindow(popup) || !IsWindowVisible(popup); });
}

// A right click at a client point opens that region's menu; Escape closes it.
bool menuTurn(HWND picker, LPARAM at) {
    PostMessageW(picker, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(picker, WM_RBUTTONUP, 0, at);
    HWND menu = nullptr;
    if (!waitFor([&] { return (menu = openMenu()) != nullptr; })) return false;
    PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    return waitFor([] { return openMenu() == nullptr; });
}

bool dpiTurn(HWND picker, int dpi) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(picker, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0, SMTO_ABORTIFHUNG,
                               kTurnTimeoutMs, &result) != 0;
}

// The first visible edit control in a file dialog: the file name.
HWND fileNameEdit(HWND dialog) {
    HWND found = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM out) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (_wcsicmp(name, L"Edit") != 0 || !IsWindowVisible(child)) return TRUE;
            *reinterpret_cast<HWND*>(out) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs a file command (1301 export, 1302 import) with `path` typed into its dialog; no message
// may follow.
bool fileTurn(HWND picker, WPARAM command, const std::wstring& path) {
    if (!PostMessageW(picker, WM_COMMAND, command, 0)) return false;
    HWND dialog = nullptr, edit = nullptr;
    if (!waitFor([&] {
            return (dialog = ownedPopup(picker)) != nullptr && (edit = fileNameEdit(dialog)) != nullptr;
        }))
        return false;
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    if (!waitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) return false;
    // Answered once the command has run (or from a message box's loop, which then shows): a
    // message box in the dialog's place means the file was not written or read.
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(picker, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTurnTimeoutMs, &result) &&
           ownedPopup(picker) == nullptr;
}

} // namespace

int runCycle(HWND picker, int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command.rfind(L"cycle-", 0) != 0) return -1;
    auto number = [&](int i) { return i < argc ? std::wcstol(argv[i], nullptr, 0) : 0L; };
    long done = 0, turns = 0;
    if (command == L"cycle-popup" && argc == 4) {
        turns = number(3);
        while (done < turns && popupTurn(picker, static_cast<WPARAM>(number(2)))) ++done;
    } else if (command == L"cycle-menu" && argc == 5) {
        turns = number(4);
        const LPARAM at = MAKELPARAM(number(2), number(3));
        while (done < turns && menuTurn(picker, at)) ++done;
    } else if (command == L"cycle-dpi" && argc == 3) {
        turns = number(2);
        while (done < turns && dpiTurn(picker, done % 2 == 0 ? 144 : 96)) ++done;
    } else if (command == L"cycle-palette-file" && argc == 4) {
        const std::wstring path = argv[2];
        turns = number(3);
        while (done < turns) {
            DeleteFileW(path.c_str());
            if (!fileTurn(picker, 1301, path) ||
                GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES || !fileTurn(picker, 1302, path))
                break;
            ++done;
        }
    } else {
        std::fputs(
            "huexctl: cycle-popup COMMAND N | cycle-menu X Y N | cycle-dpi N | cycle-palette-file PATH N\n",
            stderr);
        return 2;
    }
    std::printf("%ld\n", done);
    return done == turns ? 0 : 1;
}

} // namespace huexctl
