#pragma once
// A timestamp for each step of the program's start and end, for finding where the time goes.
// Only with HUEX_TRACE=1 in the environment: then each step is one line of "huex-trace.txt" beside
// the program (milliseconds since the process was created, since the previous step, the step's
// name). Otherwise a step costs one test of a flag.
namespace huex::trace {

bool enabled();
void step(const char* name);

} // namespace huex::trace
