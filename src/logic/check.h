// Counting the digits, judging the entries and recognising a solved field.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logic/game_state.h"

namespace tessarix {

// Whether the field is solved: a full, valid field, also when an entry differs from the derived
// solution (the field then has another solution).
constexpr bool isSolved(CheckOutcome outcome) {
  return outcome == CheckOutcome::Solved || outcome == CheckOutcome::SolvedDespiteWrongEntry;
}

// The count per value over the 621 distinct cells: each lower copy of a shared box is left out
// of the digits and counted under [0], with the empty cells. The state is not changed.
void countDigits(const GameState& s, DigitCounts& counts);
// status and boardComplete from the latest count; syncs the shared boxes.
void checkBoard(GameState& s);
// Counts into digitCount, lets the lower copies follow the upper ones, and reports whether every
// digit holds its 69 cells.
bool boardFull(GameState& s);
// Number of distinct clue cells.
int countGivens(const GameState& s);
// Whether the player's entry in a cell differs from the cell's derived solution: never a clue,
// an empty cell, or a cell whose solution is not known.
constexpr bool isWrongEntry(const GameState& s, int cell) {
  const size_t i = static_cast<size_t>(cell);
  return s.givens[i] == 0 && s.board[i] != 0 && s.solution[i] != 0 && s.board[i] != s.solution[i];
}
// Whether some player entry differs from the derived solution (clues are never wrong).
bool anyWrongEntry(const GameState& s);

// "Fehler: 2/3": the wrong-entry line.
std::string wrongEntryLine(int wrongCount);
// A digit count as drawn under the statistics: two characters, right-aligned, and a blank.
std::string digitCountText(int count);

}  // namespace tessarix
