// A frame around one cell of the field, two pixels wide: the cell's own lines and the outermost
// pixels of its interior, where neither its character nor its marks reach. It lies within the
// cell's box (field_layout.h), both corners included: when it goes, the picture is drawn again
// there.
#pragma once

#include "ui/canvas.h"

namespace tessarix {

// Draws the frame in palette colour `color`. Leaves line and fill colour black and white.
void drawCellFrame(Canvas& canvas, int grid, int col, int row, int color);

}  // namespace tessarix
