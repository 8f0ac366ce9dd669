// The one place the screen is painted: after each event, and before each dialog
// (RefreshingPlatform), the canvas is painted where the look it holds differs from what the
// screen shows now, the picture drawn again in each of those boxes only; a new canvas or scale
// gets the whole picture.
#include "app/game.h"

namespace tessarix {

void Game::refresh() {
  // The cursor goes once a click has closed the keypad it opened, and with its loop.
  if (!keypad_.open && cursorCell_ != 0 && (hideCursorAfterKeypad_ || mode_ == Mode::Idle))
    hideCursor();
  lookAtInterface();
  if (painted_ && *painted_ == look_) return;
  if (!painted_) {
    paint(nullptr);
  } else {
    for (const CellBox& box : damageBetween(*painted_, look_)) paint(&box);
  }
  painted_ = look_;
}

void Game::drawPicture() {
  lookAtInterface();
  paint(nullptr);
  painted_ = look_;
}

void Game::paint(const CellBox* region) {
  const StateKeepingCanvas::State kept = canvas_.state();
  if (region != nullptr) canvas_.setClip(region->left, region->top, region->right, region->bottom);
  paintScreen(canvas_, look_, region);
  if (region != nullptr) canvas_.clearClip();
  canvas_.setState(kept);
}

}  // namespace tessarix
