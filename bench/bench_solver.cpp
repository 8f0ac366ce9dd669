// The solver, the dead-end test and the candidates: the game's mask-based code ("Fast") beside
// the literal whole-field method ("Literal") on the same fields; bench/ratios.py pairs them.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "logic/solver.h"
#include "logic/validity.h"
#include "puzzles/puzzle_file.h"
#include "reference/random_fields.h"
#include "reference/reference_solver.h"

namespace tessarix {
namespace {

// A shipped puzzle: level file and slot; nothing when the file does not load.
std::optional<GameState> shipped(int level, int slot) {
  GameState s;
  const std::string path = std::string(TESSARIX_DATA_DIR) + "/" + levelFileName(level);
  if (loadSlot(path, slot, s).status != LoadStatus::Loaded) return std::nullopt;
  return s;
}

// Fields: the Schwer puzzle of slot 0 (8 passes), the Extrem puzzle of slot 0 (10 passes),
// and a solver-minimal random puzzle (many passes).
enum Field { Schwer0, Extrem0, Minimal };

// The field for a benchmark, or nothing with the benchmark marked as skipped.
std::optional<GameState> field(benchmark::State& state, Field which) {
  std::optional<GameState> s;
  switch (which) {
    case Schwer0: s = shipped(2, 0); break;
    case Extrem0: s = shipped(3, 0); break;
    case Minimal: {
      SeededRandom rng(7);
      s = testing::solvablePuzzle(testing::randomFullField(rng), rng, 14);
      break;
    }
  }
  if (!s) state.SkipWithError("cannot load the shipped puzzle from " TESSARIX_DATA_DIR);
  return s;
}

void BM_DeriveSolutionFast(benchmark::State& state, Field which) {
  const std::optional<GameState> start = field(state, which);
  if (!start) return;
  GameState probe = *start;
  state.counters["passes"] = deriveSolution(probe);
  GameState s = *start;
  for (auto _ : state) {
    deriveSolution(s);
    benchmark::DoNotOptimize(s.solution.data());
  }
}
void BM_DeriveSolutionLiteral(benchmark::State& state, Field which) {
  const std::optional<GameState> start = field(state, which);
  if (!start) return;
  GameState s = *start;
  for (auto _ : state) {
    reference::deriveSolution(s);
    benchmark::DoNotOptimize(s.solution.data());
  }
}
void BM_NoDeadEndFast(benchmark::State& state, Field which) {
  const std::optional<GameState> s = field(state, which);
  if (!s) return;
  for (auto _ : state) benchmark::DoNotOptimize(noDeadEnd(s->board));
}
void BM_NoDeadEndLiteral(benchmark::State& state, Field which) {
  std::optional<GameState> s = field(state, which);
  if (!s) return;
  for (auto _ : state) benchmark::DoNotOptimize(reference::noDeadEnd(s->board));
}

// The candidate refresh's computation: every digit tried in every empty cell copy, then the
// shared cells merged.
void BM_CandidatesFast(benchmark::State& state, Field which) {
  const std::optional<GameState> s = field(state, which);
  if (!s) return;
  MarkArray marks;
  for (auto _ : state) {
    computeCandidates(s->board, marks);
    mergeSharedCandidates(marks);
    benchmark::DoNotOptimize(marks.data());
  }
}
void BM_CandidatesLiteral(benchmark::State& state, Field which) {
  std::optional<GameState> s = field(state, which);
  if (!s) return;
  MarkArray marks;
  for (auto _ : state) {
    reference::computeCandidates(s->board, marks);
    mergeSharedCandidates(marks);
    benchmark::DoNotOptimize(marks.data());
  }
}

// Each benchmark on each field, named "<benchmark>/<field>".
#define ON_EVERY_FIELD(fn)                                                \
  BENCHMARK_CAPTURE(fn, schwer0, Schwer0)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(fn, extrem0, Extrem0)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(fn, minimal, Minimal)->Unit(benchmark::kMicrosecond)

ON_EVERY_FIELD(BM_DeriveSolutionFast);
ON_EVERY_FIELD(BM_DeriveSolutionLiteral);
ON_EVERY_FIELD(BM_NoDeadEndFast);
ON_EVERY_FIELD(BM_NoDeadEndLiteral);
ON_EVERY_FIELD(BM_CandidatesFast);
ON_EVERY_FIELD(BM_CandidatesLiteral);

}  // namespace
}  // namespace tessarix

BENCHMARK_MAIN();
