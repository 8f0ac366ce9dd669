// Benchmarks of the shuffle (whole, with its deriveSolution; the cycles alone; the literal
// swap-by-swap cycles beside them) and of generating one Extrem puzzle.
#include <benchmark/benchmark.h>

#include <string>

#include "logic/shuffle.h"
#include "logic/solver.h"
#include "puzzles/generator.h"
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
  s.symmetryOn = symmetric;
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

}  // namespace
}  // namespace tessarix

BENCHMARK_MAIN();
