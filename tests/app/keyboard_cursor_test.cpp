// The keyboard cursor in the game loops: arrows show and move it, Enter and Space open the
// keypad at its cell as a left click would, Delete and Backspace clear as the right button
// does, a mouse click hides it, and its frame stays on top of what the cell shows.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "play_fixture.h"
#include "ui/palette.h"

namespace tessarix::testing {
namespace {

class CursorTest : public PlayTest {
 protected:
  // Place of a cell in the 33 x 33 figure.
  static Point figurePlace(int i) {
    return {gridOffsetX[cellGrid(i)] + cellCol(i) - 1, gridOffsetY[cellGrid(i)] + cellRow(i) - 1};
  }
  // An empty cell that lies within grid 5's square, so the way there has no hole.
  int emptyCellNearTheMiddle(int n = 0) const {
    for (int i : emptyCells()) {
      const Point p = figurePlace(i);
      if (p.x >= 12 && p.x <= 20 && p.y >= 12 && p.y <= 20 && n-- == 0) return i;
    }
    ADD_FAILURE() << "no empty cell in grid 5";
    return 0;
  }
  // The arrows from the first one (which shows the cursor in the middle) to cell i.
  void arrowTo(int i) {
    typeKey(keys::down);  // shows it; an arrow key other than Down would do the same
    ASSERT_EQ(game->cursorCell(), cellIndex(5, 5, 5));
    const Point p = figurePlace(i);
    for (int y = 16; y != p.y; y += p.y > y ? 1 : -1) typeKey(p.y > y ? keys::down : keys::up);
    for (int x = 16; x != p.x; x += p.x > x ? 1 : -1) typeKey(p.x > x ? keys::right : keys::left);
    ASSERT_EQ(game->cursorCell(), leadingCopy(i));
  }
  // Whether the last drawing on cell i's top side (beside the lines it shares with its
  // neighbours) is the cursor's frame.
  bool frameOnTop(int i) const {
    const Point c = cellCorner(cellOf(i));
    for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it) {
      if (it->x1 > c.x + 31 || it->x2 < c.x + 2 || it->y1 > c.y + 1 || it->y2 < c.y) continue;
      if (it->kind == OpKind::Capture) continue;
      return it->kind == OpKind::FilledBox && it->state.fillColor == colorCursor;
    }
    return false;
  }
};

TEST_F(CursorTest, TheFirstArrowShowsItInTheMiddleTheNextOnesMoveIt) {
  startPuzzle();
  EXPECT_EQ(game->cursorCell(), 0);
  typeKey(keys::left);
  EXPECT_EQ(game->cursorCell(), cellIndex(5, 5, 5));
  EXPECT_TRUE(frameOnTop(cellIndex(5, 5, 5)));
  typeKey(keys::left);
  EXPECT_EQ(game->cursorCell(), cellIndex(5, 4, 5));
  EXPECT_TRUE(frameOnTop(cellIndex(5, 4, 5)));
  EXPECT_FALSE(frameOnTop(cellIndex(5, 5, 5)));
  // With Ctrl an arrow does nothing.
  typeKey(keys::left | keys::ctrl);
  EXPECT_EQ(game->cursorCell(), cellIndex(5, 4, 5));
  // Keys of the table keep their meaning: M still switches the candidates on, and they are
  // there.
  typeKey('M');
  EXPECT_TRUE(game->state().options.showCandidates);
  int marks = 0;
  for (uint8_t m : game->state().marks) marks += m;
  EXPECT_GT(marks, 0);
  EXPECT_TRUE(frameOnTop(cellIndex(5, 4, 5)));
}

TEST_F(CursorTest, EnterOrSpaceOpenTheKeypadThereAndDeleteOrBackspaceClear) {
  for (const int open : {keys::enter, keys::space})
    for (const int clear : {keys::del, keys::backspace}) {
      SCOPED_TRACE(open * 1000 + clear);
      startPuzzle();
      const int cell = emptyCellNearTheMiddle();
      arrowTo(cell);
      typeKey(open);
      ASSERT_TRUE(game->keypadOpen());
      EXPECT_EQ(game->helpText(), helpDigitKeypad);
      typeDigit(solutionOf(cell));
      EXPECT_FALSE(game->keypadOpen());
      EXPECT_EQ(game->state().board[cell], solutionOf(cell));
      EXPECT_EQ(shownAt(cell).text, std::to_string(solutionOf(cell)));
      EXPECT_TRUE(frameOnTop(cell));
      typeKey(clear);
      EXPECT_FALSE(game->keypadOpen());
      EXPECT_EQ(game->state().board[cell], 0);
      EXPECT_TRUE(shownAt(cell).blanked);
      EXPECT_TRUE(frameOnTop(cell));
      // On an empty cell Delete opens nothing (the right button would open the marks keypad).
      typeKey(clear);
      EXPECT_FALSE(game->keypadOpen());
      leaveLoop();
      EXPECT_EQ(game->cursorCell(), 0);
    }
}

TEST_F(CursorTest, CluesStayAndTheCursorKeysActOnlyWhileItIsShown) {
  startPuzzle();
  typeKey(keys::enter);
  typeKey(keys::del);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(game->cursorCell(), 0);
  // Find a clue within grid 5 and stand on it.
  int clue = 0;
  for (int i = 0; i < 1000 && !clue; ++i) {
    const Point p = figurePlace(i);
    if (cellGrid(i) == 5 && cellCol(i) && cellRow(i) && game->state().givens[i] != 0 &&
        leadingCopy(i) == i && p.x >= 12 && p.y >= 12)
      clue = i;
  }
  ASSERT_NE(clue, 0);
  const uint8_t value = game->state().board[clue];
  arrowTo(clue);
  typeKey(keys::enter);
  typeKey(keys::del);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(game->state().board[clue], value);
}

TEST_F(CursorTest, AClickHidesItAndLandsWhereThePointerIs) {
  startPuzzle();
  const int a = emptyCellNearTheMiddle(0), b = emptyCellNearTheMiddle(1);
  moveTo(cellCentre(cellOf(b)));
  arrowTo(a);
  typeKey(keys::enter);
  ASSERT_TRUE(game->keypadOpen());
  typeDigit(solutionOf(a));
  // The pointer never moved off b: a click there, without a move first, opens b's keypad.
  game->input().buttonPressed(MouseButton::Left, cellCentre(cellOf(b)).x, cellCentre(cellOf(b)).y);
  EXPECT_EQ(game->cursorCell(), 0);
  EXPECT_FALSE(frameOnTop(a));
  EXPECT_EQ(shownAt(a).text, std::to_string(solutionOf(a)));
  game->input().buttonReleased(MouseButton::Left, cellCentre(cellOf(b)).x, cellCentre(cellOf(b)).y);
  ASSERT_TRUE(game->keypadOpen());
  typeDigit(solutionOf(b));
  EXPECT_EQ(game->state().board[b], solutionOf(b));
}

TEST_F(CursorTest, AClickIntoAKeypadTheCursorOpenedHidesItWhenTheKeypadCloses) {
  startPuzzle();
  const int cell = emptyCellNearTheMiddle();
  arrowTo(cell);
  typeKey(keys::space);
  ASSERT_TRUE(game->keypadOpen());
  clickAt(MouseButton::Left, keypadButton(cellOf(cell), solutionOf(cell)));
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(game->state().board[cell], solutionOf(cell));
  EXPECT_EQ(game->cursorCell(), 0);
  EXPECT_FALSE(frameOnTop(cell));
}

TEST_F(CursorTest, InTheOwnBoardEnterPlacesAClueAndDeleteRemovesIt) {
  loadPuzzle();
  game->menuEvent(11);
  ASSERT_EQ(game->mode(), Game::Mode::OwnBoard);
  const int cell = emptyCellNearTheMiddle();
  arrowTo(cell);
  typeKey(keys::enter);
  ASSERT_TRUE(game->keypadOpen());
  typeDigit(7);
  EXPECT_EQ(game->state().givens[cell], 7);
  typeKey(keys::backspace);
  EXPECT_EQ(game->state().givens[cell], 0);
  EXPECT_EQ(game->state().board[cell], 0);
  EXPECT_TRUE(frameOnTop(cell));
}

// A click into the keypad hides the cursor once the keypad has gone; when that entry finishes a
// timed game, the hall of fame opens over the screen without the cursor's frame.
TEST_F(CursorTest, TheHallOfFameOpensOverTheScreenWithoutTheCursor) {
  startTimedGame();
  const int last = emptyCellNearTheMiddle();
  for (int i : emptyCells())
    if (i != last) enter(i, solutionOf(i));
  arrowTo(last);
  ASSERT_TRUE(frameOnTop(last));
  typeKey(keys::enter);
  ASSERT_TRUE(game->keypadOpen());
  bool shown = false;
  platform.whileShowingFame = [&] {
    shown = true;
    EXPECT_EQ(game->cursorCell(), 0);
    EXPECT_FALSE(frameOnTop(last));
  };
  const Point button = keypadButton(cellOf(last), solutionOf(last));
  moveTo(button);
  clickAt(MouseButton::Left, button);
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_TRUE(shown);
  EXPECT_EQ(game->cursorCell(), 0);
}

}  // namespace
}  // namespace tessarix::testing
