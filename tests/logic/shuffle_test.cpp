// Tests of the shuffle (against the literal swap-by-swap shuffle) and of the two board resets.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "logic/board_resets.h"
#include "logic/check.h"
#include "logic/shuffle.h"
#include "logic/solver.h"
#include "logic/units.h"
#include "logic/validity.h"
#include "reference/random_fields.h"
#include "reference/reference_shuffle.h"
#include "reference/reference_solver.h"

namespace tessarix {
namespace {

using testing::randomFullField;

// ---------------------------------------------------------------------------------------------
// Helpers: the field's symmetries, shared copies, clue patterns

// Where cell (g, x, y) goes under the half-turn and under the transposition.
int halfTurn(int i) { return cellIndex(10 - cellGrid(i), 10 - cellCol(i), 10 - cellRow(i)); }
int transposed(int i) {
  static constexpr int gridImage[10] = {0, 4, 2, 7, 1, 5, 9, 3, 8, 6};
  return cellIndex(gridImage[cellGrid(i)], cellRow(i), cellCol(i));
}

template <class F> bool patternSymmetric(const CellArray& givens, F image) {
  for (int i : cellUnits().cells)
    if ((givens[i] != 0) != (givens[image(i)] != 0)) return false;
  return true;
}

bool copiesEqual(const CellArray& a) {
  for (int i : cellUnits().cells)
    if (const int m = mirrorOf(i); m != 0 && a[i] != a[m]) return false;
  return true;
}

void setBoth(CellArray& a, int i, uint8_t v) {
  a[i] = v;
  if (const int m = mirrorOf(i)) a[m] = v;
}

// A puzzle from a full field whose clue pattern is closed under the given images.
template <class... F>
GameState symmetricPuzzle(const CellArray& full, RandomSource& rng, int picks, F... images) {
  GameState s;
  for (int k = 0; k < picks; ++k) {
    std::vector<int> orbit = {cellUnits().cells[rng.randomInt(729)]};
    for (size_t j = 0; j < orbit.size(); ++j)
      for (int image : {images(orbit[j])...})
        if (std::find(orbit.begin(), orbit.end(), image) == orbit.end()) orbit.push_back(image);
    for (int i : orbit) {
      setBoth(s.board, i, full[i]);
      setBoth(s.givens, i, full[i]);
    }
  }
  return s;
}

// A puzzle cut at random that the solver finishes (a random cut can leave a pattern that two
// solutions share, which no deduction decides); its full field in full.
GameState solvablePuzzle(RandomSource& rng, CellArray& full, int keepPercent) {
  for (;;) {
    full = randomFullField(rng);
    GameState s = testing::puzzleFrom(full, rng, keepPercent);
    GameState trial = s;
    runPasses(trial);
    if (trial.board == full) return s;
  }
}

int cluesInGrid(const GameState& s, int g) {
  int n = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) n += s.givens[cellIndex(g, x, y)] != 0;
  return n;
}

// ---------------------------------------------------------------------------------------------
// The composed shuffle equals the literal one

class ShuffleGolden : public ::testing::TestWithParam<std::tuple<uint32_t, bool>> {};

TEST_P(ShuffleGolden, EqualsTheSwapBySwapShuffle) {
  const auto [seed, symmetric] = GetParam();
  SeededRandom fieldRng(seed * 7 + 1);
  const CellArray full = randomFullField(fieldRng);
  GameState s = testing::puzzleFrom(full, fieldRng, 45);
  testing::addEntries(s, full, fieldRng, 20, 10);
  s.board[0] = 7;  // index 0 is no cell and never moves
  s.options.symmetryOn = symmetric;
  s.setMark(3, 4, 5, 6, true);
  GameState literal = s;

  SeededRandom rng(seed), literalRng(seed);
  shuffleBoard(s, rng);
  reference::shuffleCycles(literal, literalRng);

  EXPECT_EQ(s.board, literal.board);
  EXPECT_EQ(s.givens, literal.givens);
  EXPECT_EQ(s.marks, MarkArray{});
  // Both drew the same random numbers: the next ones agree.
  for (int k = 0; k < 5; ++k) EXPECT_EQ(rng.randomInt(1000), literalRng.randomInt(1000));
}

INSTANTIATE_TEST_SUITE_P(Seeds, ShuffleGolden,
                         ::testing::Combine(::testing::Values(1u, 2u, 3u, 77u, 1234u, 99999u),
                                            ::testing::Bool()));

TEST(Shuffle, WholeShuffleEqualsTheLiteralOneWithItsDerivation) {
  SeededRandom fieldRng(5);
  const CellArray full = randomFullField(fieldRng);
  GameState s = testing::puzzleFrom(full, fieldRng, 60);
  testing::addEntries(s, full, fieldRng, 15, 20);
  s.wrongCount = 2;
  GameState literal = s;
  SeededRandom rng(11), literalRng(11);
  shuffleBoard(s, rng);
  reference::shuffleBoard(literal, literalRng);
  EXPECT_EQ(s.board, literal.board);
  EXPECT_EQ(s.givens, literal.givens);
  EXPECT_EQ(s.solution, literal.solution);
  EXPECT_EQ(s.notSolvable, literal.notSolvable);
  EXPECT_EQ(s.wrongCount, literal.wrongCount);
}

TEST(Shuffle, SingleOperationsMatchTheLiteralOnes) {
  // Each operation on its own, on a field with distinct values in every position of a grid
  // (so a wrong position shows), composed and applied once versus made on the arrays.
  GameState s;
  for (int i = 0; i < 1000; ++i) {
    s.board[i] = static_cast<uint8_t>(i % 10);
    s.givens[i] = static_cast<uint8_t>(i / 10 % 10);
  }
  SeededRandom rng(3);
  for (int step = 0; step < 300; ++step) {
    GameState literal = s;
    FieldPermutation p;
    const int g = rng.randomInt(9) + 1;
    const int a = rng.randomInt(9) + 1, b = rng.randomInt(9) + 1;
    const int sa = rng.randomInt(3) + 1, sb = rng.randomInt(3) + 1;
    switch (step % 4) {
      case 0: p.swapRows(g, a, b), reference::swapRows(literal, g, a, b); break;
      case 1: p.swapColumns(g, a, b), reference::swapColumns(literal, g, a, b); break;
      case 2: p.swapStacks(g, sa, sb), reference::swapStacks(literal, g, sa, sb); break;
      case 3: p.swapBands(g, sa, sb), reference::swapBands(literal, g, sa, sb); break;
    }
    p.applyTo(s.board);
    p.applyTo(s.givens);
    ASSERT_EQ(s.board, literal.board) << "step " << step;
    ASSERT_EQ(s.givens, literal.givens) << "step " << step;
  }
}

// ---------------------------------------------------------------------------------------------
// What a shuffle keeps

class ShuffleKeeps : public ::testing::TestWithParam<std::tuple<uint32_t, bool>> {};

TEST_P(ShuffleKeeps, ValidFullFieldAndSharedCopies) {
  const auto [seed, symmetric] = GetParam();
  SeededRandom fieldRng(seed + 100);
  GameState s;
  s.board = randomFullField(fieldRng);
  s.givens = s.board;
  s.options.symmetryOn = symmetric;
  SeededRandom rng(seed);
  shuffleBoard(s, rng);
  EXPECT_TRUE(boardValid(s.board));
  EXPECT_TRUE(copiesEqual(s.board));
  EXPECT_TRUE(copiesEqual(s.givens));
  EXPECT_TRUE(boardFull(s));
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.solution, s.board);
}

