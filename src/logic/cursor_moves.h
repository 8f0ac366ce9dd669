// The keyboard cursor's way over the field: the 621 cells as they lie in the 33 x 33 cell
// figure, from the edge of a grid into its neighbour, over the holes of the diamond.
#pragma once

namespace tessarix {

enum class CursorDirection { Left, Right, Up, Down };

// Where the cursor first appears: the centre cell of grid 5.
int cursorStartCell();

// The cell one step from `cell` (a cell index of either copy) in `direction`: the next cell of
// the figure that way, holes skipped, as its leading copy; `cell`'s leading copy when no cell
// lies that way before the figure's edge.
int cursorStep(int cell, CursorDirection direction);

}  // namespace tessarix
