#include "win/Text.h"

#include <windows.h>

#include <climits>

namespace huex::win {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int n = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, nullptr, 0);
    std::wstring out(static_cast<size_t>(length), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, out.data(), length);
    return out;
}

namespace {
std::string toCodePage(UINT codePage, std::wstring_view utf16) {
    if (utf16.empty() || utf16.size() > INT_MAX) return {};
    const int n = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(codePage, 0, utf16.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    if (length > 0) WideCharToMultiByte(codePage, 0, utf16.data(), n, out.data(), length, nullptr, nullptr);
    return out;
}
} // namespace

std::string narrow(std::wstring_view utf16) {
    return toCodePage(CP_UTF8, utf16);
}

std::string toAnsi(std::wstring_view utf16) {
    return toCodePage(CP_ACP, utf16);
}

} // namespace huex::win
