// The game in progress kept in the game directory: written after every change a next run
// needs, taken up again at the next start, removed once the game is over. Closing the window,
// a kill or a crash lose at most the seconds since the last write of a running clock.
#include "app/game.h"

#include "logic/check.h"
#include "ui/help_texts.h"

namespace tessarix {

namespace {

// A running clock is kept at least this often (tenths), so that a kill costs the player no
// more than a few seconds of thinking the clock did not count.
constexpr int64_t clockKeptEvery = 50;

}  // namespace

bool Game::gameToKeep() const {
  if (quitting_ || pendingStep_ != PendingStep::None) return false;
  if (mode_ == Mode::OwnBoard) return true;
  // A solved game is over, as is one being left.
  return mode_ == Mode::Playing && !gameSolved_ && !isSolved(state_.status);
}

Game::KeptState Game::keptStateNow() const {
  return {history_.revision(), mode_, state_.options, state_.wrongCount,
          state_.clockRunning && !gameSolved_};
}

KeptGame Game::keptGame() const {
  KeptGame g;
  g.position = Position::of(state_);
  g.mode = mode_ == Mode::OwnBoard ? KeptGame::Mode::OwnBoard : KeptGame::Mode::Playing;
  g.options = state_.options;
  g.wrongCount = state_.wrongCount;
  g.timed = state_.clockRunning && !gameSolved_;
  g.playedTenths = g.timed ? playedTenths() : 0;
  g.paused = paused_;
  g.steps = history_.steps();
  g.doneSteps = history_.doneCount();
  return g;
}

void Game::keepGame(bool always) {
  if (!keptFile_ || quitting_) return;
  if (!gameToKeep()) {
    if (kept_) keptFile_->remove();
    kept_.reset();
    return;
  }
  const KeptState now = keptStateNow();
  if (!always && kept_ == now) {
    // Nothing new but the time: a running clock is kept every few seconds, between two
    // events only (a dialog of an event may hold a position the history has not seen yet).
    if (!now.timed || paused_ || playedTenths() - keptPlayedTenths_ < clockKeptEvery) return;
    if (!(Position::of(state_) == history_.seen())) return;
  }
  const KeptGame g = keptGame();
  if (!keptFile_->write(encodeKeptGame(g))) {
    // Said once, until a write works again; the game goes on.
    if (!keepFailureSaid_)
      platform_.showMessage("Der Spielstand " + keptFile_->path() +
                            " kann nicht gesichert werden. Das Spiel geht weiter, doch ohne "
                            "Spielstand ginge es beim nächsten Start verloren.");
    keepFailureSaid_ = true;
    return;
  }
  keepFailureSaid_ = false;
  kept_ = now;
  keptPlayedTenths_ = g.playedTenths;
}

void Game::resumeKeptGame() {
  if (keptFile_ || mode_ != Mode::Idle || commandRunning_ || quitting_) return;
  auto file = std::make_unique<KeptGameFile>();
  if (file->takeOwnership() == KeptGameFile::Ownership::HeldElsewhere) {
    platform_.showMessage(
        "Ein anderes Tessarix spielt im selben Spielverzeichnis. Sein laufendes Spiel bleibt "
        "bei ihm: es wird hier weder fortgesetzt noch gesichert.");
    return;
  }
  KeptGameFile::Read read = file->read();
  if (read.status == KeptGameFile::Read::Status::Damaged) {
    const std::optional<std::string> aside = file->setAside();
    if (!aside) {
      // What cannot be moved is not written over either: it may be another version's.
      platform_.showMessage("Der Spielstand " + file->path() + " ist nicht lesbar (" + read.why +
                            ") und lässt sich nicht beiseitelegen. Er bleibt, wie er ist, und "
                            "das laufende Spiel wird in diesem Lauf nicht gesichert.");
      return;
    }
    platform_.showMessage("Der Spielstand " + file->path() + " ist nicht lesbar (" + read.why +
                          ") und liegt jetzt als " + *aside +
                          " im Spielverzeichnis. Das Spiel beginnt neu.");
  }
  if (read.status == KeptGameFile::Read::Status::Game) {
    if (read.game->mode == KeptGame::Mode::Idle)
      file->remove();
    else
      takeUp(std::move(*read.game));
  }
  refresh();
  // From here on this copy keeps the game; what it took up stands on disk already.
  keptFile_ = std::move(file);
  if (mode_ != Mode::Idle) kept_ = keptStateNow();
  keptPlayedTenths_ = state_.clockRunning ? playedTenths() : 0;
}

void Game::takeUp(KeptGame kept) {
  // The options the game was played with, and its position.
  state_.options = kept.options;
  kept.position.writeTo(state_);
  state_.wrongCount = kept.wrongCount;
  gameSolved_ = false;
  // As a command that ends in its loop: the menu off, the help line asks for a cell.
  platform_.setMenuEnabled(false);
  updateMenuChecks(state_, platform_);
  helpText_ = helpClickCell;
  showHelpPanel();
  showStatistics();
  showLevelLine();
  if (kept.mode == KeptGame::Mode::OwnBoard) {
    showBoard();
    ownBoardLoop();
  } else {
    // A timed game goes on from the time played; the time it was not running is not counted.
    state_.clockRunning = kept.timed;
    if (kept.timed) {
      clock_.resume(kept.playedTenths);
      finishTime_ = "X";
    }
    playLoop();
    updateClock();
    // A game kept paused comes back paused.
    if (kept.paused) pauseGame();
  }
  // Undo reaches back through the moves of that game; steps that do not lead to the position
  // (a file written by hand) are dropped rather than let undo write nonsense.
  const Position now = Position::of(state_);
  if (PositionHistory::fits(now, kept.steps, kept.doneSteps))
    history_.restore(std::move(kept.steps), kept.doneSteps, state_);
}

}  // namespace tessarix
