// The hall of fame in the game: read at start-up, a solved timed game's finish entered, the
// dialog shown and a cleared level saved.
#include "app/game.h"

#include "extras/champion.h"

namespace tessarix {

void Game::readHallOfFame() {
  const FameFileResult loaded = loadHallOfFame(hallOfFame_, hallOfFameFile);
  if (!loaded.ok) platform_.showMessage(loaded.message);
}

void Game::enterChampion() {
  recordChampion(hallOfFame_, state_.level, finishTime_, platform_.dateText(), championName_,
                 platform_, hallOfFameFile);
}

void Game::showHallOfFame() {
  // Clearing a level closes the dialog; it opens again at once on the current level's tab.
  for (;;) {
    const int cleared = platform_.showHallOfFame(hallOfFame_, state_.level);
    if (cleared < 0 || cleared >= fameLevels) break;
    (void)cleared;
  }
  ignoreEscape_ = true;
}

}  // namespace tessarix
