// The program's pictures, drawn in code.
//
// The picker window draws its small icons with DrawIcon, which always covers 32 x 32 pixels from
// the given corner; the corner is chosen so that the visible picture is the icon's top-left
// 16 x 16 (pipette) or 24 x 16 (sample size) part. Those icons therefore leave the rest of their
// 32 x 32 image transparent.
#pragma once

#include "Raster.h"

namespace huex::art {

enum class PipetteLook {
    filled, // the pipette itself, with colour in its tube
    empty,  // the pale outline left behind while the pipette is being dragged
};

// Draws a pipette lying diagonally, its tip at `tip` and its bulb towards the upper right.
// At scale 1 it spans about 13.5 pixels in x and y (it fits a 16 x 16 icon).
void drawPipette(Raster& canvas, Point tip, double scale, PipetteLook look);

// Icon images (square, `side` 16 or 32).
Raster pipetteIcon(int side, PipetteLook look);
Raster sampleSizeIcon(int side, int blockSize); // blockSize 1, 3 or 5
Raster dividerIcon(int side);
// The notification-area picture; `blended` false gives hard edges for icons without alpha.
Raster trayIcon(int side, bool windowShown, bool blended);

// Cursors (32 x 32) and their hot spots.
Raster pipetteCursor();
Point pipetteCursorHotspot();
Raster colourDragCursor(bool overDropTarget); // hot spot (0, 0), the arrow's tip

// Bitmaps.
Raster aboutPicture();                   // 70 x 70, opaque
Raster namedColourSample(const Rgba& c); // 13 x 13: black outline, white ring, 9 x 9 of the colour

} // namespace huex::art
