// The kept game's bytes: a game with entries, marks, clues, a wrong entry, a running clock and
// a history comes back field for field; any other bytes are refused with a reason and never
// half read.
#include "app/kept_game.h"

#include <gtest/gtest.h>

#include <random>

#include "logic/moves.h"
#include "logic/solver.h"
#include "support/solved_field.h"

namespace tessarix::testing {
namespace {

// A game of the tests' puzzle in the play loop: an entry, a wrong one, a mark, a restart
// undone, each a step of the history; timed, 12 minutes played, in letters.
KeptGame aGame() {
  GameState s = puzzleFrom(solvedField(), 4);
  deriveSolution(s);
  PositionHistory history;
  history.restart(s);
  std::vector<int> empty;
  for (int i = 0; i < 1000; ++i)
    if (cellGrid(i) && cellCol(i) && cellRow(i) && s.board[i] == 0 && leadingCopy(i) == i)
      empty.push_back(i);
  applyMove(s, {MoveKind::Enter, empty[0], s.solution[empty[0]]}, {nullptr, true, nullptr});
  history.record(s);
  applyMove(s, {MoveKind::Enter, empty[1], s.solution[empty[1]] % 9 + 1}, {nullptr, true, nullptr});
  history.record(s);
  applyMove(s, {MoveKind::ToggleMark, empty[2], 7});
  history.record(s);
  applyMove(s, {MoveKind::Restart});
  history.record(s);
  history.undo(s);

  KeptGame g;
  g.position = Position::of(s);
  g.mode = KeptGame::Mode::Playing;
  g.options.level = 2;
  g.options.digitMode = false;
  g.options.trackMarks = true;
  g.options.freshPuzzles = true;
  g.wrongCount = s.wrongCount;
  g.timed = true;
  g.playedTenths = 12 * 600 + 3;
  g.steps = history.steps();
  g.doneSteps = history.doneCount();
  return g;
}

TEST(KeptGame, ComesBackFieldForField) {
  const KeptGame g = aGame();
  ASSERT_EQ(g.wrongCount, 1);
  ASSERT_EQ(g.steps.size(), 4u);
  ASSERT_EQ(g.doneSteps, 3u);
  for (const KeptGame::Mode mode :
       {KeptGame::Mode::Idle, KeptGame::Mode::Playing, KeptGame::Mode::OwnBoard}) {
    KeptGame k = g;
    k.mode = mode;
    std::string why;
    const std::optional<KeptGame> back = decodeKeptGame(encodeKeptGame(k), why);
    ASSERT_TRUE(back.has_value()) << why;
    EXPECT_EQ(*back, k);
  }
  // The history goes on where it was: the restart can be redone.
  GameState s;
  g.position.writeTo(s);
  PositionHistory history;
  history.restore(g.steps, g.doneSteps, s);
  ASSERT_TRUE(history.redo(s).has_value());
  EXPECT_EQ(s.board, s.givens);
}

// Bytes that are no kept game of this version: refused, each with a reason.
TEST(KeptGame, AnyOtherBytesAreRefused) {
  const std::string good = encodeKeptGame(aGame());
  const size_t header = 15 + 2;  // the magic line and the version
  const size_t fields = header + 4 + 4 + 8;  // mode, level, two bytes of flags; count; time
  std::vector<std::pair<std::string, std::string>> cases = {
      {"empty", ""},
      {"one byte", "T"},
      {"magic only", good.substr(0, 15)},
      {"a byte after the end", good + "x"},
  };
  auto changed = [&good](size_t at, char to) {
    std::string b = good;
    b[at] = to;
    return b;
  };
  cases.emplace_back("another version", changed(15, 2));
  cases.emplace_back("another magic", changed(0, 't'));
  cases.emplace_back("mode 3", changed(header, 3));
  cases.emplace_back("level 4", changed(header + 1, 4));
  cases.emplace_back("an unknown flag", changed(header + 3, 1));
  cases.emplace_back("a negative time", changed(fields - 1, static_cast<char>(0x80)));
  cases.emplace_back("a digit of 10 on the board", changed(fields + 11, 10));
  cases.emplace_back("a mark of 2", changed(fields + 3000 + 1011, 2));
  cases.emplace_back("more steps done than there are",
                     changed(fields + 13000 + 4, static_cast<char>(0x7F)));
  for (const auto& [name, bytes] : cases) {
    std::string why;
    EXPECT_FALSE(decodeKeptGame(bytes, why).has_value()) << name;
    EXPECT_FALSE(why.empty()) << name;
  }
  // Every shortened copy, and seeded random bytes of many lengths.
  for (size_t n = 0; n < good.size(); ++n) {
    std::string why;
    ASSERT_FALSE(decodeKeptGame(std::string_view(good).substr(0, n), why).has_value()) << n;
  }
  std::mt19937 random(7);
  for (int k = 0; k < 200; ++k) {
    std::string bytes(random() % 20000, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    if (k % 2 == 0 && bytes.size() > 17) bytes.replace(0, 17, good.substr(0, 17));
    std::string why;
    EXPECT_FALSE(decodeKeptGame(bytes, why).has_value()) << k;
  }
}

}  // namespace
}  // namespace tessarix::testing
