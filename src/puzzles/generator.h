// The puzzle generator: a full field at random, then clues taken away in symmetric sets for
// as long as the game's own solver still finishes the field, down to the level's clue count.
#pragma once

#include <array>

#include "logic/game_state.h"
#include "logic/random.h"
#include "logic/solver.h"

namespace tessarix {

// What a level asks of its puzzles.
struct LevelRecipe {
  int fewestClues;    // the clue count aimed at is drawn from fewestClues..mostClues (distinct
  int mostClues;      // cells); removal stops as soon as it is reached
  int ceiling;        // a field whose puzzle keeps more clues is given up for a new field
  int minPasses;      // the game's passes on the clue-only field: a finished puzzle needs at
  int maxPasses;      // least minPasses, and no removal may make it need more than maxPasses
  bool halfTurnOnly;  // when the count is not reached with both symmetries, give up the
                      // transposition and go on with half-turn pairs
  int orders;         // removal orders tried on each field; the one with fewest clues is kept
};

// A new game shuffles the puzzle, and the passes the solver needs change with the order its
// scan meets the cells in. A finished puzzle is therefore shuffled this many times (half in
// symmetric sets, half freely) and kept only when every shuffle is finished within
// shuffledPassLimit passes, a margin below the game's 15.
inline constexpr int checkShuffles = 64;
inline constexpr int shuffledPassLimit = 12;

// The recipes of Leicht, Mittel, Schwer and Extrem (level 0..3).
const LevelRecipe& levelRecipe(int level);

struct Puzzle {
  CellArray clues{};                // both copies of a shared cell equal; 0 where there is no clue
  int clueCount = 0;                // distinct cells
  int passes = 0;                   // the game's passes to finish the clue-only field
  int worstShuffledPasses = 0;      // the most passes any of the checked shuffles needed
  bool transposeSymmetric = false;  // the pattern is always symmetric under the half-turn
};

// One puzzle of a recipe. The same random numbers give the same puzzle.
Puzzle generatePuzzle(const LevelRecipe& recipe, RandomSource& random);
// The clues taken away from one given full field in one random order (no shuffles checked).
Puzzle carvePuzzle(const CellArray& full, const LevelRecipe& recipe, RandomSource& random);
// The most passes the game's solver needs on count shuffles of the clues (half in symmetric
// sets, half freely; each of 8 to 15 cycles, an odd or even count like the game's 101 to 250,
// and already well mixed, since every cycle draws a new digit map), or 16 when one of them is
// not finished within
// 15 passes. Stops early, returning what it saw, once a shuffle needs more than stopAbove.
int worstShuffledPasses(const CellArray& clues, int count, RandomSource& random,
                        int stopAbove = maxPasses);

// The game's passes on a clue-only field, and whether they fill it.
struct SolverRun {
  int passes = 0;
  bool finished = false;
};
SolverRun solveClues(const CellArray& clues);

// A level file slot's state for a puzzle: board and givens hold the clues, nothing else set.
GameState puzzleState(const Puzzle& puzzle);

}  // namespace tessarix
