// The shared parts of the Game's tests: the temporary game directory and the started game.
#include "app_fixture.h"

#include <stdexcept>

#include "logic/check.h"
#include "puzzles/puzzle_file.h"

namespace tessarix::testing {

void GameDirectoryTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessarix-app-XXXXXX").string();
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

void GameTest::typeKey(int key) {
  game->input().keyPressed(key);
  game->input().keyReleased(key);
}

void GameTest::typeCharacter(char c) {
  const int key = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : static_cast<unsigned char>(c);
  game->input().keyPressed(key);
  game->input().characterTyped(static_cast<unsigned char>(c));
  game->input().keyReleased(key);
}

void GameTest::click(MouseButton button, int x, int y) {
  game->input().buttonPressed(button, x, y);
  game->input().buttonReleased(button, x, y);
}

void GameTest::leaveLoop() {
  click(MouseButton::Left, 900, 895);  // Abbruch
  game->timerFired();
}

}  // namespace tessarix::testing
