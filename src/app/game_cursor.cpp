// The keyboard cursor: a frame over one cell that the arrow keys move over the field as it
// lies on the screen. Its keys do what a click on its cell would do.
#include "app/game.h"

#include "app/keys.h"
#include "logic/cursor_moves.h"
#include "logic/geometry.h"

namespace tessarix {

namespace {

std::optional<CursorDirection> directionOf(int key) {
  switch (key) {
    case keys::left: return CursorDirection::Left;
    case keys::right: return CursorDirection::Right;
    case keys::up: return CursorDirection::Up;
    case keys::down: return CursorDirection::Down;
    default: return std::nullopt;
  }
}

}  // namespace

bool Game::cursorKeyReleased(int key) {
  if ((key & keys::ctrl) != 0) return false;
  key = keys::base(key);
  if (const auto direction = directionOf(key)) {
    // The first arrow shows the cursor where it starts; the next ones move it.
    showCursorAt(cursorCell_ == 0 ? cursorStartCell() : cursorStep(cursorCell_, *direction));
    return true;
  }
  if (key == keys::enter || key == keys::space) {
    if (cursorCell_ != 0) clickAtCursor(MouseButton::Left);
    return true;
  }
  if (key == keys::del || key == keys::backspace) {
    if (cursorCell_ == 0) return true;
    // Only what the right button would clear: an entry in a game, a clue in the own board. On
    // an empty cell the right button would open the marks keypad instead.
    const bool clearable = mode_ == Mode::OwnBoard ? state_.givens[cursorCell_] != 0
                                                   : state_.givens[cursorCell_] == 0 &&
                                                         state_.board[cursorCell_] != 0;
    if (clearable) clickAtCursor(MouseButton::Right);
    return true;
  }
  return false;
}

void Game::clickAtCursor(MouseButton button) {
  cellClicked(button, {cellGrid(cursorCell_), cellCol(cursorCell_), cellRow(cursorCell_)});
}

void Game::showCursorAt(int cell) {
  if (cell == cursorCell_) return;
  hideCursor();
  // The frame is painted by the refresh that follows the event.
  cursorCell_ = cell;
}

void Game::hideCursor() {
  hideCursorAfterKeypad_ = false;
  if (cursorCell_ == 0) return;
  const int i = cursorCell_;
  cursorCell_ = 0;
  // The frame's inner ring lay in the cell: the cell is shown again as it stands now.
  showCell(i);
  if (state_.givens[i] == 0 && state_.board[i] == 0) showMarks();
}

void Game::inputHandled() {
  recordMove();
  keepGame();
  refresh();
}

}  // namespace tessarix
