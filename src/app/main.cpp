#include "app/PickerApp.h"
#include "win/Trace.h"

#include <windows.h>

#include <cstdlib>
#include <exception>

// What an uncaught exception ends in. The C++ library's default prints the exception's type,
// demangled, to a console this program does not have; its demangler alone is a fifteenth of the
// program. This definition takes the place of the library's, which then stays out of the link.
namespace __gnu_cxx { // NOLINT(cert-dcl58-cpp)
void __verbose_terminate_handler() { // NOLINT(bugprone-reserved-identifier)
    std::abort();
}
} // namespace __gnu_cxx

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
