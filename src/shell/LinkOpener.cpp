#include "shell/LinkOpener.h"

#include "shell/OpenerRules.h"
#include "shell/Shell.h"

#include <optional>

namespace huex {

namespace {
// The default value of a key under HKEY_CLASSES_ROOT.
std::optional<std::wstring> classesDefault(const std::wstring& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value;
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && bytes >= sizeof(wchar_t)) {
        value.resize(bytes / sizeof(wchar_t));
        if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
            ERROR_SUCCESS)
            value.clear();
        value.resize(value.find(L'\0') == std::wstring::npos ? value.size() : value.find(L'\0'));
    }
    RegCloseKey(key);
    return value;
}

// Starts a command line as the old process starter did, answering in its result codes.
int runCommandLine(std::wstring commandLine, int show) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        const DWORD error = GetLastError();
        if (error == ERROR_BAD_EXE_FORMAT) return ERROR_BAD_FORMAT;
        return error < 32 ? static_cast<int>(error) : 0;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 33;
}
} // namespace

int openLink(const std::wstring& target, int show) {
    const auto shellResult =
        static_cast<int>(reinterpret_cast<INT_PTR>(shellExecute(nullptr, L"open", target.c_str(), show)));
    if (shellResult > 32) return shellResult;
    const std::optional<std::wstring> pageClass = classesDefault(L".htm");
    if (!pageClass) return shellResult;
    const std::optional<std::wstring> command = classesDefault(*pageClass + L"\\shell\\open\\command");
    if (!command) return shellResult;
    return runCommandLine(fallbackCommandLine(*command, target), show);
}

} // namespace huex
