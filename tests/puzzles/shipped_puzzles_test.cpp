// The sixteen puzzles shipped in data/: complete files, clean slots, finished by the solver
// within its 15 passes before and after shuffling, and levels that get harder.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <tuple>

#include "logic/check.h"
#include "logic/shuffle.h"
#include "logic/solver.h"
#include "logic/units.h"
#include "logic/validity.h"
#include "puzzles/clue_symmetry.h"
#include "puzzles/puzzle_file.h"

namespace tessarix {
namespace {

std::string shippedFile(int level) {
  return std::string(TESSARIX_DATA_DIR) + "/" + levelFileName(level);
}

GameState loadShipped(int level, int slot) {
  GameState s;
  const LoadResult r = loadSlot(shippedFile(level), slot, s);
  EXPECT_EQ(r.status, LoadStatus::Loaded) << r.message;
  EXPECT_TRUE(r.marksLoaded);
  return s;
}

// The clue-only field's passes; finished tells whether they filled it.
int cluePasses(const GameState& s, bool& finished) {
  GameState trial;
  trial.board = s.givens;
  trial.givens = s.givens;
  const int passes = runPasses(trial);
  finished = boardFull(trial) && boardValid(trial.board);
  return passes;
}

class ShippedSlot : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ShippedSlot, CleanPuzzleThatStaysSolvableWhenShuffled) {
  const auto [level, slot] = GetParam();
  const GameState s = loadShipped(level, slot);
  ASSERT_FALSE(HasFailure());

  EXPECT_EQ(s.board, s.givens);  // clues only, no entries
  EXPECT_EQ(s.marks, MarkArray{});
  for (int i : cellUnits().cells) {
    if (const int m = mirrorOf(i)) {
      EXPECT_EQ(s.givens[i], s.givens[m]);
    }
  }
  EXPECT_TRUE(boardValid(s.givens));
  EXPECT_TRUE(cluesHalfTurnSymmetric(s.givens));

  bool finished = false;
  const int passes = cluePasses(s, finished);
  EXPECT_TRUE(finished);
  EXPECT_LE(passes, maxPasses);

  // A new game shuffles first; the scan then meets the cells in another order.
  int worst = 0;
  for (uint32_t seed = 1; seed <= 256; ++seed) {
    GameState shuffled = s;
    shuffled.options.symmetryOn = seed % 2 == 0;
    SeededRandom rng(seed * 7919 + static_cast<uint32_t>(level * 4 + slot));
    shuffleBoard(shuffled, rng);
    EXPECT_FALSE(shuffled.notSolvable) << "seed " << seed;
    const int shuffledPasses = cluePasses(shuffled, finished);
    EXPECT_TRUE(finished) << "seed " << seed;
    worst = std::max(worst, shuffledPasses);
  }
  EXPECT_LE(worst, maxPasses);
  GameState counted = s;
  std::cout << "  " << levelFileName(level) << " slot " << slot << ": clues "
            << countGivens(counted) << ", passes " << passes << ", worst after 256 shuffles "
            << worst << "\n";
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, ShippedSlot,
                         ::testing::Combine(::testing::Range(0, 4), ::testing::Range(0, 4)));

TEST(ShippedLevels, CluesFallAndPassesRiseFromLeichtToExtrem) {
  int previousFewest = 1000, previousMostPasses = 0;
  for (int level = 0; level < 4; ++level) {
    int most = 0, fewest = 1000, fewestPasses = 100, mostPasses = 0;
    for (int slot = 0; slot < slotCount; ++slot) {
      GameState s = loadShipped(level, slot);
      const int clues = countGivens(s);
      most = std::max(most, clues);
      fewest = std::min(fewest, clues);
      bool finished = false;
      const int passes = cluePasses(s, finished);
      fewestPasses = std::min(fewestPasses, passes);
      mostPasses = std::max(mostPasses, passes);
    }
    EXPECT_LT(most, previousFewest) << levelFileName(level);
    EXPECT_GT(fewestPasses, previousMostPasses) << levelFileName(level);
    previousFewest = fewest;
    previousMostPasses = mostPasses;
  }
}

}  // namespace
}  // namespace tessarix
