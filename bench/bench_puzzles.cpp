// Benchmarks of the shuffle (whole, with its deriveSolution; the cycles alone; the literal
// swap-by-swap cycles beside them), of generating one Extrem puzzle for a level file, and of
// the new puzzles a game deals, level by level.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "logic/shuffle.h"
#include "logic/solver.h"
#include "puzzles/generator.h"
#include "puzzles/graded_generator.h"
#include "puzzles/puzzle_file.h"
#include "reference/reference_shuffle.h"

namespace tessarix {
namespace {

// The first Extrem puzzle as shipped; a generated one when the file is not there.
const GameState& extremPuzzle() {
  static const GameState puzzle = [] {
    GameState s;
    const std::string path = std::string(TESSARIX_DATA_DIR) + "/" + levelFileName(3);
    if (loadSlot(path, 0, s).status != LoadStatus::Loaded) {
      SeededRandom rng(1);
      s = puzzleState(generatePuzzle(levelRecipe(3), rng));
    }
    return s;
  }();
  return puzzle;
}

void shuffleWhole(benchmark::State& state, bool symmetric) {
  GameState s = extremPuzzle();
  s.options.symmetryOn = symmetric;
  uint32_t seed = 1;
  for (auto _ : state) {
    SeededRandom rng(seed++);
    shuffleBoard(s, rng);
    benchmark::DoNotOptimize(s.solution.data());
  }
}
void BM_ShuffleBoardSymmetric(benchmark::State& state) { shuffleWhole(state, true); }
void BM_ShuffleBoardFree(benchmark::State& state) { shuffleWhole(state, false); }
BENCHMARK(BM_ShuffleBoardSymmetric)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShuffleBoardFree)->Unit(benchmark::kMicrosecond);

// The cycles of one shuffle without the derivation: composed into one permutation and applied
// once ("Fast"), and the literal swaps one by one ("Literal"); bench/ratios.py pairs them.
void BM_ShuffleCyclesFast(benchmark::State& state) {
  GameState s = extremPuzzle();
  uint32_t seed = 1;
  for (auto _ : state) {
    SeededRandom rng(seed++);
    FieldPermutation p;
    const int cycles = rng.randomInt(150) + 101;
    for (int c = 0; c < cycles; ++c) symmetricCycle(p, rng);
    p.applyTo(s.board);
    p.applyTo(s.givens);
    benchmark::DoNotOptimize(s.board.data());
  }
}
void BM_ShuffleCyclesLiteral(benchmark::State& state) {
  GameState s = extremPuzzle();
  uint32_t seed = 1;
  for (auto _ : state) {
    SeededRandom rng(seed++);
    reference::shuffleCycles(s, rng);
    benchmark::DoNotOptimize(s.board.data());
  }
}
// The random numbers alone that a symmetric shuffle draws (four r and two coins per cycle,
// and the digit map): the floor under both.
void BM_ShuffleRandomDrawsOnly(benchmark::State& state) {
  uint32_t seed = 1;
  for (auto _ : state) {
    SeededRandom rng(seed++);
    const int cycles = rng.randomInt(150) + 101;
    for (int c = 0; c < cycles; ++c) {
      for (int k = 0; k < 6; ++k) benchmark::DoNotOptimize(rng.randomInt(2));
      benchmark::DoNotOptimize(drawDigitMap(rng));
    }
  }
}
BENCHMARK(BM_ShuffleCyclesFast)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShuffleCyclesLiteral)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShuffleRandomDrawsOnly)->Unit(benchmark::kMicrosecond);

void BM_DeriveSolutionExtrem(benchmark::State& state) {
  GameState s = extremPuzzle();
  for (auto _ : state) {
    deriveSolution(s);
    benchmark::DoNotOptimize(s.solution.data());
  }
}
BENCHMARK(BM_DeriveSolutionExtrem)->Unit(benchmark::kMicrosecond);

// One Extrem puzzle per iteration, each from a new seed, so the time is the mean over the seeds
// drawn; --benchmark_repetitions shows how far it spreads.
void BM_GenerateExtremPuzzle(benchmark::State& state) {
  static uint32_t seed = 1;
  for (auto _ : state) {
    SeededRandom rng(seed++);
    const Puzzle p = generatePuzzle(levelRecipe(3), rng);
    benchmark::DoNotOptimize(p.clueCount);
    state.counters["clues"] = p.clueCount;
  }
}
BENCHMARK(BM_GenerateExtremPuzzle)->Unit(benchmark::kMillisecond);

// The puzzle a new game deals with "Neue Rätsel erzeugen" on: one per iteration, from the seeds
// 1 to 50 in turn, of the level's shipped grading (args: level 0..3, symmetric pattern 1 or 0).
// Besides the mean, the counters give the median and the worst of the 50 in milliseconds, of
// the wall clock and of this thread's processor time (which other programs on a busy machine
// do not stretch).
double threadCpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_GenerateGraded(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const bool symmetric = state.range(1) != 0;
  std::vector<double> wall, cpu;
  uint32_t seed = 1;
  for (auto _ : state) {
    SeededRandom rng(seed++);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = threadCpuMilliseconds();
    const std::optional<Puzzle> p = generateGraded(shippedGrade(level), symmetric, rng);
    cpu.push_back(threadCpuMilliseconds() - cpuStart);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(p);
    wall.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(wall.begin(), wall.end());
  std::sort(cpu.begin(), cpu.end());
  state.counters["median_ms"] = wall[wall.size() / 2];
  state.counters["worst_ms"] = wall.back();
  state.counters["median_cpu_ms"] = cpu[cpu.size() / 2];
  state.counters["worst_cpu_ms"] = cpu.back();
}
BENCHMARK(BM_GenerateGraded)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 0}})
    ->ArgNames({"level", "symmetric"})
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessarix

BENCHMARK_MAIN();
