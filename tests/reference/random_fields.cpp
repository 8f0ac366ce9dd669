// Building full fields by backtracking, and cutting and spoiling them for the tests.
#include "reference/random_fields.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "logic/check.h"
#include "logic/solver.h"
#include "logic/units.h"

namespace tessarix::testing {

namespace {
struct Filler {
  CellArray board{};
  uint16_t masks[unitCount] = {};
  std::vector<int> order;  // distinct cells (their upper copy) in fill order
  RandomSource& rng;

  explicit Filler(RandomSource& r) : rng(r) {
    for (int g = 1; g <= 9; ++g)
      for (int row = 1; row <= 9; ++row)
        for (int col = 1; col <= 9; ++col) {
          const int i = cellIndex(g, col, row);
          const int m = mirrorOf(i);
          if (m && cellGrid(m) < g) continue;  // filled with its upper copy
          order.push_back(i);
        }
  }
  uint16_t used(int i) const {
    const auto& t = cellUnits();
    uint16_t u = 0;
    for (int k : t.of[i]) u |= masks[k];
    if (const int m = mirrorOf(i))
      for (int k : t.of[m]) u |= masks[k];
    return u;
  }
  void set(int i, int d, bool on) {
    const auto& t = cellUnits();
    const uint16_t bit = static_cast<uint16_t>(1u << d);
    auto apply = [&](int c) {
      for (int k : t.of[c]) masks[k] = on ? (masks[k] | bit) : (masks[k] & ~bit);
      board[c] = on ? static_cast<uint8_t>(d) : 0;
    };
    apply(i);
    if (const int m = mirrorOf(i)) apply(m);
  }
  bool fill(size_t k) {
    if (k == order.size()) return true;
    const int i = order[k];
    const uint16_t free = static_cast<uint16_t>(~used(i) & allDigits);
    int digits[9], n = 0;
    for (int d = 1; d <= 9; ++d)
      if (free >> d & 1) digits[n++] = d;
    for (int a = n - 1; a > 0; --a) std::swap(digits[a], digits[rng.randomInt(a + 1)]);
    for (int a = 0; a < n; ++a) {
      set(i, digits[a], true);
      if (fill(k + 1)) return true;
      set(i, digits[a], false);
    }
    return false;
  }
};

}  // namespace

std::vector<int> distinctCells() {
  std::vector<int> cells;
  for (int i : cellUnits().cells) {
    const int m = mirrorOf(i);
    if (m && cellGrid(m) < cellGrid(i)) continue;
    cells.push_back(i);
  }
  return cells;
}

namespace {

void setBoth(CellArray& a, int i, uint8_t v) {
  a[i] = v;
  if (const int m = mirrorOf(i)) a[m] = v;
}
}  // namespace

CellArray randomFullField(RandomSource& rng) {
  Filler f(rng);
  f.fill(0);
  return f.board;
}

GameState puzzleFrom(const CellArray& full, RandomSource& rng, int keepPercent) {
  GameState s;
  for (int i : distinctCells())
    if (rng.randomInt(100) < keepPercent) {
      setBoth(s.board, i, full[i]);
      setBoth(s.givens, i, full[i]);
    }
  return s;
}

void addEntries(GameState& s, const CellArray& full, RandomSource& rng, int entryPercent,
                int wrongPercent) {
  for (int i : distinctCells()) {
    if (s.board[i] != 0 || rng.randomInt(100) >= entryPercent) continue;
    uint8_t v = full[i];
    if (rng.randomInt(100) < wrongPercent) v = static_cast<uint8_t>((v + rng.randomInt(8)) % 9 + 1);
    setBoth(s.board, i, v);
  }
}

void addDuplicate(GameState& s, RandomSource& rng) {
  // Copy the value of a filled cell into an empty cell of the same row of its grid.
  for (int tries = 0; tries < 1000; ++tries) {
    const int g = rng.randomInt(9) + 1, row = rng.randomInt(9) + 1;
    const int a = rng.randomInt(9) + 1, b = rng.randomInt(9) + 1;
    const int ia = cellIndex(g, a, row), ib = cellIndex(g, b, row);
    if (a == b || s.board[ia] == 0 || s.board[ib] != 0) continue;
    setBoth(s.board, ib, s.board[ia]);
    return;
  }
}

void unsyncSomeCopies(GameState& s, RandomSource& rng, int pairsToBreak) {
  for (int k = 0; k < pairsToBreak; ++k) {
    const SharedPair& p = sharedPairs[rng.randomInt(12)];
    const int c = rng.randomInt(3) + 1, r = rng.randomInt(3) + 1;
    const int u = cellIndex(p.upper, c + p.upperCol, r + p.upperRow);
    const int l = cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow);
    switch (rng.randomInt(3)) {
      case 0: s.board[l] = static_cast<uint8_t>(rng.randomInt(10)); break;
      case 1: s.board[l] = 0; break;
      default: s.board[u] = 0; break;
    }
  }
}

