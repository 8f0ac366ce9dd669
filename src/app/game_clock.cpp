// The game clock: the label of a timed game, the finish time of a solved one, the 50 ms tick
// and when the front end runs it.
#include "app/game.h"

#include "extras/clock_text.h"

namespace tessarix {

namespace {
constexpr int64_t tenthsPerSecond = 10;
}  // namespace

void Game::setClockText(const std::string& text) {
  clockText_ = text;
  platform_.setClockText(text);
}

void Game::followClock() {
  const bool timed = state_.clockRunning && !gameSolved_;
  if (timed == clockTicking_) return;
  clockTicking_ = timed;
  if (timed)
    platform_.startClockTick();
  else
    platform_.stopClockTick();
}

void Game::updateClock() {
  if (!state_.clockRunning) {
    setClockText(idleClockText);
    followClock();
    return;
  }
  const int64_t elapsed = platform_.nowTenths() - startTime_;
  if (!gameSolved_) {
    // While the clock runs the label always shows the elapsed time (" 00:00:00" at the start).
    lastClockSecond_ = elapsed / tenthsPerSecond;
    setClockText(clockDisplayText(lastClockSecond_));
    followClock();
    return;
  }
  // A solved finish: the finish time is shown and kept, the clock stops, the hall of fame
  // takes the time, and the label goes back to its idle text.
  finishTime_ = finishTimeText(elapsed);
  setClockText(finishTime_);
  state_.clockRunning = false;
  followClock();
  enterChampion();
  setClockText(idleClockText);
}

void Game::clockTick() {
  // A stopped clock writes nothing: the last time shown stays (or the idle text).
  if (!state_.clockRunning || gameSolved_) {
    followClock();
    return;
  }
  const int64_t second = (platform_.nowTenths() - startTime_) / tenthsPerSecond;
  if (second == lastClockSecond_) return;
  lastClockSecond_ = second;
  setClockText(clockDisplayText(second));
}

}  // namespace tessarix
