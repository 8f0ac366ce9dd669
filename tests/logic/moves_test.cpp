// The moves applied to the state, and the history that records what a move changed: moves on
// one cell reach both copies of a shared cell, a wrong entry counts only where it should, the
// wholesale moves keep what they must, and undo and redo give back exactly the bytes a step
// changed.
#include <gtest/gtest.h>

#include <algorithm>

#include "logic/moves.h"
#include "logic/position_history.h"
#include "logic/solver.h"
#include "support/solved_field.h"

namespace tessarix::testing {
namespace {

// The tests' puzzle with its solution, and one of its empty shared cells (the upper copy).
struct Fixture {
  GameState s = puzzleFrom(solvedField(), 4);
  int shared = 0;
  Fixture() {
    deriveSolution(s);
    for (int i = 0; i < 1000 && shared == 0; ++i)
      if (cellGrid(i) && cellCol(i) && cellRow(i) && mirrorOf(i) != 0 && leadingCopy(i) == i &&
          s.board[i] == 0)
        shared = i;
  }
  int lower() const { return mirrorOf(shared); }
  bool markBoth(int d) const {
    const int l = lower();
    const bool up = s.mark(cellGrid(shared), cellCol(shared), cellRow(shared), d);
    EXPECT_EQ(up, s.mark(cellGrid(l), cellCol(l), cellRow(l), d));
    return up;
  }
};

TEST(Moves, MovesOnACellReachBothCopies) {
  Fixture f;
  GameState& s = f.s;
  ASSERT_NE(f.shared, 0);
  const int d = s.solution[f.shared];

  applyMove(s, {MoveKind::Enter, f.shared, d});
  EXPECT_EQ(s.board[f.lower()], d);
  applyMove(s, {MoveKind::Enter, f.shared, 0});
  EXPECT_EQ(s.board[f.lower()], 0);

  applyMove(s, {MoveKind::ToggleMark, f.shared, 4});
  EXPECT_TRUE(f.markBoth(4));
  applyMove(s, {MoveKind::ToggleMark, f.shared, 4});
  EXPECT_FALSE(f.markBoth(4));
  applyMove(s, {MoveKind::ToggleMark, f.shared, 0});  // no value highlighted yet: no mark
  for (int k = 1; k <= 9; ++k) EXPECT_FALSE(f.markBoth(k));

  applyMove(s, {MoveKind::SetClue, f.shared, 6});
  EXPECT_EQ(s.givens[f.lower()], 6);
  EXPECT_EQ(s.board[f.lower()], 6);
  applyMove(s, {MoveKind::RemoveClue, f.shared});
  EXPECT_EQ(s.givens[f.lower()], 0);
  EXPECT_EQ(s.board[f.lower()], 0);
}

TEST(Moves, AWrongEntryCountsOnlyWhenTheGameCountsIt) {
  for (const bool counting : {false, true}) {
    Fixture f;
    const int wrong = f.s.solution[f.shared] % 9 + 1;
    applyMove(f.s, {MoveKind::Enter, f.shared, wrong}, {nullptr, counting, nullptr});
    EXPECT_EQ(f.s.wrongCount, counting ? 1 : 0);
    applyMove(f.s, {MoveKind::Enter, f.shared, f.s.solution[f.shared]},
              {nullptr, counting, nullptr});
    EXPECT_EQ(f.s.wrongCount, counting ? 1 : 0);
  }
}

TEST(Moves, WholesaleMovesKeepWhatTheyMust) {
  Fixture f;
  GameState& s = f.s;
  const CellArray clues = s.givens, solution = s.solution;
  applyMove(s, {MoveKind::Enter, f.shared, s.solution[f.shared]});
  applyMove(s, {MoveKind::FillAllMarks});
  EXPECT_TRUE(f.markBoth(9));

  applyMove(s, {MoveKind::Restart});
  EXPECT_EQ(s.board, clues);
  EXPECT_EQ(s.solution, solution);
  EXPECT_FALSE(f.markBoth(9));

  applyMove(s, {MoveKind::Solve});
  EXPECT_EQ(s.board, solution);

  applyMove(s, {MoveKind::FillAllMarks});
  applyMove(s, {MoveKind::ClearBoard});
  EXPECT_EQ(s.board, CellArray{});
  EXPECT_EQ(s.givens, CellArray{});
  EXPECT_EQ(s.solution, CellArray{});
  EXPECT_EQ(s.marks, MarkArray{});
}

TEST(PositionHistory, StepsHoldTheChangedBytesAndGoBackAndForth) {
  Fixture f;
  GameState& s = f.s;
  PositionHistory history;
  history.restart(s);
  EXPECT_FALSE(history.record(s));  // nothing changed: no step
  const Position start = Position::of(s);

  applyMove(s, {MoveKind::Enter, f.shared, s.solution[f.shared]});
  ASSERT_TRUE(history.record(s));
  const Position entered = Position::of(s);
  const size_t oneEntry = history.bytesKept();
  applyMove(s, {MoveKind::Restart});
  ASSERT_TRUE(history.record(s));

  auto cells = history.undo(s);
  ASSERT_TRUE(cells.has_value());
  EXPECT_EQ(Position::of(s), entered);
  cells = history.undo(s);
  ASSERT_TRUE(cells.has_value());
  EXPECT_EQ(Position::of(s), start);
  // Both copies of the cell, in order, once each.
  EXPECT_EQ(*cells,
            (std::vector<int>{std::min(f.shared, f.lower()), std::max(f.shared, f.lower())}));
  EXPECT_FALSE(history.undo(s).has_value());

  ASSERT_TRUE(history.redo(s).has_value());
  EXPECT_EQ(Position::of(s), entered);
  // A new step drops the undone restart.
  applyMove(s, {MoveKind::ToggleMark, f.shared, 2});
  ASSERT_TRUE(history.record(s));
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.stepCount(), 2u);
  // A history keeps the bytes a step changed, not whole positions: an entry into a shared
  // cell is two changed bytes.
  EXPECT_LT(oneEntry, 256u);
}


// --- Marks that keep themselves -----------------------------------------------------------------

namespace seen_marks {

// Whether two cell copies lie in one row, column or box of some grid, through any of their
// copies: worked out from the coordinates alone.
bool sees(int a, int b) {
  for (const int x : {a, mirrorOf(a)})
    for (const int y : {b, mirrorOf(b)}) {
      if (x == 0 || y == 0 || cellGrid(x) != cellGrid(y)) continue;
      if (cellRow(x) == cellRow(y) || cellCol(x) == cellCol(y)) return true;
      if ((cellRow(x) - 1) / 3 == (cellRow(y) - 1) / 3 && (cellCol(x) - 1) / 3 == (cellCol(y) - 1) / 3)
        return true;
    }
  return false;
}

struct Case {
  const char* name;
  int cell;
  MoveKind kind;
};

class TrackedMarks : public ::testing::TestWithParam<Case> {};

TEST_P(TrackedMarks, AValueTakesItsMarkFromEveryCellThatSeesItAndNoOther) {
  const Case& c = GetParam();
  for (const bool track : {false, true}) {
    GameState s;
    s.marks.fill(1);
    s.options.trackMarks = track;
    applyMove(s, {c.kind, c.cell, 5});
    int gone = 0;
    for (int q = 0; q < 1000; ++q) {
      if (cellGrid(q) == 0 || cellCol(q) == 0 || cellRow(q) == 0) continue;
      for (int d = 1; d <= 9; ++d) {
        const bool kept = s.marks[static_cast<size_t>(q + 1000 * d)] != 0;
        const bool shouldGo = track && d == 5 && sees(c.cell, q);
        EXPECT_EQ(kept, !shouldGo) << "cell " << q << " digit " << d << " track " << track;
        gone += kept ? 0 : 1;
      }
    }
    if (track) {
      EXPECT_GT(gone, 20) << c.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, TrackedMarks,
    ::testing::Values(Case{"EntryInASharedBox", cellIndex(1, 1, 7), MoveKind::Enter},
                      Case{"EntryInTheMiddleGrid", cellIndex(5, 5, 5), MoveKind::Enter},
                      Case{"EntryInALoneGridCorner", cellIndex(4, 1, 1), MoveKind::Enter},
                      Case{"ClueInASharedBox", leadingCopy(cellIndex(2, 7, 1)), MoveKind::SetClue},
                      Case{"ClueInALoneGridCorner", cellIndex(9, 9, 9), MoveKind::SetClue}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrackedMarks, ClearingCandidatesAndOtherMovesLeaveTheMarks) {
  GameState s;
  s.marks.fill(1);
  s.options.trackMarks = true;
  const int cell = cellIndex(5, 5, 5);
  applyMove(s, {MoveKind::Enter, cell, 0});     // clearing puts nothing back, takes nothing
  applyMove(s, {MoveKind::ToggleMark, cell, 5});
  applyMove(s, {MoveKind::ToggleMark, cell, 5});
  EXPECT_TRUE(std::all_of(s.marks.begin() + 1000, s.marks.end(), [](uint8_t m) { return m == 1; }));
  s.options.showCandidates = true;  // candidates are worked out from the field, not kept by hand
  applyMove(s, {MoveKind::Enter, cell, 5});
  EXPECT_TRUE(std::all_of(s.marks.begin() + 1000, s.marks.end(), [](uint8_t m) { return m == 1; }));
}

}  // namespace seen_marks

}  // namespace
}  // namespace tessarix::testing
