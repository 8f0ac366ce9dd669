// The two game loops as modes: the play loop and the own-board entry, their button bar and the
// keys they answer.
#include "app/game.h"

#include "app/keys.h"

#include "logic/check.h"
#include "logic/validity.h"
#include "puzzles/puzzle_file.h"
#include "ui/button_bar.h"
#include "ui/help_topics.h"

namespace tessarix {

namespace {
constexpr int abortPauseMilliseconds = 200;
}  // namespace

// --- Entering and leaving -----------------------------------------------------------------------

void Game::playLoop() {
  enterLoop(Mode::Playing);
  showBoard();
  showBar();
  // A timed game's clock ticks from here on.
  followClock();
  history_.restart(state_);
  keepGame();
}

void Game::ownBoardLoop() {
  // The board is not shown afresh and no clock starts: the player types clues into what is there.
  enterLoop(Mode::OwnBoard);
  showBar();
  history_.restart(state_);
  keepGame();
}

void Game::enterLoop(Mode mode) {
  mode_ = mode;
  ++inputEpoch_;
  keyPrefix_ = false;
  heldBarButton_.reset();
}

void Game::leaveLoop() {
  // A loop is left only by its keys and its bar, never while the keypad is open or paused.
  hideCursor();
  dropHint(false);
  hintOnHelpLine_ = false;  // the epilogue writes the menu's line
  history_.clear();
  setHighlight(0);  // the field goes back to its plain look when the loop ends
  // The own puzzle's clues now have their own solution: "Spielstart" judges against it.
  if (mode_ == Mode::OwnBoard) deriveWithBusyCursor();
  mode_ = Mode::Idle;
  ++inputEpoch_;
  heldBarButton_.reset();
  keepGame();
  commandEpilogue();
}

void Game::abortLoop(bool byEscape) {
  // Abbruch stays pressed until the command's epilogue puts the empty strip back.
  showBarButton(BarButton::Abbruch, true);
  if (mode_ == Mode::Playing) {
    state_.clockRunning = false;
    followClock();
  }
  pendingStep_ =
      byEscape && mode_ == Mode::Playing ? PendingStep::LeaveAfterEscape : PendingStep::Leave;
  platform_.startStepTimer(abortPauseMilliseconds);
}

// --- Keys ---------------------------------------------------------------------------------------

void Game::loopKeyPressed(int key) {
  // An Esc pressed afresh in the loop acts on its release, whatever closed before it.
  if (keys::base(key) == keys::escape) ignoreEscape_ = false;
}

void Game::loopKeyReleased(int key) {
  // Alt belongs to the menu's access keys, and the menu is off in a loop: a key pressed with
  // Alt does nothing. With Ctrl only undo and redo act.
  if (pausedKeyReleased(key)) return;
  if ((key & keys::alt) != 0) return;
  if ((key & keys::ctrl) != 0) {
    if (keys::isUndo(key) || keys::isRedo(key)) {
      dropHint(true);
      historyKeyReleased(key);
    }
    return;
  }
  // A hint stays on the screen only until the next key, unless that is the T that enters it.
  if (keys::base(key) != 'T') dropHint(true);
  if (hintKeyReleased(key) || cursorKeyReleased(key) || highlightKeyReleased(key)) return;
  const bool own = mode_ == Mode::OwnBoard;
  // Shift does not change what a key of the table does.
  switch (keys::base(key)) {
    case 'X':
      if (own) {
        shuffleCommand();
        showBoard();
      }
      break;
    case 'N':  // the key restarts without the button's animation
      restartCommand();
      showBoard();
      break;
    case 'L': barButtonPressed(BarButton::Laden, false); break;
    case 'S': barButtonPressed(BarButton::Sichern, false); break;
    case 'D': barButtonPressed(BarButton::Drucken, false); break;
    case 'H': barButtonPressed(BarButton::Hilfe, false); break;
    case 'A':
      // In letters mode A is the value 1 of a cell, not Abbruch.
      if (state_.options.digitMode) abortLoop(false);
      break;
    case keys::escape:
      if (!ignoreEscape_) abortLoop(true);
      break;
    case 'K': keyPrefix_ = true; break;
    case 'P':
      if (!own) pauseGame();
      break;
    case 'O':
      // Only O clears the prefix: K, another key, then O still solves.
      if (keyPrefix_) solveShortcut();
      keyPrefix_ = false;
      break;
    case 'F':
    case 'C':
      if (!own) {
        play({keys::base(key) == 'F' ? MoveKind::FillAllMarks : MoveKind::ClearAllMarks});
        showBoard();
      }
      break;
    case 'M':
      // Own marks and candidates are two ways of the marks: the switch starts a new history.
      state_.clockRunning = false;
      play({MoveKind::ClearAllMarks});
      state_.options.showCandidates = !state_.options.showCandidates;
      showBoard();
      updateClock();
      history_.restart(state_);
      break;
    default: break;
  }
}

void Game::solveShortcut() {
  if (mode_ == Mode::OwnBoard) {
    // The own-board entry solves once, and the clock is not touched.
    solveAndReport();
    return;
  }
  state_.clockRunning = false;
  followClock();
  solveCommand();
  updateClock();
}

// --- The button bar -----------------------------------------------------------------------------

void Game::barButtonPressed(BarButton b, bool byMouse) {
  if (b == BarButton::Abbruch) {
    abortLoop(false);
    return;
  }
  showBarButton(b, true);
  switch (b) {
    case BarButton::Laden:
    {
      dataFile_ = savedBoardFile;
      const bool loaded = loadBoardDialog();
      showLevelLine();
      showBoard();
      if (mode_ == Mode::Playing) updateClock();
      // A loaded board starts a new history.
      if (loaded) history_.restart(state_);
      break;
    }
    case BarButton::Sichern: saveBoardDialog(); break;
    case BarButton::Drucken: printBoard(); break;
    case BarButton::Hilfe: showHelpTopic(helpExplanationTopic); break;
    case BarButton::Neustart:
      restartCommand();
      showBoard();
      break;
    case BarButton::Abbruch: break;
  }
  if (quitting_ || mode_ == Mode::Idle) return;
  // Pressed by a key, the button pops up at once; pressed by the mouse, when the mouse button
  // is let go. A dialog the press opened has taken that release: then the button state says it.
  if (byMouse && platform_.mouseButtonsDown())
    heldBarButton_ = b;
  else
    showBarButton(b, false);
}

}  // namespace tessarix
