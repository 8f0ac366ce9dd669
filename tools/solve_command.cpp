// tessarix-puzzles solve FILE SLOT: derives the solution of a slot as the game does after
// loading, prints it, whether it fills the field, and the passes it took.
#include <iostream>

#include "commands.h"
#include "logic/solver.h"
#include "tool_support.h"

namespace tessarix::tool {

namespace {

int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) return exitUsage;
  const std::optional<int> slot = parseNumber(args[1]);
  if (!slot) {
    err << "tessarix-puzzles solve: SLOT must be a number, not " << args[1] << "\n";
    return exitUsage;
  }
  GameState s;
  if (!loadSlotOrReport(args[0], *slot, s, err)) return exitError;
  const int passes = deriveSolution(s);
  out << boardPicture(s.solution);
  out << (s.notSolvable ? "not solvable" : "solved") << "\n";
  out << "passes " << passes << "\n";
  return exitOk;
}

const CommandRegistration registration({
    "solve",
    "FILE SLOT",
    "derive the solution of slot 0..3; print it, solved or not solvable, passes N",
    runSolve,
});

}  // namespace

}  // namespace tessarix::tool
