// The two board resets: the restart keeps the clues, the clearing keeps nothing.
#include "logic/board_resets.h"

namespace tessarix {

void restartBoard(GameState& s) {
  s.clearMarks();
  for (int g = 1; g <= 9; ++g)
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (s.givens[cellIndex(g, x, y)] == 0) s.board[cellIndex(g, x, y)] = 0;
}

void clearBoard(GameState& s) {
  s.notSolvable = false;
  s.board.fill(0);
  s.givens.fill(0);
  s.clearMarks();
  s.solution.fill(0);
}

}  // namespace tessarix
