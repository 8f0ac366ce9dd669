// The clock of a game: when the timed game started, its label in the clock panel (as last
// written), and the front end's 50 ms tick, which it starts and stops itself. What the label
// says when is the Game's rule; this keeps the time and talks to the front end.
#pragma once

#include <cstdint>
#include <string>

#include "app/platform.h"

namespace tessarix {

class GameClock {
 public:
  explicit GameClock(Platform& platform) : platform_(platform) {}

  // A timed game starts now.
  void start();
  // A timed game goes on: its clock shows playedTenths now, as if it had run since then.
  void resume(int64_t playedTenths);
  int64_t startTime() const { return startTenths_; }
  // Tenths of a second since the start, by the platform's monotonic clock.
  int64_t elapsedTenths() const;

  // The label, written through to the front end.
  void show(const std::string& text);
  const std::string& text() const { return text_; }
  // The elapsed time on the label (" 00:00:00" at the start); with onlyNewSecond, only when
  // its second has moved on since it was last shown.
  void showElapsed(bool onlyNewSecond);

  // The front end's tick runs exactly while `timed`; asked again, nothing changes.
  void tickWhile(bool timed);

 private:
  Platform& platform_;
  int64_t startTenths_ = 0;
  int64_t shownSecond_ = -1;
  bool ticking_ = false;  // the front end's tick, as last asked for
  std::string text_;
};

}  // namespace tessarix
