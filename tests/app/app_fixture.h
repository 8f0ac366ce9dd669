// What the Game's tests share: a temporary game directory that is the working directory while a
// test runs, and a started game; the scripted platform, the recording canvas, the text menu
// builder and the solved field come from the tests' support folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "logic/game_state.h"
#include "support/recording_canvas.h"
#include "support/scripted_platform.h"
#include "support/solved_field.h"
#include "support/text_menu_builder.h"
#include "ui/canvas.h"

namespace tessarix::testing {

// A temporary game directory that is the working directory for the test's lifetime.
class GameDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  // Writes a level file whose four slots hold `slots` (board, givens, marks).
  void writeLevelFile(const std::string& name, const std::vector<GameState>& slots);

  std::filesystem::path dir_;
  std::filesystem::path oldWorkingDirectory_;
};

// A game started up on a recording canvas and a scripted platform, in a temporary directory.
class GameTest : public GameDirectoryTest {
 protected:
  void SetUp() override;

  // A key of a game loop pressed and let go.
  void typeKey(int key);
  // A character typed into the open keypad: its key pressed, the character, the key let go.
  void typeCharacter(char c);
  // A mouse button pressed and let go at (x, y).
  void click(MouseButton button, int x, int y);
  // Leaves the running game loop by its Abbruch button and lets the pause run out.
  void leaveLoop();

  ScriptedPlatform platform;
  RecordingCanvas canvas;
  TextMenuBuilder menu;
  std::unique_ptr<Game> game;
};

// The next run of the game on the test's directory: its own canvas and platform, started up
// at platform time `now`, the game in progress the last run kept taken up.
struct NextRun {
  ScriptedPlatform platform;
  RecordingCanvas canvas;
  TextMenuBuilder menu;
  std::unique_ptr<Game> game;

  explicit NextRun(int64_t now) {
    platform.now = now;
    game = std::make_unique<Game>(canvas, platform);
    game->startUp(menu);
    game->resumeKeptGame();
  }
};

}  // namespace tessarix::testing
