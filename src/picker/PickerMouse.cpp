// The picker window's mouse: picking in the zoom view, the pipette drag, colour drags onto the
// palette, palette selection, double clicks, the wheel, hover tips and context menus.
#include "picker/ColorPickerDialog.h"
#include "picker/PaintGeometry.h"
#include "picker/PaletteSelection.h"
#include "picker/PatternMenuModel.h"
#include "picker/PickerActions.h"
#include "picker/PointerRegions.h"
#include "resource.h"
#include "win/Text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace huex {

namespace {
constexpr UINT_PTR colorDragTimer = 1;
constexpr UINT_PTR modifiedDragTimer = 2;
constexpr UINT dragDelay = 200;

bool keyDown(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

POINT toScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

Rect childRect(HWND parent, int id) {
    HWND child = GetDlgItem(parent, id);
    RECT r{};
    if (!child || !GetWindowRect(child, &r)) return {};
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}
} // namespace

bool ColorPickerDialog::onMouseMessage(win::Message& m) {
    const Point p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    switch (m.id) {
    case WM_LBUTTONDOWN:
        onLeftButtonDown(p);
        return false; // the default processing runs after ours
    case WM_LBUTTONUP:
        onLeftButtonUp(p);
        return false;
    case WM_MOUSEMOVE:
        onMouseMove(p);
        return false;
    case WM_RBUTTONDOWN:
        onRightButtonDown(p);
        return false;
    case WM_LBUTTONDBLCLK:
        onDoubleClick(p);
        return false;
    case WM_MOUSEWHEEL:
        return onMouseWheel(GET_WHEEL_DELTA_WPARAM(m.wParam));
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, another program): a drag cannot go on without it.
        if (reinterpret_cast<HWND>(m.lParam) != hwnd()) onCaptureLost();
        return false;
    default:
        return false;
    }
}

void ColorPickerDialog::drawSwatches(HDC dc, bool frames) {
    drawColorSwatch(dc, frames);
    drawModifiedSwatch(dc, frames);
    drawSwatchMarker(dc);
}

void ColorPickerDialog::onLeftButtonDown(Point p) {
    SetFocus(instanceMarker());
    const int region = regionAt(state.layout, state.palette.count, p);
    switch (region) {
    case kZoomRegion: {
        clickZoomView(state, p);
        sampleFromImage();
        if (const win::WindowDc dc(hwnd()); dc) {
            drawZoomView(dc.get(), false);
            drawZoomFrame(dc.get());
            drawAllButZoom(dc.get());
        }
        refreshColorTexts();
        break;
    }
    case kColorSwatchRegion:
        beginColorDrag(state, false);
        SetCapture(hwnd());
        SetTimer(hwnd(), colorDragTimer, dragDelay, nullptr);
        InvalidateRect(hwnd(), nullptr, FALSE);
        refreshColorTexts();
        break;
    case kModifiedSwatchRegion:
        beginColorDrag(state, true);
        SetCapture(hwnd());
        SetTimer(hwnd(), modifiedDragTimer, dragDelay, nullptr);
        break;
    case kSampleButtonRegion:
        openPopup(menuPopup(IDM_SAMPLE), state.layout.sampleButton.left, state.layout.sampleButton.bottom);
        SetFocus(hwnd());
        break;
    case kPipetteBarRegion: {
        beginPipetteDrag(state);
        SetCapture(hwnd());
        pipetteDcs_.emplace(hwnd(), labelFont_.get());
        if (const win::WindowDc dc(hwnd()); dc) {
            drawZoomView(dc.get(), true);
            sampleLive(dc.get());
            drawPipetteBar(dc.get());
        }
        refreshColorTexts();
        InvalidateRect(hwnd(), nullptr, FALSE);
        SetCursor(pipetteCursor_.get());
        break;
    }
    default:
        if (const int cell = paletteCellOfRegion(region); cell >= 0) {
            clickPaletteCell(state, cell, keyDown(VK_CONTROL), keyDown(VK_SHIFT));
            InvalidateRect(hwnd(), nullptr, FALSE);
            refreshColorTexts();
        }
        break;
    }
}

