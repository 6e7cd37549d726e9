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

// Writes a temporary file beside `path` and moves it over `path` in one step; the system's error
// code on failure (the temporary file is then gone and `path` untouched).
DWORD replaceFileWith(const std::wstring& path, std::span<const std::uint8_t> bytes);

// The system's text for an error code, without its line break.
std::wstring systemErrorText(DWORD error);

} // namespace huex::win
