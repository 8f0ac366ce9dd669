// The Game's start-up and what the screen shows of the state: the opening screen, the field,
// the panels, the counts and the status, the candidates.
#include "app/game.h"

#include "extras/clock_text.h"
#include "logic/check.h"
#include "logic/validity.h"
#include "ui/help_texts.h"

namespace tessarix {

Game::Game(Canvas& canvas, Platform& platform)
    : canvas_(canvas), platform_(platform, [this] { refresh(); }) {}

Game::~Game() = default;

// --- Start-up ---------------------------------------------------------------------------------

void Game::startUp(MenuBuilder& menu) {
  // The palette and the field's anchors are constant tables; the state starts with digits
  // shown and the symmetry on.
  state_ = GameState{};
  state_.options.digitMode = true;
  state_.options.symmetryOn = true;
  readHallOfFame();
  buildMenu(menu);
  updateMenuChecks(state_, platform_);
  look_.barStripKept = true;
  helpText_ = helpChooseMenu;
  clock_.show(idleClockText);
  showOpeningScreen();
  refresh();
}

void Game::showOpeningScreen() {
  // The empty field, its panels and the clock's.
  showStatistics();
  showLevelLine();
  showHelpPanel();
}

// --- The field ----------------------------------------------------------------------------------

void Game::showBoard() {
  for (int g = 1; g <= 9; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) showCell(cellIndex(g, c, r));
  showDigitCounts();
  if (state_.options.showCandidates)
    refreshCandidates();
  else
    showMarks();
}

void Game::entryDrawn(int grid, int col, int row, int digit, bool wrong) {
  showEntry(cellIndex(grid, col, row), digit, wrong);
}

void Game::clockVoided() { updateClock(); }

// --- Panels -------------------------------------------------------------------------------------

void Game::showStatistics() {
  look_.statisticsDigitMode = state_.options.digitMode;
  look_.countsShown = false;
  showDigitCounts();
  look_.statusShown = false;
  checkAndShowStatus();
}

void Game::showDigitCounts() {
  countDigits(state_, state_.digitCount);
  look_.countsShown = true;
  look_.counts = state_.digitCount;
  look_.countsHighlight = state_.highlightDigit;
  checkAndShowStatus();
}

void Game::checkAndShowStatus() {
  GameState& s = state_;
  checkBoard(s);
  look_.statusShown = true;
  look_.status = s.status;
  look_.wrongCount = s.wrongCount;
  // Every entry agrees with the solution, yet the field breaks a rule (a clue clashes): the
  // status stays "Falsche Zahl! " and the player hears it.
  if (s.notSolvable || boardValid(s.board) || anyWrongEntry(s)) return;
  platform_.beep();
}

void Game::showLevelLine() {
  look_.givenCount = countGivens(state_);
  look_.level = state_.options.level;
}

void Game::showHelpPanel() {
  look_.helpLine.clear();
  showHelpLine();
}

void Game::showHelpLine() { noteHelpLine(helpText_); }

// --- Candidates ---------------------------------------------------------------------------------

void Game::refreshCandidates() {
  GameState& s = state_;
  if (s.options.showCandidates) {
    // Candidates shown void the timing for good.
    s.clockRunning = false;
    updateClock();
    computeCandidates(s.board, s.marks);
  }
  mergeSharedCandidates(s.marks);
  showMarks();
}

}  // namespace tessarix
