// Counting the digits over the distinct cells, judging the entries, the outcome of the check.
#include "logic/check.h"

#include <cstdio>

#include "logic/validity.h"

namespace tessarix {

namespace {

// The copy in the higher-numbered grid of a shared cell: it follows the leading one and is not
// a cell of its own when counting.
bool isLowerCopy(int index) { return leadingCopy(index) != index; }

}  // namespace

void countDigits(const GameState& s, DigitCounts& counts) {
  counts.fill(0);
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        ++counts[isLowerCopy(i) ? 0 : s.board[i]];
      }
}

bool anyWrongEntry(const GameState& s) {
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        if (s.board[i] != 0 && s.givens[i] == 0 && s.board[i] != s.solution[i]) return true;
      }
  return false;
}

void checkBoard(GameState& s) {
  syncSharedBoxes(s);
  if (s.notSolvable) {
    s.status = CheckOutcome::NotSolvable;
    return;
  }
  const bool entryWrong = anyWrongEntry(s);
  const bool valid = boardValid(s.board);
  s.boardComplete = true;
  for (int d = 1; d <= 9; ++d)
    if (s.digitCount[d] != cellsPerDigit) s.boardComplete = false;
  if (s.boardComplete && valid)
    s.status = entryWrong ? CheckOutcome::SolvedDespiteWrongEntry : CheckOutcome::Solved;
  else if (!entryWrong && valid)
    s.status = CheckOutcome::NoErrors;
  else
    s.status = CheckOutcome::WrongEntry;
}

bool boardFull(GameState& s) {
  countDigits(s, s.digitCount);
  syncSharedBoxes(s);
  for (int d = 1; d <= 9; ++d)
    if (s.digitCount[d] != cellsPerDigit) return false;
  return true;
}

int countGivens(const GameState& s) {
  int n = 0;
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        n += !isLowerCopy(i) && s.givens[i] != 0;
      }
  return n;
}

std::string wrongEntryLine(int wrongCount) {
  return "Fehler:" + std::string(wrongCount >= 0 ? " " : "") + std::to_string(wrongCount) + "/3";
}

std::string digitCountText(int count) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2d ", count);
  return buf;
}

}  // namespace tessarix
