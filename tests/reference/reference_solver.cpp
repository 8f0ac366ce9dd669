// The literal whole-field algorithms, step by step as the game's rules state them.
#include "reference/reference_solver.h"

#include "logic/check.h"

namespace tessarix::reference {

namespace {
// Set while deriveSolution runs its passes: they count no wrong entry and draw nothing.
bool derivingSolution = false;
}  // namespace

// Every column, then every row, then every box of every grid: the tally of the unit's values
// is zeroed, the nine cells are tallied, and a digit counted twice or more makes the field
// invalid at once.
bool boardValid(const CellArray& b) {
  uint8_t digitTally[10];
  auto zero = [&] {
    for (uint8_t& t : digitTally) t = 0;
  };
  auto repeated = [&] {
    for (int d = 1; d <= 9; ++d)
      if (digitTally[d] >= 2) return true;
    return false;
  };
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x) {
      zero();
      for (int y = 1; y <= 9; ++y) ++digitTally[b[cellIndex(g, x, y)]];
      if (repeated()) return false;
    }
  for (int g = 1; g <= 9; ++g)
    for (int y = 1; y <= 9; ++y) {
      zero();
      for (int x = 1; x <= 9; ++x) ++digitTally[b[cellIndex(g, x, y)]];
      if (repeated()) return false;
    }
  for (int g = 1; g <= 9; ++g)
    for (int x0 = 1; x0 <= 7; x0 += 3)
      for (int y0 = 1; y0 <= 7; y0 += 3) {
        zero();
        for (int x = x0; x < x0 + 3; ++x)
          for (int y = y0; y < y0 + 3; ++y) ++digitTally[b[cellIndex(g, x, y)]];
        if (repeated()) return false;
      }
  return true;
}

bool noDeadEnd(CellArray& b) {
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        if (b[i] != 0) continue;
        bool any = false;
        for (int d = 1; d <= 9 && !any; ++d) {
          b[i] = static_cast<uint8_t>(d);
          any = reference::boardValid(b);
        }
        b[i] = 0;
        if (!any) return false;
      }
  return true;
}

bool digitFits(CellArray& b, int grid, int col, int row, int digit) {
  const int i = cellIndex(grid, col, row);
  const int m = mirrorOf(i);
  b[i] = static_cast<uint8_t>(digit);
  if (m) b[m] = static_cast<uint8_t>(digit);
  const bool valid = reference::boardValid(b);
  b[i] = 0;
  if (m) b[m] = 0;
  return valid;
}

void computeCandidates(CellArray& b, MarkArray& marks) {
  marks.fill(0);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      for (int g = 1; g <= 9; ++g) {
        const int i = cellIndex(g, x, y);
        if (b[i] != 0) continue;
        for (int d = 1; d <= 9; ++d) {
          b[i] = static_cast<uint8_t>(d);
          marks[markIndex(g, x, y, d)] = reference::boardValid(b) ? 1 : 0;
          b[i] = 0;
        }
      }
}

void enterDigit(GameState& s, int grid, int col, int row, int digit, bool countWrong,
                EntryListener* listener) {
  const int i = cellIndex(grid, col, row);
  s.boardChanged = true;
  bool wrong = false;
  if (digit != 0 && s.solution[i] != 0) {
    if (s.solution[i] != s.board[i]) {
      wrong = true;
      if (countWrong) ++s.wrongCount;
    }
    if (derivingSolution) s.wrongCount = 0;
    if (countWrong && s.wrongCount == 3) {
      s.clockRunning = false;
      if (listener) listener->clockVoided();
    }
  }
  if (listener && !derivingSolution) listener->entryDrawn(grid, col, row, digit, wrong);
  syncSharedBoxes(s);
}

namespace {
void place(GameState& s, int g, int x, int y, int d, EntryListener* listener) {
  const int i = cellIndex(g, x, y);
  const int m = mirrorOf(i);
  s.board[i] = static_cast<uint8_t>(d);
  if (m) s.board[m] = static_cast<uint8_t>(d);
  if (listener) listener->placed(g, x, y, d);
  reference::enterDigit(s, g, x, y, d, true, listener);
}

// The only-place rule over nine cells given as (col, row) of grid g.
void onlyPlace(GameState& s, int g, const int (&cols)[9], const int (&rows)[9],
               EntryListener* listener) {
  for (int d = 1; d <= 9; ++d) {
    int found = 0, lx = 0, ly = 0;
    for (int k = 0; k < 9; ++k) {
      if (s.board[cellIndex(g, cols[k], rows[k])] != 0) continue;
      if (reference::digitFits(s.board, g, cols[k], rows[k], d)) {
        ++found;
        lx = cols[k];
        ly = rows[k];
      }
    }
    if (found == 1) place(s, g, lx, ly, d, listener);
  }
}
}  // namespace

