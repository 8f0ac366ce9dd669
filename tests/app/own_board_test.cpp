// The own-board entry: clues typed through the keypad, removed and replaced, the keys that do
// nothing there, the solve shortcut once, and the solution of the new clues on leaving.
#include <gtest/gtest.h>

#include <functional>

#include "logic/check.h"
#include "play_fixture.h"

namespace tessarix::testing {
namespace {

// Single characters written inside the field: cell values (the hint and the panels lie beside
// it or write longer texts).
int cellTextsDrawn(const RecordingCanvas& canvas) {
  int n = 0;
  for (const DrawOp& t : canvas.texts()) n += t.text.size() == 1 && t.x1 < 1133 && t.y1 < 874;
  return n;
}

TEST_F(PlayTest, TheOwnBoardEntryNeitherRedrawsNorStartsTheClock) {
  loadPuzzle();
  canvas.ops.clear();
  platform.clockTexts.clear();
  game->menuEvent(11);
  EXPECT_EQ(game->mode(), Game::Mode::OwnBoard);
  EXPECT_TRUE(game->ownBoardMode());
  EXPECT_FALSE(platform.menuEnabled);
  EXPECT_EQ(cellTextsDrawn(canvas), 0);
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(platform.tickStarts, 0);
  EXPECT_TRUE(platform.clockTexts.empty());
  for (BarButton b : barButtons) EXPECT_EQ(barButtonLooks(b), std::vector<bool>{false});
}

// The ways a clue goes again, with the keypad opened over it or without.
class OwnBoardClues;
struct RemoveCase {
  const char* name;
  std::function<void(OwnBoardClues&, int cell)> act;
};

class OwnBoardClues : public PlayTest, public ::testing::WithParamInterface<RemoveCase> {
 public:
  using PlayTest::clickAt;
  using PlayTest::clickCell;
  using PlayTest::typeCharacter;
};

TEST_P(OwnBoardClues, AreTypedJudgedByNothingAndRemoved) {
  loadPuzzle();  // a solution from before: it judges nothing here
  game->menuEvent(11);
  GameState& s = game->state();
  const int i = emptySharedCell();
  const int m = mirrorOf(i);
  const int clues = countGivens(s);
  const int wrong = wrongDigitFor(i);

  clickCell(MouseButton::Left, i);
  ASSERT_TRUE(game->keypadOpen());
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpDigitKeypad);
  typeDigit(wrong);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(s.givens[i], wrong);
  EXPECT_EQ(s.givens[m], wrong);
  EXPECT_EQ(s.board[i], wrong);
  EXPECT_EQ(s.board[m], wrong);
  EXPECT_EQ(s.wrongCount, 0);
  EXPECT_EQ(shownAt(i).text, std::to_string(wrong));
  EXPECT_EQ(shownAt(i).colour, colourBlack);
  EXPECT_EQ(game->givenCount(), clues + 1);
  EXPECT_EQ(canvas.lastTextAt(1202, 635), std::to_string(clues + 1) + " ");
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpAfterKeypad);

  // A click on a clue lets the player replace it.
  clickCell(MouseButton::Left, i);
  typeDigit(solutionOf(i));
  EXPECT_EQ(s.givens[i], solutionOf(i));
  EXPECT_EQ(s.givens[m], solutionOf(i));
  EXPECT_EQ(game->givenCount(), clues + 1);

  canvas.ops.clear();
  GetParam().act(*this, i);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(s.givens[i], 0);
  EXPECT_EQ(s.givens[m], 0);
  EXPECT_EQ(s.board[i], 0);
  EXPECT_EQ(s.board[m], 0);
  EXPECT_TRUE(shownAt(i).blanked);
  EXPECT_EQ(shownAt(i).text, "");
  EXPECT_EQ(game->givenCount(), clues);
  EXPECT_EQ(canvas.lastTextAt(1202, 635), std::to_string(clues) + " ");
  EXPECT_EQ(game->mode(), Game::Mode::OwnBoard);
}

