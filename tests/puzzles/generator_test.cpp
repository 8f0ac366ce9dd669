// Tests of the puzzle generator: full fields, symmetric clue removal, the level recipes and
// the check of shuffled copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "logic/check.h"
#include "logic/solver.h"
#include "logic/units.h"
#include "logic/validity.h"
#include "puzzles/clue_symmetry.h"
#include "puzzles/full_field.h"
#include "puzzles/generator.h"

namespace tessarix {
namespace {

bool copiesEqual(const CellArray& a) {
  for (int i : cellUnits().cells)
    if (const int m = mirrorOf(i); m != 0 && a[i] != a[m]) return false;
  return true;
}

int distinctClues(const CellArray& clues) {
  int n = 0;
  for (int i : distinctCellList()) n += clues[i] != 0;
  return n;
}

TEST(FullField, EveryGridValidSharedCopiesEqualAndFull) {
  std::set<CellArray> seen;
  for (uint32_t seed = 1; seed <= 8; ++seed) {
    SeededRandom rng(seed);
    const CellArray field = randomSolvedField(rng);
    EXPECT_TRUE(boardValid(field));
    EXPECT_TRUE(copiesEqual(field));
    GameState s;
    s.board = field;
    EXPECT_TRUE(boardFull(s)) << "seed " << seed;  // every digit in 69 distinct cells
    seen.insert(field);
    SeededRandom again(seed);
    EXPECT_EQ(randomSolvedField(again), field);
  }
  EXPECT_EQ(seen.size(), 8u);
}

TEST(ClueSymmetry, OrbitsCoverEveryDistinctCellOnce) {
  for (bool withTransposition : {false, true}) {
    std::multiset<int> cells;
    for (const auto& orbit : symmetryOrbits(withTransposition)) {
      EXPECT_LE(orbit.size(), withTransposition ? 4u : 2u);
      for (int i : orbit) {
        cells.insert(i);
        // The orbit holds the images of its cells.
        for (int image : {halfTurnImage(i), withTransposition ? transposedImage(i) : i})
          EXPECT_NE(std::find(orbit.begin(), orbit.end(), leadingCopy(image)), orbit.end());
      }
    }
    EXPECT_EQ(cells.size(), 621u);
    EXPECT_EQ(std::set<int>(cells.begin(), cells.end()).size(), 621u);
  }
  // Only the centre cell of grid 5 is its own half-turn image.
  int fixed = 0;
  for (const auto& orbit : symmetryOrbits(false)) fixed += orbit.size() == 1;
  EXPECT_EQ(fixed, 1);
}

TEST(Generator, CarvedCluesComeFromTheFieldAndDetermineIt) {
  SeededRandom rng(21);
  const CellArray full = randomSolvedField(rng);
  for (int level = 0; level < 4; ++level) {
    const LevelRecipe& recipe = levelRecipe(level);
    const Puzzle p = carvePuzzle(full, recipe, rng);
    EXPECT_EQ(p.clueCount, distinctClues(p.clues));
    EXPECT_TRUE(copiesEqual(p.clues));
    for (int i : cellUnits().cells) {
      if (p.clues[i] != 0) {
        EXPECT_EQ(p.clues[i], full[i]);
      }
    }
    // The solver fills in exactly the field the clues were taken from: one solution.
    GameState s;
    s.board = p.clues;
    s.givens = p.clues;
    const int passes = runPasses(s);
    EXPECT_EQ(s.board, full) << "level " << level;
    EXPECT_EQ(passes, p.passes);
    EXPECT_LE(passes, recipe.maxPasses);
    EXPECT_TRUE(cluesHalfTurnSymmetric(p.clues));
    EXPECT_EQ(cluesTransposeSymmetric(p.clues), p.transposeSymmetric);
  }
}

class GeneratorLevel : public ::testing::TestWithParam<int> {};

TEST_P(GeneratorLevel, PuzzleMeetsItsRecipe) {
  const int level = GetParam();
  const LevelRecipe& recipe = levelRecipe(level);
  SeededRandom rng(100 + static_cast<uint32_t>(level));
  const Puzzle p = generatePuzzle(recipe, rng);

  EXPECT_EQ(p.clueCount, distinctClues(p.clues));
  EXPECT_LE(p.clueCount, recipe.ceiling);
  // Removal stops on reaching the drawn count, so at most one set (four cells) below it.
  EXPECT_GE(p.clueCount, recipe.fewestClues - 3);
  const SolverRun run = solveClues(p.clues);
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(run.passes, p.passes);
  EXPECT_GE(p.passes, recipe.minPasses);
  EXPECT_LE(p.passes, recipe.maxPasses);
  EXPECT_LE(p.worstShuffledPasses, shuffledPassLimit);
  EXPECT_TRUE(cluesHalfTurnSymmetric(p.clues));
  if (!recipe.halfTurnOnly) {
    EXPECT_TRUE(cluesTransposeSymmetric(p.clues));
  }

  const GameState s = puzzleState(p);
  EXPECT_EQ(s.board, p.clues);
  EXPECT_EQ(s.givens, p.clues);
  EXPECT_EQ(s.marks, MarkArray{});

  SeededRandom again(100 + static_cast<uint32_t>(level));
  EXPECT_EQ(generatePuzzle(recipe, again).clues, p.clues);
}

INSTANTIATE_TEST_SUITE_P(Levels, GeneratorLevel, ::testing::Values(0, 1, 2, 3));

TEST(Generator, ShuffleCheckReportsAnUnfinishedField) {
  SeededRandom rng(3);
  const CellArray full = randomSolvedField(rng);
  EXPECT_EQ(worstShuffledPasses(full, 4, rng), 1);  // a full field: one pass that finds nothing
  CellArray empty{};
  EXPECT_EQ(worstShuffledPasses(empty, 4, rng), maxPasses + 1);
}

}  // namespace
}  // namespace tessarix
