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

} // namespace

UniqueIcon loadIcon(int id, int side) {
    return UniqueIcon(
        static_cast<HICON>(LoadImageW(module(), MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, 0)));
}

UniqueCursor loadCursor(int id, int dpi) {
    const int side = drawnSideFor(systemMetric(SM_CXCURSOR, dpi), cursorSides);
    return UniqueCursor(
        static_cast<HCURSOR>(LoadImageW(module(), MAKEINTRESOURCEW(id), IMAGE_CURSOR, side, side, 0)));
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