INSTANTIATE_TEST_SUITE_P(Ways, OwnBoardClues,
                         ::testing::Values(RemoveCase{"RightClickOnTheClue",
                                                      [](OwnBoardClues& t, int i) {
                                                        t.clickCell(MouseButton::Right, i);
                                                      }},
                                           RemoveCase{"TypedZero",
                                                      [](OwnBoardClues& t, int i) {
                                                        t.clickCell(MouseButton::Left, i);
                                                        t.typeCharacter('0');
                                                      }},
                                           RemoveCase{"TypedEsc",
                                                      [](OwnBoardClues& t, int i) {
                                                        t.clickCell(MouseButton::Left, i);
                                                        t.typeCharacter(static_cast<char>(escape));
                                                      }},
                                           RemoveCase{"RightClickInTheKeypad",
                                                      [](OwnBoardClues& t, int i) {
                                                        t.clickCell(MouseButton::Left, i);
                                                        t.clickAt(MouseButton::Right,
                                                                  keypadButton(cellOf(i), 9));
                                                      }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, InTheOwnBoardTheRightButtonLeavesNonCluesAndFAndCDoNothing) {
  startPuzzle();
  GameState& s = game->state();
  const int entry = emptyPlainCell(0), empty = emptyPlainCell(1);
  enter(entry, solutionOf(entry));
  clickCell(MouseButton::Right, empty);
  typeDigit(6);
  leaveLoop();
  game->menuEvent(11);
  const GameState before = s;
  canvas.ops.clear();

  clickCell(MouseButton::Right, entry);
  clickCell(MouseButton::Right, empty);
  EXPECT_FALSE(game->keypadOpen());  // the right button opens no keypad here
  typeKey('F');
  typeKey('C');
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.givens, before.givens);
  EXPECT_EQ(s.marks, before.marks);
  EXPECT_EQ(cellTextsDrawn(canvas), 0);
  EXPECT_EQ(game->mode(), Game::Mode::OwnBoard);
}

// K, O in the own-board entry runs the solver once, where the play loop starts again from the
// clues when the field is stuck: a clue that repeats another clue of its row.
class SolveShortcut : public PlayTest, public ::testing::WithParamInterface<int> {};

TEST_P(SolveShortcut, SolvesOnceOnlyInTheOwnBoard) {
  loadPuzzle();
  GameState& s = game->state();
  int empty = 0, other = 0;
  for (int c = 1; c <= 9; ++c) {
    const int i = cellIndex(5, c, 5);
    if (s.givens[i] == 0 && !empty) empty = i;
    if (s.givens[i] != 0 && !other) other = i;
  }
  ASSERT_TRUE(empty && other);
  s.givens[empty] = s.board[empty] = s.givens[other];
  const int command = GetParam();
  game->menuEvent(command);
  typeKey('K');
  typeKey('O');
  EXPECT_EQ(platform.questions.size(), command == 11 ? 1u : 2u);
  EXPECT_FALSE(game->keyPrefix());
}

INSTANTIATE_TEST_SUITE_P(Commands, SolveShortcut, ::testing::Values(10, 11), [](const auto& info) {
  return info.param == 11 ? std::string("OwnBoard") : std::string("Spielstart");
});

TEST_F(PlayTest, TheOwnBoardShortcutSolvesItsClues) {
  loadPuzzle();
  game->menuEvent(11);
  GameState& s = game->state();
  typeKey('K');
  typeKey('O');
  EXPECT_EQ(s.board, solvedField());
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(game->mode(), Game::Mode::OwnBoard);
}

TEST_F(PlayTest, LeavingTheOwnBoardDerivesTheSolutionThatSpielstartJudgesBy) {
  game->menuEvent(26);  // an empty field, no solution
  game->menuEvent(11);
  GameState& s = game->state();
  const GameState puzzle = puzzleFrom(solvedField(), 4);
  for (int i = 0; i < 1000; ++i)
    if (puzzle.givens[i] != 0 && leadingCopy(i) == i) {
      clickCell(MouseButton::Left, i);
      typeDigit(puzzle.givens[i]);
    }
  EXPECT_EQ(s.givens, puzzle.givens);
  EXPECT_EQ(s.solution, CellArray{});  // nothing derived while typing
  EXPECT_EQ(s.wrongCount, 0);
  leaveLoop();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_EQ(s.solution, solvedField());
  EXPECT_FALSE(s.notSolvable);

  game->menuEvent(10);
  const int a = emptyPlainCell(0), b = emptyPlainCell(1);
  enter(a, wrongDigitFor(a));
  EXPECT_EQ(s.wrongCount, 1);
  EXPECT_EQ(shownAt(a).colour, colourBrightRed);
  enter(b, solutionOf(b));
  EXPECT_EQ(s.wrongCount, 1);
  EXPECT_EQ(shownAt(b).colour, colourBlue);
  EXPECT_EQ(s.status, CheckOutcome::WrongEntry);
}

}  // namespace
}  // namespace tessarix::testing
