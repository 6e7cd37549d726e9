#include "app/PickerApp.h"

#include <windows.h>

extern "C" int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                               int /*show*/) {
    try {
        huex::PickerApp app;
        return app.run();
    } catch (...) {
        // The window and the mutex are already released on the way here.
        return 3;
    }
}
