// tessarix-puzzles shuffle IN SLOT OUT SLOT [--seed N] [--free]: a slot shuffled as a new
// game shuffles it, saved into a slot of another (or the same) file.
#include <iostream>
#include <optional>
#include <random>

#include "commands.h"
#include "logic/random.h"
#include "logic/shuffle.h"
#include "puzzles/puzzle_file.h"
#include "tool_support.h"

namespace tessarix::tool {

namespace {

int runShuffle(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Arguments> a = parseArguments("shuffle", args, {"--free"}, {"--seed"}, err);
  if (!a || a->operands.size() != 4) return exitUsage;
  std::optional<uint32_t> seed;
  if (const auto given = a->values.find("--seed"); given != a->values.end()) {
    seed = readSeed("shuffle", given->second, err);
    if (!seed) return exitUsage;
  }
  const bool free = a->flags.count("--free") != 0;
  const std::vector<std::string>& words = a->operands;
  const SlotArgument inSlot = readSlot("shuffle", words[1], err);
  if (!inSlot.slot) return inSlot.code;
  const SlotArgument outSlot = readSlot("shuffle", words[3], err);
  if (!outSlot.slot) return outSlot.code;
  GameState s;
  if (!loadSlotOrReport(words[0], *inSlot.slot, s, err)) return exitError;

  SeededRandom random(seed ? *seed : std::random_device{}());
  s.options.symmetryOn = !free;
  shuffleBoard(s, random);
  const SaveResult saved = saveSlot(words[2], *outSlot.slot, s, random);
  if (!saved.ok) {
    reportSaveFailure(words[2], saved, err);
    return exitError;
  }
  out << (s.notSolvable ? "not solvable" : "solved") << "\n";
  return exitOk;
}

const CommandRegistration registration({
    "shuffle",
    "IN SLOT OUT SLOT [--seed N] [--free]",
    "shuffle a slot as a new game does (symmetric unless --free), save it to OUT",
    runShuffle,
});

}  // namespace

}  // namespace tessarix::tool
