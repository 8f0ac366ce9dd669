// Generating puzzles.
//
// A puzzle starts as a full field with every cell a clue. The cells are grouped into the sets
// that the half-turn and the transposition map onto themselves (four cells mostly, fewer on
// the axes); the sets are visited in a random order and each is taken away as long as the
// game's solver still finishes the clue-only field within the level's passes. The solver only
// places digits that follow from the clues, so a field it finishes has exactly one solution.
// Extrem goes on with half-turn pairs once no whole set can go any more.
//
// The passes a shuffled copy needs depend on the order the scan meets the cells in, so the
// level's bound is kept well below 15 and every finished puzzle is checked on a batch of
// shuffles before it is taken.
#include "puzzles/generator.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "logic/shuffle.h"
#include "logic/solver.h"
#include "logic/units.h"
#include "puzzles/clue_symmetry.h"
#include "puzzles/full_field.h"

namespace tessarix {

const LevelRecipe& levelRecipe(int level) {
  static const std::array<LevelRecipe, 4> recipes = {{
      {272, 298, 298, 0, 4, false, 1},  // Leicht
      {212, 238, 238, 5, 6, false, 1},  // Mittel
      {172, 193, 193, 7, 8, false, 1},  // Schwer
      {0, 0, 168, 9, 10, true, 3},      // Extrem: as few as the bounds allow
  }};
  return recipes[static_cast<size_t>(level)];
}

SolverRun solveClues(const CellArray& clues) {
  GameState s;
  s.board = clues;
  s.givens = clues;
  SolverRun run;
  run.passes = runPasses(s);
  run.finished = true;
  for (int i : cellUnits().cells)
    if (s.board[i] == 0) run.finished = false;
  return run;
}

namespace {

bool acceptable(const CellArray& clues, const LevelRecipe& recipe) {
  const SolverRun run = solveClues(clues);
  return run.finished && run.passes <= recipe.maxPasses;
}

// Takes away the sets of cells in a random order while the field stays acceptable and the
// count is above target. A set whose cells are already gone is skipped.
void removeSets(CellArray& clues, int& count, int target, const std::vector<std::vector<int>>& sets,
                const LevelRecipe& recipe, RandomSource& random) {
  std::vector<int> order(sets.size());
  for (size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
  for (size_t k = order.size(); k > 1; --k)
    std::swap(order[k - 1], order[static_cast<size_t>(random.randomInt(static_cast<int>(k)))]);
  for (int k : order) {
    if (count <= target) return;
    const std::vector<int>& set = sets[static_cast<size_t>(k)];
    if (clues[set[0]] == 0) continue;
    std::vector<uint8_t> kept;
    for (int i : set) {
      kept.push_back(clues[i]);
      setCellBoth(clues, i, 0);
    }
    if (acceptable(clues, recipe)) {
      count -= static_cast<int>(set.size());
    } else {
      for (size_t j = 0; j < set.size(); ++j) setCellBoth(clues, set[j], kept[j]);
    }
  }
}

}  // namespace

Puzzle carvePuzzle(const CellArray& full, const LevelRecipe& recipe, RandomSource& random) {
  CellArray clues = full;
  int count = static_cast<int>(distinctCellList().size());
  const int target =
      recipe.fewestClues + random.randomInt(recipe.mostClues - recipe.fewestClues + 1);
  removeSets(clues, count, target, symmetryOrbits(true), recipe, random);
  if (recipe.halfTurnOnly && count > target)
    removeSets(clues, count, target, symmetryOrbits(false), recipe, random);

  Puzzle p;
  p.clues = clues;
  p.clueCount = count;
  p.passes = solveClues(clues).passes;
  p.transposeSymmetric = cluesTransposeSymmetric(clues);
  return p;
}

int worstShuffledPasses(const CellArray& clues, int count, RandomSource& random, int stopAbove) {
  int worst = 0;
  for (int k = 0; k < count && worst <= stopAbove; ++k) {
    FieldPermutation p;
    const int cycles = random.randomInt(8) + 8;
    for (int c = 0; c < cycles; ++c) {
      if (k % 2 == 0)
        symmetricCycle(p, random);
      else
        freeCycle(p, random);
    }
    CellArray shuffled = clues;
    p.applyTo(shuffled);
    const SolverRun run = solveClues(shuffled);
    if (!run.finished) return maxPasses + 1;
    worst = std::max(worst, run.passes);
  }
  return worst;
}

Puzzle generatePuzzle(const LevelRecipe& recipe, RandomSource& random) {
  Puzzle best;
  for (int field = 0;; ++field) {
    const CellArray full = randomSolvedField(random);
    for (int k = 0; k < recipe.orders; ++k) {
      Puzzle p = carvePuzzle(full, recipe, random);
      if (p.clueCount > recipe.ceiling || p.passes < recipe.minPasses) continue;
      if (best.clueCount != 0 && p.clueCount >= best.clueCount) continue;
      p.worstShuffledPasses =
          worstShuffledPasses(p.clues, checkShuffles, random, shuffledPassLimit);
      if (p.worstShuffledPasses <= shuffledPassLimit) best = p;
    }
    // A field whose puzzles all keep too many clues, need too few passes, or whose shuffles
    // take too many passes, is given up for a new one.
    if (best.clueCount != 0) return best;
  }
}

GameState puzzleState(const Puzzle& puzzle) {
  GameState s;
  s.board = puzzle.clues;
  s.givens = puzzle.clues;
  return s;
}

}  // namespace tessarix
