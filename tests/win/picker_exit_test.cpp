// The picker's modal run ends as soon as its window is gone, whichever way it went: a command
// sent from another thread or process (the system menu's Close arrives that way), one posted,
// WM_CLOSE, or an exception in a handler reached by a sent message.
#include "picker/ColorPickerDialog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>

namespace huex {
namespace {

struct Run {
    win::Dialog* dialog = nullptr;
    std::function<void(HWND)> act;
    std::thread sender;
    std::atomic<bool> watchdogFired{false};
};
Run* gRun = nullptr;

// Starts `act` on another thread once the modal loop runs; a watchdog timer wakes the loop after
// two seconds, which is how a loop that missed its window's end would get out.
void runUntilGone(win::Dialog& dialog, std::function<void(HWND)> act, bool& watchdogFired) {
    Run run{&dialog, std::move(act), {}, {}};
    gRun = &run;
    const UINT_PTR start = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HWND target = gRun->dialog->hwnd();
        gRun->sender = std::thread([target] { gRun->act(target); });
    });
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        gRun->watchdogFired = true;
    });
    try {
        dialog.runModal(nullptr);
    } catch (...) {
        KillTimer(nullptr, watchdog);
        KillTimer(nullptr, start);
        if (run.sender.joinable()) run.sender.join();
        watchdogFired = run.watchdogFired;
        gRun = nullptr;
        throw;
    }
    KillTimer(nullptr, watchdog);
    KillTimer(nullptr, start);
    if (run.sender.joinable()) run.sender.join();
    watchdogFired = run.watchdogFired;
    gRun = nullptr;
}

TEST(PickerExit, EveryWayOfDestroyingTheWindowEndsTheModalRun) {
    const struct {
        const char* name;
        std::function<void(HWND)> act;
    } paths[] = {
        {"exit command sent", [](HWND w) { SendMessageW(w, WM_COMMAND, ID_EXIT, 0); }},
        {"exit command posted", [](HWND w) { PostMessageW(w, WM_COMMAND, ID_EXIT, 0); }},
        {"system menu Close sent", [](HWND w) { SendMessageW(w, WM_SYSCOMMAND, ID_EXIT, 0); }},
        {"WM_CLOSE sent", [](HWND w) { SendMessageW(w, WM_CLOSE, 0, 0); }},
    };
    for (const auto& path : paths) {
        ColorPickerDialog picker;
        bool watchdog = false;
        runUntilGone(picker, path.act, watchdog);
        EXPECT_FALSE(watchdog) << path.name << ": the loop slept on after its window died";
        EXPECT_EQ(picker.hwnd(), nullptr) << path.name;
    }
}

class ThrowingDialog : public win::Dialog {
  public:
    ThrowingDialog() : win::Dialog(IDD_PICKER) {}

  protected:
    bool onMessage(win::Message& m) override {
        if (m.id == WM_APP + 5) throw std::runtime_error("handler failed");
        return false;
    }
};

TEST(PickerExit, ExceptionInASentMessageEndsTheModalRun) {
    ThrowingDialog dialog;
    bool watchdog = false;
    EXPECT_THROW(runUntilGone(
                     dialog, [](HWND w) { SendMessageW(w, WM_APP + 5, 0, 0); }, watchdog),
                 std::runtime_error);
    EXPECT_FALSE(watchdog);
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

} // namespace
} // namespace huex
