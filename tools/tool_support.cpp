// Options, slot and seed arguments, slot loading and the board picture of tessarix-puzzles.
#include "tool_support.h"

#include <cctype>
#include <charconv>

#include "commands.h"
#include "logic/geometry.h"
#include "puzzles/puzzle_file.h"

namespace tessarix::tool {

std::optional<int> parseNumber(const std::string& word) {
  int value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (word.empty() || error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<Arguments> parseArguments(const std::string& command,
                                        const std::vector<std::string>& args,
                                        const std::set<std::string>& flags,
                                        const std::set<std::string>& valueOptions,
                                        std::ostream& err) {
  const std::string who = "tessarix-puzzles " + command + ": ";
  Arguments result;
  bool optionsEnded = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    // "-" alone and a negative number ("-1", a slot that does not exist) are operands.
    const bool option =
        a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]));
    if (optionsEnded || !option) {
      result.operands.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (flags.count(a) != 0) {
      if (!result.flags.insert(a).second) {
        err << who << a << " is given twice\n";
        return std::nullopt;
      }
    } else if (valueOptions.count(a) != 0) {
      if (k + 1 == args.size()) {
        err << who << a << " needs a value\n";
        return std::nullopt;
      }
      if (!result.values.emplace(a, args[++k]).second) {
        err << who << a << " is given twice\n";
        return std::nullopt;
      }
    } else {
      err << who << "unknown option " << a << "\n";
      return std::nullopt;
    }
  }
  return result;
}

SlotArgument readSlot(const std::string& command, const std::string& word, std::ostream& err) {
  SlotArgument result;
  const std::optional<int> number = parseNumber(word);
  size_t digits = word.starts_with("-") ? 1 : 0;
  const bool whole =
      word.size() > digits && word.find_first_not_of("0123456789", digits) == std::string::npos;
  if (number && *number >= 0 && *number < slotCount) {
    result.slot = number;
  } else if (whole) {
    err << "tessarix-puzzles: slot " << word << " does not exist (slots are 0 to 3)\n";
    result.code = exitError;
  } else {
    err << "tessarix-puzzles " << command << ": SLOT must be a number, not " << word << "\n";
    result.code = exitUsage;
  }
  return result;
}

std::optional<uint32_t> readSeed(const std::string& command, const std::string& word,
                                 std::ostream& err) {
  uint32_t value = 0;
  const char* end = word.data() + word.size();
  auto [ptr, error] = std::from_chars(word.data(), end, value);
  if (word.empty() || error != std::errc() || ptr != end) {
    err << "tessarix-puzzles " << command
        << ": the seed must be a whole number from 0 to 4294967295, not " << word << "\n";
    return std::nullopt;
  }
  return value;
}

namespace {

void noSuchSlot(int slot, std::ostream& err) {
  err << "tessarix-puzzles: slot " << slot << " does not exist (slots are 0 to 3)\n";
}

}  // namespace

bool loadSlotOrReport(const std::string& file, int slot, GameState& s, std::ostream& err) {
  const LoadResult loaded = loadSlot(file, slot, s);
  if (loaded.status == LoadStatus::Loaded) return true;
  const std::string who = "tessarix-puzzles: ";
  if (loaded.status == LoadStatus::Missing) {
    err << who << file << " does not exist\n";
    return false;
  }
  switch (loaded.problem) {
    case LoadProblem::NoSuchSlot: noSuchSlot(slot, err); break;
    case LoadProblem::Unreadable:
      err << who << file << " cannot be read (not a regular file, or no permission)\n";
      break;
    case LoadProblem::TooShort:
      err << who << file << " is too short for slot " << slot << "\n";
      break;
    case LoadProblem::BadValues:
      err << who << "slot " << slot << " of " << file << " is damaged (a value above 9)\n";
      break;
    case LoadProblem::CluesBreakRules:
      err << who << "slot " << slot << " of " << file
          << " is damaged (its clues break the rules)\n";
      break;
    case LoadProblem::None: err << who << file << " cannot be used\n"; break;
  }
  return false;
}

void reportSaveFailure(const std::string& file, const SaveResult& saved, std::ostream& err) {
  const std::string who = "tessarix-puzzles: ";
  switch (saved.problem) {
    case SaveProblem::OldUnreadable:
      err << who << file
          << " cannot be read (not a regular file, or no permission); it is left alone\n";
      return;
    case SaveProblem::NotAFile:
      err << who << file << " is not a regular file (a link, perhaps); it is left alone\n";
      return;
    case SaveProblem::NoSuchSlot:
    case SaveProblem::WriteFailed:
    case SaveProblem::None: break;
  }
  err << who << file << " could not be written"
      << (saved.hadOldFile ? "; the old file stays unchanged" : "") << "\n";
}

std::string boardPicture(const CellArray& cells) {
  constexpr int size = 33;
  std::string picture;
  picture.reserve(size * (size + 1));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      char c = ' ';
      // The first grid that holds the cell is the one with the upper copy.
      for (int g = 1; g <= gridCount; ++g) {
        const int col = x - gridOffsetX[g] + 1;
        const int row = y - gridOffsetY[g] + 1;
        if (col >= 1 && col <= 9 && row >= 1 && row <= 9) {
          const int v = cells[cellIndex(g, col, row)];
          c = v == 0 ? '.' : v <= 9 ? static_cast<char>('0' + v) : '?';
          break;
        }
      }
      picture += c;
    }
    picture += '\n';
  }
  return picture;
}

}  // namespace tessarix::tool
