// Which cell of the field lies under a window pixel: the hit test of a click into the grids.
#pragma once

#include <optional>

#include "ui/field_layout.h"

namespace tessarix {

// A cell of one grid: grid 1..9, column and row 1..9.
struct CellRef {
  int grid, col, row;
  friend bool operator==(const CellRef&, const CellRef&) = default;
};

// The cell under (x, y), or none outside the nine grids. The grids are tried in number order and
// the first one whose 297 x 225 pixels hold the point wins, so a point in a shared box gives the
// upper copy, the one that leads. A grid's left and top edge belong to it, its right and bottom
// edge (anchor + 297, anchor + 225) to whatever lies beyond.
std::optional<CellRef> cellAt(int x, int y);

}  // namespace tessarix
