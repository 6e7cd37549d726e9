#include "picker/CaptureBitmap.h"

namespace huex {

bool CaptureBitmap::create(int width, int height) {
    destroy();
    if (width <= 0 || height <= 0) return false;
    header_ = BITMAPINFOHEADER{};
    header_.biSize = sizeof(BITMAPINFOHEADER);
    header_.biWidth = width;
    header_.biHeight = -height; // top-down
    header_.biPlanes = 1;
    header_.biBitCount = 32;
    header_.biCompression = BI_RGB;
    header_.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, info(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        destroy();
        return false;
    }
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void CaptureBitmap::destroy() {
    bitmap_.reset();
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

} // namespace huex
