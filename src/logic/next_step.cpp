// The units of one pass run one by one on a copy of the field until one of them places a
// value; the units before it placed nothing, so the copy was still the field.
#include "logic/next_step.h"

#include "logic/geometry.h"
#include "logic/solver.h"

namespace tessarix {

namespace {

class FirstPlacement : public EntryListener {
 public:
  void placed(int grid, int col, int row, int digit) override {
    if (cell != 0) return;
    cell = leadingCopy(cellIndex(grid, col, row));
    this->digit = digit;
  }
  int cell = 0, digit = 0;
};

// Whether the box's first rule (a cell with a single fitting value) made the placement: its
// scan replayed, trial writes and all, up to the first cell it would fill.
bool placedAsSingleCandidate(const GameState& s, int g, int x0, int y0, int cell) {
  CellArray board = s.board;
  for (int x = x0; x < x0 + 3; ++x)
    for (int y = y0; y < y0 + 3; ++y) {
      if (board[cellIndex(g, x, y)] != 0) continue;
      int fitting = 0;
      for (int d = 1; d <= 9; ++d) fitting += digitFits(board, g, x, y, d);
      if (fitting == 1) return leadingCopy(cellIndex(g, x, y)) == cell;
    }
  return false;
}

}  // namespace

std::optional<SolverStep> nextSolverStep(const GameState& s) {
  GameState copy = s;
  FirstPlacement first;
  for (int g = 1; g <= gridCount; ++g) {
    for (int x0 = 1; x0 <= 7; x0 += 3)
      for (int y0 = 1; y0 <= 7; y0 += 3) {
        solveBox(copy, g, x0, y0, &first);
        if (first.cell != 0)
          return SolverStep{first.cell, first.digit,
                            placedAsSingleCandidate(s, g, x0, y0, first.cell)
                                ? StepReason::OnlyDigitOfCell
                                : StepReason::OnlyPlaceInBox};
      }
    for (int j = 1; j <= 9; ++j) {
      solveRow(copy, g, j, &first);
      if (first.cell != 0) return SolverStep{first.cell, first.digit, StepReason::OnlyPlaceInRow};
      solveColumn(copy, g, j, &first);
      if (first.cell != 0)
        return SolverStep{first.cell, first.digit, StepReason::OnlyPlaceInColumn};
    }
  }
  return std::nullopt;
}

}  // namespace tessarix
