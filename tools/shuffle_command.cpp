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
  std::vector<std::string> words;
  std::optional<int> seed;
  bool free = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "--free") {
      free = true;
    } else if (a == "--seed") {
      if (k + 1 == args.size()) {
        err << "tessarix-puzzles shuffle: --seed needs a value\n";
        return exitUsage;
      }
      seed = parseNumber(args[++k]);
      if (!seed || *seed < 0) {
        err << "tessarix-puzzles shuffle: the seed must be a whole number from 0, not " << args[k]
            << "\n";
        return exitUsage;
      }
    } else if (a.size() > 2 && a.starts_with("--")) {
      err << "tessarix-puzzles shuffle: unknown option " << a << "\n";
      return exitUsage;
    } else {
      words.push_back(a);
    }
  }
  if (words.size() != 4) return exitUsage;
  const std::optional<int> inSlot = parseNumber(words[1]);
  const std::optional<int> outSlot = parseNumber(words[3]);
  if (!inSlot || !outSlot) {
    err << "tessarix-puzzles shuffle: SLOT must be a number\n";
    return exitUsage;
  }
  if (*outSlot < 0 || *outSlot >= slotCount) {
    err << "tessarix-puzzles: slot " << *outSlot << " does not exist (slots are 0 to 3)\n";
    return exitError;
  }
  GameState s;
  if (!loadSlotOrReport(words[0], *inSlot, s, err)) return exitError;

  SeededRandom random(seed ? static_cast<uint32_t>(*seed) : std::random_device{}());
  s.symmetryOn = !free;
  shuffleBoard(s, random);
  const SaveResult saved = saveSlot(words[2], *outSlot, s, random);
  if (!saved.ok) {
    err << "tessarix-puzzles: " << saved.message << "\n";
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
