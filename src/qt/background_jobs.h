// The game's background jobs on Qt: each runs on a thread of its own, and its done runs on the
// GUI thread from the event loop once the thread has finished.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <vector>

namespace tessarix {

class BackgroundJobs {
 public:
  BackgroundJobs() = default;
  // Waits for the jobs still running (the game has told them to stop by then); their done
  // no longer runs.
  ~BackgroundJobs();
  BackgroundJobs(const BackgroundJobs&) = delete;
  BackgroundJobs& operator=(const BackgroundJobs&) = delete;

  void run(std::function<void()> work, std::function<void()> done);
  // Jobs started and not yet finished.
  int running() const;

 private:
  QObject receiver_;  // lives on the GUI thread: the done calls are queued to it
  std::vector<QPointer<QThread>> threads_;
};

}  // namespace tessarix
