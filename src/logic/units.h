// The 243 units of the field (a row, a column or a box of one grid) and which units each cell
// copy belongs to. Unit numbers: 27 per grid; rows first, then columns, then boxes.
#pragma once

#include <array>
#include <cstdint>

#include "logic/geometry.h"

namespace tessarix {

inline constexpr int unitCount = 243;
inline constexpr uint16_t allDigits = 0x3FE;  // bits 1..9

constexpr int rowUnit(int grid, int row) { return (grid - 1) * 27 + row - 1; }
constexpr int columnUnit(int grid, int col) { return (grid - 1) * 27 + 9 + col - 1; }
constexpr int boxUnit(int grid, int col, int row) {
  return (grid - 1) * 27 + 18 + (row - 1) / 3 * 3 + (col - 1) / 3;
}

inline constexpr int noUnit = unitCount;  // a unit that never holds a digit

struct CellUnits {
  std::array<std::array<uint8_t, 3>, 1000> of{};  // row, column and box unit of each cell copy
  // The units a shared cell's trial sees: its own three and its mirror's three (noUnit for a
  // cell that belongs to one grid only).
  std::array<std::array<uint8_t, 6>, 1000> seen{};
  std::array<int16_t, 729> cells{};  // every cell copy: grids outermost, then col, row
  // The cells of each unit in scan order: rows left to right, columns top down, boxes by
  // column (outer) and row (inner).
  std::array<std::array<int16_t, 9>, unitCount> unitCells{};
};
const CellUnits& cellUnits();

// Digit masks of every unit; false when some unit holds a digit twice.
bool buildUnitMasks(const uint8_t* board, uint16_t* masks);

}  // namespace tessarix
