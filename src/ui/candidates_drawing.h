// The candidate and pencil marks: small characters 3 x 3 inside every empty cell.
#pragma once

#include "logic/game_state.h"
#include "ui/canvas.h"

namespace tessarix {

// For every empty cell of the nine grids and every digit, the mark of s.marks drawn in font 4 at
// its spot, or the spot blanked in white. Cells holding a digit are left alone.
void drawCandidates(Canvas& canvas, const GameState& s);

}  // namespace tessarix
