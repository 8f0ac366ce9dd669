// A player who does anything at all: pointer moves, clicks, keys, menu commands, the timed steps
// and the clock tick, dialogs answered at random, and now and then a timed game played out with
// the solution. Each choice comes from a chooser (a seeded generator in the soak, the fuzzer's
// bytes in the event fuzzer); after every event check() names the first invariant that broke.
#pragma once

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/keys.h"
#include "app/kept_game_file.h"
#include "logic/check.h"
#include "logic/geometry.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_file.h"
#include "support/scripted_platform.h"
#include "support/text_menu_builder.h"
#include "ui/canvas.h"
#include "ui/field_layout.h"

namespace tessarix::testing {

inline constexpr int canvasWidth = 1280, canvasHeight = 946;
inline constexpr std::array menuIds = {1,  8,  10, 11, 12, 20, 21, 22, 24, 25, 26, 27, 30,
                                       31, 32, 33, 40, 41, 44, 45, 50, 60, 99, 0,  7,  1234};
// The keys the two loops answer, the cursor's, undo and redo, the hint, and some they ignore
// (with Alt or Ctrl among them).
inline constexpr std::array<int, 38> loopKeys = {
    'A', 'C', 'D', 'F', 'H', 'K', 'L', 'M', 'N', 'O', 'P', 'S', 'X', 27, '0', '1', '5', '9', 'B',
    'E', 'I', 'Q', 'Z', ' ', 13, 'T', keys::left, keys::right, keys::up, keys::down, keys::del,
    keys::backspace, 'Z' | keys::ctrl, 'Y' | keys::ctrl, 'Z' | keys::ctrl | keys::shift,
    'D' | keys::ctrl, 'T' | keys::alt, 'N' | keys::ctrl};
// Names a player might type, with control characters, letters the file cannot hold, and a long one.
inline const std::array<std::string, 6> playerNames = {
    "Anna", "", "Zoë\tTab", "Ωmega 名前", "Zeile\nzwei", std::string(300, 'x')};

inline std::vector<uint8_t> fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline int64_t modificationTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return -1;
  return st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

// Plays in the working directory, which must hold the four level files.
class RandomPlayer {
 public:
  // pick(n) returns a number 0..n-1.
  using Chooser = std::function<uint32_t(uint32_t n)>;

  // canvasForRun, when given, hands each run of the program (the first and every one after a
  // quit) the canvas it draws on; otherwise nothing is drawn.
  using CanvasSource = std::function<Canvas&()>;
  explicit RandomPlayer(Chooser chooser, CanvasSource canvasForRun = {})
      : chooser_(std::move(chooser)), canvasForRun_(std::move(canvasForRun)) {
    for (int level = 0; level < 4; ++level) {
      levelBytes_[level] = fileBytes(levelFileName(level));
      levelStamps_[level] = modificationTime(levelFileName(level));
    }
    start();
  }

  Game& game() { return *game_; }
  ScriptedPlatform& platform() { return platform_; }
  const std::string& lastEvent() const { return lastEvent_; }
  int restarts() const { return restarts_; }
  int fameWrites() const { return fameWrites_; }

  void step() {
    platform_.now += pick(30);
    scriptAnswers();
    InputRouter& in = game_->input();
    const int kind = pick(100);
    lastEvent_ = "nothing";
    // Now and then a timed game is played out by a player who knows the solution, so that
    // finishes reach the hall of fame.
    careful_ = careful_ && game_->state().clockRunning && game_->mode() == Game::Mode::Playing;
    if (careful_ && kind < 95) {
      solutionEntry();
    } else if (careful_) {
      describe("tick");
      if (platform_.ticking) game_->clockTick();
    } else if (kind < 12) {
      const int x = pick(canvasWidth), y = pick(canvasHeight);
      describe("move", x, y);
      in.pointerMoved(x, y);
    } else if (kind < 30) {
      const MouseButton b = pick(4) == 0 ? MouseButton::Right : MouseButton::Left;
      const auto [x, y] = somewhere();
      describe(b == MouseButton::Right ? "right click" : "left click", x, y);
      platform_.buttonsDown = true;
      in.buttonPressed(b, x, y);
      if (pick(3) != 0) in.pointerMoved(x + pick(5) - 2, y + pick(5) - 2);
      platform_.buttonsDown = false;
      in.buttonReleased(b, x, y);
    } else if (kind < 48) {
      const int key = loopKeys[pick(loopKeys.size())];
      describe("key", key);
      in.keyPressed(key);
      if (pick(2) == 0) in.characterTyped(characterOf(key));
      in.keyReleased(key);
    } else if (kind < 56) {
      // A character typed into whatever is open, its key released somewhere else.
      const int c = pick(4) == 0 ? 27 : '0' + pick(10);
      describe("character", c);
      in.characterTyped(c);
    } else if (kind < 72) {
      solutionEntry();
    } else if (kind < 80) {
      const int id = menuIds[pick(menuIds.size())];
      describe("menu", id);
      game_->menuEvent(id);
    } else if (kind < 86) {
      if (pendingSteps() > 0) {
        describe("timer");
        ++stepsFired_;
        game_->timerFired();
      }
    } else if (kind < 93) {
      describe("tick");
      if (platform_.ticking) game_->clockTick();
    } else if (kind < 95) {
      describe("close");
      game_->closeRequested();
    } else {
      describe("menu", 8);
      game_->menuEvent(8);
      careful_ = pick(3) == 0;
    }
    if (game_->quitting()) {
      ++restarts_;
      stepsFired_ = platform_.stepTimers.size();
      // A new run of the program: a fresh window with its menu bar on, no timer running.
      platform_.ticking = false;
      platform_.menuEnabled = true;
      platform_.busy = false;
      start();
    }
  }

