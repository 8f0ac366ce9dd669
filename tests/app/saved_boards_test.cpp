// The saved boards from inside the play loop: S and L with the slot dialog's answer, the round
// trip through "brett.trx", a cancelled dialog, and the slot offered next time.
#include <gtest/gtest.h>

#include <filesystem>

#include "play_fixture.h"
#include "puzzles/puzzle_file.h"

namespace tessarix::testing {
namespace {

// An own puzzle whose clues clash is saved and comes back as typed, to be mended.
TEST_F(PlayTest, AnOwnPuzzleWithClashingCluesLoadsBack) {
  game->menuEvent(26);
  game->menuEvent(11);
  ASSERT_EQ(game->mode(), Game::Mode::OwnBoard);
  const int a = cellIndex(5, 1, 1), b = cellIndex(5, 4, 1);  // one row of grid 5
  enter(a, 7);
  enter(b, 7);
  const GameState typed = game->state();
  ASSERT_EQ(typed.givens[a], 7);
  ASSERT_EQ(typed.givens[b], 7);
  platform.slotAnswers = {0};
  typeKey('S');
  leaveLoop();

  game->menuEvent(26);
  platform.slotAnswers = {0};
  game->menuEvent(20);
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
  EXPECT_EQ(game->state().givens, typed.givens);
  EXPECT_EQ(game->state().board, typed.board);
  leaveLoop();
}

TEST_F(PlayTest, SSavesTheBoardAndLBringsItBackUntimed) {
  startTimedGame();
  GameState& s = game->state();
  const int a = emptyPlainCell(0), b = emptySharedCell(0), wrong = emptyPlainCell(1);
  enter(a, solutionOf(a));
  clickCell(MouseButton::Right, b);
  typeDigit(4);
  ASSERT_TRUE(
      s.mark(cellOf(mirrorOf(b)).grid, cellOf(mirrorOf(b)).col, cellOf(mirrorOf(b)).row, 4));
  const GameState saved = s;

  platform.slotAnswers = {2};
  typeKey('S');
  ASSERT_EQ(platform.slotRequests.size(), 1u);
  EXPECT_EQ(platform.slotRequests[0].purpose, SlotPurpose::Save);
  EXPECT_EQ(platform.slotRequests[0].preselected, 0);
  EXPECT_EQ(game->boardSlot(), 2);
  EXPECT_TRUE(platform.messages.empty());
  // Saving leaves the game as it was, its clock too.
  EXPECT_TRUE(s.clockRunning);
  EXPECT_TRUE(platform.ticking);
  GameState fromFile;
  ASSERT_EQ(loadSlot(path("brett.trx"), 2, fromFile).status, LoadStatus::Loaded);
  EXPECT_EQ(fromFile.board, saved.board);
  EXPECT_EQ(fromFile.givens, saved.givens);
  EXPECT_EQ(fromFile.marks, saved.marks);
  GameState otherSlot;
  ASSERT_EQ(loadSlot(path("brett.trx"), 1, otherSlot).status, LoadStatus::Loaded);
  EXPECT_EQ(otherSlot.givens, CellArray{});

  // The game goes on: restarted, a wrong entry counted.
  typeKey('N');
  typeKey('C');
  enter(wrong, wrongDigitFor(wrong));
  ASSERT_EQ(s.wrongCount, 1);
  const int busy = platform.busyCount;

  platform.slotAnswers = {2};
  canvas.ops.clear();
  typeKey('L');
  ASSERT_EQ(platform.slotRequests.size(), 2u);
  EXPECT_EQ(platform.slotRequests[1].purpose, SlotPurpose::Load);
  EXPECT_EQ(platform.slotRequests[1].preselected, 2);  // the slot chosen last
  EXPECT_EQ(s.board, saved.board);
  EXPECT_EQ(s.givens, saved.givens);
  EXPECT_EQ(s.marks, saved.marks);
  // The solution is derived again, which starts the count afresh; a loaded board is not timed.
  EXPECT_EQ(s.solution, saved.solution);
  EXPECT_EQ(s.wrongCount, 0);
  EXPECT_EQ(platform.busyCount, busy + 1);
  EXPECT_FALSE(s.clockRunning);
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(game->clockText(), idleClock);
  // Redrawn: the entry is back, the wrong one gone.
  EXPECT_EQ(shownAt(a).text, std::to_string(solutionOf(a)));
  EXPECT_EQ(shownAt(a).colour, colourBlue);
  EXPECT_TRUE(shownAt(wrong).blanked);
  EXPECT_EQ(shownAt(wrong).text, "");
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
}

// A dialog left with "Abbrechen" changes nothing: the board, the count of wrong entries, the
// clock and the slot offered next time stay as they were, and nothing is derived.
class CancelledSlotDialog : public PlayTest, public ::testing::WithParamInterface<char> {};

TEST_P(CancelledSlotDialog, ChangesNothing) {
  startTimedGame();
  GameState& s = game->state();
  const int wrong = emptyPlainCell();
  enter(wrong, wrongDigitFor(wrong));
  const GameState before = s;
  const int busy = platform.busyCount;
  platform.now += 30;
  platform.slotAnswers = {-1};
  typeKey(GetParam());
  ASSERT_EQ(platform.slotRequests.size(), 1u);
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.givens, before.givens);
  EXPECT_EQ(s.marks, before.marks);
  EXPECT_EQ(s.solution, before.solution);
  EXPECT_EQ(s.wrongCount, 1);
  EXPECT_EQ(platform.busyCount, busy);
  EXPECT_TRUE(s.clockRunning);
  EXPECT_TRUE(platform.ticking);
  game->clockTick();  // the clock still counts from the game's start
  EXPECT_EQ(game->clockText(), " 00:00:03");
  EXPECT_EQ(game->boardSlot(), 0);
  EXPECT_FALSE(std::filesystem::exists(path("brett.trx")));
  // The dialog's next opening offers the same slot.
  typeKey(GetParam());
  ASSERT_EQ(platform.slotRequests.size(), 2u);
  EXPECT_EQ(platform.slotRequests[1].preselected, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, CancelledSlotDialog, ::testing::Values('L', 'S'),
                         [](const auto& info) { return std::string(1, info.param); });

}  // namespace
}  // namespace tessarix::testing
