#include "shell/Help.h"

#include "shell/Shell.h"
#include "win/Handles.h"

#include <array>

namespace huex {

bool writeHelpPage(const std::wstring& path) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(helpResourceId), MAKEINTRESOURCEW(23)); // RT_HTML
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    if (!bytes || size == 0) return false;
    HANDLE created =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return false;
    const win::UniqueHandle file(created);
    DWORD written = 0;
    return WriteFile(file.get(), bytes, size, &written, nullptr) && written == size;
}

void openHelp(HWND owner) {
    std::array<wchar_t, MAX_PATH + 1> folder{};
    const DWORD length = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    if (length == 0 || length >= folder.size()) return;
    const std::wstring path = std::wstring(folder.data()) + L"huex-help.htm";
    if (writeHelpPage(path)) shellExecute(owner, L"open", path.c_str());
}

} // namespace huex
