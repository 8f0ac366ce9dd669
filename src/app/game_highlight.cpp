// A value highlighted everywhere: "1" to "9" typed in a game loop tint every cell holding that
// value, clues and entries alike, and its count in the statistics; the same key again or "0"
// ends it. The drawing of a cell reads the highlight, so it follows every change by itself.
#include "app/game.h"

#include "app/keys.h"
#include "logic/geometry.h"

namespace tessarix {

bool Game::highlightKeyReleased(int key) {
  if ((key & keys::ctrl) != 0) return false;
  key = keys::base(key);
  if (key < '0' || key > '9') return false;
  const int digit = key - '0';
  setHighlight(digit == state_.highlightDigit ? 0 : digit);
  return true;
}

void Game::setHighlight(int digit) {
  const int old = state_.highlightDigit;
  if (digit == old) return;
  state_.highlightDigit = digit;
  // Only the cells of the old and the new value change their look.
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int v = state_.board[cellIndex(g, c, r)];
        if (v != 0 && (v == old || v == digit)) showCell(cellIndex(g, c, r));
      }
  showDigitCounts();
}

}  // namespace tessarix