TEST_P(ShuffleKeeps, CluesEntriesAndTheSolution) {
  const auto [seed, symmetric] = GetParam();
  SeededRandom fieldRng(seed + 200);
  CellArray full;
  GameState s = solvablePuzzle(fieldRng, full, 70);
  testing::addEntries(s, full, fieldRng, 10, 0);  // right entries only
  s.options.symmetryOn = symmetric;
  s.wrongCount = 2;

  std::array<int, 10> cluesBefore{};
  for (int g = 1; g <= 9; ++g) cluesBefore[g] = cluesInGrid(s, g);
  int entriesBefore = 0, cluesTotal = countGivens(s);
  for (int i : cellUnits().cells) entriesBefore += s.board[i] != 0 && s.givens[i] == 0;

  // The same seed moves a full field exactly as it moves the puzzle.
  GameState fullState;
  fullState.board = full;
  fullState.options.symmetryOn = symmetric;
  SeededRandom rng(seed), fullRng(seed);
  shuffleBoard(s, rng);
  shuffleBoard(fullState, fullRng);

  for (int g = 1; g <= 9; ++g) EXPECT_EQ(cluesInGrid(s, g), cluesBefore[g]) << "grid " << g;
  EXPECT_EQ(countGivens(s), cluesTotal);
  int entriesAfter = 0;
  for (int i : cellUnits().cells) {
    entriesAfter += s.board[i] != 0 && s.givens[i] == 0;
    if (s.givens[i] != 0) {
      EXPECT_EQ(s.board[i], s.givens[i]);
    }
    if (s.board[i] != 0) {
      EXPECT_EQ(s.board[i], fullState.board[i]);
    }
  }
  EXPECT_EQ(entriesAfter, entriesBefore);
  EXPECT_TRUE(copiesEqual(s.board));
  EXPECT_TRUE(copiesEqual(s.givens));
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.solution, fullState.board);
  EXPECT_EQ(s.wrongCount, 0);  // deriveSolution starts the count afresh
}

