// The literal shuffle, swap by swap, as the cycle tables list it.
#include "reference/reference_shuffle.h"

#include <utility>

#include "reference/reference_solver.h"

namespace tessarix::reference {

namespace {
void exchange(GameState& s, int grid, int x1, int y1, int x2, int y2) {
  std::swap(s.board[cellIndex(grid, x1, y1)], s.board[cellIndex(grid, x2, y2)]);
  std::swap(s.givens[cellIndex(grid, x1, y1)], s.givens[cellIndex(grid, x2, y2)]);
}
bool coin(RandomSource& random) { return random.randomInt(2) == 0; }
}  // namespace

void swapRows(GameState& s, int grid, int y1, int y2) {
  for (int x = 1; x <= 9; ++x) exchange(s, grid, x, y1, x, y2);
}

void swapColumns(GameState& s, int grid, int x1, int x2) {
  for (int y = 1; y <= 9; ++y) exchange(s, grid, x1, y, x2, y);
}

void swapStacks(GameState& s, int grid, int s1, int s2) {
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c)
      for (int y = r; y <= 9; y += 3) exchange(s, grid, 3 * (s1 - 1) + c, y, 3 * (s2 - 1) + c, y);
}

void swapBands(GameState& s, int grid, int b1, int b2) {
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c)
      for (int x = r; x <= 9; x += 3) exchange(s, grid, x, 3 * (b1 - 1) + c, x, 3 * (b2 - 1) + c);
}

void relabelDigits(GameState& s, RandomSource& random) {
  uint8_t digitMap[10] = {0};
  bool digitFree[10];
  for (bool& f : digitFree) f = true;
  for (int i = 1; i <= 9; ++i) {
    int d = random.randomInt(9) + 1;
    while (!digitFree[d]) d = random.randomInt(9) + 1;
    digitMap[i] = static_cast<uint8_t>(d);
    digitFree[d] = false;
  }
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        uint8_t& b = s.board[cellIndex(g, x, y)];
        uint8_t& c = s.givens[cellIndex(g, x, y)];
        if (b <= 9) b = digitMap[b];
        if (c <= 9) c = digitMap[c];
      }
}

void symmetricCycle(GameState& s, RandomSource& random) {
  // A
  int r = random.randomInt(2) + 1;
  swapRows(s, 1, r, r + 1);
  swapRows(s, 9, 10 - r, 9 - r);
  swapColumns(s, 4, r, r + 1);
  swapColumns(s, 6, 10 - r, 9 - r);
  // B
  r = random.randomInt(2) + 1;
  swapRows(s, 2, r, r + 1);
  swapRows(s, 1, r + 6, r + 7);
  swapRows(s, 3, r, r + 1);
  swapRows(s, 7, 10 - r, 9 - r);
  swapRows(s, 9, 4 - r, 3 - r);
  swapRows(s, 8, 10 - r, 9 - r);
  swapColumns(s, 2, r, r + 1);
  swapColumns(s, 4, r + 6, r + 7);
  swapColumns(s, 7, r, r + 1);
  swapColumns(s, 3, 10 - r, 9 - r);
  swapColumns(s, 6, 4 - r, 3 - r);
  swapColumns(s, 8, 10 - r, 9 - r);
  // C
  r = random.randomInt(2) + 1;
  swapRows(s, 2, r + 3, r + 4);
  swapRows(s, 3, r + 3, r + 4);
  swapRows(s, 7, 7 - r, 6 - r);
  swapRows(s, 8, 7 - r, 6 - r);
  swapColumns(s, 2, r + 3, r + 4);
  swapColumns(s, 7, r + 3, r + 4);
  swapColumns(s, 3, 7 - r, 6 - r);
  swapColumns(s, 8, 7 - r, 6 - r);
  // Centre
  if (coin(random)) {
    swapRows(s, 5, 4, 6);
    swapColumns(s, 5, 4, 6);
  }
  // D
  r = random.randomInt(2) + 1;
  swapRows(s, 4, r, r + 1);
  swapRows(s, 2, r + 6, r + 7);
  swapRows(s, 5, r, r + 1);
  swapRows(s, 3, r + 6, r + 7);
  swapRows(s, 6, r, r + 1);
  swapRows(s, 4, 10 - r, 9 - r);
  swapRows(s, 7, 4 - r, 3 - r);
  swapRows(s, 5, 10 - r, 9 - r);
  swapRows(s, 8, 4 - r, 3 - r);
  swapRows(s, 6, 10 - r, 9 - r);
  swapColumns(s, 1, r, r + 1);
  swapColumns(s, 2, r + 6, r + 7);
  swapColumns(s, 5, r, r + 1);
  swapColumns(s, 7, r + 6, r + 7);
  swapColumns(s, 9, r, r + 1);
  swapColumns(s, 1, 10 - r, 9 - r);
  swapColumns(s, 3, 4 - r, 3 - r);
  swapColumns(s, 5, 10 - r, 9 - r);
  swapColumns(s, 8, 4 - r, 3 - r);
  swapColumns(s, 9, 10 - r, 9 - r);
  // Blocks
  if (coin(random)) {
    swapStacks(s, 4, 1, 2);
    swapStacks(s, 6, 3, 2);
    swapBands(s, 1, 1, 2);
    swapBands(s, 9, 2, 3);
  }
  // Digits
  relabelDigits(s, random);
}

