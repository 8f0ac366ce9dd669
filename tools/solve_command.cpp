// tessarix-puzzles solve FILE SLOT: derives the solution of a slot as the game does after
// loading, prints it, whether it fills the field, and the passes it took.
#include <iostream>

#include "commands.h"
#include "logic/solver.h"
#include "tool_support.h"

namespace tessarix::tool {

namespace {

int runSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Arguments> a = parseArguments("solve", args, {}, {}, err);
  if (!a || a->operands.size() != 2) return exitUsage;
  const SlotArgument slot = readSlot("solve", a->operands[1], err);
  if (!slot.slot) return slot.code;
  GameState s;
  if (!loadSlotOrReport(a->operands[0], *slot.slot, s, err)) return exitError;
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
