// New puzzles of a level's grading: a clue count and solver passes within the ranges of the
// puzzles the level ships with, the clue pattern symmetric or free, and a way to give up early.
#pragma once

#include <optional>
#include <stop_token>

#include "logic/random.h"
#include "puzzles/generator.h"

namespace tessarix {

// What a level's puzzles are: distinct clue cells and the game's passes on the clue-only field,
// each a closed range.
struct PuzzleGrade {
  int fewestClues;
  int mostClues;
  int fewestPasses;
  int mostPasses;
};

// The grading of the four puzzles each level file ships with, Leicht to Extrem (level 0..3),
// as the game's own solver measures them.
const PuzzleGrade& shippedGrade(int level);

// A puzzle of the grade, cut from a new full field. symmetric: its clue pattern maps onto itself
// under the half-turn (which the symmetric shuffle keeps); otherwise any pattern. Every puzzle
// is finished by the game's solver, so its solution is unique, and stays finished within
// shuffledPassLimit passes on checkShuffles shuffles. The same random numbers give the same
// puzzle. Nothing once stop is requested (checked between two solver runs).
std::optional<Puzzle> generateGraded(const PuzzleGrade& grade, bool symmetric, RandomSource& random,
                                     std::stop_token stop = {});

}  // namespace tessarix