void freeCycle(GameState& s, RandomSource& random) {
  // A
  int r = random.randomInt(2) + 1;
  if (coin(random)) swapRows(s, 1, r, r + 1);
  if (coin(random)) swapRows(s, 9, 10 - r, 9 - r);
  if (coin(random)) swapColumns(s, 4, r, r + 1);
  if (coin(random)) swapColumns(s, 6, 10 - r, 9 - r);
  // B
  r = random.randomInt(2) + 1;
  if (coin(random)) {
    swapRows(s, 2, r, r + 1);
    swapRows(s, 1, r + 6, r + 7);
    swapRows(s, 3, r, r + 1);
  }
  if (coin(random)) {
    swapRows(s, 7, 10 - r, 9 - r);
    swapRows(s, 9, 4 - r, 3 - r);
    swapRows(s, 8, 10 - r, 9 - r);
  }
  if (coin(random)) {
    swapColumns(s, 2, r, r + 1);
    swapColumns(s, 4, r + 6, r + 7);
    swapColumns(s, 7, r, r + 1);
  }
  if (coin(random)) {
    swapColumns(s, 3, 10 - r, 9 - r);
    swapColumns(s, 6, 4 - r, 3 - r);
    swapColumns(s, 8, 10 - r, 9 - r);
  }
  // C
  r = random.randomInt(2) + 1;
  if (coin(random)) {
    swapRows(s, 2, r + 3, r + 4);
    swapRows(s, 3, r + 3, r + 4);
    swapRows(s, 7, 7 - r, 6 - r);
    swapRows(s, 8, 7 - r, 6 - r);
  }
  if (coin(random)) {
    swapColumns(s, 2, r + 3, r + 4);
    swapColumns(s, 7, r + 3, r + 4);
    swapColumns(s, 3, 7 - r, 6 - r);
    swapColumns(s, 8, 7 - r, 6 - r);
  }
  // Centre
  if (coin(random)) swapRows(s, 5, 4, 6);
  if (coin(random)) swapRows(s, 5, 4, 5);
  if (coin(random)) swapColumns(s, 5, 4, 6);
  if (coin(random)) swapColumns(s, 5, 4, 5);
  // D
  r = random.randomInt(2) + 1;
  if (coin(random)) {
    swapRows(s, 4, r, r + 1);
    swapRows(s, 2, r + 6, r + 7);
    swapRows(s, 5, r, r + 1);
    swapRows(s, 3, r + 6, r + 7);
    swapRows(s, 6, r, r + 1);
  }
  if (coin(random)) {
    swapRows(s, 4, 10 - r, 9 - r);
    swapRows(s, 7, 4 - r, 3 - r);
    swapRows(s, 5, 10 - r, 9 - r);
    swapRows(s, 8, 4 - r, 3 - r);
    swapRows(s, 6, 10 - r, 9 - r);
  }
  if (coin(random)) {
    swapColumns(s, 1, r, r + 1);
    swapColumns(s, 2, r + 6, r + 7);
    swapColumns(s, 5, r, r + 1);
    swapColumns(s, 7, r + 6, r + 7);
    swapColumns(s, 9, r, r + 1);
  }
  if (coin(random)) {
    swapColumns(s, 1, 10 - r, 9 - r);
    swapColumns(s, 3, 4 - r, 3 - r);
    swapColumns(s, 5, 10 - r, 9 - r);
    swapColumns(s, 8, 4 - r, 3 - r);
    swapColumns(s, 9, 10 - r, 9 - r);
  }
  // Blocks
  if (coin(random)) swapStacks(s, 4, 1, 2);
  if (coin(random)) swapStacks(s, 6, 3, 2);
  if (coin(random)) swapBands(s, 1, 1, 2);
  if (coin(random)) swapBands(s, 9, 2, 3);
  // Digits
  relabelDigits(s, random);
}

void shuffleCycles(GameState& s, RandomSource& random) {
  for (int i = 0; i < 10000; ++i) s.marks[i] = 0;
  const int n = random.randomInt(150) + 101;
  for (int i = 0; i < n; ++i) {
    if (s.options.symmetryOn)
      symmetricCycle(s, random);
    else
      freeCycle(s, random);
  }
}

void shuffleBoard(GameState& s, RandomSource& random) {
  shuffleCycles(s, random);
  reference::deriveSolution(s);
}

}  // namespace tessarix::reference
