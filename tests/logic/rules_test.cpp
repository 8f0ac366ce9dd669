// The rules on small hand-made fields: validity and dead ends, the check's messages, the
// wrong-entry count and the clock, and what deriving a solution leaves behind.
#include <gtest/gtest.h>

#include "logic/check.h"
#include "logic/solver.h"
#include "logic/validity.h"
#include "reference/random_fields.h"

namespace tessarix {
namespace {

void setBoth(CellArray& a, int grid, int col, int row, int v) {
  const int i = cellIndex(grid, col, row);
  a[i] = static_cast<uint8_t>(v);
  if (const int m = mirrorOf(i)) a[m] = static_cast<uint8_t>(v);
}

TEST(Validity, EmptyFieldIsValidWithoutDeadEnd) {
  CellArray empty{};
  EXPECT_TRUE(boardValid(empty));
  EXPECT_TRUE(noDeadEnd(empty));
}

TEST(Validity, DuplicatesCountOnlyInsideOneGrid) {
  CellArray b{};
  // Grid 4 and grid 6 both lie on global rows 12..20 but share no cell: no fault.
  b[cellIndex(4, 4, 5)] = 7;
  b[cellIndex(6, 4, 5)] = 7;
  EXPECT_TRUE(boardValid(b));
  b[cellIndex(4, 9, 5)] = 7;  // the same row of grid 4
  EXPECT_FALSE(boardValid(b));
  EXPECT_FALSE(noDeadEnd(b));  // with a duplicate no empty cell can take anything
}

TEST(Validity, LowerCopyAloneIsCheckedAgainstItsOwnGrid) {
  CellArray b{};
  // Grid 2's cell (7, 1) is the lower copy of grid 1's (1, 7). A 5 there, but not in grid 1.
  b[cellIndex(2, 7, 1)] = 5;
  b[cellIndex(1, 1, 9)] = 5;  // same column as the upper copy in grid 1: grid 1 sees no 5 twice
  EXPECT_TRUE(boardValid(b));
  b[cellIndex(2, 7, 5)] = 5;  // same column of grid 2
  EXPECT_FALSE(boardValid(b));
}

TEST(Validity, CellThatSeesAllNineDigitsIsADeadEnd) {
  CellArray b{};
  for (int c = 2; c <= 9; ++c) b[cellIndex(5, c, 5)] = static_cast<uint8_t>(c - 1);  // 1..8
  b[cellIndex(5, 1, 9)] = 9;
  ASSERT_TRUE(boardValid(b));
  EXPECT_FALSE(noDeadEnd(b));
  const CellArray before = b;
  noDeadEnd(b);
  EXPECT_EQ(b, before);
}

class CheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeededRandom rng(5);
    full = testing::randomFullField(rng);
    s = testing::puzzleFrom(full, rng, 50);
    s.solution = full;
  }
  // An empty non-clue cell, by its upper copy.
  int emptyCell() const {
    for (int i : testing::distinctCells())
      if (s.board[i] == 0) return i;
    return 0;
  }
  void check() {
    countDigits(s, s.digitCount);
    checkBoard(s);
  }
  CellArray full;
  GameState s;
};

TEST_F(CheckTest, FreshPuzzleHasNoErrors) {
  check();
  EXPECT_EQ(s.status, CheckOutcome::NoErrors);
  EXPECT_FALSE(s.boardComplete);
}

TEST_F(CheckTest, WrongEntryIsReported) {
  const int i = emptyCell();
  setBoth(s.board, cellGrid(i), cellCol(i), cellRow(i), full[i] % 9 + 1);
  check();
  EXPECT_EQ(s.status, CheckOutcome::WrongEntry);
  EXPECT_TRUE(anyWrongEntry(s));
  EXPECT_FALSE(s.boardComplete);
}

TEST_F(CheckTest, FullCorrectFieldIsSolvedWithAllCountsAt69) {
  s.board = full;
  check();
  EXPECT_EQ(s.status, CheckOutcome::Solved);
  EXPECT_TRUE(s.boardComplete);
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(s.digitCount[d], 69);
}

// A full correct field short of one entry is not solved, whichever digit is missing: every
// count from 1 to 9 must reach 69.
class MissingDigitTest : public CheckTest, public ::testing::WithParamInterface<int> {};

TEST_P(MissingDigitTest, FieldShortOfOneEntryIsNotSolved) {
  const int d = GetParam();
  s.board = full;
  int gap = 0;
  for (int i : testing::distinctCells())
    if (full[i] == d && s.givens[i] == 0) {
      gap = i;
      break;
    }
  ASSERT_NE(gap, 0);
  setBoth(s.board, cellGrid(gap), cellCol(gap), cellRow(gap), 0);
  check();
  EXPECT_EQ(s.digitCount[d], 68);
  EXPECT_FALSE(s.boardComplete);
  EXPECT_EQ(s.status, CheckOutcome::NoErrors);
  EXPECT_FALSE(isSolved(s.status));
}

INSTANTIATE_TEST_SUITE_P(EachDigit, MissingDigitTest, ::testing::Range(1, 10));

TEST_F(CheckTest, FullValidFieldIsSolvedEvenAgainstAnotherSolution) {
  s.board = full;
  for (int i : testing::distinctCells())  // relabel 1 <-> 2: another valid full field
    if (full[i] <= 2) setBoth(s.board, cellGrid(i), cellCol(i), cellRow(i), 3 - full[i]);
  for (int i : testing::distinctCells()) s.givens[i] = 0;
  syncSharedBoxes(s);
  check();
  // Solved, and its entries still differ from the derived solution (shown in red).
  EXPECT_EQ(s.status, CheckOutcome::SolvedDespiteWrongEntry);
  EXPECT_TRUE(isSolved(s.status));
}

