// Undo and redo: whatever a handled key or click of a game loop changed in the position (an
// entry, a cleared entry, pencil marks, an own-board clue, a restart, all marks set or cleared,
// a shuffle of the own board, a solve) is a step of the history; Ctrl+Z takes it back, Ctrl+Y
// or Ctrl+Shift+Z does it again. The wrong-entry count stays as it is (a mistake once made
// stays counted) and the clock is not touched.
#include "app/game.h"

#include "app/keys.h"
#include "logic/check.h"
#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/candidates_drawing.h"

namespace tessarix {

void Game::historyKeyReleased(int key) {
  std::optional<std::vector<int>> cells;
  if (keys::isUndo(key))
    cells = history_.undo(state_);
  else if (keys::isRedo(key))
    cells = history_.redo(state_);
  if (!cells) return;
  showChangedCells(*cells);
  // What follows by itself from the step (the candidates worked out again) is no step.
  history_.rebase(state_);
}

void Game::recordMove() {
  if (mode_ != Mode::Idle) history_.record(state_);
}

void Game::showChangedCells(const std::vector<int>& cells) {
  for (int i : cells)
    if (cellGrid(i) != 0 && cellCol(i) != 0 && cellRow(i) != 0) showCell(i);
  if (state_.options.showCandidates)
    refreshCandidates();
  else
    showMarks();
  showDigitCounts();
  showLevelLine();
  // A step that completes the field while the clock runs is a finish, as the entry was.
  if (mode_ == Mode::Playing) finishTest();
}

void Game::play(const Move& move) {
  const bool marksGo = removesSeenMarks(state_, move);
  applyMove(state_, move, {this, !ownBoardMode(), &platform_});
  // The marks the value took from the cells around it.
  if (marksGo) showMarks();
}

void Game::showCell(int i) {
  if (state_.givens[i] != 0) {
    showGiven(i, state_.givens[i]);
    return;
  }
  // Judged as a redraw judges it, and never counted again.
  showEntry(i, state_.board[i], isWrongEntry(state_, i));
}

}  // namespace tessarix
