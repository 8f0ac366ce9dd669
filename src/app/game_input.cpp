// The Game as the input router's target: the pointer, the mouse buttons and the timed step,
// and what each mode makes of them.
#include "app/game.h"

#include "ui/button_bar.h"

namespace tessarix {

InputMode Game::inputMode() const {
  if (pendingStep_ != PendingStep::None) return InputMode::Paused;
  if (keypad_.open) return InputMode::Keypad;
  if (mode_ == Mode::Idle) return InputMode::Idle;
  return InputMode::Loop;
}

void Game::pointerMoved(int x, int y) {
  if (!keypad_.open) return;
  keypadPointerMoved(x, y);
  // A move of the pointer is no step of the history: only the screen follows.
  refresh();
}

void Game::loopButtonPressed(MouseButton button, const LoopHit& hit) {
  // A click anywhere ends a pause, and does nothing else.
  if (paused_) {
    endPause();
    return;
  }
  // A mouse click hides the keyboard cursor and takes a hint's frame away.
  hideCursor();
  dropHint(true);
  if (hit.barButton)
    barButtonPressed(*hit.barButton, true);
  else if (hit.cell)
    cellClicked(button, *hit.cell);
}

void Game::cellClicked(MouseButton button, const CellRef& cell) {
  if (mode_ == Mode::Playing)
    handleCellClick(button, cell);
  else if (mode_ == Mode::OwnBoard)
    ownBoardCellClick(button, cell);
}

void Game::buttonReleased(MouseButton) {
  // A bar button held down by the mouse pops up when the button is let go.
  if (!heldBarButton_) return;
  const BarButton b = *heldBarButton_;
  heldBarButton_.reset();
  if (mode_ != Mode::Idle) showBarButton(b, false);
}

void Game::timerFired() {
  const PendingStep step = pendingStep_;
  pendingStep_ = PendingStep::None;
  switch (step) {
    case PendingStep::None: break;
    case PendingStep::LeaveAfterEscape:
      // Leaving with Esc shows the idle clock; A and Abbruch keep the last time shown.
      updateClock();
      leaveLoop();
      break;
    case PendingStep::Leave: leaveLoop(); break;
  }
  refresh();
}

}  // namespace tessarix