TEST_F(CheckTest, NotSolvableWinsAndKeepsBoardComplete) {
  s.board = full;
  s.notSolvable = true;
  s.boardComplete = false;
  check();
  EXPECT_EQ(s.status, CheckOutcome::NotSolvable);
  EXPECT_FALSE(s.boardComplete);
}

TEST_F(CheckTest, LowerCopiesAreNeitherCountedNorChangedByTheCount) {
  const SharedPair& p = sharedPairs[0];
  const int u = cellIndex(p.upper, 1 + p.upperCol, 1 + p.upperRow);
  const int l = cellIndex(p.lower, 1 + p.lowerCol, 1 + p.lowerRow);
  s.board[u] = s.givens[u] = 0;
  s.board[l] = 0;
  s.givens[l] = 0;
  DigitCounts expected{};
  countDigits(s, expected);
  const int givens = countGivens(s);
  // A digit and a clue only in the lower copy: the count sees the upper copy, and leaves the
  // field as it was.
  s.board[l] = 4;
  s.givens[l] = 4;
  const GameState before = s;
  DigitCounts counts{};
  countDigits(s, counts);
  EXPECT_EQ(counts, expected);
  EXPECT_EQ(countGivens(s), givens);
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.givens, before.givens);
}

// Duplicate entries are the player's to make: a field of sevens counts 621 of them (not that
// number modulo 256), and the lower copies stay under 0.
TEST(CountDigits, AFieldOfSevensCountsEveryDistinctCell) {
  GameState s;
  s.board.fill(7);
  DigitCounts counts{};
  countDigits(s, counts);
  EXPECT_EQ(counts[7], distinctCells);
  EXPECT_EQ(counts[0], 729 - distinctCells);
  EXPECT_EQ(digitCountText(counts[7]), "621 ");
}

TEST(CheckTexts, WrongEntryLineAndCounts) {
  EXPECT_EQ(wrongEntryLine(0), "Fehler: 0/3");
  EXPECT_EQ(wrongEntryLine(3), "Fehler: 3/3");
  EXPECT_EQ(digitCountText(5), " 5 ");
  EXPECT_EQ(digitCountText(69), "69 ");
}

struct ClockLog : EntryListener {
  int voided = 0;
  void clockVoided() override { ++voided; }
};

TEST(EnterDigit, ThirdWrongEntryStopsTheClockOnceAndRedrawsCountNothing) {
  SeededRandom rng(8);
  GameState s;
  s.solution = testing::randomFullField(rng);
  s.clockRunning = true;
  ClockLog log;
  int placed = 0;
  for (int i : testing::distinctCells()) {
    if (placed == 4) break;
    setBoth(s.board, cellGrid(i), cellCol(i), cellRow(i), s.solution[i] % 9 + 1);
    enterDigit(s, cellGrid(i), cellCol(i), cellRow(i), s.board[i], true, &log);
    ++placed;
    EXPECT_EQ(s.clockRunning, placed < 3);
  }
  EXPECT_EQ(s.wrongCount, 4);
  EXPECT_EQ(log.voided, 1);
  // A redraw paints the wrong entries again without counting them.
  for (int i : testing::distinctCells())
    if (s.board[i]) enterDigit(s, cellGrid(i), cellCol(i), cellRow(i), s.board[i], false, &log);
  EXPECT_EQ(s.wrongCount, 4);
  EXPECT_EQ(log.voided, 1);
}

TEST(Derive, LeavesTheBoardAsItWasAndStartsTheCountAfresh) {
  SeededRandom rng(9);
  const CellArray full = testing::randomFullField(rng);
  GameState s = testing::solvablePuzzle(full, rng, 12);
  s.wrongCount = 2;
  const CellArray before = s.board;
  deriveSolution(s);
  EXPECT_EQ(s.board, before);
  EXPECT_EQ(s.solution, full);
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.wrongCount, 0);
}

TEST(Derive, WrongEntryFallsBackToTheCluesAlone) {
  SeededRandom rng(10);
  const CellArray full = testing::randomFullField(rng);
  GameState s = testing::solvablePuzzle(full, rng, 12);
  // A wrong entry after which the passes no longer fill the field.
  bool blocked = false;
  for (int i : testing::distinctCells()) {
    if (s.board[i] != 0) continue;
    setBoth(s.board, cellGrid(i), cellCol(i), cellRow(i), full[i] % 9 + 1);
    GameState probe = s;
    runPasses(probe);
    if (!boardFull(probe)) {
      blocked = true;
      break;
    }
    setBoth(s.board, cellGrid(i), cellCol(i), cellRow(i), 0);
  }
  ASSERT_TRUE(blocked);
  const CellArray before = s.board;
  deriveSolution(s);
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.solution, full);
  EXPECT_EQ(s.board, before);
}

TEST(Solve, SolvedFieldStaysAndReportsSolved) {
  SeededRandom rng(11);
  GameState s;
  s.board = testing::randomFullField(rng);
  s.solution = s.board;
  const CellArray before = s.board;
  EXPECT_EQ(solveBoard(s), 1);
  EXPECT_EQ(s.board, before);
  EXPECT_EQ(s.status, CheckOutcome::Solved);
  EXPECT_FALSE(s.boardChanged);
}

}  // namespace
}  // namespace tessarix
