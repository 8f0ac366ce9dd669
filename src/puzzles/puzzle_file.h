// The puzzle file: four slots of board, clues and candidate marks in 48729 bytes. The level
// files and the saved-board file "brett.trx" share it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logic/game_state.h"
#include "logic/random.h"
#include "puzzles/levels.h"

namespace tessarix {

// The layout: board of slot s at 2000 s, its clues right after it, 729 random filler bytes,
// then the marks of slot s (0 or 0xFF per mark) at 8729 + 10000 s.
inline constexpr int slotCount = 4;
inline constexpr int puzzleFileSize = 48729;
inline constexpr int fillerOffset = 8000;
inline constexpr int fillerSize = 729;
inline constexpr int cellBlockSize = 1000;
inline constexpr int markBlockSize = 10000;
constexpr int boardOffset(int slot) { return 2000 * slot; }
constexpr int givensOffset(int slot) { return 2000 * slot + 1000; }
constexpr int marksOffset(int slot) { return 8729 + 10000 * slot; }

inline constexpr const char* savedBoardFile = "brett.trx";

enum class LoadStatus {
  Loaded,   // board and givens replaced (and the marks, when the file is complete)
  Missing,  // no such file: nothing but the clock changed
  Refused,  // unreadable, too short or corrupt, or no such slot: nothing but the clock changed
};

// What made a slot Refused, for a caller that says it in words of its own.
enum class LoadProblem { None, NoSuchSlot, Unreadable, TooShort, BadValues, CluesBreakRules };

struct LoadResult {
  LoadStatus status = LoadStatus::Refused;
  bool marksLoaded = false;  // the file was complete, so marks and showCandidates were set
  std::string message;       // for Refused: what is wrong, naming the file
  LoadProblem problem = LoadProblem::None;
};

// How a slot's clues are judged. A puzzle to be dealt must keep the rules; a board the player
// saved keeps the clues as typed in the own-board entry, clashes and all, so that it can be
// loaded and mended. In both a clue must stand on the board at its cell.
enum class CluePolicy { KeepRules, AsTyped };

// Reads slot 0..3 of the file at path into board and givens and, when the file is exactly
// 48729 bytes long, into marks (showCandidates then goes off). A loaded board is never timed:
// clockRunning becomes false whatever the outcome. The slot is checked whole before anything
// is installed, so a refused file leaves the state as it was.
LoadResult loadSlot(const std::string& path, int slot, GameState& s,
                    CluePolicy clues = CluePolicy::KeepRules);

// What kept a save from being written.
enum class SaveProblem {
  None,
  NoSuchSlot,
  OldUnreadable,  // the file there could not be read, so it was not replaced
  NotAFile,       // a link, directory, FIFO or device stands there; it is left alone
  WriteFailed,    // the new file could not be written
};

struct SaveResult {
  bool ok = false;
  std::string message;  // when not ok: what went wrong, naming the file
  SaveProblem problem = SaveProblem::None;
  bool hadOldFile = false;  // a file stood at the path before, and stays as it was
};

// Writes board, givens and marks into slot 0..3 of the file at path and draws new filler.
// The other slots keep their bytes; a file of another length becomes a complete file that
// keeps every slot block it fully held. The file is replaced through a temporary file, so a
// failed save leaves the old one whole.
SaveResult saveSlot(const std::string& path, int slot, const GameState& s, RandomSource& random);

// The pieces of saveSlot, for a caller that builds a whole file in memory and writes it once.
// putSlot writes board, givens and marks of s into slot 0..3 of a complete image (48729
// bytes); drawFiller draws new filler into it; writePuzzleFile replaces the file at path with
// it, leaving the old file whole on failure.
void putSlot(std::vector<uint8_t>& image, int slot, const GameState& s);
void drawFiller(std::vector<uint8_t>& image, RandomSource& random);
SaveResult writePuzzleFile(const std::string& path, const std::vector<uint8_t>& image);

}  // namespace tessarix
