#include "settings/SettingsStore.h"

#include "settings/FileText.h"
#include "settings/ImageFile.h"
#include "settings/SavePlan.h"

#include "win/Files.h"
#include "win/ProgramFolder.h"
#include "win/Text.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string_view>
#include <utility>

namespace huex {

namespace {

// Larger settings files are not read, and not replaced by a save.
constexpr std::size_t kLargestFile = std::size_t{64} << 20;

std::vector<std::uint8_t> fileStart(const std::wstring& path, std::size_t limit) {
    win::FileBytes read = win::readFileBytes(path, limit);
    return read.error == ERROR_SUCCESS ? std::move(read.bytes) : std::vector<std::uint8_t>{};
}

// The file as it is before a save: empty when there is none yet, an error when it is there but
// cannot be read whole, so that a save never replaces what it could not keep.
struct Original {
    std::vector<std::uint8_t> bytes;
    DWORD error = ERROR_SUCCESS;
    bool missing = false;
};
Original fileBeforeSave(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {{}, ERROR_SUCCESS, true};
        return {{}, error};
    }
    win::FileBytes read = win::readFileBytes(path, kLargestFile + 1);
    if (read.error == ERROR_SUCCESS && read.bytes.size() > kLargestFile) read.error = ERROR_FILE_TOO_LARGE;
    return {std::move(read.bytes), read.error};
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

std::wstring environmentValue(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) return value.substr(0, length);
        value.resize(length);
    }
}

// The new settings file's bytes: the old file's (or the base's) text with the entries set.
std::optional<std::vector<std::uint8_t>> newSettingsBytes(const std::wstring& path,
                                                          const std::vector<SettingsEntry>& entries,
                                                          const std::wstring& base, DWORD& error) {
    Original original = fileBeforeSave(path);
    if (original.missing && !base.empty() && base != path) {
        original = fileBeforeSave(base);
        if (original.error != ERROR_SUCCESS) original = {{}, ERROR_SUCCESS, true}; // start afresh
    }
    error = original.error;
    if (error != ERROR_SUCCESS) return std::nullopt;
    // A file we create is UTF-16, so that pattern names in any script keep.
    const TextEncoding encoding =
        original.bytes.empty() ? TextEncoding::utf16le : fileEncoding(original.bytes);
    IniDocument document = IniDocument::parse(fileText(original.bytes, encoding));
    writeEntries(document, entries);
    return fileBytes(original.bytes, encoding, document.text());
}

} // namespace

SettingsFiles settingsFilesIn(const std::wstring& folder) {
    return {folder + L"\\huex.ini", folder + L"\\huex.img"};
}

SettingsHome settingsHomeOfProgram() {
    const std::wstring appData = environmentValue(L"APPDATA");
    return {settingsFilesIn(win::programFolder()),
            appData.empty() ? std::nullopt : std::optional(settingsFilesIn(appData + L"\\HUEX"))};
}

SettingsFiles filesToRead(const SettingsHome& home) {
    if (!home.user) return home.beside;
    const std::wstring& settings = home.beside.settings;
    const std::array<std::wstring, 2> files{settings, home.beside.image};
    const bool writable = win::folderWritable(settings.substr(0, settings.find_last_of(L'\\')), files);
    const bool userFiles = GetFileAttributesW(home.user->settings.c_str()) != INVALID_FILE_ATTRIBUTES;
    return placeToRead(writable, userFiles) == SettingsPlace::userFolder ? *home.user : home.beside;
}

IniDocument readSettingsFile(const std::wstring& path) {
    // One read of the whole file: the profile functions would open and check it once per section,
    // which costs milliseconds under Wine.
    const std::vector<std::uint8_t> bytes = fileStart(path, kLargestFile);
    return IniDocument::parse(fileText(bytes, fileEncoding(bytes)));
}

FileSaved saveSettingsFile(const std::wstring& path, const std::vector<SettingsEntry>& entries,
                           const std::wstring& base) {
    DWORD error = ERROR_SUCCESS;
    const auto bytes = newSettingsBytes(path, entries, base, error);
    return {bytes ? win::replaceFileWith(path, *bytes) : error};
}

std::wstring writeSettingsCopy(const std::wstring& path, const std::vector<SettingsEntry>& entries) {
    DWORD error = ERROR_SUCCESS;
    const auto bytes = newSettingsBytes(path, entries, {}, error);
    return bytes && win::writeCopyBeside(path, *bytes) == ERROR_SUCCESS ? win::copyBeside(path)
                                                                        : std::wstring();
}

std::vector<std::uint8_t> readImageFileBytes(const std::wstring& path) {
    return fileStart(path, kImageFileSize);
}

FileSaved saveImageFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    return {win::replaceFileWith(path, bytes)};
}

SaveResult saveFiles(const SettingsFiles& files, const std::vector<SettingsEntry>& entries,
                     std::span<const std::uint8_t> image, const std::wstring& base) {
    SaveResult result;
    result.image = saveImageFile(files.image, image);
    result.settings = saveSettingsFile(files.settings, entries, base);
    return result;
}

SaveResult saveFiles(const SettingsHome& home, const SettingsFiles& readAtStart,
                     const std::vector<SettingsEntry>& entries, std::span<const std::uint8_t> image) {
    SaveResult result = saveFiles(home.beside, entries, image, readAtStart.settings);
    if (result.settings || !home.user) return result;
    const std::wstring& settings = home.user->settings;
    if (const DWORD error = win::makeFolders(settings.substr(0, settings.find_last_of(L'\\')));
        error != ERROR_SUCCESS) {
        result.settings.error = result.image.error = error;
        return result;
    }
    return saveFiles(*home.user, entries, image, readAtStart.settings);
}

} // namespace huex
