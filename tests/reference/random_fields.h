// Fields for the tests and benchmarks: full valid nine-grid fields built by a small
// backtracking search, puzzles cut from them, and the flawed fields a hand-made file can hold.
#pragma once

#include <vector>
#include "logic/game_state.h"

#include "logic/random.h"

namespace tessarix::testing {

// A full valid field (board), both copies of every shared cell equal.
CellArray randomFullField(RandomSource& rng);

// A puzzle from a full field: each distinct cell stays a clue with the given chance (percent);
// board and givens hold the clues, both copies equal.
GameState puzzleFrom(const CellArray& full, RandomSource& rng, int keepPercent);

// Player entries in empty cells: each empty distinct cell gets one with the given chance; an
// entry is right (the full field's digit) or, with wrongPercent, some other digit.
void addEntries(GameState& s, const CellArray& full, RandomSource& rng, int entryPercent,
                int wrongPercent);

// Flaws: a duplicate somewhere; shared copies that disagree (a lower copy changed or emptied,
// or an upper copy emptied).
void addDuplicate(GameState& s, RandomSource& rng);

// The distinct cells (each shared cell by its upper copy).
std::vector<int> distinctCells();

// A puzzle the game's solver finishes within maxPasses: clues removed one distinct cell at a
// time in random order, each removal kept while the passes still fill the field.
GameState solvablePuzzle(const CellArray& full, RandomSource& rng, int maxPasses);

// A mixed field for the differential tests: puzzles of every density, with right and wrong
// entries, duplicates, disagreeing shared copies, full, empty or scribbled fields, and a
// solution that is derived, taken from the full field or empty. kind picks the mixture.
GameState mixedField(RandomSource& rng, int kind);
inline constexpr int mixedFieldKinds = 9;
void unsyncSomeCopies(GameState& s, RandomSource& rng, int pairsToBreak);

}  // namespace tessarix::testing
