#pragma once
// What the picker's mouse gestures and menu commands change in its plain state. The window's
// handlers gather input, call one of these and then draw what changed.
#include "color/Modifiers.h"
#include "picker/PickerState.h"

#include <optional>

namespace huex {

// The colour of a named-colour command (the 16 colours of the colour menu), nothing for any other.
std::optional<RgbColor> namedColor(int commandId);

// Each channel rounded to 8 bits and back, as a palette cell stores a dropped colour.
RgbColor roundedToBytes(const RgbColor& c);

// The colour the slots treat as "colour 2": the current colour through the modifier.
RgbColor modifiedCurrent(const PickerState& s, ColorMode mode);

// Palette cell clicked: select it (Ctrl/Shift as held); the palette takes charge of the colour.
void clickPaletteCell(PickerState& s, int cell, bool ctrl, bool shift);
// Click in the zoom view at client point p: pick the pixel there; the view takes charge.
void clickZoomView(PickerState& s, Point p);

// Pipette drag: begin saves what a cancel restores and centres view and pick on the cursor.
void beginPipetteDrag(PickerState& s);
void cancelPipetteDrag(PickerState& s);
// A pick without a drag (the hot key): the state a pipette released at `at` leaves.
void placePickAt(PickerState& s, Point at);

// Colour drag from a swatch; after the hold delay on the modified swatch colour 2 takes the focus.
void beginColorDrag(PickerState& s, bool fromModifiedSwatch);
void focusModifiedColor(PickerState& s);

// Release of a colour drag over `cell` (-1 for none) and/or the colour swatch. True when the
// current colour changed (so the slots need new texts).
bool dropColor(PickerState& s, ColorMode mode, int cell, bool overColorSwatch);
void cancelColorDrag(PickerState& s);

// Right click on a palette cell: an unselected cell becomes the only selection. True when the
// selection changed.
bool rightClickPaletteCell(PickerState& s, int cell);

// The colour menu shows gradient entries only when they have cells between the ends to fill.
bool offersGradients(const Palette& palette);

// Named colour or a colour from the system dialog, applied to what the colour menu was opened on
// (colorMenuTarget 0: the current colour; 1: the selected cells). The system dialog's colour
// becomes the current colour either way; a named colour on cells changes it only while the palette
// is in charge.
void applyNamedColor(PickerState& s, const RgbColor& c);
void applyDialogColor(PickerState& s, const RgbColor& c);
// Colour from the system dialog opened by a double click on a cell.
void applyCellDialogColor(PickerState& s, int cell, const RgbColor& c);

// A colour read from text typed into slot 1 or 2 or pasted onto the window: the current colour,
// shown as colour 1, with neither the view nor the palette in charge.
void applyTextColor(PickerState& s, const RgbColor& c);

// Gradient over the selected cells; the current colour becomes their mean.
void applyGradient(PickerState& s, bool hsb);

// Double click in the zoom view (colour already sampled): store it and advance the selection.
void storeAndAdvance(PickerState& s, const RgbColor& c);

} // namespace huex
