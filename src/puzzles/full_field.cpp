// Drawing a full field: a backtracking search over the 621 distinct cells with a digit mask
// per unit. It always continues at the cell with the fewest digits left (ties broken by
// position), trying that cell's digits in a random order; should a search ever wander too
// long, it starts afresh with new random numbers.
#include "puzzles/full_field.h"

#include <bit>
#include <utility>

#include "logic/units.h"

namespace tessarix {

const std::vector<int>& distinctCellList() {
  static const std::vector<int> cells = [] {
    std::vector<int> list;
    for (int i : cellUnits().cells)
      if (leadingCopy(i) == i) list.push_back(i);
    return list;
  }();
  return cells;
}

void setCellBoth(CellArray& cells, int index, uint8_t v) {
  cells[index] = v;
  if (const int m = mirrorOf(index)) cells[m] = v;
}

namespace {

class FieldSearch {
 public:
  explicit FieldSearch(RandomSource& random) : random_(random), cells_(distinctCellList()) {}

  bool run(CellArray& board, long budget) {
    board_ = CellArray{};
    for (uint16_t& m : masks_) m = 0;
    budget_ = budget;
    filled_.assign(cells_.size(), false);
    if (!fill(0)) return false;
    board = board_;
    return true;
  }

 private:
  uint16_t used(int i) const {
    uint16_t u = 0;
    for (int k : cellUnits().seen[i]) u |= masks_[k];
    return u;
  }

  // Digit d in or out of cell i (both copies): its bit flips in the units of both copies.
  void toggle(int i, int d) {
    const uint16_t bit = static_cast<uint16_t>(1u << d);
    for (int k : cellUnits().seen[i])
      if (k != noUnit) masks_[k] ^= bit;
  }
  void place(int i, int d) {
    toggle(i, d);
    setCellBoth(board_, i, static_cast<uint8_t>(d));
  }
  void take(int i, int d) {
    toggle(i, d);
    setCellBoth(board_, i, 0);
  }

  bool fill(size_t depth) {
    if (depth == cells_.size()) return true;
    if (--budget_ < 0) return false;
    // The open cell with the fewest digits left.
    int best = -1, bestCount = 10;
    uint16_t bestFree = 0;
    for (size_t k = 0; k < cells_.size(); ++k) {
      if (filled_[k]) continue;
      const uint16_t free = static_cast<uint16_t>(allDigits & ~used(cells_[k]));
      const int n = std::popcount(free);
      if (n < bestCount) {
        best = static_cast<int>(k), bestCount = n, bestFree = free;
        if (n <= 1) break;
      }
    }
    if (bestCount == 0) return false;
    int digits[9], n = 0;
    for (int d = 1; d <= 9; ++d)
      if (bestFree >> d & 1) digits[n++] = d;
    for (int a = n - 1; a > 0; --a) std::swap(digits[a], digits[random_.randomInt(a + 1)]);
    const int i = cells_[best];
    filled_[best] = true;
    for (int a = 0; a < n; ++a) {
      place(i, digits[a]);
      if (fill(depth + 1)) return true;
      take(i, digits[a]);
      if (budget_ < 0) break;
    }
    filled_[best] = false;
    return false;
  }

  RandomSource& random_;
  const std::vector<int>& cells_;
  CellArray board_{};
  uint16_t masks_[unitCount + 1] = {};  // the extra entry is noUnit, which never holds a digit
  std::vector<bool> filled_;
  long budget_ = 0;
};

}  // namespace

CellArray randomSolvedField(RandomSource& random) {
  FieldSearch search(random);
  CellArray board;
  while (!search.run(board, 20000)) {
  }
  return board;
}

}  // namespace tessarix
