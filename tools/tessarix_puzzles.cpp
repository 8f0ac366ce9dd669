// tessarix-puzzles: the command-line tool for puzzle files; it hands each command line to
// the subcommand it names.
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"

int main(int argc, char** argv) {
  return tessarix::tool::runTool({argv + 1, argv + argc}, std::cout, std::cerr);
}
