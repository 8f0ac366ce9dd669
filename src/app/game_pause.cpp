// The pause of the play loop: P stops the clock and covers the field's 621 cells, so that a
// pause is no free time to think; P, Esc or a click goes on, the clock counting from where it
// stopped. A timed game pauses by itself when the window is minimised or hidden.
#include "app/game.h"

#include "app/keys.h"
#include "ui/board_drawing.h"
#include "ui/help_texts.h"

namespace tessarix {

namespace {

constexpr const char* helpPaused = "Pause: weiter mit P!";

size_t characterCount(const std::string& text) {
  size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

bool Game::canPause() const {
  return mode_ == Mode::Playing && !paused_ && !quitting_ && pendingStep_ == PendingStep::None;
}

void Game::pauseGame() {
  if (!canPause()) return;
  // What lies over the field goes first: the keypad (nothing chosen), the cursor, the hint.
  if (keypad_.open) {
    keypad_.open = false;
    ++inputEpoch_;
  }
  hideCursor();
  dropHint(false);
  hintOnHelpLine_ = false;
  paused_ = true;
  ++inputEpoch_;
  // The time played stops here; the label keeps showing it.
  pausedTenths_ = clock_.elapsedTenths();
  followClock();
  // Blanks to the end of what the line reads now, so that no end of a longer text stays.
  helpText_ = helpPaused;
  const size_t shown = characterCount(look_.helpLine), own = characterCount(helpText_);
  if (own < shown) helpText_.append(shown - own, ' ');
  showHelpLine();
  keepGame(true);
}

void Game::endPause() {
  if (!paused_) return;
  paused_ = false;
  ++inputEpoch_;
  clock_.resume(pausedTenths_);
  followClock();
  showBoard();
  helpText_ = helpClickCell;
  showHelpLine();
  if (state_.clockRunning) updateClock();
  keepGame(true);
}

bool Game::pausedKeyReleased(int key) {
  if (!paused_) return false;
  // Only P or Esc, without Ctrl or Alt, goes on; every other key does nothing.
  const int base = keys::base(key);
  if ((key & (keys::ctrl | keys::alt)) == 0 && (base == 'P' || base == keys::escape))
    endPause();
  return true;
}

void Game::windowHidden() {
  // Only a game on the clock: an untimed one may wait as it is.
  if (state_.clockRunning && !gameSolved_ && canPause()) pauseGame();
  refresh();
}

int64_t Game::playedTenths() const {
  return paused_ ? pausedTenths_ : clock_.elapsedTenths();
}

}  // namespace tessarix