GameState solvablePuzzle(const CellArray& full, RandomSource& rng, int maxPasses) {
  GameState s;
  s.board = full;
  s.givens = full;
  std::vector<int> cells = distinctCells();
  for (size_t a = cells.size() - 1; a > 0; --a)
    std::swap(cells[a], cells[rng.randomInt(static_cast<int>(a) + 1)]);
  for (int i : cells) {
    GameState t = s;
    setBoth(t.board, i, 0);
    setBoth(t.givens, i, 0);
    GameState trial = t;
    if (runPasses(trial) <= maxPasses && boardFull(trial)) s = t;
  }
  return s;
}

GameState mixedField(RandomSource& rng, int kind) {
  const CellArray full = randomFullField(rng);
  GameState s;
  switch (kind) {
    case 0:  // a sparse or dense puzzle
      s = puzzleFrom(full, rng, 15 + rng.randomInt(80));
      break;
    case 1:  // right entries
      s = puzzleFrom(full, rng, 20 + rng.randomInt(50));
      addEntries(s, full, rng, 10 + rng.randomInt(60), 0);
      break;
    case 2:  // right and wrong entries
      s = puzzleFrom(full, rng, 20 + rng.randomInt(50));
      addEntries(s, full, rng, 10 + rng.randomInt(60), 5 + rng.randomInt(30));
      break;
    case 3:  // a duplicate
      s = puzzleFrom(full, rng, 20 + rng.randomInt(70));
      addDuplicate(s, rng);
      break;
    case 4:  // shared copies that disagree
      s = puzzleFrom(full, rng, 20 + rng.randomInt(70));
      unsyncSomeCopies(s, rng, 1 + rng.randomInt(6));
      break;
    case 5:  // full, or full but for a few cells
      s = puzzleFrom(full, rng, 100);
      for (int k = rng.randomInt(4); k > 0; --k) {
        const std::vector<int> cells = distinctCells();
        setBoth(s.board, cells[rng.randomInt(static_cast<int>(cells.size()))], 0);
      }
      break;
    case 6:  // empty
      break;
    case 7:  // scribbled: random digits anywhere, copies and all
      for (int n = rng.randomInt(60); n > 0; --n) {
        const int i = cellUnits().cells[rng.randomInt(729)];
        s.board[i] = static_cast<uint8_t>(rng.randomInt(10));
      }
      break;
    default:  // a puzzle the solver finishes, with a few entries
      s = puzzleFrom(full, rng, 45 + rng.randomInt(40));
      addEntries(s, full, rng, rng.randomInt(20), rng.randomInt(2) * 50);
      break;
  }
  switch (rng.randomInt(3)) {
    case 0: s.solution = full; break;
    case 1: break;
    default: {
      GameState derived = s;
      deriveSolution(derived);
      s.solution = derived.solution;
      break;
    }
  }
  s.wrongCount = rng.randomInt(4);
  s.clockRunning = rng.randomInt(2) == 0;
  return s;
}

}  // namespace tessarix::testing
