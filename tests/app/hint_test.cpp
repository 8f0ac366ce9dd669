// The hint: T frames the cell the solver would fill next and names the value and its rule, or
// frames a wrong entry; T again enters the value as the solver would; any other key or a click
// takes the frame away; a hint ends the timing like M.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "logic/next_step.h"
#include "play_fixture.h"
#include "ui/palette.h"

namespace tessarix::testing {
namespace {

class HintTest : public PlayTest {
 protected:
  // Whether the hint's green frame is the last drawing on the top side of cell i.
  bool framed(int i) const {
    const Point c = cellCorner(cellOf(i));
    for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it) {
      if (it->x1 > c.x + 31 || it->x2 < c.x + 2 || it->y1 > c.y + 1 || it->y2 < c.y) continue;
      if (it->kind == OpKind::Capture) continue;
      return it->kind == OpKind::FilledBox && it->state.fillColor == colorHintFrame;
    }
    return false;
  }
};

TEST_F(HintTest, TThenTFillsTheSolversNextCellAndEndsTheTiming) {
  startTimedGame();
  const std::optional<SolverStep> step = nextSolverStep(game->state());
  ASSERT_TRUE(step);
  typeKey('T');
  EXPECT_EQ(game->hintCell(), step->cell);
  EXPECT_TRUE(framed(step->cell));
  EXPECT_EQ(game->hintText(), hintTextFor(*step, true));
  EXPECT_EQ(game->hintText().size() >= 26, true);
  EXPECT_FALSE(game->state().clockRunning);
  EXPECT_EQ(platform.clockTexts.back(), idleClock);
  EXPECT_EQ(game->state().board[step->cell], 0);

  typeKey('T');
  EXPECT_EQ(game->state().board[step->cell], step->digit);
  EXPECT_EQ(step->digit, solutionOf(step->cell));
  EXPECT_EQ(shownAt(step->cell).text, std::to_string(step->digit));
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_FALSE(framed(step->cell));
  EXPECT_TRUE(game->history().canUndo());
  // The next T points at the step after it.
  typeKey('T');
  const std::optional<SolverStep> next = nextSolverStep(game->state());
  ASSERT_TRUE(next);
  EXPECT_EQ(game->hintCell(), next->cell);
  // A shifted T is a T: it enters that value too.
  typeKey('T' | keys::shift);
  EXPECT_EQ(game->state().board[next->cell], next->digit);
  EXPECT_EQ(game->hintCell(), 0);
}

TEST_F(HintTest, AWrongEntryIsFramedFirstAndAnyOtherEventTakesTheFrameAway) {
  startPuzzle();
  const int wrong = emptyPlainCell(3);
  enter(wrong, wrongDigitFor(wrong));
  typeKey('T');
  EXPECT_EQ(game->hintCell(), wrong);
  EXPECT_TRUE(framed(wrong));
  EXPECT_EQ(game->hintText(), "Dieser Eintrag ist falsch!");
  typeKey('T');  // no value to enter for a wrong entry: the hint stays on it
  EXPECT_EQ(game->state().board[wrong], wrongDigitFor(wrong));
  EXPECT_EQ(game->hintCell(), wrong);

  typeKey('Q');  // a key the loop ignores
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_FALSE(framed(wrong));
  EXPECT_EQ(shownAt(wrong).colour, colourBrightRed);
  EXPECT_EQ(game->hintText(), hintAfterKeypad);

  clickCell(MouseButton::Right, wrong);  // cleared
  typeKey('T');
  const int framedCell = game->hintCell();
  ASSERT_NE(framedCell, 0);
  click(MouseButton::Left, 1200, 60);  // a click outside the field
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_FALSE(framed(framedCell));
}

TEST_F(HintTest, ASolvedFieldHasNoStepAndTheOwnBoardNoHint) {
  startPuzzle();
  typeKey('K');
  typeKey('O');
  ASSERT_EQ(game->state().status, CheckOutcome::Solved);
  typeKey('T');
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_EQ(game->hintText(), "Kein Schritt gefunden!    ");
  leaveLoop();

  game->menuEvent(11);
  ASSERT_EQ(game->mode(), Game::Mode::OwnBoard);
  const std::string before = game->hintText();
  typeKey('T');
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_EQ(game->hintText(), before);
}

}  // namespace
}  // namespace tessarix::testing
