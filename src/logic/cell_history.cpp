// The history as a list of steps and a mark between the done and the undone ones.
#include "logic/cell_history.h"

#include "logic/geometry.h"

namespace tessarix {

CellContents cellContents(const GameState& s, int cell) {
  CellContents c;
  c.cells = {cell, mirrorOf(cell)};
  for (size_t k = 0; k < 2; ++k) {
    const int i = c.cells[k];
    if (i == 0) continue;
    c.board[k] = s.board[i];
    c.givens[k] = s.givens[i];
    for (int d = 1; d <= 9; ++d)
      c.marks[k][d - 1] = s.marks[markIndex(cellGrid(i), cellCol(i), cellRow(i), d)];
  }
  return c;
}

void restoreCellContents(GameState& s, const CellContents& c) {
  for (size_t k = 0; k < 2; ++k) {
    const int i = c.cells[k];
    if (i == 0) continue;
    s.board[i] = c.board[k];
    s.givens[i] = c.givens[k];
    for (int d = 1; d <= 9; ++d)
      s.marks[markIndex(cellGrid(i), cellCol(i), cellRow(i), d)] = c.marks[k][d - 1];
  }
}

void CellHistory::record(const CellContents& before, const CellContents& after) {
  if (before == after) return;
  steps_.resize(done_);
  steps_.push_back({before, after});
  ++done_;
}

std::optional<CellStep> CellHistory::undo() {
  if (done_ == 0) return std::nullopt;
  return steps_[--done_];
}

std::optional<CellStep> CellHistory::redo() {
  if (done_ == steps_.size()) return std::nullopt;
  return steps_[done_++];
}

void CellHistory::clear() {
  steps_.clear();
  done_ = 0;
}

}  // namespace tessarix
