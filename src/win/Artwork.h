#pragma once
// The program's icons, cursors and pictures at the size a window's DPI needs. The resource files
// hold drawings for 100, 125, 150 and 200 % (see geometry/ArtworkScale.h), so what these return is
// drawn for its size rather than stretched.
#include "win/Handles.h"

#include <windows.h>

#include <cstddef>
#include <span>

namespace huex::win {

// The bytes of resource `id` of `type` in the program's file; empty when there is none.
std::span<const std::byte> resourceBytes(int id, const wchar_t* type);
// Icon `id` at `side` x `side` pixels: the icon file's own image of that size where it has one.
UniqueIcon loadIcon(int id, int side);
// Cursor `id` at the system's cursor size for `dpi`, or the next larger drawn size.
UniqueCursor loadCursor(int id, int dpi);
// Named colour `index` (0 .. 15, in colour menu order) as a menu bitmap for `dpi`.
UniqueBitmap loadNamedColourBitmap(int index, int dpi);
// The About box's picture for `dpi`.
UniqueBitmap loadAboutPicture(int dpi);

} // namespace huex::win
