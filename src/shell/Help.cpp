#include "shell/Help.h"

#include "shell/Shell.h"
#include "win/Artwork.h"
#include "win/Handles.h"

#include <array>

namespace huex {

bool writeHelpPage(const std::wstring& path) {
    const auto page = win::resourceBytes(helpResourceId, MAKEINTRESOURCEW(23)); // RT_HTML
    if (page.empty()) return false;
    const auto size = static_cast<DWORD>(page.size());
    HANDLE created =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return false;
    const win::UniqueHandle file(created);
    DWORD written = 0;
    return WriteFile(file.get(), page.data(), size, &written, nullptr) && written == size;
}

void openHelp(HWND owner) {
    std::array<wchar_t, MAX_PATH + 1> folder{};
    const DWORD length = GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    if (length == 0 || length >= folder.size()) return;
    const std::wstring path = std::wstring(folder.data()) + L"huex-help.htm";
    if (writeHelpPage(path)) shellExecute(owner, L"open", path.c_str());
}

} // namespace huex
