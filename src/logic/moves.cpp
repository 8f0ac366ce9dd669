// The moves applied: each one the rule that makes it, in one place.
#include "logic/moves.h"

#include "logic/board_resets.h"
#include "logic/geometry.h"
#include "logic/shuffle.h"
#include "logic/units.h"

namespace tessarix {

bool removesSeenMarks(const GameState& s, const Move& move) {
  return s.options.trackMarks && !s.options.showCandidates && move.digit >= 1 && move.digit <= 9 &&
         (move.kind == MoveKind::Enter || move.kind == MoveKind::SetClue);
}

void removeSeenMarks(GameState& s, int cell, int digit) {
  // The units of the cell in every grid it belongs to (a shared cell's mirror brings the
  // other grid's row, column and box); each cell met loses the mark in both its copies.
  const CellUnits& units = cellUnits();
  for (const uint8_t unit : units.seen[static_cast<size_t>(cell)]) {
    if (unit == noUnit) continue;
    for (const int16_t peer : units.unitCells[unit])
      for (const int copy : {static_cast<int>(peer), mirrorOf(peer)})
        if (copy != 0) s.marks[static_cast<size_t>(copy + 1000 * digit)] = 0;
  }
}

void applyMove(GameState& s, const Move& move, const MoveContext& context) {
  const int i = move.cell;
  const int g = cellGrid(i), c = cellCol(i), r = cellRow(i);
  const auto digit = static_cast<uint8_t>(move.digit);
  switch (move.kind) {
    case MoveKind::Enter:
      // enterDigit judges the value, counts a wrong one, tells the listener and lets the
      // lower copy of a shared box follow.
      s.board[static_cast<size_t>(i)] = digit;
      enterDigit(s, g, c, r, move.digit, context.countWrong, context.listener);
      break;
    case MoveKind::SetClue:
    case MoveKind::RemoveClue: {
      const uint8_t value = move.kind == MoveKind::SetClue ? digit : 0;
      s.board[static_cast<size_t>(i)] = value;
      s.givens[static_cast<size_t>(i)] = value;
      syncSharedBoxes(s);
      break;
    }
    case MoveKind::ToggleMark:
      // A keypad used before any value was highlighted has no mark to toggle.
      if (move.digit >= 1 && move.digit <= 9)
        s.setMark(g, c, r, move.digit, !s.mark(g, c, r, move.digit));
      syncSharedMarks(s);
      break;
    case MoveKind::ClearMarks:
      for (int d = 1; d <= 9; ++d) s.setMark(g, c, r, d, false);
      break;
    case MoveKind::Restart: restartBoard(s); break;
    case MoveKind::FillAllMarks: s.marks.fill(1); break;
    case MoveKind::ClearAllMarks: s.clearMarks(); break;
    case MoveKind::ClearBoard: clearBoard(s); break;
    case MoveKind::Shuffle:
      if (context.random != nullptr) shuffleBoard(s, *context.random);
      break;
    case MoveKind::Solve: runPasses(s, context.listener); break;
  }
  if (removesSeenMarks(s, move)) removeSeenMarks(s, i, move.digit);
}

}  // namespace tessarix
