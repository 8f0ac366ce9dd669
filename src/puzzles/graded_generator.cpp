// Puzzles of a level's grading.
//
// The clues of a full field are taken away in sets, in a random order: half-turn pairs for a
// symmetric pattern, single cells for a free one. A set goes when the game's solver still
// finishes the field within the grade's most passes and the count stays within its fewest
// clues; removal stops at a count drawn from the grade's range. A carving that ends with too
// many clues or too few passes is tried again in another order, a few times, then on a new field.
#include "puzzles/graded_generator.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "puzzles/clue_symmetry.h"
#include "puzzles/full_field.h"

namespace tessarix {

const PuzzleGrade& shippedGrade(int level) {
  // Measured on data/*.trx (tests/puzzles/graded_generator_test.cpp measures them again).
  static const std::array<PuzzleGrade, 4> grades = {{
      {271, 290, 2, 3},   // Leicht
      {210, 224, 5, 5},   // Mittel
      {182, 186, 7, 8},   // Schwer
      {160, 162, 9, 10},  // Extrem
  }};
  return grades[static_cast<size_t>(level)];
}

namespace {

// Removal orders tried on one full field before it is given up.
constexpr int ordersPerField = 4;
// The runs of sets taken away at once: the first, and the longest.
constexpr size_t firstRun = 8;
constexpr size_t longestRun = 32;

const std::vector<std::vector<int>>& singleCells() {
  static const std::vector<std::vector<int>> sets = [] {
    std::vector<std::vector<int>> s;
    for (int i : distinctCellList()) s.push_back({i});
    return s;
  }();
  return sets;
}

class Carver {
 public:
  Carver(const PuzzleGrade& grade, bool symmetric, RandomSource& random, std::stop_token stop)
      : grade_(grade),
        sets_(symmetric ? symmetryOrbits(false) : singleCells()),
        random_(random),
        stop_(std::move(stop)) {}

  // The clues left of full in one random order, or nothing when they miss the grade.
  std::optional<Puzzle> carve(const CellArray& full) {
    CellArray clues = full;
    int count = static_cast<int>(distinctCellList().size());
    const int target =
        grade_.fewestClues + random_.randomInt(grade_.mostClues - grade_.fewestClues + 1);
    std::vector<int> order(sets_.size());
    for (size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
    for (size_t k = order.size(); k > 1; --k)
      std::swap(order[k - 1], order[static_cast<size_t>(random_.randomInt(static_cast<int>(k)))]);
    // The sets go in runs: while removals keep succeeding the runs grow, so that the many
    // cells an early field can spare cost one solver run per run rather than one each; after
    // a run the solver does not finish, the sets are tried one at a time (a single set that
    // fails stays) and the runs grow again from there.
    int passes = 0;
    size_t next = 0;
    size_t run = firstRun;
    std::vector<int> taken;
    // A field that the solver still finishes in fewer passes than the grade asks goes on
    // below the drawn count, towards the fewest clues.
    auto goOn = [&] {
      return count > target || (passes < grade_.fewestPasses && count > grade_.fewestClues);
    };
    while (next < order.size() && goOn() && !stop_.stop_requested()) {
      taken.clear();
      int removed = 0;
      size_t k = next;
      for (; k < order.size() && taken.size() < run && (removed == 0 || count - removed > target);
           ++k) {
        const int size = static_cast<int>(sets_[static_cast<size_t>(order[k])].size());
        // A set that would leave too few clues never fits later either: it stays.
        if (count - removed - size < grade_.fewestClues) continue;
        taken.push_back(order[k]);
        removed += size;
      }
      for (int t : taken)
        for (int i : sets_[static_cast<size_t>(t)]) setCellBoth(clues, i, 0);
      const SolverRun solved = solveClues(clues);
      if (solved.finished && solved.passes <= grade_.mostPasses) {
        count -= removed;
        if (!taken.empty()) passes = solved.passes;
        next = k;
        run = std::min(run * 2, longestRun);
        continue;
      }
      for (int t : taken)
        for (int i : sets_[static_cast<size_t>(t)]) setCellBoth(clues, i, full[i]);
      // A run that fails is taken apart set by set: most of the time a single set spoils it.
      if (taken.size() == 1) next = k;
      run = 1;
    }
    if (stop_.stop_requested() || count > grade_.mostClues || passes < grade_.fewestPasses)
      return std::nullopt;
    Puzzle p;
    p.clues = clues;
    p.clueCount = count;
    p.passes = passes;
    p.transposeSymmetric = cluesTransposeSymmetric(clues);
    return p;
  }

 private:
  const PuzzleGrade& grade_;
  const std::vector<std::vector<int>>& sets_;
  RandomSource& random_;
  std::stop_token stop_;
};

}  // namespace

std::optional<Puzzle> generateGraded(const PuzzleGrade& grade, bool symmetric, RandomSource& random,
                                     std::stop_token stop) {
  Carver carver(grade, symmetric, random, stop);
  while (!stop.stop_requested()) {
    const CellArray full = randomSolvedField(random);
    for (int k = 0; k < ordersPerField && !stop.stop_requested(); ++k) {
      std::optional<Puzzle> p = carver.carve(full);
      if (!p) continue;
      p->worstShuffledPasses =
          worstShuffledPasses(p->clues, checkShuffles, random, shuffledPassLimit);
      if (stop.stop_requested()) break;
      if (p->worstShuffledPasses <= shuffledPassLimit) return p;
    }
  }
  return std::nullopt;
}

}  // namespace tessarix
