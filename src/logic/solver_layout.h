// The solver's private view of the field: grids as bit sets, units in scan order, and the
// distinct cells with both of their copies. Only the solver and its layout file include this.
#pragma once

#include <array>
#include <cstdint>

#include "logic/units.h"

namespace tessarix {

// The field as the solver's bit sets see it. Each grid's 81 cells are bits of two 64-bit words,
// box by box in scan order (boxes 0..6 in the low word, 7 and 8 from bit 64 on), each box's cells
// in its scan order, so a box's cells are nine adjacent bits. Units are numbered in the order a
// pass visits them: 27 per grid, its nine boxes, then row 1, column 1, row 2, column 2, ...
// Grid bit sets kept per grid and digit 0..9 lie in one table of words: grid g, digit d and word
// w at 20 g + 2 d + w.
inline constexpr int gridBits = 82;  // bit numbers 0..62 and 64..81 are cells, 63 is none
struct GridBits {
  uint64_t w[2];
};
constexpr int scanBox(int box) { return box; }                // box 0..8, x0 outer, y0 inner
constexpr int scanRow(int row) { return 9 + 2 * (row - 1); }  // row 1..9
constexpr int scanColumn(int col) { return 10 + 2 * (col - 1); }
constexpr int boxOfCell(int col, int row) { return (col - 1) / 3 * 3 + (row - 1) / 3; }
constexpr int boxBitBase(int box) { return box < 7 ? 9 * box : 64 + 9 * (box - 7); }
constexpr int cellBit(int col, int row) {
  return boxBitBase(boxOfCell(col, row)) + (col - 1) % 3 * 3 + (row - 1) % 3;
}
constexpr int gridWord(int grid, int digit, int bit) { return 20 * grid + 2 * digit + bit / 64; }

struct ScanLayout {
  // One distinct cell (a shared cell once), its upper copy first. For a cell of one grid the
  // second copy points at nothing: the spare unit (unitCount), grid 0, word 0, mask 0.
  struct Cell {
    uint64_t mask[2];  // the bit of each copy within its word
    uint16_t word[2];  // the word of each copy's bit for digit 0 (gridWord)
    uint8_t unit[6];   // the units of both copies, scan numbers
    uint8_t grid[2];
    uint8_t bit[2];
    bool shared;
  };
  std::array<Cell, distinctCells> cell{};
  std::array<std::array<int16_t, 2>, distinctCells> copies{};    // cell index of each copy
  std::array<int16_t, 1000> distinctOf{};                        // of each cell copy; -1 for none
  std::array<std::array<int16_t, 128>, 10> copyAt{};             // cell index of (grid, bit)
  std::array<std::array<int16_t, 128>, 10> distinctAt{};         // distinct cell of (grid, bit)
  std::array<std::array<int16_t, 9>, unitCount> unitDistinct{};  // distinct cells of each unit
  std::array<GridBits, gridBits> peers{};  // the cells sharing a row, column or box with a bit
  std::array<GridBits, 27> unitBits{};     // the cells of each unit of a grid, by scan place
  // Each shared box: grid, word and shift of its nine bits in the upper and the lower grid.
  struct SharedBox {
    uint8_t grid[2], word[2], shift[2];
  };
  std::array<SharedBox, 12> shared{};
};
const ScanLayout& scanLayout();

}  // namespace tessarix
