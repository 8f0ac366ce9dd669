// The hall of fame in the game: read at start-up, a solved timed game's finish entered, the
// dialog shown and a cleared level saved.
#include "app/game.h"

#include "extras/champion.h"
#include "extras/shared_fame_file.h"

namespace tessarix {

void Game::readHallOfFame() {
  const FameFileResult loaded = loadHallOfFame(hallOfFame_, hallOfFameFile);
  // A file that is there but could not be read whole is left as it is for the whole run.
  fameFileKept_ = !loaded.ok;
  if (!loaded.ok) platform_.showMessage(loaded.message);
}

void Game::enterChampion() {
  const ChampionResult r =
      recordChampion(hallOfFame_, state_.options.level, finishTime_, platform_.dateText(),
                     championName_, platform_, hallOfFameFile, fameFileKept_);
  if (!r.file.ok) {
    platform_.showMessage(r.file.message);
    // Read again, the file was unreadable or damaged: it is not written over from now on.
    if (r.file.keepFile) fameFileKept_ = true;
  }
  // Shown after every solved timed game, whether or not the time made the list.
  showHallOfFame();
}

void Game::showHallOfFame() {
  // Clearing a level closes the dialog; it opens again at once on the current level's tab.
  for (;;) {
    // The dialog shows what the file holds now, champions of another copy of the game
    // included; a file that cannot be read now leaves the list as this run knows it.
    if (!fameFileKept_) {
      HallOfFame now = hallOfFame_;
      if (loadHallOfFame(now, hallOfFameFile).ok) hallOfFame_ = now;
    }
    const int cleared = platform_.showHallOfFame(hallOfFame_, state_.options.level);
    if (cleared < 0 || cleared >= fameLevels) break;
    const FameFileResult stored = changeHallOfFame(
        hallOfFame_, hallOfFameFile, [cleared](HallOfFame& h) { clearHallOfFameLevel(h, cleared); },
        fameFileKept_);
    if (!stored.ok) platform_.showMessage(stored.message);
    if (stored.keepFile) fameFileKept_ = true;
  }
  ignoreEscape_ = true;
}

}  // namespace tessarix