void ColorPickerDialog::endDragCapture() {
    pipetteDcs_.reset();
    if (GetCapture() == hwnd()) ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void ColorPickerDialog::onLeftButtonUp(Point p) {
    if (state.dragMode == DragMode::pipette) {
        captureScreen();
        state.dragMode = DragMode::idle;
        endDragCapture();
        sampleFromImage();
        if (const win::WindowDc dc(hwnd()); dc) {
            drawZoomView(dc.get(), false);
            drawSwatches(dc.get());
        }
        refreshColorTexts();
        if (const win::WindowDc dc(hwnd()); dc) drawPipetteBar(dc.get());
        addToHistory(state.currentColor);
        return;
    }
    if (state.dragMode != DragMode::color) return;
    KillTimer(hwnd(), colorDragTimer);
    KillTimer(hwnd(), modifiedDragTimer);
    const int cell = paletteHitTest(state.layout, state.palette.count, p);
    dropColor(state, modifier(), cell, state.layout.colorSwatch.contains(p));
    endDragCapture();
    InvalidateRect(hwnd(), nullptr, FALSE);
    refreshColorTexts();
}

void ColorPickerDialog::updateHover(int code) {
    HWND tip = toolTip();
    if (!tip) return;
    const int cell = paletteCellOfRegion(code);
    const RgbColor color = code == kColorSwatchRegion      ? state.currentColor
                           : code == kModifiedSwatchRegion ? modifiedCurrent(state, modifier())
                           : cell >= 0 ? state.palette.colors[static_cast<std::size_t>(cell)]
                                       : RgbColor{};
    const std::wstring text = win::widen(hoverTooltip(code, color, state.firstRun != 0));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    tipActive_ = !text.empty();
    SendMessageW(tip, TTM_ACTIVATE, tipActive_, 0);
}

void ColorPickerDialog::onMouseMove(Point p) {
    const int region = regionAt(state.layout, state.palette.count, p);
    const bool dragging = state.dragMode == DragMode::pipette || state.dragMode == DragMode::color;
    if (!dragging && region != lastHoverRegion_ &&
        (region == kSampleButtonRegion || lastHoverRegion_ == kSampleButtonRegion)) {
        if (const win::WindowDc dc(hwnd()); dc)
            drawSampleButton(dc.get(),
                             static_cast<int>(region == kSampleButtonRegion ? SampleButtonMode::highlighted
                                                                            : SampleButtonMode::normal));
    }
    const int code = hoverCode(region, state.firstRun != 0);
    if (code != lastHoverRegion_) {
        if (state.dragMode == DragMode::idle) {
            state.dragMode = DragMode::hover;
            SetCapture(hwnd());
        }
        updateHover(code);
    } else if (code == kNoRegion) {
        if (state.dragMode == DragMode::hover) {
            state.dragMode = DragMode::idle;
            endDragCapture();
        }
        if (toolTip() && tipActive_) SendMessageW(toolTip(), TTM_ACTIVATE, FALSE, 0);
        tipActive_ = false;
    }
    lastHoverRegion_ = code;

    if (state.dragMode == DragMode::pipette) {
        pipetteStep(p);
        return;
    }
    if (state.dragMode != DragMode::color) return;
    const win::WindowDc dc(hwnd());
    if (!dc) return;
    bool modifiedOverSwatch = false;
    if (state.focusOnColor2) {
        drawColorSwatch(dc.get());
        drawSwatchMarker(dc.get());
        modifiedOverSwatch = state.layout.colorSwatch.contains(p);
    }
    const int cell = paletteHitTest(state.layout, state.palette.count, p);
    if (cell >= 0) {
        if (cell != state.dropHoverCell) {
            const int previous = state.dropHoverCell;
            state.dropHoverCell = cell;
            drawPaletteCell(dc.get(), previous);
            drawPaletteCell(dc.get(), cell);
            SetCursor(dropCursor_.get());
        }
        return;
    }
    const int previous = state.dropHoverCell;
    state.dropHoverCell = -1;
    drawPaletteCell(dc.get(), previous);
    SetCursor(modifiedOverSwatch ? dropCursor_.get() : dragCursor_.get());
}

// The move's own position, not GetCursorPos: asking the display where the pointer is took a
// tenth of the step.
void ColorPickerDialog::pipetteStep(Point p) {
    POINT cursor{p.x, p.y};
    ClientToScreen(hwnd(), &cursor);
    state.captureCenter = {cursor.x, cursor.y};
    HDC dc = pipetteDcs_ ? pipetteDcs_->window.get() : nullptr;
    if (!dc) return;
    drawZoomView(dc, true);
    sampleLive(dc);
    drawMarquee(dc); // the view covered the marquee; the frames round it and the swatches stay
    drawSwatches(dc, false);
    markColorTextsStale(); // the texts cost more than the drawing: they follow once a frame
}

void ColorPickerDialog::onDragTimer(UINT_PTR id) {
    KillTimer(hwnd(), id);
    if (state.dragMode != DragMode::color) return;
    if (id == modifiedDragTimer) {
        focusModifiedColor(state);
        InvalidateRect(hwnd(), nullptr, FALSE);
        refreshColorTexts();
    }
    SetCursor(dragCursor_.get());
}

void ColorPickerDialog::onCaptureLost() {
    if (state.dragMode == DragMode::hover) {
        state.dragMode = DragMode::idle;
        lastHoverRegion_ = kNoRegion;
    } else if (state.dragMode != DragMode::idle) {
        onRightButtonDown({-1, -1}); // cancels the drag
    }
}

void ColorPickerDialog::onRightButtonDown(Point p) {
    if (state.dragMode == DragMode::pipette) {
        cancelPipetteDrag(state);
        endDragCapture();
        sampleFromImage();
        refreshColorTexts();
        InvalidateRect(hwnd(), nullptr, FALSE);
        return;
    }
    if (state.dragMode == DragMode::color) {
        KillTimer(hwnd(), colorDragTimer);
        KillTimer(hwnd(), modifiedDragTimer);
        cancelColorDrag(state);
        endDragCapture();
        InvalidateRect(hwnd(), nullptr, FALSE);
        refreshColorTexts();
        return;
    }
    for (int slot : {1, 2}) {
        const Rect check = childRect(hwnd(), slot == 1 ? IDC_CHECK1 : IDC_CHECK2);
        if (check.contains(p)) {
            openPatternMenu(slot, check);
            return;
        }
    }
    const Rect& swatch = state.layout.colorSwatch;
    const Rect& modified = state.layout.modifiedSwatch;
    const Rect& zoom = state.layout.zoomRect;
    const Rect& sample = state.layout.sampleButton;
    if (swatch.contains(p)) {
        state.colorMenuTarget = 0;
        openPopup(menuPopup(IDM_COLOR), swatch.left - 3, swatch.bottom + 3);
    } else if (modified.contains(p)) {
        openPopup(menuPopup(IDM_MODIFIER), modified.left - 3, modified.bottom + 3);
    } else if (zoom.contains(p)) {
        openPopup(menuPopup(IDM_ZOOM), zoom.right + 3, zoom.top - 3);
    } else if (sample.contains(p)) {
        openPopup(menuPopup(IDM_SAMPLE), sample.left, sample.bottom);
    } else if (const int cell = paletteHitTest(state.layout, state.palette.count, p); cell >= 0) {
        openCellColorMenu(cell);
    }
}

void ColorPickerDialog::openPopup(HMENU popup, int x, int y, UINT flags) {
    if (!popup) return;
    const POINT at = toScreen(hwnd(), x, y);
    TrackPopupMenu(popup, flags, at.x, at.y, 0, hwnd(), nullptr);
}

void ColorPickerDialog::openPatternMenu(int slot, const Rect& checkBox) {
    HMENU menu = patternMenu();
    if (!menu) return;
    const int count = static_cast<int>(state.patterns.size());
    const int index = slot == 1 ? state.pattern1 : state.pattern2;
    CheckMenuRadioItem(menu, 0, static_cast<UINT>(patternMenuPosition(count)),
                       static_cast<UINT>(patternMenuPosition(index)), MF_BYPOSITION);
    state.patternMenuSlot = slot;
    openPopup(menu, checkBox.left, checkBox.bottom);
}

void ColorPickerDialog::openCellColorMenu(int cell) {
    if (rightClickPaletteCell(state, cell)) InvalidateRect(hwnd(), nullptr, FALSE);
    HMENU menu = menuPopup(IDM_COLOR);
    HMENU gradients = menuPopup(IDM_PALETTE);
    if (!menu) return;
    const bool withGradients = gradients && offersGradients(state.palette);
    if (withGradients) {
        InsertMenuW(menu, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        UINT position = 3;
        for (UINT id : {ID_GRADIENT_RGB, ID_GRADIENT_HSB}) {
            std::array<wchar_t, 128> text{};
            GetMenuStringW(gradients, id, text.data(), static_cast<int>(text.size()), MF_BYCOMMAND);
            InsertMenuW(menu, position++, MF_BYPOSITION | MF_STRING, id, text.data());
        }
    }
    const Rect first = paletteCell(state.layout, firstSelectedCell(state.palette), state.palette.count);
    openPopup(menu, first.left - 3, first.top - 3, TPM_RIGHTALIGN);
    if (withGradients) {
        DeleteMenu(menu, ID_GRADIENT_HSB, MF_BYCOMMAND);
        DeleteMenu(menu, ID_GRADIENT_RGB, MF_BYCOMMAND);
        DeleteMenu(menu, 2, MF_BYPOSITION);
    }
}

void ColorPickerDialog::onDoubleClick(Point p) {
    const int region = regionAt(state.layout, state.palette.count, p);
    if (region == kZoomRegion) {
        sampleFromImage();
        storeAndAdvance(state, state.currentColor);
    } else if (region == kColorSwatchRegion) {
        storeInSelectedCells(state.palette, state.currentColor);
    } else if (region == kModifiedSwatchRegion) {
        storeInSelectedCells(state.palette, modifiedCurrent(state, modifier()));
    } else if (const int cell = paletteCellOfRegion(region); cell >= 0) {
        const auto chosen =
            askSystemColor(roundedToBytes(state.palette.colors[static_cast<std::size_t>(cell)]));
        if (!chosen) return;
        applyCellDialogColor(state, cell, *chosen);
        refreshColorTexts();
    } else {
        return;
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool ColorPickerDialog::onMouseWheel(int delta) {
    if (keyDown(VK_CONTROL)) {
        stepZoomLevel(delta > 0 ? 1 : -1);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        return true;
    }
    const bool ctrl = keyDown(VK_CONTROL), shift = keyDown(VK_SHIFT);
    SelectionMarks marks{state.selectionAnchor, state.selectionCursor};
    const int cell = wheelStepCell(state.palette, marks, delta < 0, ctrl || shift);
    if (cell >= 0) selectPaletteCell(state.palette, marks, cell, ctrl, shift);
    state.selectionAnchor = marks.anchor;
    state.selectionCursor = marks.cursor;
    const win::WindowDc dc(hwnd());
    if (GetFocus() == instanceMarker() && state.paletteActive) {
        state.currentColor = paletteMean(state.palette);
        if (dc) drawSwatches(dc.get());
        refreshColorTexts();
    }
    if (dc) drawPaletteCells(dc.get());
    return false;
}

void ColorPickerDialog::onSlotEditFocus() {
    state.paletteActive = 0;
    state.zoomActive = 0;
    if (const win::WindowDc dc(hwnd()); dc) {
        drawPaletteCells(dc.get());
        drawZoomFrame(dc.get());
    }
}

} // namespace huex
