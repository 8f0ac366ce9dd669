// Shuffling and the board resets.
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

// ---------------------------------------------------------------------------------------------
// The single operations, literally

void swapRows(GameState& s, int grid, int y1, int y2) {
  for (int x = 1; x <= 9; ++x) {
    std::swap(s.board[cellIndex(grid, x, y1)], s.board[cellIndex(grid, x, y2)]);
    std::swap(s.givens[cellIndex(grid, x, y1)], s.givens[cellIndex(grid, x, y2)]);
  }
}

void swapColumns(GameState& s, int grid, int x1, int x2) {
  for (int y = 1; y <= 9; ++y) {
    std::swap(s.board[cellIndex(grid, x1, y)], s.board[cellIndex(grid, x2, y)]);
    std::swap(s.givens[cellIndex(grid, x1, y)], s.givens[cellIndex(grid, x2, y)]);
  }
}

void swapStacks(GameState& s, int grid, int s1, int s2) {
  for (int c = 1; c <= 3; ++c) swapColumns(s, grid, 3 * (s1 - 1) + c, 3 * (s2 - 1) + c);
}

void swapBands(GameState& s, int grid, int b1, int b2) {
  for (int c = 1; c <= 3; ++c) swapRows(s, grid, 3 * (b1 - 1) + c, 3 * (b2 - 1) + c);
}

std::array<uint8_t, 10> drawDigitMap(RandomSource& random) {
  std::array<uint8_t, 10> digitMap{};
  std::array<bool, 10> digitFree;
  digitFree.fill(true);
  for (int i = 1; i <= 9; ++i) {
    int d;
    do d = random.randomInt(9) + 1;
    while (!digitFree[d]);
    digitMap[i] = static_cast<uint8_t>(d);
    digitFree[d] = false;
  }
  return digitMap;
}

namespace {
void relabelCells(CellArray& cells, const std::array<uint8_t, 10>& digitMap) {
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        uint8_t& v = cells[cellIndex(g, x, y)];
        if (v <= 9) v = digitMap[v];
      }
}
}  // namespace

