// The game in progress kept on disk: 3,000 seeded moves through the Game (on a canvas that draws
// nothing, so the figure is the game's own), without and with the game kept after each move;
// and one write of a kept game whose history holds 300 and 3,000 moves.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "app/game.h"
#include "app/kept_game_file.h"
#include "bench_play.h"
#include "support/scripted_platform.h"
#include "support/text_menu_builder.h"

namespace tessarix {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int movesPlayed = 3000;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Moves 1..movesPlayed; keep: the game is kept after each. Reports the mean and the worst move
// and the kept file's size at the end.
void BM_MovesKept(benchmark::State& state) {
  const bool keep = state.range(0) != 0;
  for (auto _ : state) {
    std::filesystem::remove(keptGameFile);
    NullCanvas canvas;
    testing::ScriptedPlatform platform;
    testing::TextMenuBuilder menu;
    Game game(canvas, platform);
    game.startUp(menu);
    if (keep) game.resumeKeptGame();
    game.menuEvent(8);
    Mover mover(game, 20261211);
    double played = 0, worst = 0;
    for (int n = 1; n <= movesPlayed; ++n) {
      const Clock::time_point start = Clock::now();
      mover.move();
      const double took = secondsSince(start);
      played += took;
      if (took > worst) worst = took;
    }
    state.counters["move_us"] = played / movesPlayed * 1e6;
    state.counters["worst_move_us"] = worst * 1e6;
    state.counters["steps"] = static_cast<double>(game.history().stepCount());
    std::error_code ec;
    const auto size = std::filesystem::file_size(keptGameFile, ec);
    state.counters["kept_KiB"] = ec ? 0.0 : static_cast<double>(size) / 1024.0;
    state.SetIterationTime(played);
  }
}
BENCHMARK(BM_MovesKept)
    ->ArgName("keep")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One kept game of a game after `moves` moves, encoded and written over the old file.
void BM_KeptGameWrite(benchmark::State& state) {
  NullCanvas canvas;
  testing::ScriptedPlatform platform;
  testing::TextMenuBuilder menu;
  Game game(canvas, platform);
  game.startUp(menu);
  game.menuEvent(8);
  Mover mover(game, 7);
  for (int n = 0; n < state.range(0); ++n) mover.move();
  KeptGame kept;
  kept.position = Position::of(game.state());
  kept.mode = KeptGame::Mode::Playing;
  kept.steps = game.history().steps();
  kept.doneSteps = game.history().doneCount();
  const KeptGameFile file;
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string encoded = encodeKeptGame(kept);
    bytes = encoded.size();
    if (!file.write(encoded)) state.SkipWithError("the kept game could not be written");
  }
  state.counters["steps"] = static_cast<double>(kept.steps.size());
  state.counters["KiB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_KeptGameWrite)->ArgName("moves")->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessarix

int main(int argc, char** argv) { return tessarix::runInGameDirectory(argc, argv); }
