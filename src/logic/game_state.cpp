// Keeping the two stored copies of the twelve shared boxes in step.
#include "logic/game_state.h"

namespace tessarix {

void syncSharedBoxes(GameState& s) {
  forEachSharedCell([&](int u, int l) {
    s.board[l] = s.board[u];
    s.givens[l] = s.givens[u];
  });
}

void unsyncSharedBoxes(GameState& s) {
  forEachSharedCell([&](int, int l) {
    s.board[l] = 0;
    s.givens[l] = 0;
  });
}

void syncSharedMarks(GameState& s) {
  forEachSharedCell([&](int u, int l) {
    for (int d = 1; d <= 9; ++d) s.marks[l + 1000 * d] = s.marks[u + 1000 * d];
  });
}

}  // namespace tessarix
