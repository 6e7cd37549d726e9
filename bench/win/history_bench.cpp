// Times the colour history window on a real window under the real window system:
// - opening it over a history of 100 entries, up to its list drawn on the screen (command 1400
//   through the picker, then every pending paint), and closing it, untimed; the contrast window
//   opened the same way is the yardstick of what any tool window costs;
// - a pick with the window open: the colour added to a full history (one row in, the oldest
//   out) and the list drawn again, against two yardsticks: the visible rows drawn again with no
//   change, and a whole refill of the 100 rows.
// Each call is timed with QueryPerformanceCounter; the table gives the median, the 10th and 90th
// percentiles in milliseconds. Usage: huex_history_bench.exe [REPETITIONS]
#include "BenchProcess.h"
#include "picker/ColorPickerDialog.h"
#include "resource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace huex {
namespace {

double nowMs() {
    static const double perTick = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return 1000.0 / static_cast<double>(frequency.QuadPart);
    }();
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * perTick;
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

double quantile(std::vector<double> values, double q) {
    const auto at = static_cast<std::ptrdiff_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[static_cast<std::size_t>(at)];
}

void report(const char* name, const std::vector<double>& ms) {
    std::printf("%-52s %8.3f %8.3f %8.3f\n", name, quantile(ms, 0.5), quantile(ms, 0.1), quantile(ms, 0.9));
}

// Runs `step` `repetitions` times with `prepare` untimed before each.
std::vector<double> timed(int repetitions, const std::function<void()>& prepare,
                          const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        pump();
        const double start = nowMs();
        step();
        ms.push_back(nowMs() - start);
    }
    return ms;
}

HistorySettings fullHistory() {
    std::vector<std::optional<HistoryEntry>> stored;
    for (ColorRef c = 0; c < 100; ++c) stored.push_back(HistoryEntry{c * 0x020301U, c < 10});
    return {ColorHistory::restored(ColorHistory::maxSize, stored), 40, 40, false};
}

} // namespace
} // namespace huex

int main(int argc, char** argv) {
    using namespace huex;
    const bench::BenchProcess process;
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    ColorPickerDialog picker;
    if (!picker.create(nullptr)) return 1;
    ShowWindow(picker.hwnd(), SW_SHOW);
    HistoryWindow& history = picker.historyWindow();
    history.restore(fullHistory());
    std::printf("# milliseconds, %d repetitions%-14s median      p10      p90\n", repetitions, "");

    report("open with 100 entries, drawn", timed(
                                               repetitions,
                                               [&] {
                                                   if (history.hwnd())
                                                       SendMessageW(history.hwnd(), WM_CLOSE, 0, 0);
                                               },
                                               [&] {
                                                   SendMessageW(picker.hwnd(), WM_COMMAND, ID_HISTORY, 0);
                                                   UpdateWindow(history.hwnd());
                                                   RedrawWindow(history.hwnd(), nullptr, nullptr,
                                                                RDW_UPDATENOW | RDW_ALLCHILDREN);
                                               }));
    HWND contrast = nullptr;
    report("yardstick: the contrast window opened, drawn",
           timed(
               repetitions,
               [&] {
                   if (contrast) SendMessageW(contrast, WM_CLOSE, 0, 0);
               },
               [&] {
                   SendMessageW(picker.hwnd(), WM_COMMAND, ID_CONTRAST, 0);
                   contrast = picker.contrastWindow().hwnd();
                   RedrawWindow(contrast, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
               }));
    SendMessageW(contrast, WM_CLOSE, 0, 0);
    HWND list = GetDlgItem(history.hwnd(), IDC_HISTORY_LIST);
    ColorRef next = 0x800000;
    report("a pick with the window open (one row in, one out)", timed(
                                                                    repetitions, [] {},
                                                                    [&] {
                                                                        history.add(next++);
                                                                        UpdateWindow(list);
                                                                    }));
    report("yardstick: the visible rows drawn again", timed(
                                                          repetitions, [] {},
                                                          [&] {
                                                              InvalidateRect(list, nullptr, FALSE);
                                                              UpdateWindow(list);
                                                          }));
    report("yardstick: the 100 rows refilled", timed(
                                                   repetitions, [] {},
                                                   [&] {
                                                       history.restore(history.settings());
                                                       UpdateWindow(list);
                                                   }));
    return 0;
}
