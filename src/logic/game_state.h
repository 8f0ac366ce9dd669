// The game's state: the cell arrays of the nine grids and the scalars the rules read and write.
// Every array keeps index 0 in each dimension, so its bytes are the image stored in files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logic/geometry.h"

namespace tessarix {

using CellArray = std::array<uint8_t, 1000>;   // [grid][col][row], value 0..9
using MarkArray = std::array<uint8_t, 10000>;  // [grid][col][row][digit], 0 or 1
using DigitCounts = std::array<uint16_t, 10>;  // per value 0..9; up to 621 cells each

// What the check found: nothing yet, a wrong entry or a broken rule, a field without a solution,
// no errors, a solved field, or a solved field whose entries differ from the derived solution.
enum class CheckOutcome {
  None,
  WrongEntry,
  NotSolvable,
  NoErrors,
  Solved,
  SolvedDespiteWrongEntry
};

// The player's choices that the rules read: the level of the next new game, digits or letters,
// symmetric puzzles, newly made puzzles, candidates shown instead of the player's own marks,
// and own marks that keep themselves.
struct Options {
  int level = 0;  // 0 Leicht .. 3 Extrem
  bool digitMode = true;
  bool symmetryOn = true;
  // "Neue Rätsel erzeugen": a new game deals a puzzle made for it instead of a file's slot.
  bool freshPuzzles = false;
  bool showCandidates = false;
  // The player's own pencil marks keep themselves: a value entered removes its mark from
  // every cell that sees the cell.
  bool trackMarks = false;
  friend bool operator==(const Options&, const Options&) = default;
};

struct GameState {
  // The field.
  CellArray board{};     // clues and the player's entries; 0 = empty
  CellArray givens{};    // the clues; non-zero marks a clue cell
  CellArray solution{};  // derived by deriveSolution; 0 = not derived
  MarkArray marks{};     // candidate or pencil marks

  // Counting and checking.
  DigitCounts digitCount{};  // distinct cells per value; [0] counts empties and lower copies
  int wrongCount = 0;        // wrong entries of this game; at 3 the game is no longer timed
  bool notSolvable = false;
  bool boardComplete = false;
  CheckOutcome status = CheckOutcome::None;

  // Set by every entry and placement; a pass that leaves it false placed nothing.
  bool boardChanged = false;

  // The options and the timing that the rules read.
  Options options;
  bool clockRunning = false;
  // The value whose cells are tinted everywhere (1..9), or 0: the player's highlight.
  int highlightDigit = 0;

  bool mark(int grid, int col, int row, int digit) const {
    return marks[markIndex(grid, col, row, digit)] != 0;
  }
  void setMark(int grid, int col, int row, int digit, bool on) {
    marks[markIndex(grid, col, row, digit)] = on ? 1 : 0;
  }
  void clearMarks() { marks.fill(0); }
};

// The lower copy of a shared box follows the upper one, in board and givens.
void syncSharedBoxes(GameState& s);
// Empties the lower copies, so that counting sees each distinct cell once.
void unsyncSharedBoxes(GameState& s);
// Copies the marks of every upper copy into its lower copy, setting and clearing.
void syncSharedMarks(GameState& s);

}  // namespace tessarix
