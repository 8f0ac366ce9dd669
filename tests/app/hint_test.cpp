// The hint: T frames the cell the solver would fill next and names the value and its rule, or
// frames a wrong entry; T again enters the value as the solver would; any other key or a click
// takes the frame away; a hint ends the timing like M.
#include <gtest/gtest.h>

#include <functional>

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
  EXPECT_EQ(game->helpText(), hintTextFor(*step, true));
  EXPECT_EQ(game->helpText().size() >= 26, true);
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
  EXPECT_EQ(game->helpText(), "Dieser Eintrag ist falsch!");
  typeKey('T');  // no value to enter for a wrong entry: the hint stays on it
  EXPECT_EQ(game->state().board[wrong], wrongDigitFor(wrong));
  EXPECT_EQ(game->hintCell(), wrong);

  typeKey('Q');  // a key the loop ignores
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_FALSE(framed(wrong));
  EXPECT_EQ(shownAt(wrong).colour, colourBrightRed);
  EXPECT_EQ(game->helpText(), helpAfterKeypad);

  clickCell(MouseButton::Right, wrong);  // cleared
  typeKey('T');
  const int framedCell = game->hintCell();
  ASSERT_NE(framedCell, 0);
  click(MouseButton::Left, 1200, 60);  // a click outside the field
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_FALSE(framed(framedCell));
}

// The help line's explanation belongs to the value the second T entered: taking that value
// back with Ctrl+Z asks for a cell again, and so does any other key or click after it.
class HintTextWay;
struct WayCase {
  const char* name;
  std::function<void(HintTextWay&)> act;
  bool valueStays;
};

class HintTextWay : public HintTest, public ::testing::WithParamInterface<WayCase> {
 public:
  using PlayTest::click;
  using PlayTest::typeKey;
};

TEST_P(HintTextWay, AsksForACellAgain) {
  startPuzzle();
  const std::optional<SolverStep> step = nextSolverStep(game->state());
  ASSERT_TRUE(step);
  typeKey('T');
  typeKey('T');
  ASSERT_EQ(game->state().board[step->cell], step->digit);
  // Entered, the value is still explained.
  EXPECT_EQ(game->helpText(), hintTextFor(*step, true));
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), hintTextFor(*step, true));
  GetParam().act(*this);
  EXPECT_EQ(game->state().board[step->cell], GetParam().valueStays ? step->digit : 0);
  EXPECT_EQ(game->helpText(), helpAfterKeypad);
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), helpAfterKeypad);
  // Ctrl+Y brings the value back, not its text.
  typeKey('Y' | keys::ctrl);
  EXPECT_EQ(game->state().board[step->cell], step->digit);
  EXPECT_EQ(game->helpText(), helpAfterKeypad);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, HintTextWay,
    ::testing::Values(
        WayCase{"CtrlZ", [](HintTextWay& t) { t.typeKey('Z' | keys::ctrl); }, false},
        WayCase{"AKeyTheLoopIgnores", [](HintTextWay& t) { t.typeKey('Q'); }, true},
        WayCase{"AClickOutsideTheField",
                [](HintTextWay& t) { t.click(MouseButton::Left, 1200, 60); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Alt and Ctrl with the hint's key, or with any other key but undo and redo, leave the hint
// as it is: framed, its text shown, the next plain T enters it.
TEST_F(HintTest, KeysWithAltOrCtrlLeaveTheHintAsItIs) {
  startPuzzle();
  const std::optional<SolverStep> step = nextSolverStep(game->state());
  ASSERT_TRUE(step);
  typeKey('T');
  ASSERT_EQ(game->hintCell(), step->cell);
  canvas.ops.clear();
  for (int key : {'T' | keys::alt, 'T' | keys::ctrl, 'Q' | keys::alt, 'N' | keys::ctrl,
                  'Z' | keys::ctrl | keys::alt})
    typeKey(key);
  EXPECT_TRUE(canvas.ops.empty());
  EXPECT_EQ(game->hintCell(), step->cell);
  EXPECT_EQ(game->helpText(), hintTextFor(*step, true));
  typeKey('T');
  EXPECT_EQ(game->state().board[step->cell], step->digit);
}

TEST_F(HintTest, ASolvedFieldHasNoStepAndTheOwnBoardNoHint) {
  startPuzzle();
  typeKey('K');
  typeKey('O');
  ASSERT_EQ(game->state().status, CheckOutcome::Solved);
  typeKey('T');
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_EQ(game->helpText(), "Kein Schritt gefunden!    ");
  leaveLoop();

  game->menuEvent(11);
  ASSERT_EQ(game->mode(), Game::Mode::OwnBoard);
  const std::string before = game->helpText();
  typeKey('T');
  EXPECT_EQ(game->hintCell(), 0);
  EXPECT_EQ(game->helpText(), before);
}

}  // namespace
}  // namespace tessarix::testing
