#include "app/PickerApp.h"
#include "win/Trace.h"

#include <windows.h>

#include <cstdlib>
#include <exception>

// What an uncaught exception ends in. The C++ library's default prints the exception's type,
// demangled, to a console this program does not have; its demangler alone would be a twentieth
// of the program. Defining the handler here keeps that default out of the link.
namespace __cxxabiv1 {                                   // NOLINT(bugprone-reserved-identifier)
extern std::terminate_handler __terminate_handler;       // NOLINT(bugprone-reserved-identifier)
std::terminate_handler __terminate_handler = std::abort; // NOLINT(bugprone-reserved-identifier)
} // namespace __cxxabiv1

extern "C" int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                               int /*show*/) {
    huex::trace::step("entry");
    try {
        huex::PickerApp app;
        const int code = app.run();
        huex::trace::step("leaving");
        return code;
    } catch (...) {
        // The window and the mutex are already released on the way here.
        return 3;
    }
}
