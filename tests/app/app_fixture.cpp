// The shared parts of the Game's tests: the solved field, puzzles cut from it, the temporary
// game directory and the started game.
#include "app_fixture.h"

#include <stdexcept>

#include "logic/check.h"
#include "puzzles/puzzle_file.h"

namespace tessarix::testing {

CellArray solvedField() {
  CellArray field{};
  for (int g = 1; g <= 9; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int x = gridOffsetX[g] + c - 1;
        const int y = gridOffsetY[g] + r - 1;
        field[cellIndex(g, c, r)] = static_cast<uint8_t>((3 * (y % 3) + y / 3 + x) % 9 + 1);
      }
  return field;
}

GameState puzzleFrom(const CellArray& solved, int every) {
  GameState s;
  for (int g = 1; g <= 9; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int x = gridOffsetX[g] + c - 1;
        const int y = gridOffsetY[g] + r - 1;
        const int i = cellIndex(g, c, r);
        const bool emptied = (x * 7 + y * 11 + x * y) % every == 0;
        s.board[i] = s.givens[i] = emptied ? 0 : solved[i];
      }
  return s;
}

void GameDirectoryTest::SetUp() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "tessarix-app-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
  oldWorkingDirectory_ = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
}

void GameDirectoryTest::TearDown() {
  std::filesystem::current_path(oldWorkingDirectory_);
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void GameDirectoryTest::writeLevelFile(const std::string& name,
                                       const std::vector<GameState>& slots) {
  SeededRandom random(7);
  for (size_t slot = 0; slot < slots.size(); ++slot) {
    const SaveResult saved = saveSlot(path(name), static_cast<int>(slot), slots[slot], random);
    if (!saved.ok) throw std::runtime_error(saved.message);
  }
}

void GameTest::SetUp() {
  GameDirectoryTest::SetUp();
  game = std::make_unique<Game>(canvas, platform);
  game->startUp(menu);
}

}  // namespace tessarix::testing
