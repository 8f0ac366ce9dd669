// A long random game: hundreds of thousands of pointer moves, clicks, keys, menu commands and
// dialog answers, seeded, with the game's invariants checked after every one of them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>

#include "app_fixture.h"
#include "logic/geometry.h"
#include "puzzles/levels.h"
#include "puzzles/puzzle_file.h"
#include "ui/cell_hit.h"

namespace tessarix::testing {
namespace {

namespace fs = std::filesystem;

constexpr int canvasWidth = 1280, canvasHeight = 946;
constexpr std::array menuIds = {1,  8,  10, 11, 12, 20, 21, 22, 24, 25, 26, 27, 30,
                                31, 32, 33, 40, 41, 44, 45, 50, 60, 99, 0,  7,  1234};
// The keys the two loops answer, and some they do not.
constexpr std::array<int, 24> loopKeys = {'A', 'C', 'D', 'F', 'H', 'K', 'L', 'M',
                                          'N', 'O', 'S', 'X', 27,  '0', '1', '5',
                                          '9', 'B', 'E', 'I', 'Q', 'Z', ' ', 13};
// Names a player might type, with control characters, letters the file cannot hold, and a long one.
const std::array<std::string, 6> names = {
    "Anna", "", "Zoë\tTab", "Ωmega 名前", "Zeile\nzwei", std::string(300, 'x')};

std::vector<uint8_t> fileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int64_t events() {
  // A sanitized build runs the same game with fewer events.
  if (const char* n = std::getenv("TESSARIX_SOAK_EVENTS")) return std::atoll(n);
  return 200000;
}

class Soak : public GameDirectoryTest {
 protected:
  void SetUp() override {
    GameDirectoryTest::SetUp();
    for (int level = 0; level < 4; ++level) {
      const std::string name = levelFileName(level);
      fs::copy_file(fs::path(TESSARIX_DATA_DIR) / name, dir_ / name);
      levelBytes_[level] = fileBytes(dir_ / name);
      struct stat st {};
      ::stat(name.c_str(), &st);
      levelStamps_[level] = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    }
    start();
  }

  void start() {
    game_ = std::make_unique<Game>(canvas_, platform_);
    game_->startUp(menu_);
  }

  std::mt19937& rng() { return rng_; }
  int pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

  // One random event, or a short gesture of a player (a cell clicked and a digit typed).
  void randomEvent() {
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
    const int c = s.digitMode ? '0' + d : 'a' + d - 1;
    const int key = s.digitMode ? c : c - 'a' + 'A';
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
    a.name = names[pick(names.size())];
    platform_.championAnswers = {a};
    platform_.printOutcome = static_cast<PrintOutcome>(pick(3));
    platform_.helpAvailable = pick(4) != 0;
  }

  // Everything that must hold between two events; a failure names the seed and the event.
  void checkInvariants(uint32_t seed, int64_t event) {
    const GameState& s = game_->state();
    auto where = [&] {
      std::ostringstream o;
      o << "seed " << seed << ", event " << event << " (" << lastEvent_ << ")";
      return o.str();
    };
    for (int i = 0; i < 1000; ++i) {
      if (s.board[i] > 9 || s.givens[i] > 9 || s.solution[i] > 9)
        FAIL() << where() << ": cell " << i << " holds " << int(s.board[i]) << "/"
               << int(s.givens[i]) << "/" << int(s.solution[i]);
    }
    bool unsynced = false;
    forEachSharedCell([&](int upper, int lower) {
      if (s.board[upper] != s.board[lower] || s.givens[upper] != s.givens[lower]) unsynced = true;
    });
    if (unsynced) FAIL() << where() << ": the copies of a shared box differ";
    if (s.level < 0 || s.level > 3) FAIL() << where() << ": level " << s.level;
    const int status = static_cast<int>(s.status);
    if (status < 0 || status > static_cast<int>(CheckOutcome::SolvedDespiteWrongEntry))
      FAIL() << where() << ": status " << status;
    const Game::Mode mode = game_->mode();
    if (mode != Game::Mode::Idle && mode != Game::Mode::Playing && mode != Game::Mode::OwnBoard)
      FAIL() << where() << ": mode " << static_cast<int>(mode);
    if (platform_.menuEnabled != (mode == Game::Mode::Idle))
      FAIL() << where() << ": menu bar " << (platform_.menuEnabled ? "on" : "off") << " in mode "
             << static_cast<int>(mode);
    checkFiles(where());
  }

