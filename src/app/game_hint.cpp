// The hint, T in the play loop: a wrong entry is framed and named; otherwise the cell the
// game's own solver would fill next is framed, and the help panel says which value goes there
// and why. T right after enters it as the solver would; any other event takes the frame away.
// A hint, like the candidates, ends the timing of a timed game.
#include "app/game.h"

#include "app/keys.h"
#include "logic/check.h"
#include "logic/geometry.h"
#include "ui/board_drawing.h"

namespace tessarix {

namespace {

constexpr const char* hintWrongEntry = "Dieser Eintrag ist falsch!";
constexpr const char* hintNoStep = "Kein Schritt gefunden!";
// The help panel's line holds 26 characters; a shorter text is filled up with blanks, so that
// nothing of the text before stays visible.
constexpr size_t hintWidth = 26;

std::string padded(std::string text) {
  size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  if (characters < hintWidth) text.append(hintWidth - characters, ' ');
  return text;
}

std::string reasonText(const std::string& value, StepReason reason) {
  switch (reason) {
    case StepReason::OnlyDigitOfCell: return value + ": einzige Zahl im Feld";
    case StepReason::OnlyPlaceInBox: return value + ": nur hier im Block";
    case StepReason::OnlyPlaceInRow: return value + ": nur hier in der Zeile";
    case StepReason::OnlyPlaceInColumn: return value + ": nur hier in der Spalte";
  }
  return value;
}

}  // namespace

std::string hintTextFor(const SolverStep& step, bool digitMode) {
  return padded(reasonText(cellCharacter(digitMode, step.digit), step.reason));
}

bool Game::hintKeyReleased(int key) {
  // Like the keys of the table, T means the same with Shift.
  if (keys::base(key) != 'T' || mode_ != Mode::Playing) return false;
  if (hint_ && hint_->armed && hint_->step) {
    // The second T: the value goes in as the solver would put it there.
    const SolverStep step = *hint_->step;
    dropHint(false);
    enterCell({cellGrid(step.cell), cellCol(step.cell), cellRow(step.cell)}, step.digit);
    if (state_.options.showCandidates) refreshCandidates();
    showDigitCounts();
    return true;
  }
  dropHint(false);
  state_.clockRunning = false;
  followClock();
  updateClock();

  Hint hint;
  for (int g = 1; g <= gridCount && hint.cell == 0; ++g)
    for (int r = 1; r <= 9 && hint.cell == 0; ++r)
      for (int c = 1; c <= 9 && hint.cell == 0; ++c) {
        const int i = cellIndex(g, c, r);
        if (isWrongEntry(state_, i))
          hint.cell = leadingCopy(i);
      }
  if (hint.cell != 0) {
    helpText_ = padded(hintWrongEntry);
  } else if (const auto step = nextSolverStep(state_)) {
    hint.cell = step->cell;
    hint.step = step;
    helpText_ = hintTextFor(*step, state_.options.digitMode);
  } else {
    helpText_ = padded(hintNoStep);
  }
  showHelpLine();
  hintOnHelpLine_ = true;
  if (hint.cell != 0) {
    // The frame is painted by the refresh that follows the event.
    hint.armed = true;
    hint_ = std::move(hint);
  }
  return true;
}

void Game::dropHint(bool restoreHelpLine) {
  if (hint_) {
    const int cell = hint_->cell;
    hint_.reset();
    showCell(cell);
    if (state_.givens[cell] == 0 && state_.board[cell] == 0) showMarks();
  }
  // The line explaining a hint stays while its value is the last thing that happened; the
  // next key or click (an undo of that value among them) asks for a cell again.
  if (restoreHelpLine && hintOnHelpLine_) {
    hintOnHelpLine_ = false;
    askForCellAgain();
  }
}

}  // namespace tessarix
