#pragma once
// The application object: one running copy per user, the picker window run modally as the
// program's whole life.
#include <functional>

namespace huex {

class PickerApp {
  public:
    // Start-up to shut-down; returns the process exit code. A second copy only activates the
    // first and returns at once.
    int run();

    // The single-instance frame around a modal run: the named mutex is taken before `modalRun`
    // and released and closed after it, however it ends (an exception goes on afterwards).
    // Returns false, without running it, when another copy holds the mutex.
    static bool runAsFirstCopy(const std::function<void()>& modalRun);
};

} // namespace huex
