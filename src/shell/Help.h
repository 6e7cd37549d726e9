#pragma once
// The help: an HTML page carried in the program's resources, opened in the system's viewer.
#include "resource.h"

#include <windows.h>

#include <string>

namespace huex {

inline constexpr int helpResourceId = IDH_HELP_PAGE;

// Writes the help page to `path`; false when the resource is missing or the file can't be written.
bool writeHelpPage(const std::wstring& path);
// The help action: the page goes to the temporary folder and the shell opens it.
void openHelp(HWND owner);

} // namespace huex
