// The solver, the dead-end test and the candidates: the game's mask-based code beside the literal whole-field
// method on the same fields, with the ratio of their times printed after the runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "logic/solver.h"
#include "logic/validity.h"
#include "puzzles/puzzle_file.h"
#include "reference/random_fields.h"
#include "reference/reference_solver.h"

namespace tessarix {
namespace {

// A shipped puzzle: level file and slot.
GameState shipped(int level, int slot) {
  GameState s;
  const std::string path = std::string(TESSARIX_DATA_DIR) + "/" + levelFileName(level);
  if (loadSlot(path, slot, s).status != LoadStatus::Loaded) {
    std::fprintf(stderr, "cannot load %s\n", path.c_str());
    std::exit(1);
  }
  return s;
}

// Fields: the Schwer puzzle of slot 0 (8 passes), the Extrem puzzle of slot 0 (10 passes),
// and a solver-minimal random puzzle (many passes).
GameState field(int which) {
  switch (which) {
    case 0: return shipped(2, 0);
    case 1: return shipped(3, 0);
    default: {
      SeededRandom rng(7);
      return testing::solvablePuzzle(testing::randomFullField(rng), rng, 14);
    }
  }
}
const char* fieldName(int which) {
  static const char* names[] = {"schwer0", "extrem0", "minimal"};
  return names[which];
}

void deriveFast(benchmark::State& state) {
  const GameState start = field(static_cast<int>(state.range(0)));
  GameState probe = start;
  state.counters["passes"] = deriveSolution(probe);
  state.SetLabel(fieldName(static_cast<int>(state.range(0))));
  GameState s = start;
  for (auto _ : state) {
    deriveSolution(s);
    benchmark::DoNotOptimize(s.solution.data());
  }
}
void deriveLiteral(benchmark::State& state) {
  const GameState start = field(static_cast<int>(state.range(0)));
  state.SetLabel(fieldName(static_cast<int>(state.range(0))));
  GameState s = start;
  for (auto _ : state) {
    reference::deriveSolution(s);
    benchmark::DoNotOptimize(s.solution.data());
  }
}
void noDeadEndFast(benchmark::State& state) {
  const GameState s = field(static_cast<int>(state.range(0)));
  state.SetLabel(fieldName(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(noDeadEnd(s.board));
}
void noDeadEndLiteral(benchmark::State& state) {
  GameState s = field(static_cast<int>(state.range(0)));
  state.SetLabel(fieldName(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(reference::noDeadEnd(s.board));
}

// The candidate refresh's computation: every digit tried in every empty cell copy, then the
// shared cells merged.
void candidatesFast(benchmark::State& state) {
  const GameState s = field(static_cast<int>(state.range(0)));
  state.SetLabel(fieldName(static_cast<int>(state.range(0))));
  MarkArray marks;
  for (auto _ : state) {
    computeCandidates(s.board, marks);
    mergeSharedCandidates(marks);
    benchmark::DoNotOptimize(marks.data());
  }
}
void candidatesLiteral(benchmark::State& state) {
  GameState s = field(static_cast<int>(state.range(0)));
  state.SetLabel(fieldName(static_cast<int>(state.range(0))));
  MarkArray marks;
  for (auto _ : state) {
    reference::computeCandidates(s.board, marks);
    mergeSharedCandidates(marks);
    benchmark::DoNotOptimize(marks.data());
  }
}

BENCHMARK(deriveFast)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(deriveLiteral)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(noDeadEndFast)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(noDeadEndLiteral)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(candidatesFast)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(candidatesLiteral)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

// Keeps the medians, to print literal / fast after the usual report.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.aggregate_name == "median") {
        std::string name = run.run_name.str();
        name = name.substr(0, name.find("/repeats"));
        medians_[name] = run.GetAdjustedCPUTime();
      }
  }
  void printRatios() const {
    std::printf("\nliteral / fast (medians of CPU time)\n");
    for (const auto& [name, time] : medians_) {
      const auto pos = name.find("Fast");
      if (pos == std::string::npos) continue;
      std::string other = name;
      other.replace(pos, 4, "Literal");
      const auto it = medians_.find(other);
      if (it != medians_.end())
        std::printf("%-28s fast %12.2f us  literal %12.2f us  ratio %10.0f\n", name.c_str(), time,
                    it->second, it->second / time);
    }
  }

 private:
  std::map<std::string, double> medians_;
};

}  // namespace
}  // namespace tessarix

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  tessarix::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
