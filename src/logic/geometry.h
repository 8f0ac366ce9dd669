// The shape of the field: nine 9 x 9 grids on a diamond, their places in the 33 x 33 cell
// figure, and the twelve boxes that two diagonal neighbours share.
#pragma once

#include <array>
#include <cstdint>

namespace tessarix {

inline constexpr int gridCount = 9;
inline constexpr int distinctCells = 621;
inline constexpr int cellsPerDigit = 69;  // on a full field each digit holds 69 distinct cells

// Place of each grid in the 33 x 33 cell figure: grid g's cell (col, row) lies at global
// column gridOffsetX[g] + col - 1 and global row gridOffsetY[g] + row - 1 (both from 0).
inline constexpr std::array<int, 10> gridOffsetX = {0, 12, 6, 18, 0, 12, 24, 6, 18, 12};
inline constexpr std::array<int, 10> gridOffsetY = {0, 0, 6, 6, 12, 12, 12, 18, 18, 24};

// Byte offset of element (grid, col, row) in a 10 x 10 x 10 array: the first index varies fastest.
constexpr int cellIndex(int grid, int col, int row) { return grid + 10 * col + 100 * row; }
constexpr int cellGrid(int index) { return index % 10; }
constexpr int cellCol(int index) { return index / 10 % 10; }
constexpr int cellRow(int index) { return index / 100; }
// Byte offset of element (grid, col, row, digit) in a 10 x 10 x 10 x 10 array.
constexpr int markIndex(int grid, int col, int row, int digit) {
  return grid + 10 * col + 100 * row + 1000 * digit;
}

// One shared box: box cell (c, r), c and r 1..3, is (c + upperCol, r + upperRow) in the upper
// (lower-numbered, leading) grid and (c + lowerCol, r + lowerRow) in the lower grid.
struct SharedPair {
  int upper, upperCol, upperRow;
  int lower, lowerCol, lowerRow;
};

inline constexpr std::array<SharedPair, 12> sharedPairs = {{
    {1, 0, 6, 2, 6, 0},
    {1, 6, 6, 3, 0, 0},
    {2, 0, 6, 4, 6, 0},
    {2, 6, 6, 5, 0, 0},
    {3, 0, 6, 5, 6, 0},
    {3, 6, 6, 6, 0, 0},
    {4, 6, 6, 7, 0, 0},
    {5, 0, 6, 7, 6, 0},
    {5, 6, 6, 8, 0, 0},
    {6, 0, 6, 8, 6, 0},
    {7, 6, 6, 9, 0, 0},
    {8, 0, 6, 9, 6, 0},
}};

// The other copy of a shared cell, or 0 for a cell that belongs to one grid only.
// Indexed by cellIndex; entries with an index 0 in any dimension are 0.
const std::array<int16_t, 1000>& mirrorTable();
inline int mirrorOf(int index) { return mirrorTable()[index]; }
// The leading copy of a cell copy: the upper copy (the one in the lower-numbered grid) of a
// shared cell, the cell itself when it belongs to one grid only. A shared cell is counted and
// stored once, under this index.
inline int leadingCopy(int index) {
  const int m = mirrorOf(index);
  return m != 0 && cellGrid(m) < cellGrid(index) ? m : index;
}

// Calls f(upper, lower) with the cell indices of both copies of every shared cell: the twelve
// boxes in the order of sharedPairs, each box by column (outer) and row (inner).
template <class F> void forEachSharedCell(F&& f) {
  for (const SharedPair& p : sharedPairs)
    for (int c = 1; c <= 3; ++c)
      for (int r = 1; r <= 3; ++r)
        f(cellIndex(p.upper, c + p.upperCol, r + p.upperRow),
          cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow));
}

}  // namespace tessarix
