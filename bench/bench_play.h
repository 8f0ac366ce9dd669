// What the benchmarks that play through the Game share: a player's seeded moves (keypad
// entries, cleared entries, pencil marks and cursor steps, each a whole click or key with its
// release) and a fresh game directory with the shipped level files.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/game.h"
#include "app/keys.h"
#include "logic/geometry.h"
#include "puzzles/levels.h"
#include "ui/field_layout.h"

namespace tessarix {

// A player's moves, chosen by a seeded generator, each a whole click or key with its release.
class Mover {
 public:
  Mover(Game& game, uint32_t seed) : game_(game), rng_(seed) {}

  void move() {
    // A game loop left (a solved game's hall of fame, say) is entered again with a new game.
    if (game_.mode() != Game::Mode::Playing) game_.menuEvent(8);
    const int kind = pick(100);
    if (kind < 40) {
      // An entry typed into the keypad of a cell: the right value half the time.
      const int i = someCell([&](int c) { return state().givens[c] == 0; });
      click(i, MouseButton::Left);
      const int d = pick(2) == 0 && state().solution[i] != 0 ? state().solution[i] : 1 + pick(9);
      type('0' + d);
    } else if (kind < 55) {
      // An entry cleared by the right button.
      const int i =
          someCell([&](int c) { return state().givens[c] == 0 && state().board[c] != 0; });
      click(i, MouseButton::Right);
    } else if (kind < 75) {
      // A pencil mark toggled in the marks keypad of an empty cell.
      const int i =
          someCell([&](int c) { return state().givens[c] == 0 && state().board[c] == 0; });
      click(i, MouseButton::Right);
      type('1' + pick(9));
    } else {
      static constexpr int arrows[] = {keys::left, keys::right, keys::up, keys::down};
      const int key = arrows[pick(4)];
      game_.input().keyPressed(key);
      game_.input().keyReleased(key);
    }
  }

 private:
  const GameState& state() const { return game_.state(); }
  int pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

  // A random cell of the field (a leading copy) that passes the test; any cell when none does.
  template <class Test> int someCell(Test test) {
    std::vector<int> cells;
    for (int g = 1; g <= gridCount; ++g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
          const int i = cellIndex(g, c, r);
          if (leadingCopy(i) == i && test(i)) cells.push_back(i);
        }
    if (cells.empty()) return cellIndex(1 + pick(gridCount), 1 + pick(9), 1 + pick(9));
    return cells[pick(static_cast<int>(cells.size()))];
  }

  void click(int i, MouseButton b) {
    const int x = anchorX[cellGrid(i)] + (cellCol(i) - 1) * cellWidth + cellWidth / 2;
    const int y = anchorY[cellGrid(i)] + (cellRow(i) - 1) * cellHeight + cellHeight / 2;
    InputRouter& in = game_.input();
    in.pointerMoved(x, y);
    in.buttonPressed(b, x, y);
    in.buttonReleased(b, x, y);
  }

  void type(int character) {
    InputRouter& in = game_.input();
    in.keyPressed(character);
    in.characterTyped(character);
    in.keyReleased(character);
  }

  Game& game_;
  std::mt19937 rng_;
};

// The game directory of the run: a fresh folder with the shipped level files.
struct GameDirectory {
  GameDirectory() {
    namespace fs = std::filesystem;
    std::error_code ec;
    path = fs::temp_directory_path() / ("tessarix-bench-" + std::to_string(::getpid()));
    fs::create_directories(path, ec);
    for (int level = 0; level < 4; ++level)
      fs::copy_file(fs::path(TESSARIX_DATA_DIR) / levelFileName(level), path / levelFileName(level),
                    fs::copy_options::overwrite_existing, ec);
    old = fs::current_path();
    fs::current_path(path);
  }
  ~GameDirectory() {
    std::error_code ec;
    std::filesystem::current_path(old, ec);
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path, old;
};

// The benchmarks of a program, run in a game directory of their own.
inline int runInGameDirectory(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  GameDirectory directory;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace tessarix
