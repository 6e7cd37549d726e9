#include "settings/SettingsStore.h"

#include "settings/FileText.h"
#include "settings/ImageFile.h"

#include "win/Handles.h"
#include "win/ProgramFolder.h"
#include "win/Text.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string_view>

namespace huex {

namespace {

// Larger settings files are not read, and not replaced by a save.
constexpr std::size_t kLargestFile = std::size_t{64} << 20;

std::wstring copyPath(const std::wstring& path) {
    return path + L".new";
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

// At most `limit` bytes from the start of a file; nothing when the file is missing or cannot be
// read that far.
std::optional<std::vector<std::uint8_t>> readFileStart(const std::wstring& path, std::size_t limit) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
    const win::UniqueHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return std::nullopt;
    std::vector<std::uint8_t> bytes(std::min<std::size_t>(static_cast<std::size_t>(size.QuadPart), limit));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got,
                      nullptr) ||
            got == 0)
            return std::nullopt;
        filled += got;
    }
    return bytes;
}

std::vector<std::uint8_t> fileStart(const std::wstring& path, std::size_t limit) {
    return readFileStart(path, limit).value_or(std::vector<std::uint8_t>{});
}

// The settings file as it is before a save: empty when there is none yet, nothing when it is
// there but cannot be read whole, so that a save never replaces what it could not keep.
std::optional<std::vector<std::uint8_t>> fileBeforeSave(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::vector<std::uint8_t>{};
        return std::nullopt;
    }
    auto bytes = readFileStart(path, kLargestFile + 1);
    if (bytes && bytes->size() > kLargestFile) return std::nullopt;
    return bytes;
}

std::u16string units(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// The file's text, decoded as the profile functions decode it: UTF-16 (either byte order) or UTF-8
// after a byte-order mark, the ANSI code page without one.
std::string fileText(const std::vector<std::uint8_t>& bytes, TextEncoding encoding) {
    if (encoding != TextEncoding::ansi) return unicodeFileText(bytes, encoding);
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const auto* ansi = reinterpret_cast<const char*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansi, length, nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, length, text.data(), static_cast<int>(text.size()));
    return utf8FromUtf16(units(text));
}

// The text in the ANSI code page; nothing when a character has no form there.
std::optional<std::vector<std::uint8_t>> ansiBytes(std::string_view text) {
    const std::u16string utf16 = utf16FromUtf8(text);
    if (utf16.empty()) return std::vector<std::uint8_t>{};
    if (utf16.size() > INT_MAX) return std::nullopt;
    const std::wstring wide(utf16.begin(), utf16.end());
    const int length = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lost);
    if (size <= 0 || lost) return std::nullopt;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                        reinterpret_cast<char*>(out.data()), size, nullptr, nullptr);
    return out;
}

// The edited text in the file's encoding. An ANSI file stays ANSI only when nothing is lost by
// that: its own bytes come back unchanged and every new character has a form in the code page;
// otherwise it becomes UTF-16, which the profile functions read as the same text.
std::vector<std::uint8_t> fileBytes(const std::vector<std::uint8_t>& original, TextEncoding encoding,
                                    std::string_view text) {
    if (encoding == TextEncoding::ansi) {
        const auto read = ansiBytes(fileText(original, encoding));
        if (read && *read == original) {
            if (auto bytes = ansiBytes(text)) return std::move(*bytes);
        }
        encoding = TextEncoding::utf16le;
    }
    return unicodeFileBytes(text, encoding);
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
    const std::vector<std::uint8_t> bytes = fileStart(path, kLargestFile);
    return IniDocument::parse(fileText(bytes, fileEncoding(bytes)));
}

std::wstring writeSettingsCopy(const std::wstring& path, const std::vector<SettingsEntry>& entries) {
    // A file we create is UTF-16, so that pattern names in any script keep.
    const auto original = fileBeforeSave(path);
    if (!original) return {};
    const TextEncoding encoding = original->empty() ? TextEncoding::utf16le : fileEncoding(*original);
    IniDocument document = IniDocument::parse(fileText(*original, encoding));
    for (const SettingsEntry& e : entries) writeEntry(document, e);
    std::wstring copy = copyPath(path);
    if (!writeWholeFile(copy, fileBytes(*original, encoding, document.text()))) {
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
