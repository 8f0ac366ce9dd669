// The solver's next step agrees with the first placement of a real pass, on fields of every
// kind, and its rule holds on the field: one value fits the cell, or the value fits one cell
// of its box, row or column.
#include "logic/next_step.h"

#include <gtest/gtest.h>

#include "logic/geometry.h"
#include "logic/solver.h"
#include "reference/random_fields.h"

namespace tessarix {
namespace {

class FirstPlaced : public EntryListener {
 public:
  void placed(int g, int c, int r, int d) override {
    if (cell == 0) {
      cell = leadingCopy(cellIndex(g, c, r));
      digit = d;
    }
  }
  int cell = 0, digit = 0;
};

// The empty cells of a unit of grid g that value d fits.
int fittingCells(const GameState& s, int g, int d, StepReason unit, int cell) {
  CellArray board = s.board;
  int n = 0;
  for (int k = 1; k <= 9; ++k) {
    int c = cellCol(cell), r = cellRow(cell);
    if (unit == StepReason::OnlyPlaceInRow) c = k;
    if (unit == StepReason::OnlyPlaceInColumn) r = k;
    if (unit == StepReason::OnlyPlaceInBox) {
      c = (cellCol(cell) - 1) / 3 * 3 + (k - 1) / 3 + 1;
      r = (cellRow(cell) - 1) / 3 * 3 + (k - 1) % 3 + 1;
    }
    if (board[cellIndex(g, c, r)] == 0) n += digitFits(board, g, c, r, d);
  }
  return n;
}

TEST(NextSolverStep, IsThePassesFirstPlacementWithItsRule) {
  SeededRandom rng(9090);
  int reasons[4] = {};
  // Every field, sanitized or not: a smaller sample may miss one of the rules.
  const int fields = 400;
  for (int field = 0; field < fields; ++field) {
    const GameState start = testing::mixedField(rng, field % testing::mixedFieldKinds);
    GameState copy = start;
    FirstPlaced first;
    solvePass(copy, &first);
    const std::optional<SolverStep> step = nextSolverStep(start);
    ASSERT_EQ(step.has_value(), first.cell != 0) << "field " << field;
    if (!step) continue;
    EXPECT_EQ(step->cell, first.cell) << "field " << field;
    EXPECT_EQ(step->digit, first.digit) << "field " << field;
    ++reasons[static_cast<int>(step->reason)];
    // The rule holds on the field. (Where the copies of a shared cell disagree, a trial write
    // empties the other copy, and the rule holds only along the solver's own scan, which the
    // equality above already shows.)
    bool synced = true;
    forEachSharedCell([&](int u, int l) { synced &= start.board[u] == start.board[l]; });
    if (!synced) continue;
    // The rule holds in the grid of the copy the solver visited, which may be the lower one.
    if (step->reason == StepReason::OnlyDigitOfCell) {
      CellArray board = start.board;
      int fits = 0;
      for (int d = 1; d <= 9; ++d)
        fits += digitFits(board, cellGrid(step->cell), cellCol(step->cell), cellRow(step->cell), d);
      EXPECT_EQ(fits, 1) << "field " << field;
    } else {
      bool holds = false;
      for (int copyCell : {step->cell, mirrorOf(step->cell)})
        if (copyCell != 0)
          holds |= fittingCells(start, cellGrid(copyCell), step->digit, step->reason, copyCell) == 1;
      EXPECT_TRUE(holds) << "field " << field;
    }
  }
  // The sample met every rule.
  for (int count : reasons) EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace tessarix
