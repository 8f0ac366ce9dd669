// Runs tessarix-puzzles as a program inside a temporary directory and keeps what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_directory.h"

namespace tessarix::testing {

struct ToolRun {
  int code = -1;  // exit status, -1 when the program did not exit normally
  std::string out, err;
};

// The tool's path is the compile definition TESSARIX_PUZZLES_TOOL; it runs with the directory
// as its working directory, so bare file names land there.
inline ToolRun runTool(const TempDirectory& dir, const std::string& arguments) {
  const std::string command = "cd '" + dir.path().string() + "' && '" + TESSARIX_PUZZLES_TOOL +
                              "' " + arguments + " >'" + dir.file("stdout") + "' 2>'" +
                              dir.file("stderr") + "'";
  const int status = std::system(command.c_str());
  ToolRun r;
  if (WIFEXITED(status)) r.code = WEXITSTATUS(status);
  r.out = readText(dir.file("stdout"));
  r.err = readText(dir.file("stderr"));
  std::filesystem::remove(dir.file("stdout"));
  std::filesystem::remove(dir.file("stderr"));
  return r;
}

}  // namespace tessarix::testing
