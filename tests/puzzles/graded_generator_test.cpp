// Tests of the puzzles a new game deals with "Neue Rätsel erzeugen": the grading taken from the
// shipped level files, puzzles of every level within it, finished by the game's solver alone,
// symmetric or free as asked, and a generation that stops when it is told to.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "logic/check.h"
#include "logic/shuffle.h"
#include "logic/solver.h"
#include "logic/units.h"
#include "logic/validity.h"
#include "puzzles/clue_symmetry.h"
#include "puzzles/full_field.h"
#include "puzzles/graded_generator.h"
#include "puzzles/puzzle_file.h"

namespace tessarix {
namespace {

// The four puzzles of a shipped level file measured as the game measures them.
TEST(ShippedGrade, IsWhatTheShippedLevelFilesMeasure) {
  for (int level = 0; level < 4; ++level) {
    PuzzleGrade measured{1000, 0, 100, 0};
    for (int slot = 0; slot < slotCount; ++slot) {
      GameState s;
      const std::string file = std::string(TESSARIX_DATA_DIR) + "/" + levelFileName(level);
      ASSERT_EQ(loadSlot(file, slot, s).status, LoadStatus::Loaded) << file;
      const int clues = countGivens(s);
      const SolverRun run = solveClues(s.givens);
      ASSERT_TRUE(run.finished) << file << " slot " << slot;
      measured.fewestClues = std::min(measured.fewestClues, clues);
      measured.mostClues = std::max(measured.mostClues, clues);
      measured.fewestPasses = std::min(measured.fewestPasses, run.passes);
      measured.mostPasses = std::max(measured.mostPasses, run.passes);
    }
    const PuzzleGrade& g = shippedGrade(level);
    EXPECT_EQ(std::tie(g.fewestClues, g.mostClues, g.fewestPasses, g.mostPasses),
              std::tie(measured.fewestClues, measured.mostClues, measured.fewestPasses,
                       measured.mostPasses))
        << levelFileName(level);
  }
}

int distinctClues(const CellArray& clues) {
  int n = 0;
  for (int i : distinctCellList()) n += clues[i] != 0;
  return n;
}

// level, seed, symmetric
class GradedPuzzle : public ::testing::TestWithParam<std::tuple<int, uint32_t, bool>> {};

TEST_P(GradedPuzzle, FinishedByTheSolverAloneWithinTheLevelsGrade) {
  const auto [level, seed, symmetric] = GetParam();
  const PuzzleGrade& grade = shippedGrade(level);
  SeededRandom rng(seed);
  const std::optional<Puzzle> p = generateGraded(grade, symmetric, rng);
  ASSERT_TRUE(p.has_value());

  // Both copies of a shared cell hold the same clue, and the count is of distinct cells.
  for (int i : cellUnits().cells) {
    if (const int m = mirrorOf(i)) {
      EXPECT_EQ(p->clues[i], p->clues[m]);
    }
  }
  EXPECT_EQ(p->clueCount, distinctClues(p->clues));
  EXPECT_GE(p->clueCount, grade.fewestClues);
  EXPECT_LE(p->clueCount, grade.mostClues);

  // The solver only places what the clues force: a field it fills has one solution.
  GameState s = puzzleState(*p);
  EXPECT_TRUE(boardValid(s.board));
  const int passes = runPasses(s);
  EXPECT_TRUE(boardFull(s));
  EXPECT_TRUE(boardValid(s.board));
  EXPECT_EQ(passes, p->passes);
  EXPECT_GE(passes, grade.fewestPasses);
  EXPECT_LE(passes, grade.mostPasses);
  for (int i : cellUnits().cells) {
    if (p->clues[i] != 0) {
      EXPECT_EQ(s.board[i], p->clues[i]);
    }
  }

  if (symmetric) {
    EXPECT_TRUE(cluesHalfTurnSymmetric(p->clues));
  }

  // A new game shuffles it as the option says and derives its solution.
  GameState dealt = puzzleState(*p);
  dealt.options.symmetryOn = symmetric;
  SeededRandom shuffleRng(seed + 1000);
  shuffleBoard(dealt, shuffleRng);
  EXPECT_FALSE(dealt.notSolvable);
  if (symmetric) {
    EXPECT_TRUE(cluesHalfTurnSymmetric(dealt.givens));
  }

  // The same numbers give the same puzzle.
  SeededRandom again(seed);
  EXPECT_EQ(generateGraded(grade, symmetric, again)->clues, p->clues);
}

INSTANTIATE_TEST_SUITE_P(LevelsSeedsPatterns, GradedPuzzle,
                         ::testing::Combine(::testing::Range(0, 4), ::testing::Values(1u, 2u, 77u),
                                            ::testing::Bool()));

TEST(GradedPuzzle, FreePatternsAreNotAlwaysSymmetric) {
  // Single cells go one by one: the half-turn pattern of the symmetric mode is not forced.
  int asymmetric = 0;
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    SeededRandom rng(seed);
    asymmetric += !cluesHalfTurnSymmetric(generateGraded(shippedGrade(1), false, rng)->clues);
  }
  EXPECT_GT(asymmetric, 0);
}

// A source of random numbers that asks the generation to stop after a number of draws, as the
// game does from the other thread when a new command comes.
class StoppingRandom : public RandomSource {
 public:
  StoppingRandom(std::stop_source& stop, int draws) : stop_(stop), left_(draws) {}
  int randomInt(int n) override {
    if (--left_ == 0) stop_.request_stop();
    return inner_.randomInt(n);
  }

 private:
  std::stop_source& stop_;
  int left_;
  SeededRandom inner_{5};
};

TEST(GradedPuzzle, AStoppedGenerationGivesNothing) {
  std::stop_source before;
  before.request_stop();
  SeededRandom rng(1);
  EXPECT_FALSE(generateGraded(shippedGrade(3), true, rng, before.get_token()).has_value());

  // Stopped while the field is drawn, while the clues are taken away, while shuffles are checked.
  for (int draws : {10, 2000, 4000, 20000}) {
    std::stop_source stop;
    StoppingRandom stopping(stop, draws);
    EXPECT_FALSE(generateGraded(shippedGrade(3), true, stopping, stop.get_token()).has_value())
        << draws;
    EXPECT_TRUE(stop.stop_requested()) << draws;
  }
}

}  // namespace
}  // namespace tessarix
