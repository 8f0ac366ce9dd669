// The game clock: the label of a timed game, the finish time of a solved one, the 50 ms tick
// and when the front end runs it.
#include "app/game_clock.h"

#include "app/game.h"
#include "extras/clock_text.h"

namespace tessarix {

namespace {
constexpr int64_t tenthsPerSecond = 10;
}  // namespace

// --- The clock itself ---------------------------------------------------------------------------

void GameClock::start() {
  startTenths_ = platform_.nowTenths();
  shownSecond_ = -1;
}

void GameClock::resume(int64_t playedTenths) {
  startTenths_ = platform_.nowTenths() - playedTenths;
  shownSecond_ = -1;
}

int64_t GameClock::elapsedTenths() const { return platform_.nowTenths() - startTenths_; }

void GameClock::show(const std::string& text) {
  text_ = text;
  platform_.setClockText(text);
}

void GameClock::showElapsed(bool onlyNewSecond) {
  const int64_t second = elapsedTenths() / tenthsPerSecond;
  if (onlyNewSecond && second == shownSecond_) return;
  shownSecond_ = second;
  show(clockDisplayText(second));
}

void GameClock::tickWhile(bool timed) {
  if (timed == ticking_) return;
  ticking_ = timed;
  if (timed)
    platform_.startClockTick();
  else
    platform_.stopClockTick();
}

// --- The Game's rules of the clock --------------------------------------------------------------

void Game::followClock() { clock_.tickWhile(state_.clockRunning && !gameSolved_ && !paused_); }

void Game::updateClock() {
  if (!state_.clockRunning) {
    clock_.show(idleClockText);
    followClock();
    return;
  }
  if (!gameSolved_) {
    // While the clock runs the label always shows the elapsed time (" 00:00:00" at the start).
    clock_.showElapsed(false);
    followClock();
    return;
  }
  // A solved finish: the finish time is shown and kept, the clock stops, the hall of fame
  // takes the time, and the label goes back to its idle text.
  finishTime_ = finishTimeText(clock_.elapsedTenths());
  clock_.show(finishTime_);
  state_.clockRunning = false;
  followClock();
  enterChampion();
  clock_.show(idleClockText);
}

void Game::clockTick() {
  // A stopped clock writes nothing: the last time shown stays (or the idle text).
  if (!state_.clockRunning || gameSolved_ || paused_) {
    followClock();
    return;
  }
  clock_.showElapsed(true);
  keepGame();
}

}  // namespace tessarix
