// The refresh after each event and before each dialog (RefreshingPlatform): the handlers change
// the state, and what the screen shows is brought to it here where the two differ. The frames of
// the hint and of the keyboard cursor and the keypad are drawn from here; the cursor's frame
// stays on top of whatever the event drew into its cell.
#include "app/game.h"

#include "logic/geometry.h"
#include "ui/cell_frame.h"
#include "ui/keypad_drawing.h"
#include "ui/palette.h"

namespace tessarix {

void Game::refresh() {
  if (hint_ && hint_->cell != 0 && !hint_->framed) {
    hint_->framed = true;
    drawCellFrame(canvas_, cellGrid(hint_->cell), cellCol(hint_->cell), cellRow(hint_->cell),
                  colorHintFrame);
  }
  // The keypad, over what it covers, with the button under the pointer highlighted.
  if (keypad_.open && (!keypad_.drawn || keypad_.shownValue != keypadValue_)) {
    keypad_.drawn = true;
    keypad_.shownValue = keypadValue_;
    drawKeypad(canvas_, keypad_.left, keypad_.top, keypadValue_, state_.digitMode);
  }
  // The keypad lies over the cursor's cell while it is open.
  if (keypad_.open || cursorCell_ == 0) return;
  if (hideCursorAfterKeypad_ || mode_ == Mode::Idle) {
    hideCursor();
    return;
  }
  drawCellFrame(canvas_, cellGrid(cursorCell_), cellCol(cursorCell_), cellRow(cursorCell_),
                colorCursor);
}

void Game::refreshBeforeDialog() {
  const StateKeepingCanvas::State kept = canvas_.state();
  refresh();
  canvas_.setState(kept);
}

}  // namespace tessarix
