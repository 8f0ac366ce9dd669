// The literal shuffle: every swap made cell by cell on board and givens in the order of the
// cycle tables, every relabelling applied to the whole field at once. The oracle for the
// composed shuffle of the game.
#pragma once

#include "logic/game_state.h"
#include "logic/random.h"

namespace tessarix::reference {

void swapRows(GameState& s, int grid, int y1, int y2);
void swapColumns(GameState& s, int grid, int x1, int x2);
void swapStacks(GameState& s, int grid, int s1, int s2);
void swapBands(GameState& s, int grid, int b1, int b2);
void relabelDigits(GameState& s, RandomSource& random);

void symmetricCycle(GameState& s, RandomSource& random);
void freeCycle(GameState& s, RandomSource& random);

// The shuffle without its last step: marks cleared, 101 to 250 cycles.
void shuffleCycles(GameState& s, RandomSource& random);
// The whole shuffle: the cycles, then the literal deriveSolution (slow).
void shuffleBoard(GameState& s, RandomSource& random);

}  // namespace tessarix::reference
