#include "app/PickerApp.h"

#include "app/SingleInstance.h"
#include "picker/ColorPickerDialog.h"
#include "win/Handles.h"
#include "win/Trace.h"

#include <commctrl.h>

#include <memory>

namespace huex {

namespace {
// Owns the named mutex: released and closed on every way out, exceptions included.
class InstanceMutex {
  public:
    explicit InstanceMutex(HANDLE mutex) : mutex_(mutex) {}
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    ~InstanceMutex() {
        if (mutex_) ReleaseMutex(mutex_.get());
        trace::step("mutex released");
    }

  private:
    win::UniqueHandle mutex_;
};

} // namespace

bool PickerApp::runAsFirstCopy(const std::function<void()>& modalRun) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, instanceMutexName);
    if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (mutex) CloseHandle(mutex);
        return false;
    }
    const InstanceMutex owned(mutex);
    trace::step("mutex taken");
    modalRun();
    return true;
}

int PickerApp::run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    trace::step("common controls");
    const bool ranFirstCopy = runAsFirstCopy([] {
        // The window object (and with it OLE, which the window starts) is gone before the mutex is released.
        auto picker = std::make_unique<ColorPickerDialog>(settingsHomeOfProgram());
        trace::step("window object constructed");
        picker->runModal(nullptr);
        trace::step("modal run ended");
    });
    if (!ranFirstCopy) activateRunningCopy();
    return 0;
}

} // namespace huex
