#pragma once
// Whole files as bytes: read with a cap, and written so that the target is either the old file
// or the whole new one, never a part.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace huex::win {

struct FileBytes {
    std::vector<std::uint8_t> bytes; // at most the cap
    DWORD error = ERROR_SUCCESS;     // why it could not be read
};
FileBytes readFileBytes(const std::wstring& path, std::size_t cap);

// The one way every file of the program is written (settings, image, palette export): the whole
// new file goes into a copy beside `path` ("<path>.new"), which then replaces `path` in one step.
// A program stopped at any moment leaves the old file or the new one, never a part of either, and
// a copy left behind is written over by the next save. The system's error code on failure; `path`
// is then untouched and the copy gone.
DWORD replaceFileWith(const std::wstring& path, std::span<const std::uint8_t> bytes);
// The two halves, for a caller that stops between them (a test of the kill-safety).
std::wstring copyBeside(const std::wstring& path);
DWORD writeCopyBeside(const std::wstring& path, std::span<const std::uint8_t> bytes);
DWORD putCopyInPlace(const std::wstring& path);

// A file can be created in the folder (it is made and deleted at once), and each of the files
// named, where it exists, can be written.
bool folderWritable(const std::wstring& folder, std::span<const std::wstring> files = {});
// Makes the folder and the ones above it where missing; the system's error code on failure.
DWORD makeFolders(const std::wstring& folder);

// The system's text for an error code, without its line break.
std::wstring systemErrorText(DWORD error);

} // namespace huex::win
