#include "app/PickerApp.h"

#include "app/SingleInstance.h"
#include "picker/ColorPickerDialog.h"
#include "win/Handles.h"
#include "win/Trace.h"

#include <commctrl.h>
#include <ole2.h>

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

// OLE on this, the window's, thread for as long as the window runs (dragging text out of the
// slots); ended after the window and its drop targets are gone.
class OleSession {
  public:
    OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) { trace::step("OLE started"); }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (started_) OleUninitialize();
        trace::step("OLE ended");
    }

  private:
    bool started_;
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
        // The window object is gone before the mutex is released, and before OLE ends.
        const OleSession ole;
        auto picker = std::make_unique<ColorPickerDialog>(settingsFilesBesideProgram());
        trace::step("window object constructed");
        picker->runModal(nullptr);
        trace::step("modal run ended");
    });
    if (!ranFirstCopy) activateRunningCopy();
    return 0;
}

} // namespace huex
