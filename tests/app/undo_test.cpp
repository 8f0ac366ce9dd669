// Undo and redo in the game loops: entries, cleared entries, pencil marks and own-board clues
// go back and come again in both copies of a cell, with their drawing and counts; the
// wrong-entry count and the clock stay; a new change drops what could have been redone; the
// commands that change the field wholesale are steps too.
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

// The commands of a loop that change the field wholesale are steps too: each goes back whole
// with one Ctrl+Z (clues, entries, solution and marks), comes again with Ctrl+Y, and the steps
// before it stay.
struct WholesaleCase {
  const char* name;
  bool ownBoard;
  std::vector<int> keys;
};

class WholesaleUndo : public PlayTest, public ::testing::WithParamInterface<WholesaleCase> {};

TEST_P(WholesaleUndo, GoesBackWholeAndComesAgain) {
  const WholesaleCase& c = GetParam();
  if (c.ownBoard) {
    loadPuzzle();
    game->menuEvent(11);
    ASSERT_EQ(game->mode(), Game::Mode::OwnBoard);
  } else {
    startPuzzle();
  }
  GameState& s = game->state();
  // Two steps before the command: an entry and a pencil mark; two clues in the own board.
  const int a = emptyPlainCell(0), b = emptyPlainCell(1);
  const int digitA = solutionOf(a), digitB = solutionOf(b);
  enter(a, digitA);
  if (c.ownBoard) {
    enter(b, digitB);
  } else {
    clickCell(MouseButton::Right, b);
    typeDigit(3);
  }
  const auto secondStepShown = [&] {
    return c.ownBoard ? shownAt(b).text == std::to_string(digitB) : markShown(b, 3);
  };
  const Position before = Position::of(s);
  const int givensBefore = game->givenCount();

  for (int k : c.keys) typeKey(k);
  const Position after = Position::of(s);
  ASSERT_NE(after, before) << "the command changed nothing";

  typeKey(undoKey);
  EXPECT_EQ(Position::of(s), before);
  if (c.ownBoard) EXPECT_EQ(game->givenCount(), givensBefore);
  EXPECT_EQ(shownAt(a).text, std::to_string(digitA));
  EXPECT_TRUE(secondStepShown());
  typeKey(redoKey);
  EXPECT_EQ(Position::of(s), after);
  typeKey(undoKey);
  // The steps before the command are still there.
  typeKey(undoKey);
  EXPECT_FALSE(secondStepShown());
  typeKey(undoKey);
  EXPECT_EQ(s.board[a], 0);
  EXPECT_TRUE(shownAt(a).blanked);
  EXPECT_FALSE(game->history().canUndo());
}

INSTANTIATE_TEST_SUITE_P(
    Loop, WholesaleUndo,
    ::testing::Values(WholesaleCase{"Restart", false, {'N'}},
                      WholesaleCase{"FillMarks", false, {'F'}},
                      WholesaleCase{"ClearMarks", false, {'C'}},
                      WholesaleCase{"Solve", false, {'K', 'O'}},
                      WholesaleCase{"ShuffleOwnBoard", true, {'X'}},
                      WholesaleCase{"SolveOwnBoard", true, {'K', 'O'}}),
    [](const auto& info) { return std::string(info.param.name); });

// M switches between the player's marks and the candidates: a new history begins.
TEST_F(PlayTest, SwitchingToCandidatesStartsANewHistory) {
  startPuzzle();
  const int a = emptyPlainCell(0);
  enter(a, solutionOf(a));
  ASSERT_TRUE(game->history().canUndo());
  typeKey('M');
  EXPECT_FALSE(game->history().canUndo());
  const GameState after = game->state();
  typeKey(undoKey);
  EXPECT_EQ(game->state().board, after.board);
  EXPECT_EQ(game->state().marks, after.marks);
}

// A step keeps the bytes its event changed, not a position: entries, cleared entries and the
// keypad's openings and closings cost a few bytes each, however long the game.
TEST_F(PlayTest, StepsKeepOnlyWhatChanged) {
  startTimedGame();
  const std::vector<int> cells = emptyCells();
  ASSERT_GE(cells.size(), 40u);
  for (size_t k = 0; k < 40; ++k) {
    enter(cells[k], k % 2 ? solutionOf(cells[k]) : wrongDigitFor(cells[k]));
    if (k % 3 == 0) clickCell(MouseButton::Right, cells[k]);
  }
  EXPECT_GE(game->history().stepCount(), 40u);
  EXPECT_LT(game->history().bytesKept(), 40u * 160u) << game->history().bytesKept();
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
