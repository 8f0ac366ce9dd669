// The logical solver: single candidates and only places in boxes, rows and columns, in passes
// until nothing changes (at most 15), and the solution derived from it.
#pragma once

#include "logic/game_state.h"

namespace tessarix {

inline constexpr int maxPasses = 15;

// What enterDigit does beyond the arrays: drawing the cell, and the clock.
class EntryListener {
 public:
  virtual ~EntryListener() = default;
  // The solver placed digit in cell (grid, col, row) (both copies of a shared cell). Called in
  // order for every placement. deriveSolution takes no listener: a derivation is neither drawn
  // nor heard.
  virtual void placed(int /*grid*/, int /*col*/, int /*row*/, int /*digit*/) {}
  // enterDigit draws a non-clue cell (digit 0 blanks it); wrong: it differs from a derived
  // solution digit.
  virtual void entryDrawn(int /*grid*/, int /*col*/, int /*row*/, int /*digit*/, bool /*wrong*/) {}
  // The third wrong entry has just stopped the clock (clockRunning is now false).
  virtual void clockVoided() {}
};

// enterDigit's bookkeeping for a cell whose value the caller has already stored in board:
// boardChanged, the judgement against solution, the wrong-entry count (only when countWrong:
// a wrong entry is counted once, when it is placed, never again when a redraw paints it), the
// clock at the third wrong entry, and syncSharedBoxes.
void enterDigit(GameState& s, int grid, int col, int row, int digit, bool countWrong,
                EntryListener* listener);

// Whether digit fits the empty cell: written into the cell and its mirror, the field checked,
// and 0 written back into both (a mirror copy that held a value is thereby emptied).
bool digitFits(CellArray& board, int grid, int col, int row, int digit);

// The three kinds of unit, each run on its own (tests and the tool); a pass runs them all.
void solveBox(GameState& s, int grid, int x0, int y0, EntryListener* listener = nullptr);
void solveRow(GameState& s, int grid, int y, EntryListener* listener = nullptr);
void solveColumn(GameState& s, int grid, int x, EntryListener* listener = nullptr);
// One pass over the nine grids; returns whether it placed anything.
bool solvePass(GameState& s, EntryListener* listener = nullptr);
// Passes while the last one changed the field, at most 15; returns the passes that ran.
int runPasses(GameState& s, EntryListener* listener = nullptr);

// The solve command's solving part: the passes, then the count and the check. Returns the
// passes that ran; the caller shows the message when the status is not a solved field.
int solveBoard(GameState& s, EntryListener* listener = nullptr);

// Derives solution and notSolvable from the board as it stands (board itself is left as it
// was). When that fails and the field holds player entries, derives once more from the clues
// alone and keeps that result if it fills the field. wrongCount starts afresh.
// Returns the passes of the derivation whose result is kept.
int deriveSolution(GameState& s);

}  // namespace tessarix