void relabelDigits(GameState& s, RandomSource& random) {
  const std::array<uint8_t, 10> digitMap = drawDigitMap(random);
  relabelCells(s.board, digitMap);
  relabelCells(s.givens, digitMap);
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
// The swap sets of a cycle. r is 1 or 2; each set swaps two adjacent rows or columns inside a
// band or stack. Set names follow the order of the cycle: A, B, C, the centre, D, the blocks.

namespace {

using P = FieldPermutation;

bool coin(RandomSource& random) { return random.randomInt(2) == 0; }
int drawR(RandomSource& random) { return random.randomInt(2) + 1; }

// A: the outer rows of grids 1 and 9, the outer columns of grids 4 and 6.
void setA1(P& p, int r) { p.swapRows(1, r, r + 1); }
void setA2(P& p, int r) { p.swapRows(9, 10 - r, 9 - r); }
void setA3(P& p, int r) { p.swapColumns(4, r, r + 1); }
void setA4(P& p, int r) { p.swapColumns(6, 10 - r, 9 - r); }

// B: the global rows through the shared boxes of grid 1 with 2 and 3 (and their images).
void setB1(P& p, int r) {
  p.swapRows(2, r, r + 1);
  p.swapRows(1, r + 6, r + 7);
  p.swapRows(3, r, r + 1);
}
void setB2(P& p, int r) {
  p.swapRows(7, 10 - r, 9 - r);
  p.swapRows(9, 4 - r, 3 - r);
  p.swapRows(8, 10 - r, 9 - r);
}
void setB3(P& p, int r) {
  p.swapColumns(2, r, r + 1);
  p.swapColumns(4, r + 6, r + 7);
  p.swapColumns(7, r, r + 1);
}
void setB4(P& p, int r) {
  p.swapColumns(3, 10 - r, 9 - r);
  p.swapColumns(6, 4 - r, 3 - r);
  p.swapColumns(8, 10 - r, 9 - r);
}

// C: the middle bands of grids 2, 3, 7, 8 and the middle stacks of the same grids.
void setC1(P& p, int r) {
  p.swapRows(2, r + 3, r + 4);
  p.swapRows(3, r + 3, r + 4);
  p.swapRows(7, 7 - r, 6 - r);
  p.swapRows(8, 7 - r, 6 - r);
}
void setC2(P& p, int r) {
  p.swapColumns(2, r + 3, r + 4);
  p.swapColumns(7, r + 3, r + 4);
  p.swapColumns(3, 7 - r, 6 - r);
  p.swapColumns(8, 7 - r, 6 - r);
}

// D: the global rows through the shared boxes of grids 2 and 3 with 4, 5 and 6 (five grids
// each), and the matching columns.
void setD1(P& p, int r) {
  p.swapRows(4, r, r + 1);
  p.swapRows(2, r + 6, r + 7);
  p.swapRows(5, r, r + 1);
  p.swapRows(3, r + 6, r + 7);
  p.swapRows(6, r, r + 1);
}
void setD2(P& p, int r) {
  p.swapRows(4, 10 - r, 9 - r);
  p.swapRows(7, 4 - r, 3 - r);
  p.swapRows(5, 10 - r, 9 - r);
  p.swapRows(8, 4 - r, 3 - r);
  p.swapRows(6, 10 - r, 9 - r);
}
void setD3(P& p, int r) {
  p.swapColumns(1, r, r + 1);
  p.swapColumns(2, r + 6, r + 7);
  p.swapColumns(5, r, r + 1);
  p.swapColumns(7, r + 6, r + 7);
  p.swapColumns(9, r, r + 1);
}
void setD4(P& p, int r) {
  p.swapColumns(1, 10 - r, 9 - r);
  p.swapColumns(3, 4 - r, 3 - r);
  p.swapColumns(5, 10 - r, 9 - r);
  p.swapColumns(8, 4 - r, 3 - r);
  p.swapColumns(9, 10 - r, 9 - r);
}

// The blocks that touch no shared box.
void blocks1(P& p) { p.swapStacks(4, 1, 2); }
void blocks2(P& p) { p.swapStacks(6, 3, 2); }
void blocks3(P& p) { p.swapBands(1, 1, 2); }
void blocks4(P& p) { p.swapBands(9, 2, 3); }

}  // namespace

void symmetricCycle(FieldPermutation& p, RandomSource& random) {
  int r = drawR(random);
  setA1(p, r);
  setA2(p, r);
  setA3(p, r);
  setA4(p, r);
  r = drawR(random);
  setB1(p, r);
  setB2(p, r);
  setB3(p, r);
  setB4(p, r);
  r = drawR(random);
  setC1(p, r);
  setC2(p, r);
  if (coin(random)) {
    p.swapRows(5, 4, 6);
    p.swapColumns(5, 4, 6);
  }
  r = drawR(random);
  setD1(p, r);
  setD2(p, r);
  setD3(p, r);
  setD4(p, r);
  if (coin(random)) {
    blocks1(p);
    blocks2(p);
    blocks3(p);
    blocks4(p);
  }
  p.relabel(drawDigitMap(random));
}

void freeCycle(FieldPermutation& p, RandomSource& random) {
  int r = drawR(random);
  if (coin(random)) setA1(p, r);
  if (coin(random)) setA2(p, r);
  if (coin(random)) setA3(p, r);
  if (coin(random)) setA4(p, r);
  r = drawR(random);
  if (coin(random)) setB1(p, r);
  if (coin(random)) setB2(p, r);
  if (coin(random)) setB3(p, r);
  if (coin(random)) setB4(p, r);
  r = drawR(random);
  if (coin(random)) setC1(p, r);
  if (coin(random)) setC2(p, r);
  if (coin(random)) p.swapRows(5, 4, 6);
  if (coin(random)) p.swapRows(5, 4, 5);
  if (coin(random)) p.swapColumns(5, 4, 6);
  if (coin(random)) p.swapColumns(5, 4, 5);
  r = drawR(random);
  if (coin(random)) setD1(p, r);
  if (coin(random)) setD2(p, r);
  if (coin(random)) setD3(p, r);
  if (coin(random)) setD4(p, r);
  if (coin(random)) blocks1(p);
  if (coin(random)) blocks2(p);
  if (coin(random)) blocks3(p);
  if (coin(random)) blocks4(p);
  p.relabel(drawDigitMap(random));
}

// ---------------------------------------------------------------------------------------------
// The shuffle and the resets

void shuffleBoard(GameState& s, RandomSource& random) {
  s.clearMarks();
  const int cycles = random.randomInt(150) + 101;
  FieldPermutation p;
  for (int i = 0; i < cycles; ++i) {
    if (s.symmetryOn)
      symmetricCycle(p, random);
    else
      freeCycle(p, random);
  }
  p.applyTo(s.board);
  p.applyTo(s.givens);
  deriveSolution(s);
}

void restartBoard(GameState& s) {
  s.clearMarks();
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (s.givens[cellIndex(g, x, y)] == 0) s.board[cellIndex(g, x, y)] = 0;
}

void clearBoard(GameState& s) {
  s.notSolvable = false;
  s.board.fill(0);
  s.givens.fill(0);
  s.clearMarks();
  s.solution.fill(0);
}

}  // namespace tessarix
