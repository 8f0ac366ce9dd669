// The keyboard cursor's steps over the field as it lies on the screen: within a grid, across
// the edge into a neighbour, over the holes of the diamond, and to a stop at the field's edge.
#include "logic/cursor_moves.h"

#include <gtest/gtest.h>

#include <set>

#include "logic/geometry.h"

namespace tessarix {
namespace {

struct Step {
  const char* what;
  int from;
  CursorDirection direction;
  int to;
};

constexpr auto L = CursorDirection::Left, R = CursorDirection::Right, U = CursorDirection::Up,
               D = CursorDirection::Down;

TEST(CursorMoves, StepsAcrossEdgesAndHoles) {
  const Step steps[] = {
      {"within grid 5", cellIndex(5, 5, 5), R, cellIndex(5, 6, 5)},
      {"over the hole between grids 5 and 6", cellIndex(5, 9, 5), R, cellIndex(6, 1, 5)},
      {"back over it", cellIndex(6, 1, 5), L, cellIndex(5, 9, 5)},
      {"down from grid 1 over the hole into grid 5", cellIndex(1, 5, 9), D, cellIndex(5, 5, 1)},
      {"down from grid 1 into grid 2 beside its shared box", cellIndex(1, 1, 9), D,
       cellIndex(2, 7, 4)},
      {"up from grid 2 into the box it shares with grid 1: the upper copy", cellIndex(2, 7, 4), U,
       cellIndex(1, 1, 9)},
      {"from a lower copy: its place, then the next one", cellIndex(2, 7, 1), D,
       cellIndex(1, 1, 8)},
      {"top edge of the field", cellIndex(1, 5, 1), U, cellIndex(1, 5, 1)},
      {"left edge of the field", cellIndex(4, 1, 5), L, cellIndex(4, 1, 5)},
      {"nothing to the right of grid 1's top row", cellIndex(1, 9, 1), R, cellIndex(1, 9, 1)},
      {"bottom edge of the field", cellIndex(9, 5, 9), D,
       cellIndex(9, 5, 9)},
  };
  for (const Step& s : steps) EXPECT_EQ(cursorStep(s.from, s.direction), s.to) << s.what;
  EXPECT_EQ(cursorStartCell(), cellIndex(5, 5, 5));
}

// Walking right from the first cell of every row of the figure visits each of the 621
// distinct cells exactly once, always as its leading copy, left to right on the screen.
TEST(CursorMoves, RowWalksVisitEveryCellOnce) {
  std::set<int> seen;
  int visits = 0;
  for (int y = 0; y < 33; ++y) {
    // The leftmost cell of figure row y.
    int first = 0, firstX = 99;
    for (int g = 1; g <= 9; ++g)
      if (y >= gridOffsetY[g] && y < gridOffsetY[g] + 9 && gridOffsetX[g] < firstX) {
        firstX = gridOffsetX[g];
        first = leadingCopy(cellIndex(g, 1, y - gridOffsetY[g] + 1));
      }
    ASSERT_NE(first, 0);
    EXPECT_EQ(cursorStep(first, L), first);
    int cell = first, lastX = -1;
    for (;;) {
      ++visits;
      seen.insert(cell);
      EXPECT_EQ(leadingCopy(cell), cell);
      const int x = gridOffsetX[cellGrid(cell)] + cellCol(cell) - 1;
      EXPECT_GT(x, lastX);
      EXPECT_EQ(gridOffsetY[cellGrid(cell)] + cellRow(cell) - 1, y);
      lastX = x;
      const int next = cursorStep(cell, R);
      if (next == cell) break;
      cell = next;
    }
  }
  EXPECT_EQ(visits, distinctCells);
  EXPECT_EQ(seen.size(), static_cast<size_t>(distinctCells));
}

}  // namespace
}  // namespace tessarix
