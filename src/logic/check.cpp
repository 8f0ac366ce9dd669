// Counting the digits over the distinct cells, judging the entries, the status message.
#include "logic/check.h"

#include <cstdio>

#include "logic/validity.h"

namespace tessarix {

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
  s.statusColor = 9;
  s.statusText = statusWrong;
  if (s.notSolvable) {
    s.statusText = statusNotSolvable;
    return;
  }
  bool entryWrong = false;
  for (int g = 1; g <= 9 && !entryWrong; ++g)
    for (int x = 1; x <= 9 && !entryWrong; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int i = cellIndex(g, x, y);
        if (s.board[i] != 0 && s.givens[i] == 0 && s.board[i] != s.solution[i]) {
          entryWrong = true;
          break;
        }
      }
  const bool valid = boardValid(s.board);
  if (!entryWrong && valid) {
    s.statusColor = 0;
    s.statusText = statusNoErrors;
  }
  s.boardComplete = true;
  for (int d = 1; d <= 9; ++d)
    if (s.digitCount[d] != cellsPerDigit) s.boardComplete = false;
  if (s.boardComplete && valid) s.statusText = statusSolved;
}

bool boardFull(GameState& s) {
  countDigits(s);
  for (int d = 1; d <= 9; ++d)
    if (s.digitCount[d] != cellsPerDigit) return false;
  return true;
}

int countGivens(GameState& s) {
  unsyncSharedBoxes(s);
  int n = 0;
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += s.givens[cellIndex(g, x, y)] != 0;
  syncSharedBoxes(s);
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
