// Calls that must not block on a FIFO, run with a deadline: a call still waiting when the
// deadline passes is set free by opening the FIFO from the other end, so the test fails
// instead of hanging.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <string>
#include <utility>

namespace tessarix::testing {

inline bool makeFifo(const std::string& path) { return ::mkfifo(path.c_str(), 0644) == 0; }

// Runs call() and returns whether it came back before the deadline. A call that blocks
// reading the FIFO at fifoPath is released then (the FIFO opened for writing and closed, so
// the reader sees its end), and false is returned.
template <class Call>
bool returnsWithin(const std::string& fifoPath, Call call,
                   std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
  std::future<void> done = std::async(std::launch::async, std::move(call));
  if (done.wait_for(deadline) == std::future_status::ready) {
    done.get();
    return true;
  }
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    const int fd = ::open(fifoPath.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  done.get();
  return false;
}

}  // namespace tessarix::testing
