#pragma once
// huexctl's cycles for the soak (tools/soak.sh): one thing done N times over to the running copy,
// each turn waiting until it has really happened, from inside the Wine session, where a turn
// costs milliseconds rather than a process start.
#include <windows.h>

namespace huexctl {

// Commands starting with "cycle-"; -1 for any other command. Prints the turns done; exit code 0
// when all were.
int runCycle(HWND picker, int argc, wchar_t** argv);

} // namespace huexctl
