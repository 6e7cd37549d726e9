#pragma once
// UTF-8 <-> UTF-16 at the platform boundary: the core speaks UTF-8, every Win32 call is a W call.
#include <string>
#include <string_view>

namespace huex::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// For receivers of plain 8-bit text (CF_TEXT): the system's ANSI code page.
std::string toAnsi(std::wstring_view utf16);

} // namespace huex::win
