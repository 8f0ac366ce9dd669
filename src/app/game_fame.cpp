// The hall of fame in the game: read at start-up, a solved timed game's finish entered, the
// dialog shown and a cleared level saved.
#include "app/game.h"

#include "extras/champion.h"

namespace tessarix {

void Game::readHallOfFame() {
  const FameFileResult loaded = loadHallOfFame(hallOfFame_, hallOfFameFile);
  // A file that is there but could not be read whole is left as it is for the whole run.
  fameFileKept_ = !loaded.ok;
  if (!loaded.ok) platform_.showMessage(loaded.message);
}

void Game::enterChampion() {
  const ChampionResult r = recordChampion(hallOfFame_, state_.level, finishTime_,
                                          platform_.dateText(), championName_, platform_,
                                          hallOfFameFile, fameFileKept_);
  if (!r.file.ok) {
    platform_.showMessage(r.file.message);
    // The reload found the file unreadable or damaged: it is not written over from now on.
    if (!r.nameAccepted) fameFileKept_ = true;
  }
  // Shown after every solved timed game, whether or not the time made the list.
  showHallOfFame();
}

void Game::showHallOfFame() {
  // Clearing a level closes the dialog; it opens again at once on the current level's tab.
  for (;;) {
    const int cleared = platform_.showHallOfFame(hallOfFame_, state_.level);
    if (cleared < 0 || cleared >= fameLevels) break;
    clearHallOfFameLevel(hallOfFame_, cleared);
    const FameFileResult stored = storeHallOfFame(hallOfFame_, hallOfFameFile, fameFileKept_);
    if (!stored.ok) platform_.showMessage(stored.message);
  }
  ignoreEscape_ = true;
}

}  // namespace tessarix
