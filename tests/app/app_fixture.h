// What the Game's tests share: a Platform with scripted answers, a canvas that records what is
// written and put back, a solved field with puzzles cut from it, and a temporary game directory
// that is the working directory while a test runs.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/platform.h"
#include "logic/game_state.h"
#include "logic/random.h"
#include "ui/canvas.h"

namespace tessarix::testing {

class ScriptedPlatform : public Platform {
 public:
  struct Question {
    std::string text;
    std::vector<std::string> buttons;
    int defaultButton;
  };
  struct SlotRequest {
    SlotPurpose purpose;
    int preselected;
  };

  // Answers to ask(), in order; without one left the default button is chosen.
  std::deque<int> answers;
  // Answers to chooseSlot(), in order; without one left the dialog counts as cancelled (-1).
  std::deque<int> slotAnswers;
  // Numbers randomInt returns first (each taken modulo n); then a seeded generator.
  std::deque<int> forcedRandom;
  int64_t now = 1000;  // tenths of a second
  // Runs while a question is open, as events reaching the game from inside a message box.
  std::function<void()> whileAsking;

  std::vector<Question> questions;
  std::vector<std::string> messages;
  std::vector<SlotRequest> slotRequests;
  std::map<int, bool> checks;
  bool menuEnabled = true;
  bool busy = false;
  int busyCount = 0;
  std::vector<std::string> clockTexts;
  int beeps = 0;
  int quits = 0;

  int ask(const std::string& text, const std::vector<std::string>& buttons, int defaultButton,
          MessageIcon) override {
    questions.push_back({text, buttons, defaultButton});
    if (whileAsking) whileAsking();
    if (answers.empty()) return defaultButton;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  int chooseSlot(SlotPurpose purpose, int preselected) override {
    slotRequests.push_back({purpose, preselected});
    if (slotAnswers.empty()) return -1;
    const int a = slotAnswers.front();
    slotAnswers.pop_front();
    return a;
  }
  void setBusyCursor(bool b) override {
    if (b && !busy) ++busyCount;
    busy = b;
  }
  void setMenuEnabled(bool enabled) override { menuEnabled = enabled; }
  void setMenuChecked(int id, bool checked) override { checks[id] = checked; }
  void setClockText(const std::string& text) override { clockTexts.push_back(text); }
  int64_t nowTenths() override { return now; }
  std::string dateText() override { return "10.12.2026"; }
  int randomInt(int n) override {
    if (!forcedRandom.empty()) {
      const int v = forcedRandom.front() % n;
      forcedRandom.pop_front();
      return v;
    }
    return seeded_.randomInt(n);
  }
  void pause(int) override {}
  void beep() override { ++beeps; }
  void quit() override { ++quits; }

  std::vector<int> checkedIds() const {
    std::vector<int> ids;
    for (const auto& [id, on] : checks)
      if (on) ids.push_back(id);
    return ids;
  }

 private:
  SeededRandom seeded_{20261210};
};

// Draws nothing, but keeps the texts written and the pixels put back.
class RecordingCanvas : public NullCanvas {
 public:
  struct Text {
    int x, y;
    std::string text;
  };
  struct Restore {
    int x, y;
  };
  std::vector<Text> texts;
  std::vector<Restore> restores;
  std::vector<std::array<int, 4>> captures;

  void text(int x, int y, const std::string& utf8) override { texts.push_back({x, y, utf8}); }
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override {
    captures.push_back({x1, y1, x2, y2});
    return std::make_unique<CapturedPixels>();
  }
  void restore(const CapturedPixels&, int x, int y) override { restores.push_back({x, y}); }

  // The last text written at (x, y), or "" when none was.
  std::string lastTextAt(int x, int y) const {
    for (auto it = texts.rbegin(); it != texts.rend(); ++it)
      if (it->x == x && it->y == y) return it->text;
    return {};
  }
};

// A MenuBuilder that writes the bar as one line: "[title" ... "]" around drop-down menus,
// "id:text" items and "-" separators, separated by blanks.
class TextMenuBuilder : public MenuBuilder {
 public:
  std::string text;
  void appendItem(int id, const std::string& t) override { add(std::to_string(id) + ":" + t); }
  void appendSeparator() override { add("-"); }
  void beginPopup(const std::string& title) override { add("[" + title); }
  void endPopup() override { add("]"); }

 private:
  void add(const std::string& part) { text += (text.empty() ? "" : " ") + part; }
};

// A complete valid field: value (3 (Y mod 3) + Y div 3 + X) mod 9 + 1 at global column X and
// row Y. Every grid starts at a multiple of 3 in both directions, so each grid is a shifted
// pattern Sudoku and both copies of a shared cell agree.
CellArray solvedField();
// The solved field with every cell whose global position hashes to 0 modulo `every` emptied,
// in board and givens alike.
GameState puzzleFrom(const CellArray& solved, int every);

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

  ScriptedPlatform platform;
  RecordingCanvas canvas;
  TextMenuBuilder menu;
  std::unique_ptr<Game> game;
};

}  // namespace tessarix::testing