 private:
  // The right digit typed into a random empty cell, as a player who knows the solution would.
  void solutionEntry() {
    const GameState& s = game_->state();
    std::vector<int> open;
    for (int i = 0; i < 1000; ++i)
      if (cellGrid(i) && cellCol(i) && cellRow(i) && s.givens[i] == 0 && s.board[i] == 0 &&
          s.solution[i] != 0)
        open.push_back(i);
    if (open.empty()) {
      careful_ = false;
      return;
    }
    const int i = open[pick(static_cast<int>(open.size()))];
    const int x = anchorX[cellGrid(i)] + (cellCol(i) - 1) * 33 + 16;
    const int y = anchorY[cellGrid(i)] + (cellRow(i) - 1) * 25 + 12;
    describe("solution entry", i, s.solution[i]);
    InputRouter& in = game_->input();
    in.pointerMoved(x, y);
    in.buttonPressed(MouseButton::Left, x, y);
    in.buttonReleased(MouseButton::Left, x, y);
    const int d = s.solution[i];
    const int c = s.options.digitMode ? '0' + d : 'a' + d - 1;
    const int key = s.options.digitMode ? c : c - 'a' + 'A';
    in.keyPressed(key);
    in.characterTyped(c);
    in.keyReleased(key);
  }

  // Mostly the field, the keypad's neighbourhood and the button bar; sometimes anywhere.
  std::pair<int, int> somewhere() {
    switch (pick(4)) {
      case 0: return {159 + pick(824), 886 + pick(27)};  // the button bar
      case 1: return {pick(canvasWidth), pick(canvasHeight)};
      default: {
        const int g = 1 + pick(9);
        return {anchorX[g] + pick(297), anchorY[g] + pick(225)};
      }
    }
  }

  static int characterOf(int key) {
    if (key & keys::ctrl) return (keys::base(key) - 'A' + 1);  // Ctrl+letter types a control code
    key = keys::base(key);
    if (key >= 'A' && key <= 'Z') return key - 'A' + 'a';
    return key;
  }

  void describe(const char* what, int a = -1, int b = -1) {
    lastEvent_ = what;
    if (a >= 0) lastEvent_ += " " + std::to_string(a);
    if (b >= 0) lastEvent_ += " " + std::to_string(b);
  }

  size_t pendingSteps() const { return platform_.stepTimers.size() - stepsFired_; }

  // The answers the next dialogs give, chosen at random.
  void scriptAnswers() {
    platform_.answers.clear();
    for (int k = 0; k < 3; ++k) platform_.answers.push_back(pick(3) == 0 ? 0 : 1);
    platform_.slotAnswers = {pick(5) - 1};
    platform_.fameAnswers = {pick(5) - 1, pick(5) - 1, -1};
    ChampionPrompt::Answer a;
    a.accepted = pick(4) != 0;
    a.name = playerNames[pick(playerNames.size())];
    platform_.championAnswers = {a};
    platform_.printOutcome = static_cast<PrintOutcome>(pick(3));
    platform_.helpAvailable = pick(4) != 0;
  }

 public:
  // The first invariant that does not hold between two events, or an empty text.
  std::string check() {
    const GameState& s = game_->state();
    for (int i = 0; i < 1000; ++i)
      if (s.board[i] > 9 || s.givens[i] > 9 || s.solution[i] > 9)
        return "cell " + std::to_string(i) + " holds a value above 9";
    bool unsynced = false;
    forEachSharedCell([&](int upper, int lower) {
      if (s.board[upper] != s.board[lower] || s.givens[upper] != s.givens[lower]) unsynced = true;
    });
    if (unsynced) return "the copies of a shared box differ";
    if (s.options.level < 0 || s.options.level > 3)
      return "level " + std::to_string(s.options.level);
    const int status = static_cast<int>(s.status);
    if (status < 0 || status > static_cast<int>(CheckOutcome::SolvedDespiteWrongEntry))
      return "status " + std::to_string(status);
    const Game::Mode mode = game_->mode();
    if (mode != Game::Mode::Idle && mode != Game::Mode::Playing && mode != Game::Mode::OwnBoard)
      return "mode " + std::to_string(static_cast<int>(mode));
    if (platform_.menuEnabled != (mode == Game::Mode::Idle))
      return std::string("menu bar ") + (platform_.menuEnabled ? "on" : "off") + " in mode " +
             std::to_string(static_cast<int>(mode));
    if (const int c = game_->cursorCell();
        c != 0 && (mode == Game::Mode::Idle || leadingCopy(c) != c))
      return "keyboard cursor on cell " + std::to_string(c) + " in mode " +
             std::to_string(static_cast<int>(mode));
    // The file is read back after every 8th event and whenever the mode changed: a kept game
    // that falls behind stays behind until its next change, so it is still caught.
    if (++checks_ % 8 == 0 || mode != checkedMode_) {
      checkedMode_ = mode;
      if (std::string problem = checkKeptGame(); !problem.empty()) return problem;
    }
    return checkFiles();
  }

