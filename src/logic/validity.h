// The rules over the whole field: is it free of duplicates, can every empty cell still take a
// digit, and which digits each empty cell can take. Decided with per-unit digit masks, with
// exactly the results of writing each digit in and re-validating all nine grids.
#pragma once

#include "logic/game_state.h"

namespace tessarix {

// No digit twice in any row, column or box of any of the nine grids; each grid is checked on
// its own, so a shared cell is checked once with each of its two copies.
bool boardValid(const CellArray& board);

// Every empty cell copy of every grid can take some digit, tried in that grid's copy only.
bool noDeadEnd(const CellArray& board);

// The candidates of every empty cell copy: marks(g, x, y, d) is set exactly when writing d
// into grid g's copy alone keeps the field valid. Clears every mark first.
void computeCandidates(const CellArray& board, MarkArray& marks);

// A shared cell keeps only the marks that both of its copies have.
void mergeSharedCandidates(MarkArray& marks);

}  // namespace tessarix
