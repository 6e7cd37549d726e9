// huexctl: a small console tool that end-to-end tests and `make run` use to look at and steer a
// running huex.exe from outside, the way another program on the same desktop would.
//
// The running copy is the top-level window that has the marker child, exactly as a second start
// of the program finds it. Every query prints one line on stdout; exit code 0 means yes/done,
// 1 means no (or timed out), 2 bad usage, 3 no running copy found.
#include "Cycles.h"
#include "Popups.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t markerText[] = L"HUEXRavenApplication.ColorPicker";
constexpr int pollMs = 50;

std::vector<HWND> markedWindows() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND top, LPARAM out) -> BOOL {
            if (FindWindowExW(top, nullptr, nullptr, markerText))
                reinterpret_cast<std::vector<HWND>*>(out)->push_back(top);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND markedWindow() {
    auto all = markedWindows();
    return all.empty() ? nullptr : all.front();
}

// Polls `ready` every pollMs until it holds or timeoutMs has passed.
template <class Pred> bool waitFor(long timeoutMs, Pred ready) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        if (ready()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(pollMs);
    }
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text a window reports for itself (WM_GETTEXT): what an edit or a tooltip holds, which
// GetWindowText does not read across processes.
std::wstring reportedText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(static_cast<size_t>(copied));
    return text;
}

// A list box's items, one per line; the selected one marked with "> ". 1 when it is no list.
int printListItems(HWND list) {
    DWORD_PTR count = 0;
    if (!list || !SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count) ||
        static_cast<LRESULT>(count) == LB_ERR)
        return 1;
    DWORD_PTR selected = 0;
    SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selected);
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, 5000, &length);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                            5000, &length);
        text.resize(static_cast<size_t>(length));
        std::printf("%s%s\n", i == selected ? "> " : "", utf8(text).c_str());
    }
    return 0;
}

bool parseNumber(const wchar_t* text, long& value) {
    wchar_t* end = nullptr;
    value = std::wcstol(text, &end, 0);
    return end != text && *end == L'\0';
}

const char* showState(HWND window) {
    if (!IsWindowVisible(window)) return "hidden";
    if (IsIconic(window)) return "minimized";
    if (IsZoomed(window)) return "maximized";
    return "normal";
}

constexpr int notFound = 3;

