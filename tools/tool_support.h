// What the subcommands of tessarix-puzzles share: reading a slot argument, loading a slot
// with a one-line error, and the board as a 33 x 33 character picture.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "logic/game_state.h"

namespace tessarix::tool {

// A whole decimal number, or nothing when the word is not one.
std::optional<int> parseNumber(const std::string& word);

// Loads slot of file into s. On failure writes one line to err and returns false: a missing,
// unreadable, too short or corrupt file, or a slot outside 0..3.
bool loadSlotOrReport(const std::string& file, int slot, GameState& s, std::ostream& err);

// 33 lines of 33 characters: line Y, column X shows the cell at global row Y, column X of
// the figure; a blank outside every grid, "." for an empty cell, the digit otherwise. A
// shared cell shows its upper copy.
std::string boardPicture(const CellArray& cells);

}  // namespace tessarix::tool
