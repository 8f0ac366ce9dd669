// The four levels, Leicht to Extrem: the file each one's puzzles ship in, the name the level
// panel shows and the word the puzzle tool takes for it.
#pragma once

#include <array>
#include <string>

namespace tessarix {

struct Level {
  const char* fileName;     // in the game directory
  const char* displayName;  // as the level panel writes it, blanks included
  const char* toolName;     // tessarix-puzzles generate --level
};

inline constexpr int levelCount = 4;
inline constexpr std::array<Level, levelCount> levels = {{
    {"leicht.trx", " Leicht ", "leicht"},
    {"mittel.trx", " Mittel ", "mittel"},
    {"schwer.trx", "Schwer ", "schwer"},
    {"extrem.trx", "Extrem ", "extrem"},
}};

// The level file of level 0..3; "" for any other number.
inline std::string levelFileName(int level) {
  return level >= 0 && level < levelCount ? levels[level].fileName : "";
}

}  // namespace tessarix
