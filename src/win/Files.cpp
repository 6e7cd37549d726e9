#include "win/Files.h"

#include "win/Handles.h"
#include "win/Text.h"

#include <algorithm>
#include <array>

namespace huex::win {

namespace {
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

std::wstring copyBeside(const std::wstring& path) {
    return path + L".new";
}

DWORD writeCopyBeside(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::wstring copy = copyBeside(path);
    const DWORD error = writeAll(copy, bytes);
    if (error != ERROR_SUCCESS) DeleteFileW(copy.c_str());
    return error;
}

DWORD putCopyInPlace(const std::wstring& path) {
    const std::wstring copy = copyBeside(path);
    if (MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    DeleteFileW(copy.c_str());
    return error;
}

DWORD replaceFileWith(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const DWORD error = writeCopyBeside(path, bytes);
    return error != ERROR_SUCCESS ? error : putCopyInPlace(path);
}

bool folderWritable(const std::wstring& folder, std::span<const std::wstring> files) {
    // Numbers go through the narrow text: std::to_wstring would bring the C library's wide printf.
    const std::wstring probe = folder + L"\\huex-" + widen(std::to_string(GetCurrentProcessId())) + L".tmp";
    HANDLE made = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (made == INVALID_HANDLE_VALUE) return false;
    const UniqueHandle deletedOnClose(made);
    // A read-only file in a writable folder cannot be replaced either.
    return std::all_of(files.begin(), files.end(), [](const std::wstring& file) {
        HANDLE opened = CreateFileW(file.c_str(), GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (opened == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
        const UniqueHandle close(opened);
        return true;
    });
}

DWORD makeFolders(const std::wstring& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return ERROR_SUCCESS;
    DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS) return ERROR_SUCCESS;
    const std::size_t slash = folder.find_last_of(L"\\/");
    if (error != ERROR_PATH_NOT_FOUND || slash == std::wstring::npos || slash == 0) return error;
    error = makeFolders(folder.substr(0, slash));
    if (error != ERROR_SUCCESS) return error;
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS
               ? ERROR_SUCCESS
               : GetLastError();
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
    return text.empty() ? L"ошибка " + widen(std::to_string(error)) : text;
}

} // namespace huex::win
