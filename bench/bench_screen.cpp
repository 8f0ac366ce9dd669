// The screen while a game is played: 3,000 seeded moves (keypad entries, cleared entries, pencil
// marks, cursor steps) through the Game on the screen canvas, at scale 1 and at scale 2. Each
// row reports the time per move, the bytes the canvas keeps after 300 and after 3,000 moves,
// and the time the canvas then takes to show the screen at a new scale (1.25 times the row's),
// then back at the row's scale and again at the new one.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "app/game.h"
#include "app/keys.h"
#include "logic/geometry.h"
#include "puzzles/puzzle_file.h"
#include "qt/screen_canvas.h"
#include "support/scripted_platform.h"
#include "support/text_menu_builder.h"

namespace tessarix {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int movesPlayed = 3000;
constexpr int movesEarly = 300;

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

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_MovesOnScreen(benchmark::State& state) {
  const double scale = static_cast<double>(state.range(0));
  for (auto _ : state) {
    ScreenCanvas canvas;
    canvas.setScale(scale);
    testing::ScriptedPlatform platform;
    testing::TextMenuBuilder menu;
    Game game(canvas, platform);
    canvas.setPictureSource([&game] { game.drawPicture(); });
    game.startUp(menu);
    game.menuEvent(8);
    Mover mover(game, 20261211);
    double played = 0;
    for (int n = 1; n <= movesPlayed; ++n) {
      const Clock::time_point start = Clock::now();
      mover.move();
      played += secondsSince(start);
      if (n == movesEarly) state.counters["kept_300_KiB"] = canvas.bytesKept() / 1024.0;
    }
    state.counters["kept_3000_KiB"] = canvas.bytesKept() / 1024.0;
    state.counters["move_us"] = played / movesPlayed * 1e6;
    // The first change meets memory the images never had; back and up again, the memory is
    // the images' own and the time is the drawing's.
    const auto timedRescale = [&canvas](double to) {
      const Clock::time_point start = Clock::now();
      canvas.setScale(to);
      return secondsSince(start) * 1e3;
    };
    state.counters["rescale_ms"] = timedRescale(scale * 1.25);
    state.counters["rescale_back_ms"] = timedRescale(scale);
    state.counters["rescale_again_ms"] = timedRescale(scale * 1.25);
    state.SetIterationTime(played);
  }
}
BENCHMARK(BM_MovesOnScreen)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The game directory of the run: a fresh folder with the shipped level files.
struct GameDirectory {
  GameDirectory() {
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
    fs::current_path(old, ec);
    fs::remove_all(path, ec);
  }
  fs::path path, old;
};

}  // namespace
}  // namespace tessarix

int main(int argc, char** argv) {
  // The benchmark shows no window: without a platform named, it draws offscreen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tessarix::GameDirectory directory;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
