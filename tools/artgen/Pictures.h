// The program's pictures, drawn in code for every screen scale.
//
// The picker window draws its small icons with DrawIcon, which always covers a whole large icon
// (32 x 32 pixels at 96 DPI) from the given corner; the corner is chosen so that the visible picture
// is the icon's top-left 16 x 16 (pipette) or 24 x 16 (sample size) part, in 96-DPI units. Those
// icons therefore leave the rest of their large images transparent. Their images below 32 pixels
// are small icons: there the picture fills the image.
#pragma once

#include "Raster.h"
#include "geometry/Scale.h"

namespace huex::art {

enum class PipetteLook {
    filled, // the pipette itself, with colour in its tube
    empty,  // the pale outline left behind while the pipette is being dragged
};

// Draws a pipette lying diagonally, its tip at `tip` and its bulb towards the upper right.
// At scale 1 it spans about 13.5 pixels in x and y (it fits a 16 x 16 icon).
void drawPipette(Raster& canvas, Point tip, double scale, PipetteLook look);

// The scale an icon image of `side` pixels is drawn at: small icons (below 32) are 16 units
// across, large ones 32.
Scale iconScale(int side);

// Icon images (square; `side` 16, 20, 24, 32, 40, 48 or 64).
Raster pipetteIcon(int side, PipetteLook look);
Raster sampleSizeIcon(int side, int blockSize); // blockSize 1, 3 or 5
Raster dividerIcon(int side);
// The notification-area picture; `blended` false gives hard edges for icons without alpha.
Raster trayIcon(int side, bool windowShown, bool blended);

// Cursors (32 x 32 units) and their hot spots.
Raster pipetteCursor(Scale scale);
Point pipetteCursorHotspot(Scale scale);
Raster colourDragCursor(Scale scale, bool overDropTarget); // hot spot (0, 0), the arrow's tip

// Bitmaps.
Raster aboutPicture(Scale scale); // 70 x 70 units, opaque
// 13 x 13 units: a black outline, a white ring, the rest of the colour.
Raster namedColourSample(Scale scale, const Rgba& c);

// Splits `total` pixels into `parts` sizes that differ by at most one, placed symmetrically, so
// that pixel art keeps its balance at scales that are not whole numbers.
std::vector<int> evenSplit(int total, int parts);

} // namespace huex::art
