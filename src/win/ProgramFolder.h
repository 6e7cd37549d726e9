#pragma once
// The folder of the running program, where its settings and trace files live.
#include <string>

namespace huex::win {

// Without a trailing backslash; empty when the program's path has none.
std::wstring programFolder();

} // namespace huex::win
