// The frame's four sides: top and bottom rows, left and right columns, two pixels each, over
// the cell's lines (x, y) to (x + 33, y + 25).
#include "ui/cell_frame.h"

#include <array>

#include "logic/geometry.h"
#include "ui/palette.h"
#include "ui/field_layout.h"

namespace tessarix {

namespace {

struct Side {
  int x1, y1, x2, y2;
};

std::array<Side, 4> sidesOf(int grid, int col, int row) {
  const auto [x, y, r, b] = cellBox(grid, col, row);
  return {{{x, y, r, y + 1}, {x, b - 1, r, b}, {x, y, x + 1, b}, {r - 1, y, r, b}}};
}

}  // namespace

void drawCellFrame(Canvas& canvas, int grid, int col, int row, int color) {
  canvas.setLineColor(color);
  canvas.setFillColor(color);
  for (const Side& s : sidesOf(grid, col, row)) canvas.filledBox(s.x1, s.y1, s.x2, s.y2);
  canvas.setLineColor(colorBlack);
  canvas.setFillColor(colorWhite);
}

}  // namespace tessarix
