#pragma once
// Renders a window's client area through WM_PRINTCLIENT into a 32-bit memory bitmap, so that a
// test can read back exactly the pixels the paint routine produced.
#include "picker/CaptureBitmap.h"
#include "win/Handles.h"

#include <cstdint>
#include <vector>

namespace huex::test {

class ClientImage {
  public:
    explicit ClientImage(HWND window) : ClientImage(window, clientSize(window)) {}
    // A fixed size, for windows whose client area is not what is to be checked (minimised).
    ClientImage(HWND window, SIZE size) {
        width_ = size.cx;
        height_ = size.cy;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        dc_.reset(CreateCompatibleDC(nullptr));
        const win::SelectGuard select(dc_.get(), bitmap_.get());
        // A colour the window never paints, so unpainted pixels show up.
        for (int i = 0; i < width_ * height_; ++i) bits_[i] = 0x00FF00FF;
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
        GdiFlush();
    }
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    // The pixel as a COLORREF (0x00BBGGRR), like GetPixel.
    [[nodiscard]] COLORREF at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
        const std::uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

  private:
    static SIZE clientSize(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }
    int width_ = 0, height_ = 0;
    win::UniqueBitmap bitmap_;
    win::UniqueMemoryDc dc_;
    std::uint32_t* bits_ = nullptr;
};

// Fills a capture with the colours `pixel(x, y)` gives (COLORREF).
template <class Pixel> void fillCapture(CaptureBitmap& image, const Pixel& pixel) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF c = pixel(x, y);
            image.bits()[y * image.width() + x] = GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    }
}

} // namespace huex::test
