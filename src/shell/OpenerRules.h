#pragma once
// The rules of opening a link that need no window: the text shown when it can't be opened and the
// command line of the fallback opener.
#include <string>
#include <string_view>

namespace huex {

// The message shown when opening fails with a shell or process start result code.
std::wstring openFailureMessage(int code);

// The registered command line of the web-page program, cut before its "%1" placeholder (at the
// opening quote when the placeholder is quoted); the whole line when it has none.
std::wstring commandBeforePlaceholder(std::wstring_view registered);
// The command line the fallback runs: the cut command, a space and the target.
std::wstring fallbackCommandLine(std::wstring_view registered, std::wstring_view target);

} // namespace huex
