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
  const std::optional<Arguments> a =
      parseArguments("generate", args, {}, {"--level", "--seed"}, err);
  if (!a) return exitUsage;
  if (a->operands.size() > 1) {
    err << "tessarix-puzzles generate: one output file only\n";
    return exitUsage;
  }
  if (a->operands.empty() || a->values.size() != 2) return exitUsage;
  const std::string& file = a->operands[0];
  const std::string& levelWord = a->values.at("--level");
  const std::optional<int> level = parseLevel(levelWord);
  if (!level) {
    err << "tessarix-puzzles generate: no level " << levelWord
        << " (0 to 3, or leicht, mittel, schwer, extrem)\n";
    return exitUsage;
  }
  const std::optional<uint32_t> seed = readSeed("generate", a->values.at("--seed"), err);
  if (!seed) return exitUsage;

  SeededRandom random(*seed);
  const LevelRecipe& recipe = levelRecipe(*level);
  Puzzle puzzles[slotCount];
  for (Puzzle& p : puzzles) p = generatePuzzle(recipe, random);

  // The whole file is made here and written once: a failed write leaves OUT as it was.
  std::vector<uint8_t> image(puzzleFileSize, 0);
  for (int slot = 0; slot < slotCount; ++slot) putSlot(image, slot, puzzleState(puzzles[slot]));
  // The filler the last of four slot-by-slot saves drew, from a stream of its own, so that
  // the files made before the file was written at once stay byte for byte the same.
  SeededRandom filler(*seed + static_cast<uint32_t>(slotCount - 1));
  drawFiller(image, filler);
  const SaveResult saved = writePuzzleFile(file, image);
  if (!saved.ok) {
    reportSaveFailure(file, saved, err);
    return exitError;
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
