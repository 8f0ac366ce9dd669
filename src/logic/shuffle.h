// Shuffling a field into an equivalent one (rows, columns, bands, stacks and digits exchanged,
// the twelve shared boxes kept consistent).
#pragma once

#include <array>
#include <cstdint>

#include "logic/game_state.h"
#include "logic/random.h"

namespace tessarix {

// The shuffle: clears the marks, draws 101 to 250 cycles, runs them in symmetric sets when
// symmetryOn is set (a symmetric clue pattern stays symmetric) or part by part on coins
// otherwise, relabels the digits once per cycle, and ends with deriveSolution.
void shuffleBoard(GameState& s, RandomSource& random);

// Draws the permutation of 1..9 a relabelling applies (digitMap[0] stays 0).
std::array<uint8_t, 10> drawDigitMap(RandomSource& random);

// Everything a run of cycles does to the field, composed: for each grid the row and column
// each position now takes its contents from, and the digit each digit has become. Cycles
// only move cells within their grid and rename digits, so the composition applied once
// equals the swaps made one by one.
struct FieldPermutation {
  std::array<std::array<uint8_t, 10>, 10> rowFrom{};  // [grid][row]
  std::array<std::array<uint8_t, 10>, 10> colFrom{};  // [grid][col]
  std::array<uint8_t, 10> digitTo{};                  // [digit], 0 stays 0

  FieldPermutation();  // the identity
  void swapRows(int grid, int y1, int y2);
  void swapColumns(int grid, int x1, int x2);
  void swapStacks(int grid, int s1, int s2);
  void swapBands(int grid, int b1, int b2);
  void relabel(const std::array<uint8_t, 10>& digitMap);
  // board := the permuted board (entries of index 0 and values above 9 as they were).
  void applyTo(CellArray& cells) const;
};

// The cycles alone, drawing their random numbers in the game's order, composed into p.
void symmetricCycle(FieldPermutation& p, RandomSource& random);
void freeCycle(FieldPermutation& p, RandomSource& random);

}  // namespace tessarix