void solveBox(GameState& s, int g, int x0, int y0, EntryListener* listener) {
  for (int x = x0; x < x0 + 3; ++x)
    for (int y = y0; y < y0 + 3; ++y) {
      if (s.board[cellIndex(g, x, y)] != 0) continue;
      int found = 0, last = 0;
      for (int d = 1; d <= 9; ++d)
        if (reference::digitFits(s.board, g, x, y, d)) {
          ++found;
          last = d;
        }
      if (found == 1) place(s, g, x, y, last, listener);
    }
  int cols[9], rows[9], n = 0;
  for (int x = x0; x < x0 + 3; ++x)
    for (int y = y0; y < y0 + 3; ++y) {
      cols[n] = x;
      rows[n++] = y;
    }
  onlyPlace(s, g, cols, rows, listener);
}

void solveRow(GameState& s, int g, int y, EntryListener* listener) {
  int cols[9], rows[9];
  for (int k = 0; k < 9; ++k) {
    cols[k] = k + 1;
    rows[k] = y;
  }
  onlyPlace(s, g, cols, rows, listener);
}

void solveColumn(GameState& s, int g, int x, EntryListener* listener) {
  int cols[9], rows[9];
  for (int k = 0; k < 9; ++k) {
    cols[k] = x;
    rows[k] = k + 1;
  }
  onlyPlace(s, g, cols, rows, listener);
}

bool solvePass(GameState& s, EntryListener* listener) {
  s.boardChanged = false;
  for (int g = 1; g <= 9; ++g) {
    for (int x0 = 1; x0 <= 7; x0 += 3)
      for (int y0 = 1; y0 <= 7; y0 += 3) reference::solveBox(s, g, x0, y0, listener);
    for (int j = 1; j <= 9; ++j) {
      reference::solveRow(s, g, j, listener);
      reference::solveColumn(s, g, j, listener);
    }
  }
  return s.boardChanged;
}

int runPasses(GameState& s, EntryListener* listener) {
  int passes = 1;
  while (true) {
    const bool changed = reference::solvePass(s, listener);
    if (!changed || passes >= maxPasses) return passes;
    ++passes;
  }
}

int solveBoard(GameState& s, EntryListener* listener) {
  const int passes = reference::runPasses(s, listener);
  reference::countDigits(s);
  reference::checkBoard(s);
  return passes;
}

namespace {
int deriveOnce(GameState& s) {
  const CellArray boardBackup = s.board;
  derivingSolution = true;
  const int passes = reference::runPasses(s, nullptr);
  s.notSolvable = true;
  if (reference::boardFull(s)) s.notSolvable = false;
  s.solution.fill(0);
  for (int i = 0; i < 1000; ++i) {
    s.solution[i] = s.board[i];
    s.board[i] = boardBackup[i];
  }
  derivingSolution = false;
  return passes;
}
}  // namespace

int deriveSolution(GameState& s) {
  s.wrongCount = 0;
  const int passes = deriveOnce(s);
  if (!s.notSolvable) return passes;
  bool hasEntries = false;
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        if (s.board[i] != 0 && s.givens[i] == 0) hasEntries = true;
      }
  if (!hasEntries) return passes;
  GameState retry = s;
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        if (retry.givens[i] == 0) retry.board[i] = 0;
      }
  const int retryPasses = deriveOnce(retry);
  if (retry.notSolvable) return passes;
  s.solution = retry.solution;
  s.notSolvable = false;
  s.givens = retry.givens;
  s.digitCount = retry.digitCount;
  return retryPasses;
}

void countDigits(GameState& s) {
  unsyncSharedBoxes(s);
  s.digitCount.fill(0);
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) ++s.digitCount[s.board[cellIndex(g, x, y)]];
  syncSharedBoxes(s);
}

void checkBoard(GameState& s) {
  syncSharedBoxes(s);
  s.status = CheckOutcome::WrongEntry;
  bool red = true;
  if (s.notSolvable) {
    s.status = CheckOutcome::NotSolvable;
    return;
  }
  bool entryWrong = false;
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        if (s.board[i] != 0 && s.givens[i] == 0 && s.board[i] != s.solution[i]) entryWrong = true;
      }
  if (!entryWrong && reference::boardValid(s.board)) {
    red = false;
    s.status = CheckOutcome::NoErrors;
  }
  s.boardComplete = true;
  for (int d = 1; d <= 9; ++d)
    if (s.digitCount[d] != cellsPerDigit) s.boardComplete = false;
  if (s.boardComplete && reference::boardValid(s.board))
    s.status = red ? CheckOutcome::SolvedDespiteWrongEntry : CheckOutcome::Solved;
}

bool boardFull(GameState& s) {
  reference::countDigits(s);
  for (int d = 1; d <= 9; ++d)
    if (s.digitCount[d] != cellsPerDigit) return false;
  return true;
}

}  // namespace tessarix::reference
