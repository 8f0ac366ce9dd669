// The fast solver, validity and candidate code against the literal whole-field algorithms, on
// thousands of fields: puzzles, entries right and wrong, duplicates, disagreeing shared copies,
// full, empty and scribbled fields, and fields that need exactly 15 and 16 passes.
#include <gtest/gtest.h>

#include <vector>

#include "logic/check.h"
#include "logic/solver.h"
#include "logic/units.h"
#include "logic/validity.h"
#include "reference/random_fields.h"
#include "reference/reference_solver.h"
#include "support/sampling.h"

namespace tessarix {
namespace {

// Everything enterDigit hands on, in order.
struct EventLog : EntryListener {
  std::vector<int> events;
  void placed(int g, int c, int r, int d) override {
    events.push_back(10 * cellIndex(g, c, r) + d);
  }
  void entryDrawn(int g, int c, int r, int d, bool wrong) override {
    events.push_back(-(20 * cellIndex(g, c, r) + 2 * d + wrong));
  }
  void clockVoided() override { events.push_back(1 << 30); }
};

void expectSameState(const GameState& fast, const GameState& literal, const char* what, int field) {
  SCOPED_TRACE(::testing::Message() << what << ", field " << field);
  EXPECT_EQ(fast.board, literal.board);
  EXPECT_EQ(fast.givens, literal.givens);
  EXPECT_EQ(fast.solution, literal.solution);
  EXPECT_EQ(fast.wrongCount, literal.wrongCount);
  EXPECT_EQ(fast.notSolvable, literal.notSolvable);
  EXPECT_EQ(fast.boardChanged, literal.boardChanged);
  EXPECT_EQ(fast.clockRunning, literal.clockRunning);
  EXPECT_EQ(fast.digitCount, literal.digitCount);
  EXPECT_EQ(fast.status, literal.status);
  EXPECT_EQ(fast.boardComplete, literal.boardComplete);
}

// The runs below are cut into shards of 2,500 fields, so that CTest can run them side by side.
constexpr int shardFields = testing::sampled(2500, 2 * testing::mixedFieldKinds);
class DifferentialShard : public ::testing::TestWithParam<int> {};

// One box, one row and one column, chosen at random, on 10,000 mixed fields.
TEST_P(DifferentialShard, SingleUnitsMatchLiteral) {
  SeededRandom rng(20261210 + GetParam());
  for (int field = 0; field < shardFields; ++field) {
    const GameState start = testing::mixedField(rng, field % testing::mixedFieldKinds);
    const int g = rng.randomInt(9) + 1, j = rng.randomInt(9) + 1;
    const int x0 = 3 * rng.randomInt(3) + 1, y0 = 3 * rng.randomInt(3) + 1;
    GameState fast = start, literal = start;
    EventLog fastLog, literalLog;
    solveBox(fast, g, x0, y0, &fastLog);
    solveRow(fast, g, j, &fastLog);
    solveColumn(fast, g, j, &fastLog);
    reference::solveBox(literal, g, x0, y0, &literalLog);
    reference::solveRow(literal, g, j, &literalLog);
    reference::solveColumn(literal, g, j, &literalLog);
    ASSERT_EQ(fastLog.events, literalLog.events) << "units, field " << field;
    expectSameState(fast, literal, "units", field);
    if (HasFailure()) return;
  }
}

// One whole pass on 10,000 mixed fields.
TEST_P(DifferentialShard, SinglePassesMatchLiteral) {
  SeededRandom rng(5550 + GetParam());
  for (int field = 0; field < shardFields; ++field) {
    const GameState start = testing::mixedField(rng, field % testing::mixedFieldKinds);
    GameState fast = start, literal = start;
    EventLog fastLog, literalLog;
    const bool fastChanged = solvePass(fast, &fastLog);
    const bool literalChanged = reference::solvePass(literal, &literalLog);
    EXPECT_EQ(fastChanged, literalChanged);
    ASSERT_EQ(fastLog.events, literalLog.events) << "pass, field " << field;
    expectSameState(fast, literal, "pass", field);
    if (HasFailure()) return;
  }
}

// Single trials, the validity and dead-end tests and the candidates, on 10,000 mixed fields.
TEST_P(DifferentialShard, TrialsValidityAndCandidatesMatchLiteral) {
  SeededRandom rng(77 + GetParam());
  for (int field = 0; field < shardFields; ++field) {
    GameState s = testing::mixedField(rng, field % testing::mixedFieldKinds);
    const CellArray before = s.board;
    EXPECT_EQ(boardValid(s.board), reference::boardValid(s.board)) << field;
    CellArray literalBoard = s.board;
    EXPECT_EQ(noDeadEnd(s.board), reference::noDeadEnd(literalBoard)) << field;
    EXPECT_EQ(literalBoard, before);

    MarkArray fastMarks, literalMarks;
    computeCandidates(s.board, fastMarks);
    reference::computeCandidates(literalBoard, literalMarks);
    EXPECT_EQ(fastMarks, literalMarks) << field;
    mergeSharedCandidates(fastMarks);
    for (const SharedPair& p : sharedPairs)  // a shared cell keeps what both copies allow
      for (int d = 1; d <= 9; ++d) {
        const int u = markIndex(p.upper, 1 + p.upperCol, 1 + p.upperRow, d);
        const int l = markIndex(p.lower, 1 + p.lowerCol, 1 + p.lowerRow, d);
        EXPECT_EQ(fastMarks[u], literalMarks[u] && literalMarks[l]);
        EXPECT_EQ(fastMarks[l], fastMarks[u]);
      }

    for (int trial = 0; trial < 5; ++trial) {
      const int i = cellUnits().cells[rng.randomInt(729)];
      if (s.board[i] != 0) continue;
      const int d = rng.randomInt(9) + 1;
      CellArray a = s.board, b = s.board;
      EXPECT_EQ(digitFits(a, cellGrid(i), cellCol(i), cellRow(i), d),
                reference::digitFits(b, cellGrid(i), cellCol(i), cellRow(i), d));
      EXPECT_EQ(a, b);  // a disagreeing mirror copy is emptied by both
    }
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, DifferentialShard, ::testing::Range(0, 4));

// Whole derivations and solve runs, each compared with the literal one.
void compareWhole(const GameState& start, int field) {
  GameState fast = start, literal = start;
  EXPECT_EQ(deriveSolution(fast), reference::deriveSolution(literal)) << field;
  expectSameState(fast, literal, "derivation", field);

  fast = start;
  literal = start;
  EventLog fastLog, literalLog;
  EXPECT_EQ(solveBoard(fast, &fastLog), reference::solveBoard(literal, &literalLog)) << field;
  ASSERT_EQ(fastLog.events, literalLog.events) << "solve, field " << field;
  expectSameState(fast, literal, "solve", field);
}

TEST(SolverDifferential, DerivationsMatchLiteral) {
  SeededRandom rng(4242);
  for (int field = 0; field < testing::sampled(120, 2 * testing::mixedFieldKinds); ++field) {
    compareWhole(testing::mixedField(rng, field % testing::mixedFieldKinds), field);
    if (::testing::Test::HasFailure()) return;
  }
}

// Puzzles the solver finishes only after many passes, with and without entries.
TEST(SolverDifferential, DeepPuzzlesMatchLiteral) {
  SeededRandom rng(99);
  // Every kind (with and without entries, unsynced copies) is still in a sample of eight.
  for (int field = 0; field < testing::sampled(40, 8); ++field) {
    const CellArray full = testing::randomFullField(rng);
    GameState s = testing::solvablePuzzle(full, rng, 14);
    if (field % 2) testing::addEntries(s, full, rng, 10, 40);
    if (field % 4 == 3) testing::unsyncSomeCopies(s, rng, 2);
    compareWhole(s, field);
    if (::testing::Test::HasFailure()) return;
  }
}

// Removes clues one by one until a field needs exactly `passes` passes to be filled (16: the
// field stays unfinished after the 15 allowed).
GameState fieldNeedingPasses(int passes) {
  for (uint32_t seed = 1; seed < 200; ++seed) {
    SeededRandom rng(seed);
    const CellArray full = testing::randomFullField(rng);
    GameState s;
    s.board = full;
    s.givens = full;
    std::vector<int> cells = testing::distinctCells();
    for (size_t a = cells.size() - 1; a > 0; --a)
      std::swap(cells[a], cells[rng.randomInt(static_cast<int>(a) + 1)]);
    for (int i : cells) {
      GameState t = s;
      for (CellArray* a : {&t.board, &t.givens}) {
        (*a)[i] = 0;
        if (const int m = mirrorOf(i)) (*a)[m] = 0;
      }
      GameState trial = t;
      const int used = runPasses(trial);
      const bool full15 = boardFull(trial);
      if (passes == 15 && used == 15 && full15) return t;
      if (passes == 16 && used == 15 && !full15 && trial.boardChanged) {
        solvePass(trial);
        if (boardFull(trial)) return t;
      }
      if (full15 && used < 15) s = t;
    }
  }
  ADD_FAILURE() << "no field needing " << passes << " passes found";
  return {};
}

TEST(SolverDifferential, FifteenPassLimit) {
  const GameState fifteen = fieldNeedingPasses(15);
  const GameState sixteen = fieldNeedingPasses(16);
  for (const GameState* start : {&fifteen, &sixteen}) {
    GameState fast = *start, literal = *start;
    EXPECT_EQ(runPasses(fast), 15);
    EXPECT_EQ(reference::runPasses(literal), 15);
    EXPECT_EQ(fast.board, literal.board);
    compareWhole(*start, start == &fifteen ? 15 : 16);
  }
  GameState a = fifteen, b = sixteen;
  deriveSolution(a);
  deriveSolution(b);
  EXPECT_FALSE(a.notSolvable);  // finished in the 15th pass
  EXPECT_TRUE(b.notSolvable);   // would have needed a 16th
}

}  // namespace
}  // namespace tessarix
