#pragma once
// Opening a link (a web address, a "mailto:" address) in the program the system has for it.
#include <windows.h>

#include <string>

namespace huex {

// The shell opens the target; when it can't, the program registered for web pages is started with
// the target on its command line. The result is a shell result code: above 32 on success.
int openLink(const std::wstring& target, int show);

} // namespace huex
