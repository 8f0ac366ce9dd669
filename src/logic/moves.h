// The moves of a game: every change a player or a command makes to the position (clues,
// entries, solution, pencil marks) is a value, applied by one function. Loading a board or
// dealing a puzzle is not a move: it puts a new position in place and starts a new history.
#pragma once

#include "logic/game_state.h"
#include "logic/random.h"
#include "logic/solver.h"

namespace tessarix {

enum class MoveKind {
  Enter,          // the player's value into a cell (0 empties it), judged against the solution
  SetClue,        // the own-board entry: a clue into both copies of a cell
  RemoveClue,     // and taken out again
  ToggleMark,     // one pencil mark of a cell, in both copies
  ClearMarks,     // all pencil marks of a cell
  Restart,        // every entry and mark gone, the clues stay
  FillAllMarks,   // every pencil mark of the field set
  ClearAllMarks,  // and every one cleared
  ClearBoard,     // nothing left: no clue, entry, mark or solution
  Shuffle,        // the field shuffled into an equivalent one, its solution derived anew
  Solve,          // the solver's passes over the field as it stands
};

struct Move {
  MoveKind kind;
  int cell = 0;   // the leading copy of a cell, for the moves on one cell
  int digit = 0;  // the value, or the mark
};

// What a move may need besides the state: who draws the entries as they are made (and hears
// a timing voided), whether a wrong entry counts, and the random numbers of a shuffle.
struct MoveContext {
  EntryListener* listener = nullptr;
  bool countWrong = false;
  RandomSource* random = nullptr;
};

// The move applied to the state: the only writer of the position while a game runs.
void applyMove(GameState& s, const Move& move, const MoveContext& context = {});

// With the marks keeping themselves (trackMarks, own marks rather than candidates), a value
// entered or set as a clue takes its pencil mark from every cell that sees the cell: the
// rows, columns and boxes of each grid the cell belongs to. Part of the same move.
bool removesSeenMarks(const GameState& s, const Move& move);
void removeSeenMarks(GameState& s, int cell, int digit);

}  // namespace tessarix
