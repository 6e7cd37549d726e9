#pragma once
// The settings and image files on disk. A save writes the whole new file as a copy beside the old
// one, which then replaces it in one step: a program stopped at any moment leaves the old file or
// the new one, never part of either, and a copy left behind is written over by the next save.
// The settings file keeps every line it does not change, byte for byte, in its own encoding; a
// file we create is UTF-16 with a byte-order mark, so pattern names in any script keep. It is
// read in one piece and decoded as the profile functions decode it.
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace huex {

struct SettingsFiles {
    std::wstring settings, image;
};
// "huex.ini" and "huex.img" in the folder of the running program.
SettingsFiles settingsFilesBesideProgram();
SettingsFiles settingsFilesIn(const std::wstring& folder);

// The whole file (empty for a missing one).
IniDocument readSettingsFile(const std::wstring& path);

// Writes the file with the entries set into a copy beside it; returns the copy's path, empty when
// it could not be made (also when the file is there but cannot be read whole). The original is
// untouched.
std::wstring writeSettingsCopy(const std::wstring& path, const std::vector<SettingsEntry>& entries);
// Puts the copy in place of the file in one step.
bool replaceWithCopy(const std::wstring& copy, const std::wstring& path);
bool saveSettingsFile(const std::wstring& path, const std::vector<SettingsEntry>& entries);

// At most the image file's size of bytes from its start; empty when it cannot be read.
std::vector<std::uint8_t> readImageFileBytes(const std::wstring& path);
bool saveImageFile(const std::wstring& path, std::span<const std::uint8_t> bytes);

struct SaveResult {
    bool image = false, settings = false;
};
// The image file first, then the settings file, which is written whether or not the image was.
SaveResult saveFiles(const SettingsFiles& files, const std::vector<SettingsEntry>& entries,
                     std::span<const std::uint8_t> image);

} // namespace huex
