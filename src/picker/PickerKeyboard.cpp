// The picker window's keyboard, taken in its pre-translation: shortcuts, the arrows and Enter on
// the zoom view and the palette, Enter storing into the palette, Escape never closing.
#include "picker/ColorPickerDialog.h"
#include "picker/PaletteSelection.h"
#include "picker/PickerActions.h"
#include "resource.h"
#include "win/Monitors.h"

namespace huex {

namespace {

bool held(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}
bool heldNow(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

Key keyOf(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_LEFT:
        return Key::left;
    case VK_RIGHT:
        return Key::right;
    case VK_UP:
        return Key::up;
    case VK_DOWN:
        return Key::down;
    case VK_RETURN:
        return Key::enter;
    case VK_ESCAPE:
        return Key::escape;
    case VK_F4:
        return Key::f4;
    case VK_F5:
        return Key::f5;
    case VK_INSERT:
        return Key::insert;
    case VK_OEM_MINUS:
        return Key::minus;
    case VK_OEM_PLUS:
        return Key::plus;
    case 'A':
        return Key::a;
    case 'C':
        return Key::c;
    case 'H':
        return Key::h;
    case 'I':
        return Key::i;
    case 'P':
        return Key::p;
    case 'V':
        return Key::v;
    default:
        return Key::other;
    }
}

} // namespace

KeyContext ColorPickerDialog::keyContext() const {
    KeyContext context;
    context.viewSize = state.magnifier.viewSize;
    context.zoomActive = state.zoomActive != 0;
    HWND focus = GetFocus();
    if (focus && focus == instanceMarker()) {
        context.focus = KeyFocus::marker;
    } else if (focus && (focus == slotEdit(1) || focus == slotEdit(2))) {
        context.focus = KeyFocus::slotEdit;
        const int slot = focus == slotEdit(1) ? 1 : 2;
        const int index = slot == 1 ? state.pattern1 : state.pattern2;
        // A CSS text the pattern can't read was taken too.
        const bool parses = (index >= 0 && index < static_cast<int>(state.patterns.size()) &&
                             !state.patterns[static_cast<std::size_t>(index)].parseFailed) ||
                            cssTyped_[static_cast<std::size_t>(slot - 1)];
        context.editStoresOnEnter = parses && !(GetWindowLongPtrW(focus, GWL_STYLE) & ES_READONLY);
    }
    return context;
}

bool ColorPickerDialog::onKeyDown(const MSG& msg) {
    if (!hwnd() || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
    KeyPress press;
    press.key = keyOf(msg.wParam);
    press.alt = held(VK_MENU);
    press.ctrl = held(VK_CONTROL);
    press.ctrlAsync = heldNow(VK_CONTROL);
    press.shiftAsync = heldNow(VK_SHIFT);
    const KeyAction action = keyDownAction(press, keyContext(), msg.message == WM_SYSKEYDOWN);
    switch (action) {
    case KeyAction::pass:
        return false;
    case KeyAction::exit:
        SendMessageW(hwnd(), WM_COMMAND, ID_EXIT, 0);
        break;
    case KeyAction::settings:
        SendMessageW(hwnd(), WM_COMMAND, ID_SETTINGS, 0);
        break;
    case KeyAction::about:
        SendMessageW(hwnd(), WM_COMMAND, ID_ABOUT, 0);
        break;
    case KeyAction::history:
        SendMessageW(hwnd(), WM_COMMAND, ID_HISTORY, 0);
        break;
    case KeyAction::zoomOut:
    case KeyAction::zoomIn:
        stepZoomLevel(action == KeyAction::zoomOut ? +1 : -1);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        break;
    case KeyAction::refresh:
        refresh();
        break;
    case KeyAction::selectAll:
        selectAllPaletteCells();
        break;
    case KeyAction::copyImage:
        copyImageToClipboard();
        break;
    case KeyAction::pasteColor:
        pasteColor();
        break;
    case KeyAction::focusSink:
        onFocusSinkKey(press);
        break;
    case KeyAction::storeFromEdit:
        storeFromEdit();
        break;
    case KeyAction::consume:
        break;
    case KeyAction::paletteUp:
    case KeyAction::paletteDown:
        stepPaletteSelection(press.key, press);
        break;
    }
    return true;
}

void ColorPickerDialog::selectAllPaletteCells() {
    SelectionMarks marks{state.selectionAnchor, state.selectionCursor};
    selectAllCells(state.palette, marks);
    state.selectionAnchor = marks.anchor;
    state.selectionCursor = marks.cursor;
    if (state.paletteActive) {
        state.currentColor = paletteMean(state.palette);
        refreshColorTexts();
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void ColorPickerDialog::storeFromEdit() {
    const RgbColor color = state.focusOnColor2 ? modifiedCurrent(state, modifier()) : state.currentColor;
    storeInSelectedCells(state.palette, color);
    if (const win::WindowDc dc(hwnd()); dc) drawPaletteCells(dc.get());
    addToHistory(color);
}

void ColorPickerDialog::stepPaletteSelection(Key key, const KeyPress& press) {
    SelectionMarks marks{state.selectionAnchor, state.selectionCursor};
    selectPaletteCell(state.palette, marks, paletteStepTarget(state.palette, key), press.ctrlAsync,
                      press.shiftAsync);
    state.selectionAnchor = marks.anchor;
    state.selectionCursor = marks.cursor;
    if (const win::WindowDc dc(hwnd()); dc) drawPaletteCells(dc.get());
}

void ColorPickerDialog::onFocusSinkKey(const KeyPress& press) {
    if (!state.zoomActive) {
        // The palette is in charge: the key selects a cell as a click would.
        const int cell = paletteKeyTarget(state.palette, state.selectionCursor, press.key,
                                          press.shiftAsync || press.ctrlAsync);
        clickPaletteCell(state, cell, press.ctrlAsync, press.shiftAsync);
        if (const win::WindowDc dc(hwnd()); dc) {
            drawSwatches(dc.get());
            drawPaletteCells(dc.get());
        }
        refreshColorTexts();
        return;
    }
    if (press.ctrlAsync) {
        state.captureCenter = moveCaptureCenter(state.captureCenter, press.key, win::displayMonitors(),
                                                state.magnifier.sampleSize);
        refresh(); // captures at the new centre; Ctrl+Enter only refreshes
    } else {
        state.magnifier = movePickedPixel(state.magnifier, press.key);
        sampleFromImage();
    }
    if (press.key == Key::enter) storeAndAdvance(state, state.currentColor);
    if (const win::WindowDc dc(hwnd()); dc) {
        drawSwatches(dc.get());
        drawZoomView(dc.get(), false);
        drawZoomFrame(dc.get());
        drawPaletteCells(dc.get());
    }
    markColorTextsStale(); // a held arrow repeats faster than the texts are worth setting
}

} // namespace huex
