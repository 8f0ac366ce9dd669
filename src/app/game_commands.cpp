// The menu commands: the common prologue and epilogue, the commands themselves, quitting, and
// the game loop they end in.
#include "app/game.h"

#include <array>

#include "logic/check.h"
#include "logic/validity.h"
#include "puzzles/puzzle_file.h"
#include "ui/help_topics.h"
#include "ui/help_texts.h"

namespace tessarix {

namespace {

// The commands that show "Bitte ein Feld anklicken!" while they run.
bool asksForCell(int id) {
  using namespace menu;
  constexpr std::array ids = {NewGame,   StartGame,  OwnBoard,     LoadBoard,
                              SaveBoard, SolveBoard, ShuffleBoard, Restart};
  for (int i : ids)
    if (i == id) return true;
  return false;
}

}  // namespace

// --- Dispatch -----------------------------------------------------------------------------------

void Game::menuEvent(int id) {
  // The menu bar is off while a command or its game loop runs, so no second command starts;
  // neither does one that reaches the game from inside a message box of the first.
  if (mode_ != Mode::Idle || quitting_ || commandRunning_) return;
  // A command chosen while a new puzzle is being made drops it ("Neue Rätsel erzeugen").
  if (generation_) cancelGeneration();
  using namespace menu;
  if ((id == NewGame || id == PrintedGame) && state_.options.freshPuzzles && !freshClues_) {
    startGeneration(id);
    return;
  }
  commandRunning_ = true;
  ignoreEscape_ = false;
  platform_.setMenuEnabled(false);
  if (asksForCell(id)) {
    helpText_ = helpClickCell;
    showHelpPanel();
  }

  bool endsInLoop = false;
  bool endsInOwnBoard = false;
  switch (id) {
    case About: platform_.showAbout(); break;
    case NewGame:
      newGame();
      endsInLoop = true;
      break;
    case StartGame: endsInLoop = true; break;
    case OwnBoard: endsInOwnBoard = true; break;
    case PrintedGame:
      printedGame();
      endsInLoop = true;
      break;
    case LoadBoard:
      dataFile_ = savedBoardFile;
      loadBoardDialog();
      showLevelLine();
      endsInLoop = true;
      break;
    case SaveBoard:
      saveBoardDialog();
      endsInLoop = true;
      break;
    case SolveBoard: solveCommand(); break;
    case ShuffleBoard:
      shuffleCommand();
      showBoard();
      showDigitCounts();
      break;
    case Restart:
      restartCommand();
      endsInLoop = true;
      break;
    case ClearBoard: clearCommand(); break;
    case PrintBoard: printBoard(); break;
    case LevelEasy:
    case LevelMedium:
    case LevelHard:
    case LevelExtreme:
      // Only the file of the next new game changes; the board on screen stays.
      state_.options.level = id - LevelEasy;
      break;
    case Digits:
    case Letters:
      state_.options.digitMode = id == Digits;
      updateMenuChecks(state_, platform_);
      showBoard();
      showStatistics();
      break;
    case Candidates:
      // Both ways the marks go: the candidates shown, or the player's own pencil marks.
      state_.options.showCandidates = !state_.options.showCandidates;
      play({MoveKind::ClearAllMarks});
      showBoard();
      break;
    case Symmetry: state_.options.symmetryOn = !state_.options.symmetryOn; break;
    case FreshPuzzles: state_.options.freshPuzzles = !state_.options.freshPuzzles; break;
    case TrackMarks: state_.options.trackMarks = !state_.options.trackMarks; break;
    case ShowHallOfFame: showHallOfFame(); break;
    case Instructions: showHelpTopic(helpOverviewTopic); break;
    case Quit: confirmQuit(); break;
    default:
      // An unknown id: the epilogue below still brings the window back to rest.
      break;
  }
  commandRunning_ = false;
  if (quitting_) return;
  // A command that ends in a game loop runs its epilogue when the loop is left.
  if (endsInLoop)
    playLoop();
  else if (endsInOwnBoard)
    ownBoardLoop();
  else
    commandEpilogue();
  refresh();
}

void Game::commandEpilogue() {
  platform_.setMenuEnabled(true);
  platform_.setBusyCursor(false);
  updateMenuChecks(state_, platform_);
  showLevelLine();
  helpText_ = helpChooseMenu;
  showHelpLine();
  hideBar();
}

// --- Commands -----------------------------------------------------------------------------------

bool Game::dealPuzzle() {
  dataFile_ = levelFileName(state_.options.level);
  bool dealt = true;
  if (freshClues_)
    takeFreshPuzzle();
  else
    dealt = loadLevelSlot();
  // A slot's lower copies of the shared boxes follow the upper ones before the shuffle.
  syncSharedBoxes(state_);
  showLevelLine();
  shuffleCommand();
  return dealt;
}

bool Game::loadLevelSlot() {
  const int slot = platform_.randomInt(slotCount);
  const LoadResult loaded = loadSlot(dataFile_, slot, state_);
  if (loaded.status == LoadStatus::Refused) platform_.showMessage(loaded.message);
  // A level file that is not there (deleted, or a link that leads nowhere) is named, so that
  // the player knows why no new puzzle came.
  if (loaded.status == LoadStatus::Missing)
    platform_.showMessage("Die Datei " + dataFile_ + " fehlt im Spielverzeichnis.");
  return loaded.status == LoadStatus::Loaded;
}

void Game::printedGame() {
  // Dealt and printed, then played on screen without the clock.
  dealPuzzle();
  printBoard();
}

void Game::newGame() {
  // A puzzle that could not be loaded is not timed.
  if (!dealPuzzle()) {
    updateClock();
    return;
  }
  state_.clockRunning = true;
  clock_.start();
  gameSolved_ = false;
  finishTime_ = "X";
  updateClock();
}

void Game::shuffleCommand() {
  platform_.setBusyCursor(true);
  play({MoveKind::Shuffle});
  platform_.setBusyCursor(false);
}

void Game::restartCommand() {
  play({MoveKind::Restart});
}

void Game::clearCommand() {
  play({MoveKind::ClearBoard});
  showBoard();
}

void Game::solveAndReport() {
  GameState& s = state_;
  platform_.setBusyCursor(true);
  play({MoveKind::Solve});
  showDigitCounts();
  if (!isSolved(s.status))
    platform_.ask("Das Brett läßt sich nicht eindeutig lösen?", {"&Schade"}, 0,
                  MessageIcon::Information);
  if (s.options.showCandidates) refreshCandidates();
  platform_.setBusyCursor(false);
}

void Game::solveCommand() {
  solveAndReport();
  // Both tests run, in this order. The entries have led into a contradiction when an empty
  // cell can take no digit, or when the field is full but breaks a rule: then only the clues
  // stay, and the solver starts again from them.
  const bool c1 = !(state_.boardComplete && boardValid(state_.board));
  const bool c2 = !noDeadEnd(state_.board) || !boardValid(state_.board);
  if (c1 && c2) {
    restartCommand();
    solveAndReport();
  }
}

// --- Quitting -----------------------------------------------------------------------------------

bool Game::confirmQuit() {
  const int answer = platform_.ask("Spiel beenden?", {"&JA", "&NEIN"}, 1, MessageIcon::Question);
  if (answer != 0) return false;
  // The game in progress is kept as it stands, its clock with the time played up to now.
  keepGame(true);
  quitting_ = true;
  state_.clockRunning = false;
  followClock();
  look_.barStripKept = false;
  platform_.quit();
  return true;
}

bool Game::closeRequested() {
  if (quitting_) return true;
  // The close button is a command of its own: a puzzle being made is dropped before the
  // question, which must not see a new game dealt behind it.
  if (generation_) cancelGeneration();
  if (confirmQuit()) return true;
  // Declined: the game goes on, also inside a running game loop; an Esc held down since
  // before the question does not end it, a fresh one does.
  ignoreEscape_ = true;
  refresh();
  return false;
}

}  // namespace tessarix
