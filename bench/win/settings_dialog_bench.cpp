// Times the settings command against the picker's own start-up, both in one process under the
// real window system, interleaved:
// - picker start-up: from constructing the window object to the window shown and painted;
// - settings dialog: from the settings command (492) sent to the window to the dialog shown and
//   painted on its pattern page (the other two pages make their controls when first shown);
// - with the path of huex.exe given, the program's start-up as a user sees it: from starting the
//   process to its window on the screen (polled every millisecond), the program then ended by its
//   exit command;
// - for scale, the bare template: dialog 497 created with an empty procedure, to painted (what
//   the window system charges for all the template's controls before any code of ours runs).
// Under Wine on a virtual machine, waking a process on another CPU costs more than most steps
// here; run the Wine environment and the bench on one CPU (taskset -c 0 for both) for figures
// that repeat.
// "Painted" is the end of the last message the window or any of its children took from the queue
// before the thread went idle with nothing left to paint: a message posted as such a message is
// taken is retrieved as soon as its dispatch returns (posted messages come before pending paints),
// and a timer, which comes after every paint, ends the measurement once nothing is left to paint.
// A paint sent straight to a window procedure (UpdateWindow) ends inside one of those dispatches.
// Only a WH_GETMESSAGE hook watches: under Wine every hooked call costs a trip to the server, and
// a WH_CALLWNDPROCRET hook on the thousands of messages sent while a dialog is built made the bare
// template ten times slower than it is (about 330 against 33 ms).
//
// Usage: huex_settings_dialog_bench.exe [REPETITIONS [HUEX_EXE]]   (default 20; medians, p10, p90 in ms)
#include "BenchProcess.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <ole2.h>
#include <string>
#include <vector>

