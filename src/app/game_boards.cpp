// The saved boards: the slot dialog for loading and saving "brett.trx".
#include "app/game.h"

#include "logic/solver.h"
#include "puzzles/puzzle_file.h"

namespace tessarix {

bool Game::loadBoardDialog() {
  const int slot = platform_.chooseSlot(SlotPurpose::Load, boardSlot_);
  // A cancelled dialog changes nothing: no load, no new solution, the count and the clock stay.
  if (slot < 0 || slot >= slotCount) return false;
  boardSlot_ = slot;
  // A saved board may hold the clashing clues of an own puzzle, to be mended.
  const LoadResult loaded = loadSlot(dataFile_, slot, state_, CluePolicy::AsTyped);
  if (loaded.status == LoadStatus::Refused) platform_.showMessage(loaded.message);
  // A loaded board is never timed.
  followClock();
  deriveWithBusyCursor();
  return true;
}

void Game::saveBoardDialog() {
  dataFile_ = savedBoardFile;
  const int slot = platform_.chooseSlot(SlotPurpose::Save, boardSlot_);
  if (slot < 0 || slot >= slotCount) return;
  boardSlot_ = slot;
  const SaveResult saved = saveSlot(dataFile_, slot, state_, platform_);
  if (!saved.ok) platform_.showMessage(saved.message);
}

void Game::deriveWithBusyCursor() {
  platform_.setBusyCursor(true);
  deriveSolution(state_);
  platform_.setBusyCursor(false);
}

}  // namespace tessarix
