#include "dialogs/TabBackground.h"

namespace huex {

namespace {
using UniqueModule = win::Unique<win::HandleTraits<HMODULE, &FreeLibrary>>;
} // namespace

std::optional<bool> queryAppThemed() {
    // Looked up at run time: older systems have no theme library at all.
    const UniqueModule library(LoadLibraryW(L"UxTheme.dll"));
    if (!library) return std::nullopt;
    FARPROC found = GetProcAddress(library.get(), "IsAppThemed");
    if (!found) return std::nullopt;
    using IsAppThemed = BOOL(WINAPI*)();
    const auto isAppThemed = reinterpret_cast<IsAppThemed>(reinterpret_cast<void (*)()>(found));
    return isAppThemed() != FALSE;
}

void TabBackground::rebuild(HWND tab) {
    if (probe_) {
        if (const std::optional<bool> answer = probe_()) themed_ = *answer;
    }
    brush_.reset();
    if (!themed_ || !tab) return;
    RECT bounds{};
    GetWindowRect(tab, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return;
    const win::WindowDc tabDc(tab);
    const win::UniqueMemoryDc memory(CreateCompatibleDC(tabDc.get()));
    const win::UniqueBitmap image(CreateCompatibleBitmap(tabDc.get(), width, height));
    if (!memory || !image) return;
    {
        const win::SelectGuard select(memory.get(), image.get());
        SendMessageW(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                     PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    }
    brush_.reset(CreatePatternBrush(image.get()));
}

HBRUSH TabBackground::paintChild(HDC dc, HWND control, HWND tab) const {
    if (!themed_ || !brush_) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&place), 2);
    SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
    return brush_.get();
}

} // namespace huex
