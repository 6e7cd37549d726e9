#include "win/Artwork.h"

#include "geometry/ArtworkScale.h"
#include "resource.h"
#include "win/Dpi.h"

#include <iterator>
#include <utility>

namespace huex::win {
namespace {

HINSTANCE module() {
    return GetModuleHandleW(nullptr);
}

// The sides the cursor files hold: 32 x 32 at each drawn scale.
constexpr int cursorSides[] = {32, 40, 48, 64};
// The first named colour's bitmap at each drawn scale; the others follow it in menu order.
constexpr int namedColourBitmaps[] = {IDB_COLOR_BLACK, IDB_COLOR_BLACK_125, IDB_COLOR_BLACK_150,
                                      IDB_COLOR_BLACK_200};
static_assert(std::size(namedColourBitmaps) == std::size(kArtworkDpis));

UniqueBitmap loadBitmap(int id) {
    return UniqueBitmap(
        static_cast<HBITMAP>(LoadImageW(module(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
}

// The image of group `id` that LoadImage would take for `side`, made from the resource's bytes.
// An icon from LoadImage keeps a copy of the module's name that Wine does not free when the icon
// is destroyed; with new icons and cursors at every DPI change, that grew without end.
HICON createFromGroup(int id, bool icon, int side) {
    const auto directory = resourceBytes(id, icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    if (directory.empty()) return nullptr;
    // Both calls take the bytes as writable but only read them.
    auto* start = reinterpret_cast<BYTE*>(const_cast<std::byte*>(directory.data()));
    const int imageId = LookupIconIdFromDirectoryEx(start, icon, side, side, LR_DEFAULTCOLOR);
    const auto image =
        imageId ? resourceBytes(imageId, icon ? RT_ICON : RT_CURSOR) : std::span<const std::byte>{};
    if (image.empty()) return nullptr;
    constexpr DWORD formatVersion = 0x00030000;
    return CreateIconFromResourceEx(reinterpret_cast<BYTE*>(const_cast<std::byte*>(image.data())),
                                    static_cast<DWORD>(image.size()), icon, formatVersion, side, side,
                                    LR_DEFAULTCOLOR);
}

} // namespace

std::span<const std::byte> resourceBytes(int id, const wchar_t* type) {
    HRSRC found = FindResourceW(module(), MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found ? LoadResource(module(), found) : nullptr;
    const auto* bytes = loaded ? static_cast<const std::byte*>(LockResource(loaded)) : nullptr;
    return bytes ? std::span(bytes, SizeofResource(module(), found)) : std::span<const std::byte>{};
}

UniqueIcon loadIcon(int id, int side) {
    return UniqueIcon(createFromGroup(id, true, side));
}

UniqueCursor loadCursor(int id, int dpi) {
    const int side = drawnSideFor(systemMetric(SM_CXCURSOR, dpi), cursorSides);
    return UniqueCursor(static_cast<HCURSOR>(createFromGroup(id, false, side)));
}

UniqueBitmap loadNamedColourBitmap(int index, int dpi) {
    if (index < 0 || index >= HUEX_NAMED_COLOR_COUNT) return {};
    return loadBitmap(namedColourBitmaps[artworkVariant(dpi)] + index);
}

UniqueBitmap loadAboutPicture(int dpi) {
    const Scale scale = artworkScale(dpi);
    if (scale.identity()) return loadBitmap(IDB_ABOUT);
    // The larger pictures are stored as icon images, which compress; the box shows a bitmap.
    const int side = scale(70);
    const UniqueIcon icon = loadIcon(IDI_ABOUT_PICTURE, side);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!icon || !picture || !dc) return {};
    bool drawn = false;
    {
        const SelectGuard select(dc.get(), picture.get());
        drawn = DrawIconEx(dc.get(), 0, 0, icon.get(), side, side, 0, nullptr, DI_NORMAL) != FALSE;
        GdiFlush();
    }
    return drawn ? std::move(picture) : UniqueBitmap{};
}

} // namespace huex::win
