// Undo and redo: every change a player makes to a cell (an entry, a cleared entry, pencil
// marks, an own-board clue) is a step of the history; Ctrl+Z takes it back, Ctrl+Y or
// Ctrl+Shift+Z does it again. The wrong-entry count stays as it is (a mistake once made stays
// counted) and the clock is not touched.
#include "app/game.h"

#include "app/keys.h"
#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/candidates_drawing.h"

namespace tessarix {

void Game::historyKeyReleased(int key) {
  if (keys::isUndo(key)) {
    if (const auto step = history_.undo()) showCellContents(step->before);
  } else if (keys::isRedo(key)) {
    if (const auto step = history_.redo()) showCellContents(step->after);
  }
}

void Game::recordCellChange(const CellContents& before) {
  history_.record(before, cellContents(state_, before.cells[0]));
}

void Game::showCellContents(const CellContents& contents) {
  restoreCellContents(state_, contents);
  for (int i : contents.cells)
    if (i != 0) repaintCell(i);
  if (state_.showCandidates)
    refreshCandidates();
  else
    drawMarks();
  showDigitCounts();
  refreshPanels();
  // A step that completes the field while the clock runs is a finish, as the entry was.
  if (mode_ == Mode::Playing) finishTest();
}

void Game::repaintCell(int i) {
  if (state_.givens[i] != 0) {
    drawGiven(i, state_.givens[i]);
    return;
  }
  // Judged as a redraw judges it, and never counted again.
  const int v = state_.board[i];
  drawEntry(i, v, v != 0 && state_.solution[i] != 0 && state_.solution[i] != v);
}

}  // namespace tessarix
