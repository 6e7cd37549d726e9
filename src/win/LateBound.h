#pragma once
// Functions of system libraries that the program needs only after its window shows (the shell,
// OLE, the common dialogs), bound on first use: those libraries, and the ones they pull in, then
// load when they are needed rather than before the program starts. A library stays loaded once
// it is. Null when the library or the function is missing.
#include <windows.h>

namespace huex::win {

FARPROC lateBoundAddress(const wchar_t* library, const char* name);

template <class Function> Function lateBound(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(lateBoundAddress(library, name)));
}

} // namespace huex::win
