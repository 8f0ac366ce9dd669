// The Game's start-up and the procedures that draw the state: the opening screen, the field,
// the panels, the counts and the status, the candidates.
#include "app/game.h"

#include "extras/clock_text.h"
#include "logic/check.h"
#include "logic/validity.h"
#include "ui/board_drawing.h"
#include "ui/candidates_drawing.h"
#include "ui/frames.h"
#include "ui/help_texts.h"
#include "ui/panels.h"

namespace tessarix {

Game::Game(Canvas& canvas, Platform& platform)
    : canvas_(canvas), platform_(platform, [this] { refreshBeforeDialog(); }) {}

Game::~Game() = default;

// --- Start-up ---------------------------------------------------------------------------------

void Game::startUp(MenuBuilder& menu) {
  // The palette and the field's anchors are constant tables; the state starts with digits
  // shown and the symmetry on.
  state_ = GameState{};
  state_.digitMode = true;
  state_.symmetryOn = true;
  readHallOfFame();
  buildMenu(menu);
  updateMenuChecks(state_, platform_);
  barStripKept_ = true;
  helpText_ = helpChooseMenu;
  clock_.show(idleClockText);
  drawOpeningScreen();
  canvas_.setTextFont(FontStyle::Caption);
}

void Game::drawOpeningScreen() {
  drawBottomStrip(canvas_);
  drawBoard();
  showHelpPanel();
}

// --- The field ----------------------------------------------------------------------------------

void Game::drawBoard() {
  drawEmptyField(canvas_);
  drawStatistics();
  drawLevelPanel(canvas_, givenCount_);
  refreshPanels();
  drawClockPanel(canvas_);
}

void Game::redrawBoard() {
  GameState& s = state_;
  for (int g = 1; g <= 9; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        repaintCell(i);
      }
  showDigitCounts();
  if (s.showCandidates)
    refreshCandidates();
  else
    drawMarks();
}

void Game::entryDrawn(int grid, int col, int row, int digit, bool wrong) {
  drawEntry(cellIndex(grid, col, row), digit, wrong);
}

void Game::clockVoided() { updateClock(); }

// --- Panels -------------------------------------------------------------------------------------

void Game::drawStatistics() {
  statisticsDigitMode_ = state_.digitMode;
  drawStatisticsPanel(canvas_, state_);
  countsShown_ = false;
  showDigitCounts();
  drawStatusPanel(canvas_);
  statusShown_ = false;
  checkAndShowStatus();
}

void Game::showDigitCounts() {
  countDigits(state_, state_.digitCount);
  // Counts the panel shows already are not written again.
  if (!countsShown_ || shownCounts_ != state_.digitCount ||
      shownCountsHighlight_ != state_.highlightDigit) {
    drawDigitCounts(canvas_, state_);
    countsShown_ = true;
    shownCounts_ = state_.digitCount;
    shownCountsHighlight_ = state_.highlightDigit;
  }
  checkAndShowStatus();
}

void Game::checkAndShowStatus() {
  GameState& s = state_;
  checkBoard(s);
  if (!statusShown_ || shownStatus_ != s.status || shownWrongCount_ != s.wrongCount) {
    drawStatusText(canvas_, s);
    statusShown_ = true;
    shownStatus_ = s.status;
    shownWrongCount_ = s.wrongCount;
  }
  // Every entry agrees with the solution, yet the field breaks a rule (a clue clashes): the
  // status stays "Falsche Zahl! " and the player hears it.
  if (s.notSolvable || boardValid(s.board) || anyWrongEntry(s)) return;
  platform_.beep();
}

void Game::refreshPanels() {
  givenCount_ = countGivens(state_);
  writeLevelLine(canvas_, givenCount_, state_.level);
  shownLevel_ = state_.level;
}

void Game::showHelpPanel() {
  drawHelpPanel(canvas_);
  helpLine_.clear();
  writeHelpLine();
}

void Game::writeHelpLine() {
  noteHelpLine(helpText_);
  tessarix::writeHelpLine(canvas_, helpText_);
}

// --- Candidates ---------------------------------------------------------------------------------

void Game::refreshCandidates() {
  GameState& s = state_;
  if (s.showCandidates) {
    // Candidates shown void the timing for good.
    s.clockRunning = false;
    updateClock();
    computeCandidates(s.board, s.marks);
  }
  mergeSharedCandidates(s.marks);
  drawMarks();
}

}  // namespace tessarix