  void checkFiles(const std::string& where) {
    for (int level = 0; level < 4; ++level) {
      struct stat st {};
      if (::stat(levelFileName(level).c_str(), &st) != 0 ||
          st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec != levelStamps_[level] ||
          static_cast<size_t>(st.st_size) != levelBytes_[level].size())
        FAIL() << where << ": " << levelFileName(level) << " was touched";
    }
    for (const auto& entry : fs::directory_iterator(dir_)) {
      const std::string name = entry.path().filename().string();
      if (name == savedBoardFile) {
        if (fs::file_size(entry.path()) != 48729) FAIL() << where << ": brett.trx has a wrong size";
      } else if (name == hallOfFameFile) {
        checkHallOfFameFile(entry.path(), where);
      } else if (!isLevelFile(name)) {
        FAIL() << where << ": unexpected file " << name;
      }
    }
  }

  void checkHallOfFameFile(const fs::path& p, const std::string& where) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    const int64_t stamp = st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    if (stamp == fameStamp_) return;
    fameStamp_ = stamp;
    ++fameWrites_;
    const std::vector<uint8_t> bytes = fileBytes(p);
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    if (lines != 120) FAIL() << where << ": Champions.Rhm has " << lines << " lines";
  }

  static bool isLevelFile(const std::string& name) {
    for (int level = 0; level < 4; ++level)
      if (name == levelFileName(level)) return true;
    return false;
  }

  void checkLevelFilesUnchanged() {
    for (int level = 0; level < 4; ++level)
      EXPECT_EQ(fileBytes(dir_ / levelFileName(level)), levelBytes_[level]) << levelFileName(level);
  }

  ScriptedPlatform platform_;
  NullCanvas canvas_;
  TextMenuBuilder menu_;
  std::unique_ptr<Game> game_;
  std::mt19937 rng_;
  std::array<std::vector<uint8_t>, 4> levelBytes_;
  std::array<int64_t, 4> levelStamps_{};
  int64_t fameStamp_ = -1;
  int fameWrites_ = 0;
  size_t stepsFired_ = 0;
  int restarts_ = 0;
  std::string lastEvent_;
  bool careful_ = false;
};

TEST_F(Soak, RandomPlayKeepsEveryInvariant) {
  const uint32_t seed = [] {
    if (const char* s = std::getenv("TESSARIX_SOAK_SEED"))
      return static_cast<uint32_t>(std::atoll(s));
    return 20261210u;
  }();
  rng_.seed(seed);
  const int64_t total = events();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(110);
  int64_t event = 0;
  std::array<int64_t, 3> inMode{};
  for (; event < total; ++event) {
    randomEvent();
    checkInvariants(seed, event);
    if (HasFatalFailure()) return;
    ++inMode[static_cast<int>(game_->mode())];
    if (std::chrono::steady_clock::now() > deadline) break;
  }
  checkLevelFilesUnchanged();
  std::cout << "soak: seed " << seed << ", " << event << " events, " << restarts_ << " restarts, "
            << platform_.championPrompts.size() << " champion names asked, " << fameWrites_
            << " hall-of-fame writes, " << platform_.printJobs.size()
            << " print jobs; events in idle / play / own board " << inMode[0] << " / " << inMode[1]
            << " / " << inMode[2] << "\n";
  // The run reached every mode, asked for names and wrote the hall of fame.
  for (int64_t n : inMode) EXPECT_GT(n, 0);
  EXPECT_GT(platform_.championPrompts.size(), 0u);
  EXPECT_GE(event, std::min<int64_t>(total, 100000)) << "the soak ran out of time";
}

}  // namespace
}  // namespace tessarix::testing
