#pragma once
// The application object: one running copy per user, the picker window run modally as the
// program's whole life, and the help command.

namespace huex {

class PickerApp {
public:
    PickerApp() = default;
    // Start-up to shut-down; returns the process exit code. A second copy only activates the
    // first and returns at once.
    int run();
};

} // namespace huex
