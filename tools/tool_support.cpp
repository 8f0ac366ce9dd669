// Slot arguments, slot loading and the board picture of tessarix-puzzles.
#include "tool_support.h"

#include <charconv>

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

bool loadSlotOrReport(const std::string& file, int slot, GameState& s, std::ostream& err) {
  if (slot < 0 || slot >= slotCount) {
    err << "tessarix-puzzles: slot " << slot << " does not exist (slots are 0 to 3)\n";
    return false;
  }
  const LoadResult loaded = loadSlot(file, slot, s);
  switch (loaded.status) {
    case LoadStatus::Loaded: return true;
    case LoadStatus::Missing:
      err << "tessarix-puzzles: Die Datei " << file << " gibt es nicht.\n";
      return false;
    case LoadStatus::Refused: err << "tessarix-puzzles: " << loaded.message << "\n"; return false;
  }
  return false;
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