namespace huex {
namespace {

constexpr UINT dispatchDoneProbe = WM_APP + 0x2F1;
constexpr UINT checkPeriodMs = 25;

double nowMs() {
    static const double perTick = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return 1e3 / static_cast<double>(frequency.QuadPart);
    }();
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * perTick;
}

// What the hook follows: paints of one window tree.
struct PaintWatch {
    HWND root = nullptr;          // the watched window, once known
    HWND outside = nullptr;       // before that: any window but this one's tree
    bool dispatchPending = false; // a message of the tree was taken; its end is not seen yet
    double lastDispatchEnd = 0;
    double started = 0;
    double result = -1; // milliseconds, once done
} watch;

bool inTree(HWND window) {
    if (!window) return false;
    if (!watch.root) return watch.outside && GetAncestor(window, GA_ROOT) != watch.outside;
    return window == watch.root || IsChild(watch.root, window);
}

LRESULT CALLBACK onGetMessage(int code, WPARAM removal, LPARAM message) {
    const auto* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE) {
        if (msg->message == dispatchDoneProbe) {
            if (watch.dispatchPending) watch.lastDispatchEnd = nowMs();
            watch.dispatchPending = false;
        } else if (!watch.dispatchPending && inTree(msg->hwnd)) {
            watch.dispatchPending = true;
            PostThreadMessageW(GetCurrentThreadId(), dispatchDoneProbe, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

BOOL CALLBACK findUnpainted(HWND child, LPARAM found) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

bool everythingPainted() {
    if (!watch.root || !IsWindowVisible(watch.root) || watch.dispatchPending || watch.lastDispatchEnd == 0)
        return false;
    if (GetUpdateRect(watch.root, nullptr, FALSE)) return false;
    bool unpainted = false;
    EnumChildWindows(watch.root, &findUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

// Inside the settings dialog's modal loop: once it is painted, note the time and cancel it.
void CALLBACK checkDialog(HWND, UINT, UINT_PTR, DWORD) {
    if (!watch.root) watch.root = FindWindowW(nullptr, L"Настройки — HUEX");
    if (!everythingPainted()) return;
    watch.result = watch.lastDispatchEnd - watch.started;
    SendMessageW(watch.root, WM_COMMAND, IDCANCEL, 0);
}

double timeSettingsDialog(ColorPickerDialog& picker) {
    watch = {};
    watch.outside = picker.hwnd(); // the dialog's paints count from the command on
    const UINT_PTR timer = SetTimer(nullptr, 0, checkPeriodMs, &checkDialog);
    watch.started = nowMs();
    SendMessageW(picker.hwnd(), WM_COMMAND, ID_SETTINGS, 0);
    KillTimer(nullptr, timer);
    const double result = watch.result;
    watch = {};
    return result;
}

INT_PTR CALLBACK emptyProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// Runs the thread's messages until the watched window is painted; its time, or -1.
double untilPainted() {
    const UINT_PTR timer = SetTimer(nullptr, 0, checkPeriodMs, nullptr);
    MSG msg{};
    while (watch.result < 0 && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer && everythingPainted())
            watch.result = watch.lastDispatchEnd - watch.started;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    KillTimer(nullptr, timer);
    const double result = watch.result;
    watch = {};
    return result;
}

double timeBareTemplate() {
    watch = {};
    const double started = nowMs();
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETTINGS), nullptr,
                                     &emptyProcedure, 0);
    if (!dialog) return -1;
    watch.root = dialog;
    watch.started = started;
    const double result = untilPainted();
    DestroyWindow(dialog);
    return result;
}

double timePickerStart() {
    watch = {};
    const double started = nowMs();
    ColorPickerDialog picker;
    if (!picker.create(nullptr)) return -1;
    watch.root = picker.hwnd();
    watch.started = started;
    return untilPainted();
}

struct ProcessWindow {
    DWORD process = 0;
    HWND found = nullptr;
};

BOOL CALLBACK findProcessWindow(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<ProcessWindow*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t caption[8] = {};
    GetWindowTextW(window, caption, 8);
    if (owner != s->process || !IsWindowVisible(window) || wcsncmp(caption, L"HUEX", 4) != 0) return TRUE;
    s->found = window;
    return FALSE;
}

double timeProgramStart(const wchar_t* exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = std::wstring(L"\"") + exe + L"\"";
    const double started = nowMs();
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    ProcessWindow search{process.dwProcessId, nullptr};
    double shown = -1;
    while (nowMs() - started < 30000) {
        EnumWindows(&findProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            shown = nowMs() - started;
            break;
        }
        Sleep(1);
    }
    if (search.found) PostMessageW(search.found, WM_COMMAND, ID_EXIT, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

struct Summary {
    double median = 0, p10 = 0, p90 = 0;
};

Summary summarize(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&v](double q) {
        return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
    };
    return {at(0.5), at(0.1), at(0.9)};
}

int run(int repetitions, const wchar_t* program) {
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &onGetMessage, nullptr, GetCurrentThreadId());
    if (!hook) {
        std::fprintf(stderr, "settings_dialog_bench: the message hook could not be set\n");
        return 1;
    }
    // One of each first, not counted (fonts, theme and classes load on first use).
    timePickerStart();
    {
        ColorPickerDialog picker;
        picker.create(nullptr);
        timeSettingsDialog(picker);
    }
    timeBareTemplate();
    if (program) timeProgramStart(program);
    std::vector<double> starts, dialogs, bare, programs;
    for (int i = 0; i < repetitions; ++i) {
        if (program) programs.push_back(timeProgramStart(program));
        starts.push_back(timePickerStart());
        bare.push_back(timeBareTemplate());
        ColorPickerDialog picker;
        if (!picker.create(nullptr)) break;
        // The window settles (its own start-up messages) before the command.
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        dialogs.push_back(timeSettingsDialog(picker));
    }
    UnhookWindowsHookEx(hook);
    if (std::count(starts.begin(), starts.end(), -1.0) || std::count(dialogs.begin(), dialogs.end(), -1.0) ||
        std::count(bare.begin(), bare.end(), -1.0) || std::count(programs.begin(), programs.end(), -1.0) ||
        dialogs.size() != static_cast<std::size_t>(repetitions)) {
        std::fprintf(stderr, "settings_dialog_bench: a window was never painted\n");
        return 1;
    }
    const Summary start = summarize(starts), dialog = summarize(dialogs), floor = summarize(bare);
    std::printf("  %-44s %10s %10s %10s\n", "step", "median ms", "p10 ms", "p90 ms");
    std::printf("  %-44s %10.1f %10.1f %10.1f\n", "picker start-up (construct to painted)", start.median,
                start.p10, start.p90);
    std::printf("  %-44s %10.1f %10.1f %10.1f\n", "settings dialog (command 492 to painted)", dialog.median,
                dialog.p10, dialog.p90);
    std::printf("  %-44s %10.1f %10.1f %10.1f\n", "bare dialog 497 (empty procedure, to painted)",
                floor.median, floor.p10, floor.p90);
    if (program) {
        const Summary run = summarize(programs);
        std::printf("  %-44s %10.1f %10.1f %10.1f\n", "huex.exe start-up (process to window shown)",
                    run.median, run.p10, run.p90);
        std::printf("  dialog / program start-up = %.2f (goal: under 0.5, %s)\n", dialog.median / run.median,
                    dialog.median / run.median < 0.5 ? "met" : "not met");
    }
    std::printf("  for scale: dialog / picker start-up in process = %.2f; bare template / it = %.2f\n",
                dialog.median / start.median, floor.median / start.median);
    return 0;
}

} // namespace
} // namespace huex

int wmain(int argc, wchar_t** argv) {
    const huex::bench::BenchProcess process;
    const int repetitions = argc > 1 ? std::max(5, _wtoi(argv[1])) : 20;
    std::printf("settings_dialog_bench: %d timed repetitions of each, interleaved\n", repetitions);
    return huex::run(repetitions, argc > 2 ? argv[2] : nullptr);
}
