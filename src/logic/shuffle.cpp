// Shuffling a field into an equivalent one.
//
// A cycle is a fixed list of swap sets. Each set exchanges two adjacent global rows (or
// columns) of the 33 x 33 figure in every grid that holds them, so both copies of a shared box
// move together; in symmetric mode each set also carries its images under the half-turn and
// the transposition. The swaps and the relabelling only move cells inside their grid and
// rename digits, so instead of moving 2 x 729 bytes per swap we compose, per grid, where each
// row and column takes its contents from, and the overall digit map, and apply them once. The
// random numbers are drawn exactly as the swap-by-swap order draws them.
#include "logic/shuffle.h"

#include <utility>

#include "logic/solver.h"

namespace tessarix {

std::array<uint8_t, 10> drawDigitMap(RandomSource& random) {
  // Digit i takes the first drawn digit that no earlier one took; a taken digit is drawn
  // again. Whether a draw is taken cannot be foreseen, so it moves the count on instead of
  // steering a branch: the loop only ends once, after the ninth.
  std::array<uint8_t, 10> digitMap{};
  std::array<uint8_t, 10> digitFree;
  digitFree.fill(1);
  for (int i = 1; i <= 9;) {
    const int d = random.randomInt(9) + 1;
    const uint8_t free = digitFree[d];
    digitMap[i] = free ? static_cast<uint8_t>(d) : digitMap[i];
    digitFree[d] = 0;
    i += free;
  }
  return digitMap;
}

// ---------------------------------------------------------------------------------------------
// The composed permutation

FieldPermutation::FieldPermutation() {
  for (int g = 0; g <= 9; ++g)
    for (int i = 0; i <= 9; ++i) {
      rowFrom[g][i] = static_cast<uint8_t>(i);
      colFrom[g][i] = static_cast<uint8_t>(i);
    }
  for (int d = 0; d <= 9; ++d) digitTo[d] = static_cast<uint8_t>(d);
}

void FieldPermutation::swapRows(int grid, int y1, int y2) {
  std::swap(rowFrom[grid][y1], rowFrom[grid][y2]);
}

void FieldPermutation::swapColumns(int grid, int x1, int x2) {
  std::swap(colFrom[grid][x1], colFrom[grid][x2]);
}

void FieldPermutation::swapStacks(int grid, int s1, int s2) {
  for (int c = 1; c <= 3; ++c) swapColumns(grid, 3 * (s1 - 1) + c, 3 * (s2 - 1) + c);
}

void FieldPermutation::swapBands(int grid, int b1, int b2) {
  for (int c = 1; c <= 3; ++c) swapRows(grid, 3 * (b1 - 1) + c, 3 * (b2 - 1) + c);
}

void FieldPermutation::relabel(const std::array<uint8_t, 10>& digitMap) {
  for (int d = 1; d <= 9; ++d) digitTo[d] = digitMap[digitTo[d]];
}

void FieldPermutation::applyTo(CellArray& cells) const {
  std::array<uint8_t, 256> value;
  for (int v = 0; v < 256; ++v) value[v] = static_cast<uint8_t>(v);
  for (int d = 0; d <= 9; ++d) value[d] = digitTo[d];
  const CellArray old = cells;
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        cells[cellIndex(g, x, y)] = value[old[cellIndex(g, colFrom[g][x], rowFrom[g][y])]];
}

// ---------------------------------------------------------------------------------------------
// The cycles

namespace {

bool coin(RandomSource& random) { return random.randomInt(2) == 0; }
int drawR(RandomSource& random) { return random.randomInt(2) + 1; }

// Swaps made always (symmetric cycles) or as a coin said (free cycles). A coin falls either way
// as often, so a branch on it would be mispredicted half the time: the gated swaps exchange
// through a mask instead.
struct Always {
  FieldPermutation& p;
  void rows(int g, int a, int b) { p.swapRows(g, a, b); }
  void columns(int g, int a, int b) { p.swapColumns(g, a, b); }
};
struct Gated {
  FieldPermutation& p;
  uint8_t mask = 0;  // 0xFF: swap
  Gated& when(bool on) {
    mask = static_cast<uint8_t>(-static_cast<int>(on));
    return *this;
  }
  static void exchange(uint8_t& x, uint8_t& y, uint8_t mask) {
    const uint8_t t = static_cast<uint8_t>((x ^ y) & mask);
    x = static_cast<uint8_t>(x ^ t);
    y = static_cast<uint8_t>(y ^ t);
  }
  void rows(int g, int a, int b) { exchange(p.rowFrom[g][a], p.rowFrom[g][b], mask); }
  void columns(int g, int a, int b) { exchange(p.colFrom[g][a], p.colFrom[g][b], mask); }
};

// The swap sets of a cycle. r is 1 or 2; each set swaps two adjacent rows or columns inside a
// band or stack. Set names follow the order of the cycle: A, B, C, the centre, D, the blocks.

// A: the outer rows of grids 1 and 9, the outer columns of grids 4 and 6.
template <class S> void setA1(S&& p, int r) { p.rows(1, r, r + 1); }
template <class S> void setA2(S&& p, int r) { p.rows(9, 10 - r, 9 - r); }
template <class S> void setA3(S&& p, int r) { p.columns(4, r, r + 1); }
template <class S> void setA4(S&& p, int r) { p.columns(6, 10 - r, 9 - r); }

// B: the global rows through the shared boxes of grid 1 with 2 and 3 (and their images).
template <class S> void setB1(S&& p, int r) {
  p.rows(2, r, r + 1);
  p.rows(1, r + 6, r + 7);
  p.rows(3, r, r + 1);
}
template <class S> void setB2(S&& p, int r) {
  p.rows(7, 10 - r, 9 - r);
  p.rows(9, 4 - r, 3 - r);
  p.rows(8, 10 - r, 9 - r);
}
template <class S> void setB3(S&& p, int r) {
  p.columns(2, r, r + 1);
  p.columns(4, r + 6, r + 7);
  p.columns(7, r, r + 1);
}
template <class S> void setB4(S&& p, int r) {
  p.columns(3, 10 - r, 9 - r);
  p.columns(6, 4 - r, 3 - r);
  p.columns(8, 10 - r, 9 - r);
}

// C: the middle bands of grids 2, 3, 7, 8 and the middle stacks of the same grids.
template <class S> void setC1(S&& p, int r) {
  p.rows(2, r + 3, r + 4);
  p.rows(3, r + 3, r + 4);
  p.rows(7, 7 - r, 6 - r);
  p.rows(8, 7 - r, 6 - r);
}
template <class S> void setC2(S&& p, int r) {
  p.columns(2, r + 3, r + 4);
  p.columns(7, r + 3, r + 4);
  p.columns(3, 7 - r, 6 - r);
  p.columns(8, 7 - r, 6 - r);
}

// D: the global rows through the shared boxes of grids 2 and 3 with 4, 5 and 6 (five grids
// each), and the matching columns.
template <class S> void setD1(S&& p, int r) {
  p.rows(4, r, r + 1);
  p.rows(2, r + 6, r + 7);
  p.rows(5, r, r + 1);
  p.rows(3, r + 6, r + 7);
  p.rows(6, r, r + 1);
}
template <class S> void setD2(S&& p, int r) {
  p.rows(4, 10 - r, 9 - r);
  p.rows(7, 4 - r, 3 - r);
  p.rows(5, 10 - r, 9 - r);
  p.rows(8, 4 - r, 3 - r);
  p.rows(6, 10 - r, 9 - r);
}
template <class S> void setD3(S&& p, int r) {
  p.columns(1, r, r + 1);
  p.columns(2, r + 6, r + 7);
  p.columns(5, r, r + 1);
  p.columns(7, r + 6, r + 7);
  p.columns(9, r, r + 1);
}
template <class S> void setD4(S&& p, int r) {
  p.columns(1, 10 - r, 9 - r);
  p.columns(3, 4 - r, 3 - r);
  p.columns(5, 10 - r, 9 - r);
  p.columns(8, 4 - r, 3 - r);
  p.columns(9, 10 - r, 9 - r);
}

// The blocks that touch no shared box: a stack or band exchanged, column by column.
template <class S> void stacks(S&& p, int g, int s1, int s2) {
  for (int c = 1; c <= 3; ++c) p.columns(g, 3 * (s1 - 1) + c, 3 * (s2 - 1) + c);
}
template <class S> void bands(S&& p, int g, int b1, int b2) {
  for (int c = 1; c <= 3; ++c) p.rows(g, 3 * (b1 - 1) + c, 3 * (b2 - 1) + c);
}
template <class S> void blocks1(S&& p) { stacks(p, 4, 1, 2); }
template <class S> void blocks2(S&& p) { stacks(p, 6, 3, 2); }
template <class S> void blocks3(S&& p) { bands(p, 1, 1, 2); }
template <class S> void blocks4(S&& p) { bands(p, 9, 2, 3); }

}  // namespace

void symmetricCycle(FieldPermutation& p, RandomSource& random) {
  Always a{p};
  int r = drawR(random);
  setA1(a, r);
  setA2(a, r);
  setA3(a, r);
  setA4(a, r);
  r = drawR(random);
  setB1(a, r);
  setB2(a, r);
  setB3(a, r);
  setB4(a, r);
  r = drawR(random);
  setC1(a, r);
  setC2(a, r);
  Gated gated{p};
  gated.when(coin(random));
  gated.rows(5, 4, 6);
  gated.columns(5, 4, 6);
  r = drawR(random);
  setD1(a, r);
  setD2(a, r);
  setD3(a, r);
  setD4(a, r);
  gated.when(coin(random));
  blocks1(gated);
  blocks2(gated);
  blocks3(gated);
  blocks4(gated);
  p.relabel(drawDigitMap(random));
}

void freeCycle(FieldPermutation& p, RandomSource& random) {
  Gated g{p};
  int r = drawR(random);
  setA1(g.when(coin(random)), r);
  setA2(g.when(coin(random)), r);
  setA3(g.when(coin(random)), r);
  setA4(g.when(coin(random)), r);
  r = drawR(random);
  setB1(g.when(coin(random)), r);
  setB2(g.when(coin(random)), r);
  setB3(g.when(coin(random)), r);
  setB4(g.when(coin(random)), r);
  r = drawR(random);
  setC1(g.when(coin(random)), r);
  setC2(g.when(coin(random)), r);
  g.when(coin(random)).rows(5, 4, 6);
  g.when(coin(random)).rows(5, 4, 5);
  g.when(coin(random)).columns(5, 4, 6);
  g.when(coin(random)).columns(5, 4, 5);
  r = drawR(random);
  setD1(g.when(coin(random)), r);
  setD2(g.when(coin(random)), r);
  setD3(g.when(coin(random)), r);
  setD4(g.when(coin(random)), r);
  blocks1(g.when(coin(random)));
  blocks2(g.when(coin(random)));
  blocks3(g.when(coin(random)));
  blocks4(g.when(coin(random)));
  p.relabel(drawDigitMap(random));
}

// ---------------------------------------------------------------------------------------------
// The shuffle

void shuffleBoard(GameState& s, RandomSource& random) {
  s.clearMarks();
  const int cycles = random.randomInt(150) + 101;
  FieldPermutation p;
  for (int i = 0; i < cycles; ++i) {
    if (s.options.symmetryOn)
      symmetricCycle(p, random);
    else
      freeCycle(p, random);
  }
  p.applyTo(s.board);
  p.applyTo(s.givens);
  deriveSolution(s);
}

}  // namespace tessarix
