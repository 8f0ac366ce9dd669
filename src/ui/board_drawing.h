// The field: the wells, the staircase outline, the nine grids with their box lines, the red
// outlines of the twelve shared boxes, and the drawing of single cells (clues and entries).
#pragma once

#include <string>

#include "logic/game_state.h"
#include "ui/canvas.h"
#include "ui/palette.h"

namespace tessarix {

// The part of drawBoard that needs no game state, in its order: the four sunken wells, the
// staircase outline (white, then black), the nine empty grids, the red outlines of the twelve
// shared boxes, line width back to 1. The caller then draws the statistics, level and clock
// panels.
void drawEmptyField(Canvas& canvas);
// Only the staircase double line around the field (part of drawEmptyField).
void drawFieldOutline(Canvas& canvas);
// One empty grid with its top-left corner at (x, y): white with black cell lines and blue
// 2-pixel box lines. Leaves line width 1.
void drawGrid(Canvas& canvas, int x, int y);

// Top-left pixel inside cell (col, row) of `grid`: one pixel right of and below its corner.
int cellInnerX(int grid, int col);
int cellInnerY(int grid, int row);
// Blanks the interior of a cell in white (or in `color`), keeping the 2-pixel box lines after
// columns and rows 3, 6 and 9. Leaves line and fill colour white.
void blankCell(Canvas& canvas, int grid, int col, int row, int color = colorWhite);
// The character that shows value `digit` (1..9): "1".."9", or "A".."I" in letters mode; the
// cells, the statistics' head row and the candidate marks all show values by it.
std::string cellCharacter(bool digitMode, int digit);
// Draws the digit or letter of a cell in the current line colour and text settings (cell font),
// the letter "I" further right.
void drawCellCharacter(Canvas& canvas, bool digitMode, int grid, int col, int row, int digit);

// A clue cell: blanked, the clue in black (digit 0 only blanks). Storing the clue is the
// caller's. Leaves opaque text, black on white, the cell font.
void drawGivenCell(Canvas& canvas, const GameState& s, int grid, int col, int row, int digit);
// The drawing half of an entry: blanked, then the digit or letter in blue, or bright red
// (entry 9) when `wrong`; digit 0 only blanks. Judging and counting stay with the caller (the
// solver does not draw while it derives the solution). Leaves opaque text, black on white.
void drawEntryCell(Canvas& canvas, const GameState& s, int grid, int col, int row, int digit,
                   bool wrong);

}  // namespace tessarix
