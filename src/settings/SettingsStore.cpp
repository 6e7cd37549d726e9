#include "settings/SettingsStore.h"

#include "settings/ImageFile.h"

#include "win/Handles.h"
#include "win/Text.h"

#include <windows.h>

#include <array>

namespace huex {

namespace {

constexpr std::array<const wchar_t*, 8> kSections{L"Common", L"Marquee",      L"Window", L"Color1",
                                                  L"Color2", L"CustomColors", L"Zoom",   L"Patterns"};

std::wstring copyPath(const std::wstring& path) {
    return path + L".new";
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool writeWholeFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    HANDLE created =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return false;
    const win::UniqueHandle file(created);
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file.get());
}

// What the profile functions wrote reaches the disk before the copy replaces the file.
bool flushToDisk(const std::wstring& path) {
    HANDLE opened =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const win::UniqueHandle file(opened);
    return FlushFileBuffers(file.get()) != FALSE;
}

// One section as the section function returns it: lines ended by NULs. The buffer grows until
// the whole section fits.
std::wstring sectionLines(const wchar_t* section, const std::wstring& path) {
    std::wstring buffer(4096, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileSectionW(section, buffer.data(), size, path.c_str());
        if (length + 2 < size || size >= (1u << 26)) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 4);
    }
}

} // namespace

SettingsFiles settingsFilesIn(const std::wstring& folder) {
    return {folder + L"\\huex.ini", folder + L"\\huex.img"};
}

SettingsFiles settingsFilesBesideProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L'\\');
    return settingsFilesIn(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

IniDocument readSettingsFile(const std::wstring& path) {
    IniDocument document;
    if (!exists(path)) return document;
    for (const wchar_t* section : kSections) {
        const std::wstring lines = sectionLines(section, path);
        if (!lines.empty()) document.addSectionLines(win::narrow(section), win::narrow(lines));
    }
    return document;
}

std::wstring writeSettingsCopy(const std::wstring& path, const std::vector<SettingsEntry>& entries) {
    std::wstring copy = copyPath(path);
    DeleteFileW(copy.c_str()); // left by a save that was cut short
    if (exists(path)) {
        if (!CopyFileW(path.c_str(), copy.c_str(), FALSE)) return {};
    } else {
        static constexpr std::array<std::uint8_t, 2> byteOrderMark{0xFF, 0xFE};
        if (!writeWholeFile(copy, byteOrderMark)) return {};
    }
    IniDocument document = readSettingsFile(copy);
    for (const SettingsEntry& e : entries) document.write(e.section, e.key, e.value);
    bool written = true;
    for (const wchar_t* section : kSections) {
        // The section function takes the lines ended by NULs and one more NUL at the end.
        const std::wstring lines = win::widen(document.sectionLines(win::narrow(section))) + L'\0';
        written = WritePrivateProfileSectionW(section, lines.c_str(), copy.c_str()) && written;
    }
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy.c_str()); // leaves nothing cached
    if (!written || !flushToDisk(copy)) {
        DeleteFileW(copy.c_str());
        return {};
    }
    return copy;
}

bool replaceWithCopy(const std::wstring& copy, const std::wstring& path) {
    return MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           FALSE;
}

bool saveSettingsFile(const std::wstring& path, const std::vector<SettingsEntry>& entries) {
    const std::wstring copy = writeSettingsCopy(path, entries);
    return !copy.empty() && replaceWithCopy(copy, path);
}

std::vector<std::uint8_t> readImageFileBytes(const std::wstring& path) {
    HANDLE opened =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return {};
    const win::UniqueHandle file(opened);
    std::vector<std::uint8_t> bytes(kImageFileSize);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got,
                      nullptr) ||
            got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

bool saveImageFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::wstring copy = copyPath(path);
    if (!writeWholeFile(copy, bytes)) {
        DeleteFileW(copy.c_str());
        return false;
    }
    return replaceWithCopy(copy, path);
}

SaveResult saveFiles(const SettingsFiles& files, const std::vector<SettingsEntry>& entries,
                     std::span<const std::uint8_t> image) {
    SaveResult result;
    result.image = saveImageFile(files.image, image);
    result.settings = saveSettingsFile(files.settings, entries);
    return result;
}

} // namespace huex
