// "Neue Rätsel erzeugen": the puzzle of a new game made in the background. The command waits
// for it with the window live, the busy cursor and a line in the help panel; a command chosen
// meanwhile drops it, and the game is then as if it had never been asked for.
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <utility>

#include "app/game.h"
#include "puzzles/graded_generator.h"

namespace tessarix {

namespace {
constexpr const char* helpMakingPuzzle = "Ein neues Rätsel wird erzeugt ...";
}  // namespace

// What the job shares with the game. The game is its only owner: once the game lets go of it
// (a command came, or the game ended), the job is told to stop, and its done finds nothing.
struct Game::Generation {
  int command = 0;  // menu::NewGame or menu::PrintedGame, run once the puzzle is there
  // The help panel's line as it was, its text and what it reads (with what a longer text
  // before left at its end), put back when the job is dropped.
  std::string helpTextBefore, helpLineBefore;
  std::stop_source stop;
  // Written by the job, read on the GUI thread only after the job has finished.
  std::shared_ptr<std::optional<Puzzle>> made = std::make_shared<std::optional<Puzzle>>();
  ~Generation() { stop.request_stop(); }
};

void Game::startGeneration(int id) {
  auto job = std::make_shared<Generation>();
  job->command = id;
  // The level and the symmetry as they are now; a command that changes them drops the job.
  const PuzzleGrade grade = shippedGrade(state_.options.level);
  const bool symmetric = state_.options.symmetryOn;
  // The job draws from a source of its own, seeded from the game's chance.
  const auto seed = static_cast<uint32_t>(platform_.randomInt(1 << 16)) << 16 |
                    static_cast<uint32_t>(platform_.randomInt(1 << 16));
  job->helpTextBefore = helpText_;
  job->helpLineBefore = look_.helpLine;
  generation_ = job;
  platform_.setBusyCursor(true);
  helpText_ = helpMakingPuzzle;
  showHelpPanel();
  refresh();

  std::weak_ptr<Generation> wanted = job;
  platform_.runInBackground(
      [made = job->made, stop = job->stop.get_token(), grade, symmetric, seed] {
        SeededRandom random(seed);
        *made = generateGraded(grade, symmetric, random, stop);
      },
      [this, wanted] {
        if (const std::shared_ptr<Generation> job = wanted.lock()) generationFinished(*job);
      });
}

void Game::generationFinished(Generation& job) {
  // Only a stopped job makes nothing, and a stopped job is no longer wanted.
  if (!job.made->has_value()) {
    cancelGeneration();
    return;
  }
  const int command = job.command;
  freshClues_ = (*job.made)->clues;
  generation_.reset();
  platform_.setBusyCursor(false);
  // The command as it was chosen, its puzzle there now; it writes the help panel anew.
  menuEvent(command);
  freshClues_.reset();
}

void Game::cancelGeneration() {
  const std::shared_ptr<Generation> job = std::move(generation_);
  platform_.setBusyCursor(false);
  // The panel drawn afresh with the line it read before.
  helpText_ = job->helpLineBefore;
  showHelpPanel();
  helpText_ = job->helpTextBefore;
  refresh();
}

void Game::takeFreshPuzzle() {
  // As a slot of a complete level file loads: clues only, its marks (none) replacing the old.
  state_.clockRunning = false;
  state_.board = *freshClues_;
  state_.givens = *freshClues_;
  state_.options.showCandidates = false;
  state_.clearMarks();
}

}  // namespace tessarix
