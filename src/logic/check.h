// Counting the digits, judging the entries and recognising a solved field.
#pragma once

#include <string>

#include "logic/game_state.h"

namespace tessarix {

inline constexpr const char* statusWrong = "Falsche Zahl! ";
inline constexpr const char* statusNotSolvable = "Nicht lösbar!!!";
inline constexpr const char* statusNoErrors = "Keine Fehler! ";
inline constexpr const char* statusSolved = "Brett gelöst!!! ";

// digitCount over the 621 distinct cells (lower copies emptied for the count, then refreshed).
void countDigits(GameState& s);
// statusText, statusColor and boardComplete from the latest count; syncs the shared boxes.
void checkBoard(GameState& s);
// Counts and reports whether every digit holds its 69 cells.
bool boardFull(GameState& s);
// Number of distinct clue cells.
int countGivens(GameState& s);

// "Fehler: 2/3": the wrong-entry line.
std::string wrongEntryLine(int wrongCount);
// A digit count as drawn under the statistics: two characters, right-aligned, and a blank.
std::string digitCountText(int count);

}  // namespace tessarix
