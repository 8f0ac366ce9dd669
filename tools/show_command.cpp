// tessarix-puzzles show FILE SLOT [--givens]: the board (or the clues) of a slot as a picture.
#include <iostream>

#include "commands.h"
#include "tool_support.h"

namespace tessarix::tool {

namespace {

int runShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Arguments> a = parseArguments("show", args, {"--givens"}, {}, err);
  if (!a || a->operands.size() != 2) return exitUsage;
  const SlotArgument slot = readSlot("show", a->operands[1], err);
  if (!slot.slot) return slot.code;
  GameState s;
  if (!loadSlotOrReport(a->operands[0], *slot.slot, s, err)) return exitError;
  out << boardPicture(a->flags.count("--givens") != 0 ? s.givens : s.board);
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
