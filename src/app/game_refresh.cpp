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
  // The canvas's drawing state stays as it was: a dialog the event opens next finds it so.
  const StateKeepingCanvas::State kept = canvas_.state();
  if (!painted_) {
    paintScreen(canvas_, look_, nullptr);
  } else {
    for (const CellBox& box : damageBetween(*painted_, look_)) {
      canvas_.setClip(box.left, box.top, box.right, box.bottom);
      paintScreen(canvas_, look_, &box);
      canvas_.clearClip();
    }
  }
  canvas_.setState(kept);
  painted_ = look_;
}

void Game::drawPicture() {
  lookAtInterface();
  const StateKeepingCanvas::State kept = canvas_.state();
  paintScreen(canvas_, look_, nullptr);
  canvas_.setState(kept);
  painted_ = look_;
}

}  // namespace tessarix
