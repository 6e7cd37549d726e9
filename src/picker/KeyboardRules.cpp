#include "picker/KeyboardRules.h"

#include <algorithm>

namespace huex {

namespace {

bool isArrow(Key key) {
    return key == Key::left || key == Key::right || key == Key::up || key == Key::down;
}

int usedCells(const Palette& p) {
    return std::clamp(p.count, 1, Palette::capacity);
}

// The step an arrow makes along x and y.
Point arrowStep(Key key) {
    switch (key) {
    case Key::left:
        return {-1, 0};
    case Key::right:
        return {1, 0};
    case Key::up:
        return {0, -1};
    case Key::down:
        return {0, 1};
    default:
        return {0, 0};
    }
}

// One axis of the picked-pixel walk: the pick moves while it stays inside the view, else the view
// scrolls while the picked pixel stays inside the capture.
void walk(int step, int& pick, int& view, int pickLimit, int imageLimit) {
    if (step < 0) {
        if (pick > -pickLimit)
            --pick;
        else if (pick - view > -imageLimit)
            ++view;
    } else if (step > 0) {
        if (pick < pickLimit)
            ++pick;
        else if (pick - view < imageLimit)
            --view;
    }
}

} // namespace

KeyAction keyDownAction(const KeyPress& press, const KeyContext& context, bool systemKey) {
    if (press.alt && press.key == Key::f4) return KeyAction::exit;
    if (systemKey) return KeyAction::pass;
    const Key key = press.key;
    if (press.ctrl && key == Key::p) return KeyAction::settings;
    if (press.ctrl && key == Key::i) return KeyAction::about;
    if (press.ctrl && key == Key::h) return KeyAction::history;
    if (press.ctrlAsync && key == Key::minus && context.viewSize < kZoomLevels.back().viewSize)
        return KeyAction::zoomOut;
    if (press.ctrlAsync && key == Key::plus && context.viewSize > kZoomLevels.front().viewSize)
        return KeyAction::zoomIn;
    if (key == Key::f5) return KeyAction::refresh;
    if (press.ctrlAsync && key == Key::a) return KeyAction::selectAll;
    if (press.ctrlAsync && (key == Key::c || key == Key::insert) && context.zoomActive)
        return KeyAction::copyImage;
    const bool paste =
        (press.ctrlAsync && key == Key::v) || (press.shiftAsync && !press.ctrlAsync && key == Key::insert);
    if (paste && !press.alt && context.focus != KeyFocus::slotEdit) return KeyAction::pasteColor;
    if (context.focus == KeyFocus::marker && (isArrow(key) || key == Key::enter)) return KeyAction::focusSink;
    if (key == Key::enter && context.focus == KeyFocus::slotEdit && context.editStoresOnEnter)
        return KeyAction::storeFromEdit;
    if (key == Key::escape || key == Key::enter) return KeyAction::consume;
    if (key == Key::up) return KeyAction::paletteUp;
    if (key == Key::down) return KeyAction::paletteDown;
    return KeyAction::pass;
}

MagnifierState movePickedPixel(MagnifierState s, Key key) {
    s = sanitized(s);
    const int pickLimit = (s.viewSize - s.sampleSize) / 2;
    const int imageLimit = (kCaptureSide - s.sampleSize) / 2;
    const Point step = arrowStep(key);
    walk(step.x, s.pickOffset.x, s.viewOffset.x, pickLimit, imageLimit);
    walk(step.y, s.pickOffset.y, s.viewOffset.y, pickLimit, imageLimit);
    return s;
}

Point moveCaptureCenter(Point center, Key key, std::span<const Monitor> monitors, int sampleSize) {
    const int half = (kCaptureSide - sampleSize) / 2;
    const Point step = arrowStep(key);
    if (step == Point{}) return center;
    const auto square = [half](Point c) {
        return Rect{saturated(0LL + c.x - half), saturated(0LL + c.y - half), saturated(0LL + c.x + half),
                    saturated(0LL + c.y + half)};
    };
    const long long now = pixelsOnMonitors(square(center), monitors);
    if (now == 0) return nearestOnMonitor(center, half, monitors);
    const Point next{saturated(0LL + center.x + step.x), saturated(0LL + center.y + step.y)};
    return pixelsOnMonitors(square(next), monitors) >= now ? next : center;
}

int paletteKeyTarget(const Palette& palette, int selectionCursor, Key key, bool shiftOrCtrl) {
    const int n = usedCells(palette);
    const int first = firstSelectedCell(palette);
    const int last = lastSelectedCell(palette);
    const bool single = selectedCellCount(palette) == 1;
    int x = selectionCursor;
    if (key == Key::up) {
        if (shiftOrCtrl)
            x = selectionCursor != 0 ? selectionCursor - 1 : selectionCursor;
        else
            x = single && first > 0 ? first - 1 : first;
    } else if (key == Key::down) {
        if (shiftOrCtrl)
            x = selectionCursor != n - 1 ? selectionCursor + 1 : selectionCursor;
        else
            x = (single || last < 0) && last < n - 1 ? last + 1 : last;
    }
    return std::clamp(x, 0, n - 1);
}

int paletteStepTarget(const Palette& palette, Key key) {
    const int n = usedCells(palette);
    const int first = firstSelectedCell(palette);
    const int last = lastSelectedCell(palette);
    if (key == Key::up) return std::max(first - 1, 0);
    if (last < 0) return 0;
    return std::min(last + 1, n - 1);
}

void selectAllCells(Palette& palette, SelectionMarks& marks) {
    const int n = usedCells(palette);
    for (int i = 0; i < Palette::capacity; ++i) palette.selected[i] = i < n;
    marks.anchor = 0;
    marks.cursor = n - 1;
}

FadeTick nextFadeTick(int level, int step) {
    FadeTick tick{level};
    if (step > 0 && level >= 8) {
        tick.finished = tick.opaque = true;
    } else if (step <= 0 && level <= 0) {
        tick.finished = tick.hide = true;
    } else {
        tick.level = level + step;
    }
    return tick;
}

int fadeOpacity(int level) {
    return std::clamp(level, 0, 8) * 255 / 8;
}

int toggledShowState(int windowShowState) {
    return windowShowState == 5 ? 0 : 5;
}

} // namespace huex
