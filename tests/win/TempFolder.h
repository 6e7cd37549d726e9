#pragma once
// A folder of its own under the temporary folder for one test, removed with what is left in it.
#include <windows.h>

#include <array>
#include <string>

namespace huex {

class TempFolder {
  public:
    explicit TempFolder(const wchar_t* prefix) {
        std::array<wchar_t, MAX_PATH + 1> temp{};
        GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
        static int serial = 0;
        path_ = std::wstring(temp.data()) + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial);
        created_ = CreateDirectoryW(path_.c_str(), nullptr) != FALSE;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring entry = path_ + L"\\" + found.cFileName;
                if (!DeleteFileW(entry.c_str())) RemoveDirectoryW(entry.c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }
    [[nodiscard]] const std::wstring& path() const { return path_; }
    [[nodiscard]] bool created() const { return created_; }

  private:
    std::wstring path_;
    bool created_ = false;
};

} // namespace huex