INSTANTIATE_TEST_SUITE_P(Seeds, ShuffleKeeps,
                         ::testing::Combine(::testing::Values(4u, 8u, 15u, 16u, 23u, 42u),
                                            ::testing::Bool()));

TEST(Shuffle, SymmetricModeKeepsSymmetricCluePatterns) {
  SeededRandom fieldRng(9);
  const CellArray full = randomFullField(fieldRng);
  const GameState halfTurnOnly = symmetricPuzzle(full, fieldRng, 60, halfTurn);
  const GameState transposedOnly = symmetricPuzzle(full, fieldRng, 60, transposed);
  const GameState both = symmetricPuzzle(full, fieldRng, 40, halfTurn, transposed);
  ASSERT_TRUE(patternSymmetric(halfTurnOnly.givens, halfTurn));
  ASSERT_FALSE(patternSymmetric(halfTurnOnly.givens, transposed));
  ASSERT_TRUE(patternSymmetric(transposedOnly.givens, transposed));
  ASSERT_TRUE(patternSymmetric(both.givens, halfTurn) && patternSymmetric(both.givens, transposed));

  int freeBroke = 0;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    for (const GameState& start : {halfTurnOnly, transposedOnly, both}) {
      const bool h = patternSymmetric(start.givens, halfTurn);
      const bool t = patternSymmetric(start.givens, transposed);
      GameState s = start;
      SeededRandom rng(seed);
      shuffleBoard(s, rng);
      EXPECT_EQ(patternSymmetric(s.givens, halfTurn), h) << "seed " << seed;
      EXPECT_EQ(patternSymmetric(s.givens, transposed), t) << "seed " << seed;
      EXPECT_TRUE(copiesEqual(s.givens));

      // Without the option the sets go one by one and the pattern loses its symmetry.
      s = start;
      s.options.symmetryOn = false;
      SeededRandom freeRng(seed);
      shuffleBoard(s, freeRng);
      freeBroke += (h && !patternSymmetric(s.givens, halfTurn)) ||
                   (t && !patternSymmetric(s.givens, transposed));
      EXPECT_TRUE(copiesEqual(s.givens));
    }
  }
  EXPECT_GT(freeBroke, 30);
}

