// The tests' solved field: one pattern of the global position that is a Sudoku solution in
// each of the nine grids and agrees on every shared box; and puzzles cut from it.
#pragma once

#include "logic/game_state.h"

namespace tessarix::testing {

// The digit at global column x and row y (both from 0). Every grid starts at a multiple of
// 6 cells, so the pattern is a solution in each grid, and both copies of a shared cell,
// being one global position, hold the same digit.
inline int solvedDigit(int x, int y) { return (3 * (y % 3) + y / 3 + x) % 9 + 1; }

// The whole field filled with the pattern.
inline CellArray solvedField() {
  CellArray field{};
  for (int g = 1; g <= 9; ++g)
    for (int col = 1; col <= 9; ++col)
      for (int row = 1; row <= 9; ++row)
        field[cellIndex(g, col, row)] =
            static_cast<uint8_t>(solvedDigit(gridOffsetX[g] + col - 1, gridOffsetY[g] + row - 1));
  return field;
}

// The solved field with every cell whose global position hashes to 0 modulo `every` emptied,
// in board and givens alike.
inline GameState puzzleFrom(const CellArray& solved, int every) {
  GameState s;
  for (int g = 1; g <= 9; ++g)
    for (int col = 1; col <= 9; ++col)
      for (int row = 1; row <= 9; ++row) {
        const int x = gridOffsetX[g] + col - 1;
        const int y = gridOffsetY[g] + row - 1;
        const int i = cellIndex(g, col, row);
        const bool emptied = (x * 7 + y * 11 + x * y) % every == 0;
        s.board[i] = s.givens[i] = emptied ? 0 : solved[i];
      }
  return s;
}

}  // namespace tessarix::testing
