#include "win/Files.h"

#include "win/Handles.h"

#include <algorithm>
#include <array>

namespace huex::win {

namespace {
std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

DWORD writeAll(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    HANDLE created =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return GetLastError();
    const UniqueHandle file(created);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) return GetLastError();
        done += written;
    }
    return FlushFileBuffers(file.get()) ? ERROR_SUCCESS : GetLastError();
}
} // namespace

FileBytes readFileBytes(const std::wstring& path, std::size_t cap) {
    FileBytes read;
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        read.error = GetLastError();
        return read;
    }
    const UniqueHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        read.error = GetLastError();
        return read;
    }
    read.bytes.resize(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), cap));
    std::size_t filled = 0;
    while (filled < read.bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), read.bytes.data() + filled, static_cast<DWORD>(read.bytes.size() - filled),
                      &got, nullptr)) {
            read.error = GetLastError();
            break;
        }
        if (got == 0) break;
        filled += got;
    }
    read.bytes.resize(filled);
    return read;
}

DWORD replaceFileWith(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    std::array<wchar_t, MAX_PATH> temporary{};
    if (!GetTempFileNameW(folderOf(path).c_str(), L"hx", 0, temporary.data())) return GetLastError();
    DWORD error = writeAll(temporary.data(), bytes);
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(temporary.data(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFileW(temporary.data());
    return error;
}

std::wstring systemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text.empty() ? L"ошибка " + std::to_wstring(error) : text;
}

} // namespace huex::win
