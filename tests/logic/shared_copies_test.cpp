// The twelve shared boxes: their cells, the leading copy, and keeping both stored copies in
// step for the board, the clues and the marks.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "logic/game_state.h"

namespace tessarix {
namespace {

// Every cell copy of the nine grids.
template <class F> void forEachCellCopy(F f) {
  for (int g = 1; g <= 9; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) f(cellIndex(g, c, r));
}

TEST(SharedCells, EachPairIsOneGlobalPositionLedByTheLowerNumberedGrid) {
  std::set<int> seen;
  int pairs = 0;
  forEachSharedCell([&](int upper, int lower) {
    ++pairs;
    EXPECT_LT(cellGrid(upper), cellGrid(lower));
    EXPECT_EQ(gridOffsetX[cellGrid(upper)] + cellCol(upper),
              gridOffsetX[cellGrid(lower)] + cellCol(lower));
    EXPECT_EQ(gridOffsetY[cellGrid(upper)] + cellRow(upper),
              gridOffsetY[cellGrid(lower)] + cellRow(lower));
    EXPECT_EQ(mirrorOf(upper), lower);
    EXPECT_EQ(mirrorOf(lower), upper);
    EXPECT_EQ(leadingCopy(upper), upper);
    EXPECT_EQ(leadingCopy(lower), upper);
    EXPECT_TRUE(seen.insert(upper).second) << upper;
    EXPECT_TRUE(seen.insert(lower).second) << lower;
  });
  EXPECT_EQ(pairs, 12 * 9);
  int distinct = 0;
  forEachCellCopy([&](int i) {
    if (!seen.count(i)) {
      EXPECT_EQ(mirrorOf(i), 0) << i;
      EXPECT_EQ(leadingCopy(i), i) << i;
    }
    distinct += leadingCopy(i) == i;
  });
  EXPECT_EQ(distinct, distinctCells);
}

// A state with a different value in every array position, so a copy from the wrong place
// shows.
GameState scrambled() {
  GameState s;
  for (int i = 0; i < 1000; ++i) {
    s.board[i] = static_cast<uint8_t>(i % 10);
    s.givens[i] = static_cast<uint8_t>((i / 10 + i) % 10);
  }
  for (int i = 0; i < 10000; ++i) s.marks[i] = static_cast<uint8_t>((i * 7 / 3) % 2);
  return s;
}

TEST(SharedCells, SyncingCopiesTheUpperIntoTheLowerAndTouchesNothingElse) {
  const GameState before = scrambled();
  GameState synced = before, emptied = before;
  syncSharedBoxes(synced);
  unsyncSharedBoxes(emptied);
  std::set<int> lowers;
  forEachSharedCell([&](int upper, int lower) {
    lowers.insert(lower);
    EXPECT_EQ(synced.board[lower], before.board[upper]);
    EXPECT_EQ(synced.givens[lower], before.givens[upper]);
    EXPECT_EQ(emptied.board[lower], 0);
    EXPECT_EQ(emptied.givens[lower], 0);
  });
  for (int i = 0; i < 1000; ++i) {
    if (lowers.count(i)) continue;
    EXPECT_EQ(synced.board[i], before.board[i]) << i;
    EXPECT_EQ(synced.givens[i], before.givens[i]) << i;
    EXPECT_EQ(emptied.board[i], before.board[i]) << i;
    EXPECT_EQ(emptied.givens[i], before.givens[i]) << i;
  }
  EXPECT_EQ(synced.marks, before.marks);
  EXPECT_EQ(emptied.marks, before.marks);
}

TEST(SharedCells, MarkSyncSetsAndClearsEveryDigitOfTheLowerCopy) {
  const GameState before = scrambled();
  GameState s = before;
  syncSharedMarks(s);
  std::set<int> lowers;
  int set = 0, cleared = 0;
  forEachSharedCell([&](int upper, int lower) {
    lowers.insert(lower);
    for (int d = 1; d <= 9; ++d) {
      EXPECT_EQ(s.marks[lower + 1000 * d], before.marks[upper + 1000 * d]) << lower << " " << d;
      set += before.marks[upper + 1000 * d] && !before.marks[lower + 1000 * d];
      cleared += !before.marks[upper + 1000 * d] && before.marks[lower + 1000 * d];
    }
  });
  // The scrambled marks disagree both ways, so both directions were exercised.
  EXPECT_GT(set, 0);
  EXPECT_GT(cleared, 0);
  for (int i = 0; i < 10000; ++i) {
    if (lowers.count(i % 1000) && i >= 1000) continue;
    EXPECT_EQ(s.marks[i], before.marks[i]) << i;
  }
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.givens, before.givens);
}

}  // namespace
}  // namespace tessarix
