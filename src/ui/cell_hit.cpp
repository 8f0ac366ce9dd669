// The hit test of the grids: first grid in number order, then column and row by whole division.
#include "ui/cell_hit.h"

#include "logic/geometry.h"
#include "ui/field_layout.h"

namespace tessarix {

std::optional<CellRef> cellAt(int x, int y) {
  for (int g = 1; g <= gridCount; ++g) {
    const int dx = x - anchorX[g];
    const int dy = y - anchorY[g];
    if (dx >= 0 && dx < 9 * cellWidth && dy >= 0 && dy < 9 * cellHeight)
      return CellRef{g, dx / cellWidth + 1, dy / cellHeight + 1};
  }
  return std::nullopt;
}

}  // namespace tessarix