  // The level files as they were at the start, byte for byte (a costly check: at the end).
  bool levelFilesUnchanged() const {
    for (int level = 0; level < 4; ++level)
      if (fileBytes(levelFileName(level)) != levelBytes_[level]) return false;
    return true;
  }

 private:
  std::string checkFiles() {
    for (int level = 0; level < 4; ++level)
      if (modificationTime(levelFileName(level)) != levelStamps_[level])
        return levelFileName(level) + " was touched";
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      const std::string name = entry.path().filename().string();
      if (name == savedBoardFile) {
        if (std::filesystem::file_size(entry.path()) != 48729) return "brett.trx has a wrong size";
      } else if (name == hallOfFameFile) {
        const std::string problem = checkHallOfFameFile(entry.path().string());
        if (!problem.empty()) return problem;
      } else if (name != keptGameFile && name != keptGameLockFile && !isLevelFile(name)) {
        return "unexpected file " + name;
      }
    }
    return {};
  }

  std::string checkHallOfFameFile(const std::string& path) {
    const int64_t stamp = modificationTime(path);
    if (stamp == fameStamp_) return {};
    fameStamp_ = stamp;
    ++fameWrites_;
    const std::vector<uint8_t> bytes = fileBytes(path);
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    if (lines != 120) return "Champions.Rhm has " + std::to_string(lines) + " lines";
    return {};
  }

  // The game in progress on disk is the one on the screen: its position, its mode and a
  // history that leads to it; a game over (or none) leaves no file.
  std::string checkKeptGame() {
    const KeptGameFile::Read read = KeptGameFile().read();
    const Game::Mode mode = game_->mode();
    const GameState& s = game_->state();
    if (read.status == KeptGameFile::Read::Status::Damaged)
      return "the kept game is damaged: " + read.why;
    // Quitting keeps the game as it stands; a game being left, solved or not running has none.
    if (game_->quitting()) return {};
    const bool over = mode == Game::Mode::Idle || game_->leavingLoop() ||
                      (mode == Game::Mode::Playing && (game_->gameSolved() || isSolved(s.status)));
    if (over) {
      return read.status == KeptGameFile::Read::Status::Game
                 ? "a kept game stands while no game is in progress"
                 : std::string{};
    }
    if (read.status != KeptGameFile::Read::Status::Game) return "no kept game in a loop";
    const KeptGame& kept = *read.game;
    if (!(kept.position == Position::of(s))) return "the kept position is not the game's";
    if ((kept.mode == KeptGame::Mode::OwnBoard) != (mode == Game::Mode::OwnBoard))
      return "the kept mode is not the game's";
    if (kept.wrongCount != s.wrongCount) return "the kept wrong-entry count is not the game's";
    if (!PositionHistory::fits(kept.position, kept.steps, kept.doneSteps))
      return "the kept history does not lead to the kept position";
    if (kept.steps.size() != game_->history().stepCount())
      return "the kept history is not the game's";
    return {};
  }

  static bool isLevelFile(const std::string& name) {
    for (int level = 0; level < 4; ++level)
      if (name == levelFileName(level)) return true;
    return false;
  }

  void start() {
    game_.reset();
    game_ = std::make_unique<Game>(canvasForRun_ ? canvasForRun_() : canvas_, platform_);
    game_->startUp(menu_);
    game_->resumeKeptGame();
  }

  int pick(int n) { return static_cast<int>(chooser_(static_cast<uint32_t>(n))); }

  Chooser chooser_;
  CanvasSource canvasForRun_;
  ScriptedPlatform platform_;
  NullCanvas canvas_;
  TextMenuBuilder menu_;
  std::unique_ptr<Game> game_;
  std::array<std::vector<uint8_t>, 4> levelBytes_;
  std::array<int64_t, 4> levelStamps_{};
  int64_t fameStamp_ = -1;
  int fameWrites_ = 0;
  size_t stepsFired_ = 0;
  int restarts_ = 0;
  std::string lastEvent_;
  bool careful_ = false;
  uint64_t checks_ = 0;
  Game::Mode checkedMode_ = Game::Mode::Idle;
};

}  // namespace tessarix::testing
