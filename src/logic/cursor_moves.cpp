// The cell figure as a 33 x 33 lattice of leading copies; a step walks it in a straight line.
#include "logic/cursor_moves.h"

#include <array>

#include "logic/geometry.h"

namespace tessarix {

namespace {

constexpr int figureSize = 33;

using Lattice = std::array<std::array<int, figureSize>, figureSize>;  // [row][column], 0 = hole

// Each place of the figure holds the cell of the first grid, in number order, that covers
// it: the leading copy, as a click there addresses.
const Lattice& lattice() {
  static const Lattice figure = [] {
    Lattice f{};
    for (int g = gridCount; g >= 1; --g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
          f[gridOffsetY[g] + r - 1][gridOffsetX[g] + c - 1] = cellIndex(g, c, r);
    return f;
  }();
  return figure;
}

}  // namespace

int cursorStartCell() { return cellIndex(5, 5, 5); }

int cursorStep(int cell, CursorDirection direction) {
  const int lead = leadingCopy(cell);
  const int g = cellGrid(lead);
  int x = gridOffsetX[g] + cellCol(lead) - 1;
  int y = gridOffsetY[g] + cellRow(lead) - 1;
  const int dx = direction == CursorDirection::Left ? -1 : direction == CursorDirection::Right;
  const int dy = direction == CursorDirection::Up ? -1 : direction == CursorDirection::Down;
  for (;;) {
    x += dx;
    y += dy;
    if (x < 0 || y < 0 || x >= figureSize || y >= figureSize) return lead;
    if (const int next = lattice()[y][x]) return next;
  }
}

}  // namespace tessarix
