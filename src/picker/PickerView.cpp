// Layout application, screen capture, the zoom view, sampling, zoom and sample-size changes.
#include "picker/ColorPickerDialog.h"
#include "resource.h"
#include "win/Text.h"

#include <span>

namespace huex {

namespace {
constexpr UINT_PTR marqueeTimerId = 4;

RECT toRect(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void moveControl(HWND control, const Rect& r) {
    if (control) MoveWindow(control, r.left, r.top, r.width(), r.height(), FALSE);
}
} // namespace

void ColorPickerDialog::placeSlotControls() {
    HWND check2 = slotCheck(2);
    RECT checkRect{};
    if (!check2 || !GetWindowRect(check2, &checkRect)) return;
    const int height = checkBoxHeight_ > 0 ? checkBoxHeight_ : checkRect.bottom - checkRect.top;
    const SlotControlRects rects = slotControlRects(state.layout, height);
    moveControl(slotEdit(2), rects.edit2);
    moveControl(check2, rects.check2);
    moveControl(slotEdit(1), rects.edit1);
    moveControl(slotCheck(1), rects.check1);
    // The copy buttons follow their edits (the edits move them when they are resized).
}

void ColorPickerDialog::applyLayout() {
    state.layout =
        computeLayout(state.magnifier.viewSize, state.magnifier.zoomFactor, state.layout, state.layout.scale);
    placeSlotControls();
    RECT window{}, client{};
    if (!GetWindowRect(hwnd(), &window) || !GetClientRect(hwnd(), &client)) return;
    const Size nonClient{(window.right - window.left) - client.right,
                         (window.bottom - window.top) - client.bottom};
    const Size size = windowSizeFor(state.layout, nonClient);
    MoveWindow(hwnd(), window.left, window.top, size.width, size.height, TRUE);
}

void ColorPickerDialog::onSize() {
    RECT window{}, client{};
    if (!hwnd() || !slotEdit(1) || !slotEdit(2) || !GetWindowRect(hwnd(), &window) ||
        !GetClientRect(hwnd(), &client))
        return;
    const int width = window.right - window.left;
    if (const auto changed = applyWindowWidth(state.layout, width, width - client.right)) {
        placeSlotControls();
        const RECT invalid = toRect(*changed);
        InvalidateRect(hwnd(), &invalid, FALSE);
    }
}

void ColorPickerDialog::updateCaption() {
    const Point picked = pickedScreenPixel(state.magnifier, state.captureCenter);
    // Setting a caption is a trip to the window system; a drag over one pixel needs none.
    std::wstring caption = win::widen(magnifierCaption(picked, state.magnifier.zoomFactor, state.vision));
    if (caption == shownCaption_) return;
    SetWindowTextW(hwnd(), caption.c_str());
    shownCaption_ = std::move(caption);
}

void ColorPickerDialog::setZoomLevel(int index) {
    const MagnifierState next = withZoomLevel(state.magnifier, index);
    const int level = zoomLevelIndex(next.viewSize);
    CheckMenuRadioItem(menuPopup(IDM_ZOOM), ID_ZOOM_X15, ID_ZOOM_X3, static_cast<UINT>(ID_ZOOM_X15 + level),
                       MF_BYCOMMAND);
    state.magnifier = next;
    applyLayout();
    updateCaption();
    if (state.zoomActive) {
        sampleFromImage();
        refreshColorTexts();
    }
}

void ColorPickerDialog::setVision(Vision vision) {
    state.vision = vision;
    checkVisionItem();
    updateCaption();
    const RECT view = toRect(state.layout.zoomRect); // the marquee inside it is painted again with it
    InvalidateRect(hwnd(), &view, FALSE);
}

void ColorPickerDialog::checkVisionItem() {
    CheckMenuRadioItem(menuPopup(IDM_ZOOM), ID_VISION_NORMAL, ID_VISION_ACHROMATOPSIA,
                       static_cast<UINT>(ID_VISION_NORMAL + static_cast<int>(state.vision)), MF_BYCOMMAND);
}

void ColorPickerDialog::stepZoomLevel(int step) {
    setZoomLevel(steppedZoomLevel(state.magnifier.viewSize, step));
}

void ColorPickerDialog::setSampleSize(int commandId) {
    if (commandId < ID_SAMPLE_1X1 || commandId > ID_SAMPLE_5X5) return;
    CheckMenuRadioItem(menuPopup(IDM_SAMPLE), ID_SAMPLE_1X1, ID_SAMPLE_5X5, static_cast<UINT>(commandId),
                       MF_BYCOMMAND);
    state.magnifier = withSampleCommand(state.magnifier, commandId);
    loadSampleIcon();
    InvalidateRect(hwnd(), nullptr, TRUE);
    SetFocus(instanceMarker());
    state.zoomActive = 1;
    state.paletteActive = 0;
    sampleFromImage();
    refreshColorTexts();
    if (const win::WindowDc dc(hwnd()); dc) {
        drawColorSwatch(dc.get());
        drawModifiedSwatch(dc.get());
        drawSwatchMarker(dc.get());
        drawZoomView(dc.get(), false);
        drawZoomFrame(dc.get());
        drawSampleButton(dc.get(), 0);
    }
    updateCaption();
}

void ColorPickerDialog::captureScreen() {
    if (captureImage_.empty()) return;
    const win::WindowDc desktop(nullptr); // the whole screen, other programs' windows included
    const win::UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    if (!desktop || !memory) return;
    {
        const win::SelectGuard select(memory.get(), captureImage_.bitmap());
        const int half = CaptureBitmap::side / 2;
        BitBlt(memory.get(), 0, 0, CaptureBitmap::side, CaptureBitmap::side, desktop.get(),
               state.captureCenter.x - half, state.captureCenter.y - half, SRCCOPY);
    }
    GdiFlush(); // the pixels are read straight from the section's memory
}

void ColorPickerDialog::sampleFromImage() {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(captureImage_.bits());
    const std::span<const std::uint8_t> capture(bytes, bytes ? captureImage_.imageBytes() : 0);
    state.currentColor = sampleFromCapture(capture, state.magnifier);
}

void ColorPickerDialog::sampleLive(HDC windowDc) {
    if (state.vision != Vision::normal) { // the view shows simulated pixels; the screen's are kept
        state.currentColor = sampleFromLiveSquare(liveSquare_.pixels(), state.magnifier);
        return;
    }
    std::vector<ColorRef> colors;
    for (const Point& p : liveSamplePoints(state.magnifier, state.layout.viewGrid()))
        colors.push_back(GetPixel(windowDc, p.x, p.y));
    state.currentColor = meanColor(colors);
}

void ColorPickerDialog::drawZoomView(HDC dc, bool live) {
    const Rect& zoom = state.layout.zoomRect;
    const int side = state.magnifier.viewSize;
    if (live) {
        // The screen DC (null window) reads the same pixels as the desktop window's and is cheaper
        // to get; a pipette drag holds one for all its moves.
        std::optional<win::WindowDc> own;
        HDC screen = pipetteDcs_ ? pipetteDcs_->screen.get() : own.emplace(nullptr).get();
        const Rect source = liveSourceRect(state.magnifier, state.captureCenter);
        if (state.vision != Vision::normal) {
            if (liveSquare_.read(screen, source)) drawSimulatedView(dc, liveSquare_.bitmap(), {0, 0});
            return;
        }
        StretchBlt(dc, zoom.left, zoom.top, zoom.width(), zoom.height(), screen, source.left, source.top,
                   source.width(), source.height(), SRCCOPY);
        return;
    }
    if (captureImage_.empty()) return;
    const Point origin = captureSourceOrigin(state.magnifier);
    if (state.vision != Vision::normal) {
        drawSimulatedView(dc, captureImage_, origin);
        return;
    }
    StretchDIBits(dc, zoom.left, zoom.top, zoom.width(), zoom.height(), origin.x, origin.y, side, side,
                  captureImage_.bits(), captureImage_.info(), DIB_RGB_COLORS, SRCCOPY);
}

// The view from a simulated copy of the image; the image itself keeps the true pixels.
void ColorPickerDialog::drawSimulatedView(HDC dc, const CaptureBitmap& image, Point sourceOrigin) {
    if (image.empty()) return;
    const Rect& zoom = state.layout.zoomRect;
    const int side = state.magnifier.viewSize;
    simulatedPixels_.assign(image.bits(), image.bits() + image.imageBytes() / 4);
    VisionTable(state.vision).apply(simulatedPixels_);
    StretchDIBits(dc, zoom.left, zoom.top, zoom.width(), zoom.height(), sourceOrigin.x, sourceOrigin.y, side,
                  side, simulatedPixels_.data(), image.info(), DIB_RGB_COLORS, SRCCOPY);
}

void ColorPickerDialog::refresh() {
    captureScreen();
    const win::WindowDc dc(hwnd());
    if (!dc) return;
    drawZoomView(dc.get(), false);
    if (state.zoomActive) {
        sampleFromImage();
        drawColorSwatch(dc.get());
        drawModifiedSwatch(dc.get());
        drawSwatchMarker(dc.get());
        markColorTextsStale();
    }
    startFlash(static_cast<int>(FlashKind::refresh));
}

void ColorPickerDialog::startMarqueeTimer() {
    if (state.animation)
        SetTimer(hwnd(), marqueeTimerId, static_cast<UINT>(state.interval), nullptr);
    else
        KillTimer(hwnd(), marqueeTimerId);
}

} // namespace huex
