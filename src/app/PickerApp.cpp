#include "app/PickerApp.h"

#include "app/SingleInstance.h"
#include "picker/ColorPickerDialog.h"
#include "win/Handles.h"

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
    }

private:
    win::UniqueHandle mutex_;
};
} // namespace

int PickerApp::run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HANDLE mutex = CreateMutexW(nullptr, TRUE, instanceMutexName);
    const bool firstCopy = mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
    if (!firstCopy) {
        if (mutex) CloseHandle(mutex);
        activateRunningCopy();
        return 0;
    }
    const InstanceMutex owned(mutex); // declared first, so it is released after the window object is gone
    auto picker = std::make_unique<ColorPickerDialog>();
    picker->runModal(nullptr);
    picker.reset();
    return 0;
}

} // namespace huex
