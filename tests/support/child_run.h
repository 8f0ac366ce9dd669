// Runs a program as a child process with a deadline: its arguments as bytes (no shell, no
// conversion), its environment and working directory chosen by the test. A child still
// running at the deadline is killed, so a program that hangs fails the test instead of
// holding it.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_directory.h"

namespace tessarix::testing {

struct ChildRun {
  int code = -1;          // exit status; -1 when the child did not exit by itself
  bool timedOut = false;  // killed at the deadline
  bool stopped = false;   // killed because stopWhen said so
  std::string out, err;
};

// Runs program with args in workingDirectory, with exactly the environment env ("NAME=value"
// entries). Standard input is /dev/null; output and errors are kept in files of scratch. A
// program meant to keep running (the game's window) is stopped once stopWhen returns true.
inline ChildRun runChild(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env, const std::string& workingDirectory,
                         const TempDirectory& scratch,
                         std::chrono::milliseconds deadline = std::chrono::seconds(20),
                         const std::function<bool()>& stopWhen = {}) {
  const std::string outFile = scratch.file(".child-out"), errFile = scratch.file(".child-err");
  std::vector<char*> argv, envp;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open("/dev/null", O_RDONLY);
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
        ::dup2(err, 2) < 0 || ::chdir(workingDirectory.c_str()) != 0)
      ::_exit(127);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ChildRun run;
  if (pid < 0) return run;
  int status = 0;
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    run.stopped = stopWhen && stopWhen();
    run.timedOut = !run.stopped && std::chrono::steady_clock::now() >= end;
    if (run.stopped || run.timedOut) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (!run.timedOut && !run.stopped && WIFEXITED(status)) run.code = WEXITSTATUS(status);
  run.out = readText(outFile);
  run.err = readText(errFile);
  ::unlink(outFile.c_str());
  ::unlink(errFile.c_str());
  return run;
}

}  // namespace tessarix::testing
