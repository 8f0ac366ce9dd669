// What the subcommands of tessarix-puzzles share: reading options and operands, slot and
// seed arguments, loading a slot and saving a file with a one-line error, and the board as a
// 33 x 33 character picture. The tool speaks English, and a slot is named by its number as
// the command line gives it (0 to 3).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "logic/game_state.h"
#include "puzzles/puzzle_file.h"

namespace tessarix::tool {

// A whole decimal number that fits an int, or nothing when the word is not one.
std::optional<int> parseNumber(const std::string& word);

// The words of a command, sorted: operands (files and slots) in order, options with a value,
// and flags.
struct Arguments {
  std::vector<std::string> operands;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
};

// Reads args: a word starting with "-" is an option, one of flags or of valueOptions (which
// take the next word as their value); a lone "--" ends the options, so every word after it is
// an operand. An unknown option, a missing value or an option given twice is a usage error:
// one line to err (starting "tessarix-puzzles COMMAND:") and nothing returned.
std::optional<Arguments> parseArguments(const std::string& command,
                                        const std::vector<std::string>& args,
                                        const std::set<std::string>& flags,
                                        const std::set<std::string>& valueOptions,
                                        std::ostream& err);

// A SLOT operand: 0..3 is returned. A whole number outside that, however large, is a slot
// that does not exist (exitError); any other word is a usage error (exitUsage). Either way a
// line goes to err and code is set.
struct SlotArgument {
  std::optional<int> slot;
  int code = 0;
};
SlotArgument readSlot(const std::string& command, const std::string& word, std::ostream& err);

// A seed: a whole number from 0 to 4294967295 (seeds are 32 bits). Anything else is a usage
// error: one line to err and nothing returned.
std::optional<uint32_t> readSeed(const std::string& command, const std::string& word,
                                 std::ostream& err);

// Loads slot of file into s. On failure writes one line to err and returns false: a missing,
// unreadable, too short or corrupt file, or a slot outside 0..3.
bool loadSlotOrReport(const std::string& file, int slot, GameState& s, std::ostream& err);

// Says on one line to err why file was not written. That the old file stays as it was is said
// only when there was one.
void reportSaveFailure(const std::string& file, const SaveResult& saved, std::ostream& err);

// 33 lines of 33 characters: line Y, column X shows the cell at global row Y, column X of
// the figure; a blank outside every grid, "." for an empty cell, the digit otherwise. A
// shared cell shows its upper copy.
std::string boardPicture(const CellArray& cells);

}  // namespace tessarix::tool
