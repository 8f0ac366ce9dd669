// Cell input: a click on a cell of a game loop, the keypad that opens over it, and what a
// choice, a clear or a typed key does to the cell or its pencil marks.
#include "app/game.h"

#include "logic/check.h"
#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/keypad_drawing.h"

namespace tessarix {

namespace {
constexpr const char* helpDigitKeypad = "Rechte Taste löscht Feld!";
constexpr const char* helpMarksKeypad = "Bitte Kandidaten notieren!";
constexpr int escapeCharacter = 27;

int indexOf(const CellRef& c) { return cellIndex(c.grid, c.col, c.row); }
}  // namespace

// --- Entering a cell and its other copy ---------------------------------------------------------

void Game::enterCell(const CellRef& cell, int digit) {
  // The move shows the cell through entryDrawn, judges it, counts a wrong entry once and
  // refreshes the lower copies; the lower copy of a shared box is shown too.
  play({MoveKind::Enter, indexOf(cell), digit});
  if (const int m = mirrorOf(indexOf(cell))) {
    showEntry(m, digit, !ownBoardMode() && digit != 0 && isWrongEntry(state_, m));
  }
}

void Game::enterClue(const CellRef& cell, int digit) {
  const int i = indexOf(cell);
  play({MoveKind::SetClue, i, digit});
  showGiven(i, digit);
  if (const int m = mirrorOf(i))
    showGiven(m, digit);
}

void Game::removeClue(const CellRef& cell) {
  play({MoveKind::RemoveClue, indexOf(cell)});
  enterCell(cell, 0);
  if (state_.options.showCandidates) refreshCandidates();
}

// --- Clicks on cells
// ------------------------------------------------------------------------------

void Game::handleCellClick(MouseButton button, const CellRef& cell) {
  const int i = indexOf(cell);
  if (state_.givens[i] == 0) {
    const bool marksMode = button == MouseButton::Right;
    if (!marksMode || state_.board[i] == 0) {
      // The finish test follows when the keypad has closed.
      openKeypad(cell, marksMode);
      return;
    }
    // A right click on an entry clears it at once.
    enterCell(cell, 0);
    if (state_.options.showCandidates) refreshCandidates();
    showDigitCounts();
  }
  finishTest();
}

void Game::ownBoardCellClick(MouseButton button, const CellRef& cell) {
  if (button == MouseButton::Left) {
    // Clues are not protected here: the keypad may replace one. The counts follow its closing.
    openKeypad(cell, false);
    return;
  }
  // The right button removes a clue; on any other cell it does nothing.
  if (state_.givens[indexOf(cell)] != 0) removeClue(cell);
  showDigitCounts();
  showLevelLine();
}

void Game::finishTest() {
  // A field solved while the clock runs is a finish: updateClock records the time and hands it
  // to the hall of fame.
  if (!isSolved(state_.status) || !state_.clockRunning) return;
  gameSolved_ = true;
  updateClock();
  state_.clockRunning = false;
  gameSolved_ = false;
  followClock();
}

// --- The keypad
// -----------------------------------------------------------------------------------

void Game::openKeypad(const CellRef& cell, bool marksMode) {
  keypad_.open = true;
  keypad_.cell = cell;
  keypad_.marksMode = marksMode;
  keypad_.cleared = false;
  ++inputEpoch_;
  ignoreEscape_ = false;
  hintOnHelpLine_ = false;
  helpText_ = marksMode ? helpMarksKeypad : helpDigitKeypad;
  showHelpLine();
  const KeypadPlace corner = keypadPlace(cell.grid, cell.col, cell.row);
  keypad_.left = corner.left;
  keypad_.top = corner.top;
  // The keypad is painted by the refresh that follows the event.
}

void Game::keypadPointerMoved(int x, int y) {
  const int n = keypadButtonAt(keypad_.left, keypad_.top, x, y);
  if (n == 0 || n == keypadValue_) return;
  keypadValue_ = n;
}

void Game::keypadButtonPressed(MouseButton button, int x, int y) {
  // A mouse click hides the keyboard cursor, once the keypad over it has gone.
  if (cursorCell_ != 0) hideCursorAfterKeypad_ = true;
  if (button == MouseButton::Right) {
    clearFromKeypad();
    return;
  }
  // A left press outside the keypad is ignored; inside it enters the highlighted value, which
  // is the last one when the pointer has not moved onto another button.
  if (!insideKeypad(keypad_.left, keypad_.top, x, y)) return;
  if (keypad_.marksMode)
    toggleMark(keypadValue_);
  else
    keypadChose(keypadValue_);
  keypadClosed();
}

void Game::keypadCharacterTyped(int code) {
  int k = code;
  bool escape = false;
  if (k == escapeCharacter) {
    // Esc clears like "0", and its release does not end the game loop.
    k = '0';
    escape = true;
    ignoreEscape_ = true;
  }
  // In letters mode "a" to "i" are the values 1 to 9, and the digit keys mean nothing.
  if (!state_.options.digitMode && !escape) k -= 'a' - '1';
  if (k < '0' || k > '9') return;
  const int v = k - '0';
  if (keypad_.marksMode) {
    if (v != 0) toggleMark(v);  // "0" and Esc only close the keypad
  } else {
    keypadValue_ = v;
    keypadChose(v);
  }
  keypadClosed();
}

void Game::clearFromKeypad() {
  keypad_.cleared = true;
  if (keypad_.marksMode) {
    play({MoveKind::ClearMarks, indexOf(keypad_.cell)});
    refreshCandidates();
  } else if (!ownBoardMode()) {
    enterCell(keypad_.cell, 0);
  }
  keypadClosed();
}

void Game::toggleMark(int digit) {
  play({MoveKind::ToggleMark, indexOf(keypad_.cell), digit});
  refreshCandidates();
}

void Game::keypadChose(int value) {
  // In a game the value goes in at once. In the own-board entry it is the clue (0 none) that
  // the keypad's closing shows.
  if (!ownBoardMode())
    enterCell(keypad_.cell, value);
  else
    play({value != 0 ? MoveKind::SetClue : MoveKind::RemoveClue, indexOf(keypad_.cell), value});
}

void Game::askForCellAgain() {
  // With its trailing blank; three more on large fonts.
  helpText_ = "Bitte ein Feld anklicken! ";
  if (canvas_.largeFonts()) helpText_ += "   ";
  showHelpLine();
}

void Game::keypadClosed() {
  keypad_.open = false;
  ++inputEpoch_;
  askForCellAgain();
  syncSharedBoxes(state_);
  if (state_.options.showCandidates) refreshCandidates();

  if (ownBoardMode()) {
    // The clue the keypad chose is shown now. A right click in the keypad, "0" and Esc remove
    // the clue.
    const int v = state_.givens[indexOf(keypad_.cell)];
    if (keypad_.cleared || v == 0)
      removeClue(keypad_.cell);
    else
      enterClue(keypad_.cell, v);
    showDigitCounts();
    showLevelLine();
    return;
  }
  if (!keypad_.marksMode) showDigitCounts();
  finishTest();
}

}  // namespace tessarix
