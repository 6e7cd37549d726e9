#include "settings/SettingsStore.h"

#include "settings/ImageFile.h"

#include "win/Handles.h"
#include "win/ProgramFolder.h"
#include "win/Text.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <climits>
#include <initializer_list>

namespace huex {

namespace {

constexpr std::array<const wchar_t*, 9> kSections{L"Common", L"Marquee",  L"Window",
                                                  L"Color1", L"Color2",   L"CustomColors",
                                                  L"Zoom",   L"Patterns", L"Contrast"};

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

// At most `limit` bytes from the start of a file; empty when it cannot be read.
std::vector<std::uint8_t> fileStart(const std::wstring& path, std::size_t limit) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return {};
    const win::UniqueHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return {};
    std::vector<std::uint8_t> bytes(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), limit));
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

// The file's text as UTF-8, decoded as the profile functions decode it: UTF-16 (either byte order)
// or UTF-8 after a byte-order mark, the ANSI code page without one.
std::string profileText(const std::vector<std::uint8_t>& bytes) {
    const auto starts = [&](std::initializer_list<std::uint8_t> mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    if (starts({0xFF, 0xFE}) || starts({0xFE, 0xFF})) {
        const bool bigEndian = bytes[0] == 0xFE;
        std::wstring text((bytes.size() - 2) / 2, L'\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::uint8_t first = bytes[2 + 2 * i], second = bytes[3 + 2 * i];
            text[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
        }
        return win::narrow(text);
    }
    if (starts({0xEF, 0xBB, 0xBF})) return {bytes.begin() + 3, bytes.end()};
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const auto* ansi = reinterpret_cast<const char*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansi, length, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, length, text.data(), static_cast<int>(text.size()));
    return win::narrow(text);
}

} // namespace

SettingsFiles settingsFilesIn(const std::wstring& folder) {
    return {folder + L"\\huex.ini", folder + L"\\huex.img"};
}

SettingsFiles settingsFilesBesideProgram() {
    return settingsFilesIn(win::programFolder());
}

IniDocument readSettingsFile(const std::wstring& path) {
    // One read of the whole file: the profile functions would open and check it once per section,
    // which costs milliseconds under Wine.
    constexpr std::size_t kLargestFile = std::size_t{64} << 20;
    return IniDocument::parse(profileText(fileStart(path, kLargestFile)));
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
    return fileStart(path, kImageFileSize);
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
