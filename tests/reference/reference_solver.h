// The literal whole-field algorithms: every trial digit is written into the field, all nine
// grids are validated, and the digit is taken back. Slow by design; the oracle that the fast
// game code is compared with in the differential tests and the benchmarks.
#pragma once

#include "logic/game_state.h"
#include "logic/solver.h"

namespace tessarix::reference {

bool boardValid(const CellArray& board);
bool noDeadEnd(CellArray& board);
bool digitFits(CellArray& board, int grid, int col, int row, int digit);
void computeCandidates(CellArray& board, MarkArray& marks);

void enterDigit(GameState& s, int grid, int col, int row, int digit, bool countWrong,
                EntryListener* listener);
void solveBox(GameState& s, int grid, int x0, int y0, EntryListener* listener = nullptr);
void solveRow(GameState& s, int grid, int y, EntryListener* listener = nullptr);
void solveColumn(GameState& s, int grid, int x, EntryListener* listener = nullptr);
bool solvePass(GameState& s, EntryListener* listener = nullptr);
int runPasses(GameState& s, EntryListener* listener = nullptr);
int solveBoard(GameState& s, EntryListener* listener = nullptr);
int deriveSolution(GameState& s);

void countDigits(GameState& s);
void checkBoard(GameState& s);
bool boardFull(GameState& s);

}  // namespace tessarix::reference
