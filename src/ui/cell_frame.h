// A frame around one cell of the field, two pixels wide: the cell's own lines and the outermost
// pixels of its interior, where neither its character nor its marks reach. What the frame covers
// can be taken before it is drawn and put back when it goes.
#pragma once

#include <array>
#include <memory>

#include "ui/canvas.h"

namespace tessarix {

// The pixels under a cell's frame: its four sides.
struct CellFramePixels {
  std::array<std::unique_ptr<CapturedPixels>, 4> sides;
  int grid = 0, col = 0, row = 0;
};

CellFramePixels captureCellFrame(Canvas& canvas, int grid, int col, int row);
void restoreCellFrame(Canvas& canvas, const CellFramePixels& pixels);
// Draws the frame in palette colour `color`. Leaves line and fill colour black and white.
void drawCellFrame(Canvas& canvas, int grid, int col, int row, int color);

}  // namespace tessarix
