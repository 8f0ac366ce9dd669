// tessarix-puzzles generate --level L --seed N OUT: a level file of four new puzzles.
#include <cctype>
#include <iostream>
#include <optional>

#include "commands.h"
#include "logic/random.h"
#include "puzzles/generator.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_file.h"
#include "tool_support.h"

namespace tessarix::tool {

namespace {

// 0..3 or the level's name ("leicht" or "Leicht" ...).
std::optional<int> parseLevel(const std::string& word) {
  std::string lower = word;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (int level = 0; level < levelCount; ++level)
    if (lower == levels[level].toolName) return level;
  const std::optional<int> number = parseNumber(word);
  if (number && *number >= 0 && *number <= 3) return number;
  return std::nullopt;
}

int runGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<int> level, seed;
  std::string file;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "--level" || a == "--seed") {
      if (k + 1 == args.size()) {
        err << "tessarix-puzzles generate: " << a << " needs a value\n";
        return exitUsage;
      }
      const std::string& value = args[++k];
      if (a == "--level") {
        level = parseLevel(value);
        if (!level) {
          err << "tessarix-puzzles generate: no level " << value
              << " (0 to 3, or leicht, mittel, schwer, extrem)\n";
          return exitUsage;
        }
      } else {
        seed = parseNumber(value);
        if (!seed || *seed < 0) {
          err << "tessarix-puzzles generate: the seed must be a whole number from 0, not " << value
              << "\n";
          return exitUsage;
        }
      }
    } else if (a.size() > 2 && a.starts_with("--")) {
      err << "tessarix-puzzles generate: unknown option " << a << "\n";
      return exitUsage;
    } else if (file.empty()) {
      file = a;
    } else {
      err << "tessarix-puzzles generate: one output file only\n";
      return exitUsage;
    }
  }
  if (!level || !seed || file.empty()) return exitUsage;

  SeededRandom random(static_cast<uint32_t>(*seed));
  const LevelRecipe& recipe = levelRecipe(*level);
  Puzzle puzzles[slotCount];
  for (Puzzle& p : puzzles) p = generatePuzzle(recipe, random);
  for (int slot = 0; slot < slotCount; ++slot) {
    // Filler from a stream of its own, so that what OUT held before cannot change the bytes.
    SeededRandom filler(static_cast<uint32_t>(*seed) + static_cast<uint32_t>(slot));
    const SaveResult saved = saveSlot(file, slot, puzzleState(puzzles[slot]), filler);
    if (!saved.ok) {
      err << "tessarix-puzzles: " << saved.message << "\n";
      return exitError;
    }
  }
  for (int slot = 0; slot < slotCount; ++slot) {
    const Puzzle& p = puzzles[slot];
    out << "slot " << slot << ": clues " << p.clueCount << ", passes " << p.passes
        << ", shuffled at most " << p.worstShuffledPasses << ", symmetric "
        << (p.transposeSymmetric ? "half-turn and transposition" : "half-turn") << "\n";
  }
  return exitOk;
}

const CommandRegistration registration({
    "generate",
    "--level L --seed N OUT",
    "write four new puzzles of level L (0..3 or leicht..extrem) into OUT",
    runGenerate,
});

}  // namespace

}  // namespace tessarix::tool