// 255 for an opaque window, else the opacity a layered window is drawn with.
int opacity(HWND window) {
    if (!(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return 255;
    BYTE alpha = 255;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return 255;
    return alpha;
}

// The clipboard's CF_DIB as plain PPM text (32-bit top-down or bottom-up, uncompressed only).
int clipboardPpm() {
    if (!OpenClipboard(nullptr)) return 1;
    int status = 1;
    HANDLE data = GetClipboardData(CF_DIB);
    const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr;
    if (header) {
        const long width = header->biWidth,
                   height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
        const SIZE_T needed = header->biSize + static_cast<SIZE_T>(width * height * 4);
        if (header->biBitCount == 32 && header->biCompression == BI_RGB && width > 0 &&
            GlobalSize(data) >= needed) {
            const auto* pixels = reinterpret_cast<const BYTE*>(header) + header->biSize;
            std::printf("P3\n%ld %ld\n255\n", width, height);
            for (long y = 0; y < height; ++y) {
                const long row = header->biHeight < 0 ? y : height - 1 - y;
                for (long x = 0; x < width; ++x) {
                    const BYTE* p = pixels + (row * width + x) * 4;
                    std::printf("%d %d %d\n", p[2], p[1], p[0]);
                }
            }
            status = 0;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return status;
}

int yesNo(bool value) {
    std::printf("%d\n", value ? 1 : 0);
    return value ? 0 : 1;
}

// A top-level window with the program's caption but no marker child: a second start must not take
// it for the running copy. Prints its handle once shown and lives for `seconds`.
int fakeWindow(long seconds) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"HuexctlFakeWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"HUEX", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                  40, 240, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    std::printf("%p\n", static_cast<void*>(window));
    std::fflush(stdout);
    SetTimer(window, 1, static_cast<UINT>(seconds * 1000), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == window) break;
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
    return 0;
}

void printRect(RECT r) {
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The texts of the visible tooltips of the process that owns `window`, one per line.
int printTooltips(HWND window) {
    struct Search {
        DWORD process;
        int found;
    } search{0, 0};
    GetWindowThreadProcessId(window, &search.process);
    EnumWindows(
        [](HWND top, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(top, &process);
            wchar_t name[64] = {};
            GetClassNameW(top, name, 64);
            if (process == s->process && IsWindowVisible(top) &&
                std::wcscmp(name, L"tooltips_class32") == 0) {
                std::puts(utf8(reportedText(top)).c_str());
                ++s->found;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found ? 0 : 1;
}

// A visible, enabled top-level window owned by `owner` (a modal box over it), or null.
int printClipboardText() {
    if (!OpenClipboard(nullptr)) return 1;
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    std::puts(utf8(text).c_str());
    return 0;
}

// Puts the text (as the command line gives it, UTF-16) on the clipboard as CF_UNICODETEXT.
int setClipboardText(const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return 1;
    std::memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return 1;
    }
    EmptyClipboard();
    const bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!set) GlobalFree(block);
    CloseClipboard();
    return set ? 0 : 1;
}

int usage() {
    std::fputs("usage: huexctl COMMAND [ARGS]\n"
               "  find                      handle of the running copy's window\n"
               "  count                     number of top-level windows with the marker child\n"
               "  error-text CODE           the system's text for an error code (UTF-8)\n"
               "  wait-find MS              wait until the running copy's window exists\n"
               "  wait-gone MS              wait until no window with the marker child is left\n"
               "  wait-visible 0|1 MS       wait until the window is hidden (0) or visible (1)\n"
               "  is-visible | is-topmost | is-foreground\n"
               "  show-state                hidden, minimized, maximized or normal\n"
               "  opacity                   255, or the alpha of a layered window\n"
               "  caption                   window text (UTF-8)\n"
               "  window-rect               left top width height, screen pixels\n"
               "  client-rect               left top width height of the client area, screen pixels\n"
               "  post-command ID           post WM_COMMAND ID\n"
               "  post MSG WPARAM LPARAM [N]  post any message (N times, at once)\n"
               "  send MSG WPARAM LPARAM    send any message, print the result\n"
               "  hide                      ShowWindow(SW_HIDE)\n"
               "  item-text ID              text of the child control ID (UTF-8)\n"
               "  item-rect ID              window rectangle of the child control ID, screen pixels\n"
               "  clipboard-ppm             the clipboard's bitmap (CF_DIB) as plain PPM\n"
               "  clipboard-text            the clipboard's text (UTF-8)\n"
               "  clipboard-set TEXT        put TEXT on the clipboard\n"
               "  resize WIDTH HEIGHT       SetWindowPos with a new size\n"
               "  menu-visible              whether a popup menu is open on the desktop\n"
               "  tooltips                  texts of the program's visible tooltips, one per line\n"
               "  popup-caption | popup-rect               the window the running copy shows over itself\n"
               "  popup-item-text ID | popup-item-rect ID  a control of that window\n"
               "  popup-list ID             items of a list box of that window (\"> \" marks the selected)\n"
               "  popup-is-checked ID | popup-is-enabled ID  a button of that window\n"
               "  fake-window SECONDS       show a window captioned HUEX without the marker\n"
               "  cycle-popup COMMAND N | cycle-menu X Y N | cycle-dpi N | cycle-palette-file PATH N\n"
               "                            the soak's cycles (Cycles.h)\n",
               stderr);
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return usage();
    const std::wstring command = argv[1];
    if (command == L"clipboard-set" && argc == 3) return setClipboardText(argv[2]);
    if (command.rfind(L"cycle-", 0) == 0) {
        HWND picker = markedWindow();
        if (!picker) return notFound;
        return huexctl::runCycle(picker, argc, argv);
    }
    std::vector<long> numbers;
    for (int i = 2; i < argc; ++i) {
        long value = 0;
        if (!parseNumber(argv[i], value)) return usage();
        numbers.push_back(value);
    }
    auto arg = [&](size_t i) { return i < numbers.size() ? numbers[i] : 0L; };
    const size_t given = numbers.size();

    if (command == L"count") {
        std::printf("%zu\n", markedWindows().size());
        return 0;
    }
    if (command == L"error-text" && given == 1) {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, static_cast<DWORD>(arg(0)), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        std::puts(utf8(std::wstring(text ? text : L"", length)).c_str());
        LocalFree(text);
        return length ? 0 : 1;
    }
    if (command == L"wait-gone" && given == 1) return yesNo(waitFor(arg(0), [] { return !markedWindow(); }));
    if (command == L"fake-window" && given == 1) return fakeWindow(arg(0));

    HWND window = nullptr;
    if (command == L"wait-find" && given == 1) {
        waitFor(arg(0), [&] { return (window = markedWindow()) != nullptr; });
    } else {
        window = markedWindow();
    }
    if (!window) {
        std::fputs("huexctl: no running copy found\n", stderr);
        return notFound;
    }

    if ((command == L"find" || command == L"wait-find") && given <= 1) {
        std::printf("%p\n", static_cast<void*>(window));
        return 0;
    }
    if (command == L"wait-visible" && given == 2) {
        const bool want = arg(0) != 0;
        return yesNo(waitFor(arg(1), [&] { return (IsWindowVisible(window) != FALSE) == want; }));
    }
    if (command == L"is-visible" && given == 0) return yesNo(IsWindowVisible(window));
    if (command == L"is-topmost" && given == 0)
        return yesNo((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    if (command == L"is-foreground" && given == 0) return yesNo(GetForegroundWindow() == window);
    if (command == L"show-state" && given == 0) {
        std::puts(showState(window));
        return 0;
    }
    if (command == L"opacity" && given == 0) {
        std::printf("%d\n", opacity(window));
        return 0;
    }
    if (command == L"caption" && given == 0) {
        std::puts(utf8(windowText(window)).c_str());
        return 0;
    }
    if (command == L"window-rect" && given == 0) {
        RECT r{};
        GetWindowRect(window, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (command == L"client-rect" && given == 0) {
        RECT r{};
        GetClientRect(window, &r);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
        return 0;
    }
    if (command == L"post-command" && given == 1) return PostMessageW(window, WM_COMMAND, arg(0), 0) ? 0 : 1;
    if (command == L"post" && (given == 3 || given == 4)) {
        for (long i = 0; i < (given == 4 ? arg(3) : 1); ++i)
            if (!PostMessageW(window, static_cast<UINT>(arg(0)), arg(1), arg(2))) return 1;
        return 0;
    }
    if (command == L"send" && given == 3) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window, static_cast<UINT>(arg(0)), arg(1), arg(2), SMTO_ABORTIFHUNG, 10000,
                                 &result))
            return 1;
        std::printf("%lld\n", static_cast<long long>(result));
        return 0;
    }
    if (command == L"clipboard-ppm" && given == 0) return clipboardPpm();
    if (command == L"clipboard-text" && given == 0) return printClipboardText();
    if (command == L"menu-visible" && given == 0) {
        return yesNo(huexctl::openMenu() != nullptr);
    }
    if (command == L"resize" && given == 2)
        return SetWindowPos(window, nullptr, 0, 0, static_cast<int>(arg(0)), static_cast<int>(arg(1)),
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    if (command == L"tooltips" && given == 0) return printTooltips(window);
    // Commands about the modal window over the running copy (the About box) act on that one.
    if (command.rfind(L"popup-", 0) == 0) {
        HWND popup = huexctl::ownedPopup(window);
        if (!popup) {
            std::fputs("huexctl: no window over the running copy\n", stderr);
            return 1;
        }
        window = popup;
        if (command == L"popup-caption" && given == 0) {
            std::puts(utf8(windowText(window)).c_str());
            return 0;
        }
        if (command == L"popup-rect" && given == 0) {
            RECT r{};
            GetWindowRect(window, &r);
            printRect(r);
            return 0;
        }
    }
    if ((command == L"item-rect" || command == L"popup-item-rect") && given == 1) {
        HWND item = GetDlgItem(window, static_cast<int>(arg(0)));
        RECT r{};
        if (!item || !GetWindowRect(item, &r)) return 1;
        printRect(r);
        return 0;
    }
    if ((command == L"item-text" || command == L"popup-item-text") && given == 1) {
        HWND item = GetDlgItem(window, static_cast<int>(arg(0)));
        if (!item) return 1;
        std::puts(utf8(reportedText(item)).c_str());
        return 0;
    }
    if (command == L"popup-list" && given == 1)
        return printListItems(GetDlgItem(window, static_cast<int>(arg(0))));
    if (command == L"popup-is-checked" && given == 1)
        return yesNo(IsDlgButtonChecked(window, static_cast<int>(arg(0))) == BST_CHECKED);
    if (command == L"popup-is-enabled" && given == 1)
        return yesNo(IsWindowEnabled(GetDlgItem(window, static_cast<int>(arg(0)))) != FALSE);
    if (command == L"hide" && given == 0) {
        ShowWindow(window, SW_HIDE);
        return 0;
    }
    return usage();
}
