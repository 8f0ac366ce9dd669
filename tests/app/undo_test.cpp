// Undo and redo in the game loops: entries, cleared entries, pencil marks and own-board clues
// go back and come again in both copies of a cell, with their drawing and counts; the
// wrong-entry count and the clock stay; a new change drops what could have been redone; the
// commands that change the field wholesale start a new history.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "play_fixture.h"

namespace tessarix::testing {
namespace {

constexpr int undoKey = 'Z' | keys::ctrl;
constexpr int redoKey = 'Y' | keys::ctrl;
constexpr int redoKeyShifted = 'Z' | keys::ctrl | keys::shift;

TEST_F(PlayTest, EntriesGoBackAndComeAgainWithTheWrongCountKept) {
  startTimedGame();
  GameState& s = game->state();
  const int a = emptySharedCell(0), wrong = emptyPlainCell(0);
  const int digitA = solutionOf(a);
  const int countA = s.digitCount[digitA];
  enter(a, digitA);
  enter(wrong, wrongDigitFor(wrong));
  ASSERT_EQ(s.wrongCount, 1);
  const size_t clockTexts = platform.clockTexts.size();

  typeKey(undoKey);
  EXPECT_EQ(s.board[wrong], 0);
  EXPECT_TRUE(shownAt(wrong).blanked);
  EXPECT_EQ(s.wrongCount, 1);  // a mistake once made stays counted
  typeKey(undoKey);
  EXPECT_EQ(s.board[a], 0);
  EXPECT_EQ(s.board[mirrorOf(a)], 0);
  EXPECT_EQ(s.digitCount[digitA], countA);
  EXPECT_TRUE(shownAt(a).blanked);
  EXPECT_TRUE(shownAt(mirrorOf(a)).blanked);
  typeKey(undoKey);  // nothing more to undo
  EXPECT_EQ(s.board[a], 0);

  typeKey(redoKey);
  EXPECT_EQ(s.board[a], digitA);
  EXPECT_EQ(s.board[mirrorOf(a)], digitA);
  EXPECT_EQ(s.digitCount[digitA], countA + 1);
  EXPECT_EQ(shownAt(a).text, std::to_string(digitA));
  EXPECT_EQ(shownAt(a).colour, colourBlue);
  EXPECT_EQ(shownAt(mirrorOf(a)).text, std::to_string(digitA));
  typeKey(redoKeyShifted);
  EXPECT_EQ(s.board[wrong], wrongDigitFor(wrong));
  EXPECT_EQ(shownAt(wrong).colour, colourBrightRed);
  EXPECT_EQ(s.wrongCount, 1);  // not counted again either
  EXPECT_EQ(s.status, CheckOutcome::WrongEntry);
  // The clock ran on untouched.
  EXPECT_TRUE(s.clockRunning);
  for (size_t k = clockTexts; k < platform.clockTexts.size(); ++k)
    EXPECT_NE(platform.clockTexts[k], idleClock);
}

TEST_F(PlayTest, ClearsAndMarksAreStepsAndANewChangeDropsTheRedo) {
  startPuzzle();
  GameState& s = game->state();
  const int a = emptyPlainCell(0), b = emptySharedCell(0), c = emptyPlainCell(1);
  enter(a, solutionOf(a));
  clickCell(MouseButton::Right, a);  // clears the entry at once
  ASSERT_EQ(s.board[a], 0);
  typeKey(undoKey);
  EXPECT_EQ(s.board[a], solutionOf(a));

  // A pencil mark set through the keypad, in both copies, and taken back.
  const CellRef upper = cellOf(b), lower = cellOf(mirrorOf(b));
  clickCell(MouseButton::Right, b);
  typeDigit(4);
  ASSERT_TRUE(s.mark(lower.grid, lower.col, lower.row, 4));
  typeKey(undoKey);
  EXPECT_FALSE(s.mark(upper.grid, upper.col, upper.row, 4));
  EXPECT_FALSE(s.mark(lower.grid, lower.col, lower.row, 4));
  EXPECT_FALSE(markShown(b, 4));
  typeKey(redoKey);
  EXPECT_TRUE(s.mark(upper.grid, upper.col, upper.row, 4));
  EXPECT_TRUE(s.mark(lower.grid, lower.col, lower.row, 4));
  EXPECT_TRUE(markShown(b, 4));

  // The mark dropped the undone clear: two undos take back the mark and the entry into a.
  // Then a new entry: the undone steps are gone.
  typeKey(undoKey);
  typeKey(undoKey);
  ASSERT_EQ(s.board[a], 0);
  enter(c, solutionOf(c));
  typeKey(redoKey);
  EXPECT_EQ(s.board[a], 0);
  EXPECT_FALSE(s.mark(upper.grid, upper.col, upper.row, 4));
  EXPECT_FALSE(game->history().canRedo());
  // A keypad closed without a change is no step: undo takes back the entry into c.
  clickCell(MouseButton::Left, emptyPlainCell(2));
  typeKey(escape);
  game->input().characterTyped(escape);
  typeKey(undoKey);
  EXPECT_EQ(s.board[c], 0);
}

// Each of these changes the field wholesale and starts a new history.
TEST_F(PlayTest, CommandsThatChangeTheFieldWholesaleStartANewHistory) {
  const std::vector<std::pair<const char*, std::vector<int>>> commands = {
      {"N restarts", {'N'}}, {"F sets every mark", {'F'}}, {"C clears every mark", {'C'}},
      {"M shows the candidates", {'M'}}, {"K, O solves", {'K', 'O'}}};
  for (const auto& [name, keysTyped] : commands) {
    SCOPED_TRACE(name);
    startPuzzle();
    const int a = emptyPlainCell(0);
    enter(a, solutionOf(a));
    ASSERT_TRUE(game->history().canUndo());
    for (int k : keysTyped) typeKey(k);
    EXPECT_FALSE(game->history().canUndo());
    const GameState after = game->state();
    typeKey(undoKey);
    EXPECT_EQ(game->state().board, after.board);
    EXPECT_EQ(game->state().marks, after.marks);
    leaveLoop();
  }
}

TEST_F(PlayTest, OwnBoardCluesGoBackAndComeAgain) {
  game->menuEvent(26);  // an empty board
  game->menuEvent(11);
  ASSERT_EQ(game->mode(), Game::Mode::OwnBoard);
  GameState& s = game->state();
  const int a = cellIndex(5, 5, 5), b = cellIndex(1, 1, 7);  // b is shared with grid 2
  enter(a, 7);
  enter(b, 3);
  clickCell(MouseButton::Right, a);  // the right button removes a clue
  ASSERT_EQ(s.givens[a], 0);
  typeKey(undoKey);
  EXPECT_EQ(s.givens[a], 7);
  EXPECT_EQ(s.board[a], 7);
  EXPECT_EQ(shownAt(a).colour, colourBlack);
  typeKey(undoKey);
  EXPECT_EQ(s.givens[b], 0);
  EXPECT_EQ(s.givens[mirrorOf(b)], 0);
  typeKey(redoKey);
  EXPECT_EQ(s.givens[b], 3);
  EXPECT_EQ(s.givens[mirrorOf(b)], 3);
  EXPECT_EQ(shownAt(mirrorOf(b)).text, "3");
  EXPECT_EQ(game->givenCount(), 2);
}

}  // namespace
}  // namespace tessarix::testing
