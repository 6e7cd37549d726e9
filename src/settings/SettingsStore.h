#pragma once
// The settings and image files on disk, each saved by win::replaceFileWith: a program stopped at
// any moment leaves the old file or the new one, never part of either.
// The settings file keeps every line it does not change, byte for byte, in its own encoding; a
// file we create is UTF-16 with a byte-order mark, so pattern names in any script keep. It is
// read in one piece and decoded as the profile functions decode it.
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace huex {

struct SettingsFiles {
    std::wstring settings, image;
};
// "huex.ini" and "huex.img" in a folder.
SettingsFiles settingsFilesIn(const std::wstring& folder);

// The places the files can live: beside the program, and the user's own folder, which takes them
// when the program's folder cannot be written (none for a window kept to one folder, as in tests).
struct SettingsHome {
    SettingsHome(SettingsFiles besideProgram, std::optional<SettingsFiles> userFolder = std::nullopt)
        : beside(std::move(besideProgram)), user(std::move(userFolder)) {}
    SettingsFiles beside;
    std::optional<SettingsFiles> user;
};
// Beside the running program, and %APPDATA%\HUEX.
SettingsHome settingsHomeOfProgram();
// The files read at start (placeToRead).
SettingsFiles filesToRead(const SettingsHome& home);

// The whole file (empty for a missing one).
IniDocument readSettingsFile(const std::wstring& path);

// A file written, or the system's error code for why not.
struct FileSaved {
    std::uint32_t error = 0;
    explicit operator bool() const { return error == 0; }
};

// The settings file with the entries set. The new text starts from the file it replaces or, where
// there is none yet, from `base` (the file read at start, whose keys we do not write are kept);
// a file that is there but cannot be read whole is not replaced.
FileSaved saveSettingsFile(const std::wstring& path, const std::vector<SettingsEntry>& entries,
                           const std::wstring& base = {});
// Only the first half of that save: the copy beside the file, its path returned (empty when it
// could not be made). The original is untouched.
std::wstring writeSettingsCopy(const std::wstring& path, const std::vector<SettingsEntry>& entries);

// At most the image file's size of bytes from its start; empty when it cannot be read.
std::vector<std::uint8_t> readImageFileBytes(const std::wstring& path);
FileSaved saveImageFile(const std::wstring& path, std::span<const std::uint8_t> bytes);

struct SaveResult {
    FileSaved image, settings;
};
// The image file first, then the settings file, which is written whether or not the image was.
SaveResult saveFiles(const SettingsFiles& files, const std::vector<SettingsEntry>& entries,
                     std::span<const std::uint8_t> image, const std::wstring& base = {});
// Beside the program first; where the settings file cannot be written there, both files go to
// the user's folder (made when needed). The result is that of the last place tried.
SaveResult saveFiles(const SettingsHome& home, const SettingsFiles& readAtStart,
                     const std::vector<SettingsEntry>& entries, std::span<const std::uint8_t> image);

} // namespace huex
