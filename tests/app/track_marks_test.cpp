// Pencil marks that keep themselves ("Markierungen nachführen"): a value entered through the
// keypad, by the hint or by redo takes its mark from the cells that see the cell, on the
// screen too; the entry and those marks are one step of the history; clearing the entry puts
// nothing back; an own-board clue does the same.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "play_fixture.h"

namespace tessarix::testing {
namespace {

constexpr int undoKey = 'Z' | keys::ctrl;
constexpr int redoKey = 'Y' | keys::ctrl;

bool markOf(const GameState& s, int cell, int d) { return s.marks[cell + 1000 * d] != 0; }

// A cell that sees `cell` (the same row of its grid) and is empty, and one far away.
int emptyNeighbour(const GameState& s, int cell) {
  for (int c = 1; c <= 9; ++c) {
    const int i = cellIndex(cellGrid(cell), c, cellRow(cell));
    if (i != cell && s.board[i] == 0 && leadingCopy(i) == i) return i;
  }
  return 0;
}

TEST_F(PlayTest, AnEntryTakesItsMarkFromTheCellsAroundInOneStep) {
  game->menuEvent(menu::TrackMarks);
  EXPECT_TRUE(platform.checks[menu::TrackMarks]);
  startPuzzle();
  GameState& s = game->state();
  typeKey('F');  // every mark set
  const int cell = emptyPlainCell(0);
  const int d = solutionOf(cell);
  const int near = emptyNeighbour(s, cell);
  ASSERT_NE(near, 0);
  int far = 0;
  for (int i : emptyCells())
    if (cellGrid(i) != cellGrid(cell) && mirrorOf(i) == 0) far = i;
  ASSERT_NE(far, 0);
  ASSERT_TRUE(markShown(near, d));

  enter(cell, d);
  EXPECT_FALSE(markOf(s, near, d));
  EXPECT_FALSE(markShown(near, d));
  EXPECT_TRUE(markOf(s, far, d));
  EXPECT_TRUE(markShown(far, d));
  EXPECT_TRUE(markShown(near, d % 9 + 1));  // another value's mark stays

  // One Ctrl+Z: the entry and the marks come back together.
  typeKey(undoKey);
  EXPECT_EQ(s.board[cell], 0);
  EXPECT_TRUE(markOf(s, near, d));
  EXPECT_TRUE(markShown(near, d));
  typeKey(redoKey);
  EXPECT_EQ(s.board[cell], d);
  EXPECT_FALSE(markOf(s, near, d));
  EXPECT_FALSE(markShown(near, d));

  // Clearing the entry puts no mark back.
  clickCell(MouseButton::Right, cell);
  EXPECT_EQ(s.board[cell], 0);
  EXPECT_FALSE(markOf(s, near, d));
}

TEST_F(PlayTest, WithTheOptionOffOrCandidatesShownMarksStayAsBefore) {
  startPuzzle();
  GameState& s = game->state();
  typeKey('F');
  const int cell = emptyPlainCell(0);
  const int d = solutionOf(cell);
  const int near = emptyNeighbour(s, cell);
  enter(cell, d);
  EXPECT_TRUE(markOf(s, near, d));
  EXPECT_TRUE(markShown(near, d));
}

TEST_F(PlayTest, TheHintsValueTakesItsMarksToo) {
  game->menuEvent(menu::TrackMarks);
  startPuzzle();
  GameState& s = game->state();
  typeKey('F');
  typeKey('T');
  const int cell = game->hintCell();
  ASSERT_NE(cell, 0);
  typeKey('T');  // the value goes in
  const int d = s.board[cell];
  ASSERT_NE(d, 0);
  const int near = emptyNeighbour(s, cell);
  ASSERT_NE(near, 0);
  EXPECT_FALSE(markOf(s, near, d));
  EXPECT_FALSE(markShown(near, d));
}

TEST_F(PlayTest, AnOwnBoardClueTakesItsMarks) {
  game->menuEvent(menu::TrackMarks);
  game->menuEvent(menu::ClearBoard);
  GameState& s = game->state();
  s.marks.fill(1);
  game->menuEvent(menu::OwnBoard);
  const int a = cellIndex(1, 1, 7);  // shared with grid 2
  enter(a, 3);
  ASSERT_EQ(s.givens[a], 3);
  EXPECT_FALSE(markOf(s, cellIndex(1, 9, 7), 3));  // its row in grid 1
  const int m = mirrorOf(a);
  EXPECT_FALSE(markOf(s, cellIndex(2, 1, cellRow(m)), 3));  // its row in grid 2
  EXPECT_TRUE(markOf(s, cellIndex(9, 5, 5), 3));
  EXPECT_TRUE(markOf(s, cellIndex(1, 9, 7), 4));
}

}  // namespace
}  // namespace tessarix::testing
