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
#include "bench_play.h"
#include "app/keys.h"
#include "logic/geometry.h"
#include "puzzles/puzzle_file.h"
#include "qt/screen_canvas.h"
#include "support/scripted_platform.h"
#include "support/text_menu_builder.h"

namespace tessarix {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int movesPlayed = 3000;
constexpr int movesEarly = 300;

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

}  // namespace
}  // namespace tessarix

int main(int argc, char** argv) {
  // The benchmark shows no window: without a platform named, it draws offscreen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  return tessarix::runInGameDirectory(argc, argv);
}
