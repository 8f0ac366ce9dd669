// tessarix-puzzles: the command-line tool for puzzle files; it hands each command line to
// the subcommand it names.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char** argv) {
  using namespace tessarix::tool;
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty()) {
    std::cerr << usageText();
    return exitUsage;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    std::cout << usageText();
    return exitOk;
  }
  for (const ToolCommand& command : toolCommands()) {
    if (words[0] != command.name) continue;
    const int code = command.run({words.begin() + 1, words.end()}, std::cout, std::cerr);
    if (code == exitUsage) std::cerr << usageText();
    return code;
  }
  std::cerr << "tessarix-puzzles: unknown command " << words[0] << "\n" << usageText();
  return exitUsage;
}
