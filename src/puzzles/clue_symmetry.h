// The two symmetries of the field that a clue pattern keeps, and the sets of cells that
// must be clues together for a pattern to keep them.
#pragma once

#include <vector>

#include "logic/game_state.h"

namespace tessarix {

// The half-turn: grid g to 10 - g, column x to 10 - x, row y to 10 - y.
int halfTurnImage(int index);
// The transposition: grid 1 to 4, 2 to 2, 3 to 7, 4 to 1, 5 to 5, 6 to 9, 7 to 3, 8 to 8,
// 9 to 6; column x becomes row x of the image.
int transposedImage(int index);

// The distinct cells (by upper copy) split into the smallest sets that the half-turn (and,
// with transposition, also the transposition) maps onto themselves, in cell order.
const std::vector<std::vector<int>>& symmetryOrbits(bool withTransposition);

// Whether the clue pattern of givens (non-zero cells) maps onto itself.
bool cluesHalfTurnSymmetric(const CellArray& givens);
bool cluesTransposeSymmetric(const CellArray& givens);

}  // namespace tessarix
