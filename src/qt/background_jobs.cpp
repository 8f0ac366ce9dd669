// Background jobs on threads of their own, done reported to the GUI thread.
#include "qt/background_jobs.h"

#include <algorithm>
#include <utility>

namespace tessarix {

BackgroundJobs::~BackgroundJobs() {
  QObject::disconnect(&receiver_, nullptr, nullptr, nullptr);
  for (const QPointer<QThread>& thread : threads_) {
    if (!thread) continue;
    QObject::disconnect(thread, nullptr, &receiver_, nullptr);
    thread->wait();
    delete thread.data();
  }
}

void BackgroundJobs::run(std::function<void()> work, std::function<void()> done) {
  threads_.erase(std::remove_if(threads_.begin(), threads_.end(),
                                [](const QPointer<QThread>& t) { return t.isNull(); }),
                 threads_.end());
  QThread* thread = QThread::create(std::move(work));
  // finished is sent from the job's thread; the receiver lives on the GUI thread, so done
  // runs there, from the event loop.
  QObject::connect(thread, &QThread::finished, &receiver_, [thread, done = std::move(done)] {
    thread->deleteLater();
    done();
  });
  threads_.push_back(thread);
  thread->start();
}

int BackgroundJobs::running() const {
  return static_cast<int>(std::count_if(threads_.begin(), threads_.end(), [](const auto& t) {
    return !t.isNull() && !t->isFinished();
  }));
}

}  // namespace tessarix
