#include "shell/ProcessValues.h"

#include "shell/SystemVersion.h"
#include "win/Trace.h"

namespace huex {

namespace {
ProcessValues compute() {
    ProcessValues v;
    // GetVersion is deprecated but is exactly the packed value the decision is made on.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const SystemTraits traits = decodeSystemVersion(GetVersion());
#pragma GCC diagnostic pop
    v.layeredWindowsAvailable = traits.layeredWindowsAvailable;
    v.preXpSystem = traits.preXpSystem;
    if (HMODULE user32 = GetModuleHandleW(L"USER32.DLL")) {
        v.setLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    }
    v.buttonFaceColor = GetSysColor(COLOR_BTNFACE);
    v.windowColor = GetSysColor(COLOR_WINDOW);
    trace::step("process values (static initialisation)");
    return v;
}

// Computed during static initialisation, before the application object starts.
[[maybe_unused]] const ProcessValues& startupValues = processValues();
} // namespace

const ProcessValues& processValues() {
    static const ProcessValues values = compute();
    return values;
}

} // namespace huex
