// Where the field lies on the canvas: each grid's top-left pixel, the size of a cell, the corner
// of the cell figure, and a cell's rectangle.
#pragma once

#include <array>

#include "logic/geometry.h"

namespace tessarix {

inline constexpr int cellWidth = 33;
inline constexpr int cellHeight = 25;
// The canvas pixel of the figure's global column 0, row 0.
inline constexpr int boardOriginX = 29;
inline constexpr int boardOriginY = 35;

// Pixel position of each grid's top-left corner (index 0 unused).
inline constexpr std::array<int, 10> anchorX = {0, 425, 227, 623, 29, 425, 821, 227, 623, 425};
inline constexpr std::array<int, 10> anchorY = {0, 35, 185, 185, 335, 335, 335, 485, 485, 635};

// A cell's rectangle: its top-left pixel (on the grid line above and left of it) and the
// pixel where the next cell begins, to the right and below.
struct CellBox {
  int left, top, right, bottom;
};

constexpr CellBox cellBox(int grid, int col, int row) {
  const int x = anchorX[grid] + (col - 1) * cellWidth;
  const int y = anchorY[grid] + (row - 1) * cellHeight;
  return {x, y, x + cellWidth, y + cellHeight};
}

}  // namespace tessarix