TEST(Shuffle, FreeModeAlsoSwapsTheCentreRowsFourAndFive) {
  // Grid 5's rows 4 to 6 and columns 4 to 6 belong to no other grid; in symmetric mode only
  // 4 and 6 are exchanged, so the middle row and column of the centre box stay where they are.
  GameState marked;
  for (int x = 1; x <= 9; ++x) marked.board[cellIndex(5, x, 5)] = 1;
  for (int y = 1; y <= 9; ++y) marked.board[cellIndex(5, 5, y)] = 2;
  bool moved = false;
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    for (bool symmetric : {true, false}) {
      GameState s = marked;
      s.options.symmetryOn = symmetric;
      SeededRandom rng(seed);
      shuffleBoard(s, rng);
      // Row 5 of grid 5 holds one digit in all of its cells but the crossing.
      const uint8_t rowDigit = s.board[cellIndex(5, 1, 5)];
      bool rowStays = rowDigit != 0;
      for (int x = 1; x <= 9; ++x)
        if (x != 5 && s.board[cellIndex(5, x, 5)] != rowDigit) rowStays = false;
      if (symmetric) {
        EXPECT_TRUE(rowStays) << "seed " << seed;
      } else {
        moved = moved || !rowStays;
      }
    }
  }
  EXPECT_TRUE(moved);
}

TEST(Shuffle, RelabelDigitsIsAPermutationAndKeepsEmptyCells) {
  SeededRandom fieldRng(12);
  const CellArray full = randomFullField(fieldRng);
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GameState s = testing::puzzleFrom(full, fieldRng, 50);
    const GameState before = s;
    SeededRandom rng(seed), mapRng(seed);
    reference::relabelDigits(s, rng);
    const std::array<uint8_t, 10> digitMap = drawDigitMap(mapRng);
    EXPECT_EQ(digitMap[0], 0);
    std::array<uint8_t, 10> sorted = digitMap;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::array<uint8_t, 10>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (int i : cellUnits().cells) {
      EXPECT_EQ(s.board[i], digitMap[before.board[i]]);
      EXPECT_EQ(s.givens[i], digitMap[before.givens[i]]);
    }
    EXPECT_TRUE(boardValid(s.board));
  }
}

TEST(Shuffle, EntriesThatLeadNowhereKeepTheCluesSolution) {
  // A wrong entry moves with the field; the solution comes from the clues alone then.
  SeededRandom fieldRng(31);
  CellArray full;
  GameState s = solvablePuzzle(fieldRng, full, 70);
  testing::addEntries(s, full, fieldRng, 30, 100);
  GameState fullState;
  fullState.board = full;
  SeededRandom rng(8), fullRng(8);
  shuffleBoard(s, rng);
  shuffleBoard(fullState, fullRng);
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.solution, fullState.board);
}

// ---------------------------------------------------------------------------------------------
// The resets

TEST(BoardReset, RestartRemovesEntriesOnly) {
  SeededRandom fieldRng(17);
  const CellArray full = randomFullField(fieldRng);
  GameState s = testing::puzzleFrom(full, fieldRng, 40);
  s.solution = full;
  const GameState clean = s;

  s.setMark(1, 1, 1, 1, true);
  restartBoard(s);  // no entries: only the marks go
  EXPECT_EQ(s.board, clean.board);
  EXPECT_EQ(s.givens, clean.givens);
  EXPECT_EQ(s.marks, MarkArray{});

  testing::addEntries(s, full, fieldRng, 50, 30);
  ASSERT_NE(s.board, clean.board);
  s.setMark(9, 9, 9, 9, true);
  s.notSolvable = true;
  restartBoard(s);
  EXPECT_EQ(s.board, clean.board);
  EXPECT_EQ(s.givens, clean.givens);
  EXPECT_EQ(s.solution, full);
  EXPECT_EQ(s.marks, MarkArray{});
  EXPECT_TRUE(s.notSolvable);
}

TEST(BoardReset, ClearEmptiesFieldCluesMarksAndSolution) {
  SeededRandom fieldRng(18);
  const CellArray full = randomFullField(fieldRng);
  GameState s = testing::puzzleFrom(full, fieldRng, 40);
  testing::addEntries(s, full, fieldRng, 50, 30);
  s.solution = full;
  s.notSolvable = true;
  s.setMark(2, 3, 4, 5, true);
  s.options.level = 2;
  clearBoard(s);
  EXPECT_EQ(s.board, CellArray{});
  EXPECT_EQ(s.givens, CellArray{});
  EXPECT_EQ(s.solution, CellArray{});
  EXPECT_EQ(s.marks, MarkArray{});
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.options.level, 2);
}

}  // namespace
}  // namespace tessarix
