// tessarix-puzzles show FILE SLOT [--givens]: the board (or the clues) of a slot as a picture.
#include <iostream>

#include "commands.h"
#include "tool_support.h"

namespace tessarix::tool {

namespace {

int runShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words;
  bool givens = false;
  for (const std::string& a : args) {
    if (a == "--givens") {
      givens = true;
    } else if (a.size() > 2 && a.starts_with("--")) {
      err << "tessarix-puzzles show: unknown option " << a << "\n";
      return exitUsage;
    } else {
      words.push_back(a);
    }
  }
  if (words.size() != 2) return exitUsage;
  const std::optional<int> slot = parseNumber(words[1]);
  if (!slot) {
    err << "tessarix-puzzles show: SLOT must be a number, not " << words[1] << "\n";
    return exitUsage;
  }
  GameState s;
  if (!loadSlotOrReport(words[0], *slot, s, err)) return exitError;
  out << boardPicture(givens ? s.givens : s.board);
  return exitOk;
}

const CommandRegistration registration({
    "show",
    "FILE SLOT [--givens]",
    "print the board (or with --givens the clues) of slot 0..3 as 33 lines",
    runShow,
});

}  // namespace

}  // namespace tessarix::tool
