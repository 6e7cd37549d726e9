#pragma once
// The picker window's keyboard rules: which shortcut a key press is, and what the arrow keys and
// Enter do to the picked pixel, the capture centre and the palette selection.
#include "color/Palette.h"
#include "geometry/Geometry.h"
#include "geometry/Monitors.h"
#include "picker/Magnifier.h"
#include "picker/PaletteSelection.h"

#include <span>

namespace huex {

enum class Key { other, left, right, up, down, enter, escape, f4, f5, a, c, h, i, p, v, insert, minus, plus };

// Where the keyboard focus is when the key arrives.
enum class KeyFocus { marker, slotEdit, other };

struct KeyPress {
    Key key = Key::other;
    bool alt = false;        // GetKeyState
    bool ctrl = false;       // GetKeyState (Ctrl+P, Ctrl+I)
    bool ctrlAsync = false;  // GetAsyncKeyState
    bool shiftAsync = false; // GetAsyncKeyState
};

struct KeyContext {
    KeyFocus focus = KeyFocus::other;
    // The focused slot edit takes Enter: it is not read-only and its text parses.
    bool editStoresOnEnter = false;
    int viewSize = 9;
    bool zoomActive = true;
};

enum class KeyAction {
    pass,          // on to the dialog's own handling (Tab, typing into the edits)
    exit,          // Alt+F4
    settings,      // Ctrl+P
    about,         // Ctrl+I
    history,       // Ctrl+H: the colour history window
    zoomOut,       // Ctrl+minus: more pixels at a smaller factor
    zoomIn,        // Ctrl+plus
    refresh,       // F5
    selectAll,     // Ctrl+A
    copyImage,     // Ctrl+C, Ctrl+Insert while the zoom view is the colour source
    pasteColor,    // Ctrl+V, Shift+Insert outside the slot edits (which paste into themselves)
    focusSink,     // arrows and Enter while the view or the palette has the focus
    storeFromEdit, // Enter in a slot edit: the colour goes into the selected cells; consumed
    consume,       // Escape and Enter never close the window
    paletteUp,     // Up and Down move the palette selection from anywhere else
    paletteDown,
};

// The first rule that applies to a key going down. Alt+F4 is the only rule for a system key.
KeyAction keyDownAction(const KeyPress& press, const KeyContext& context, bool systemKey);

// Focus-sink arrow without Ctrl while the zoom view is in charge: the picked pixel walks inside
// the view; at the view's edge the view scrolls over the capture, up to the capture's edge.
MagnifierState movePickedPixel(MagnifierState s, Key key);
// With Ctrl: the capture centre moves by one pixel over the monitors. The square of the half
// capture round it, (33 - sampleSize) / 2 each side, may not lose pixels to the space off the
// monitors (the edges of the virtual screen, the holes of an uneven arrangement); a square wholly
// off them (its monitor was removed) comes back to the nearest place on one.
Point moveCaptureCenter(Point center, Key key, std::span<const Monitor> monitors, int sampleSize);

// Cell that a focus-sink key selects (by click) while the palette is in charge. Up with nothing
// selected addresses cell 0.
int paletteKeyTarget(const Palette& palette, int selectionCursor, Key key, bool shiftOrCtrl);
// Cell that Up or Down selects alone while the focus is elsewhere (a slot edit, a button).
int paletteStepTarget(const Palette& palette, Key key);
// Ctrl+A: every cell in use selected; the anchor on the first, the cursor resting on the last.
void selectAllCells(Palette& palette, SelectionMarks& marks);

// One tick of the show/hide fade. Levels run 0..8; the opacity of a level is level * 255 / 8.
struct FadeTick {
    int level = 8;
    bool finished = false; // stop the timer
    bool hide = false;     // the fade-out is over: hide the window
    bool opaque = false;   // the fade-in is over: drop the layered style
};
FadeTick nextFadeTick(int level, int step);
int fadeOpacity(int level);
// Show state after a toggle: hidden (0) from shown (5), shown otherwise.
int toggledShowState(int windowShowState);

} // namespace huex
