// A full valid nine-grid field drawn at random: the solution a new puzzle is cut from.
#pragma once

#include <vector>

#include "logic/game_state.h"
#include "logic/random.h"

namespace tessarix {

// The 621 distinct cells, each by its upper copy (the copy in the lower-numbered grid), in
// the order of the cell copies (grids outermost, then column, then row).
const std::vector<int>& distinctCellList();

// Writes v into a cell and into the other copy of a shared cell.
void setCellBoth(CellArray& cells, int index, uint8_t v);

// A full field in which all nine grids are valid Sudokus and both copies of every shared
// cell are equal; every distinct cell is filled. The same random numbers give the same field.
CellArray randomSolvedField(RandomSource& random);

}  // namespace tessarix
