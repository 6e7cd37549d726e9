#include "shell/OpenerRules.h"

namespace huex {

namespace {
const wchar_t* codeText(int code) {
    switch (code) {
    case 0:
        return L"The operating system is out\nof memory or resources.";
    case 2:
        return L"The specified file was not found.";
    case 3:
        return L"The specified path was not found.";
    case 5:
        return L"The operating system denied\naccess to the specified file.";
    case 8:
        return L"There was not enough memory to complete the operation.";
    case 11:
        return L"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
        return L"A sharing violation occurred. ";
    case 27:
        return L"The filename association is\nincomplete or invalid.";
    case 28:
        return L"The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
        return L"The DDE transaction failed.";
    case 30:
        return L"The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
               L"processed.";
    case 31:
        return L"There is no application associated\nwith the given filename extension.";
    case 32:
        return L"The specified dynamic-link library was not found.";
    default:
        return nullptr;
    }
}
} // namespace

std::wstring openFailureMessage(int code) {
    std::wstring message = L"Can't open link:\n\n";
    if (const wchar_t* text = codeText(code)) return message + text;
    // Digits by hand: the wide-string conversion would bring the C library's whole wide printf.
    const std::string digits = std::to_string(code);
    return message + L"Unknown Error (" + std::wstring(digits.begin(), digits.end()) + L") occurred.";
}

std::wstring commandBeforePlaceholder(std::wstring_view registered) {
    if (const auto quoted = registered.find(L"\"%1\""); quoted != std::wstring_view::npos)
        return std::wstring(registered.substr(0, quoted));
    if (const auto bare = registered.find(L"%1"); bare != std::wstring_view::npos)
        return std::wstring(registered.substr(0, bare));
    return std::wstring(registered);
}

std::wstring fallbackCommandLine(std::wstring_view registered, std::wstring_view target) {
    std::wstring line = commandBeforePlaceholder(registered);
    line += L' ';
    line += target;
    return line;
}

} // namespace huex
