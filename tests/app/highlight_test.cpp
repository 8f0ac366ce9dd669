// A value highlighted everywhere: "1" to "9" tint exactly the cells holding that value (both
// copies of a shared cell, clues and entries) and its count; the tint follows entries and
// clears; the same key again, "0" or the end of the loop take it away.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "play_fixture.h"
#include "ui/palette.h"

namespace tessarix::testing {
namespace {

class HighlightTest : public PlayTest {
 protected:
  // The colour a cell was last blanked in, or -1 when it was not blanked since the ops were
  // cleared.
  int backgroundOf(int i) const {
    const Point p = cellCorner(cellOf(i));
    for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it)
      if (it->kind == OpKind::FilledBox && it->x1 == p.x + 1 && it->y1 == p.y + 1 &&
          it->x2 >= p.x + 30)
        return it->state.fillColor;
    return -1;
  }
  // Every cell copy of the field: tinted exactly when it holds `digit`. Cells drawn before
  // the ops were cleared count as white.
  void expectTintedExactly(int digit) const {
    int tinted = 0;
    for (int g = 1; g <= 9; ++g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
          const int i = cellIndex(g, c, r);
          const bool holds = digit != 0 && game->state().board[i] == digit;
          const int bg = backgroundOf(i);
          EXPECT_EQ(bg == colorHighlight, holds) << "cell " << i;
          tinted += bg == colorHighlight;
        }
    if (digit != 0) EXPECT_GT(tinted, 0);
  }
  int countBackground(int d) const {
    for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it)
      if (it->kind == OpKind::Text && it->y1 == 805 && it->x1 == 95 + 24 * d)
        return it->state.fillColor;
    return -1;
  }
};

TEST_F(HighlightTest, TheCellsHoldingTheValueAndNoOthersAreTinted) {
  startPuzzle();
  const int shared = emptySharedCell(0), d = solutionOf(shared);
  canvas.ops.clear();
  typeKey('0' + d);
  EXPECT_EQ(game->state().highlightDigit, d);
  expectTintedExactly(d);
  EXPECT_EQ(countBackground(d), colorHighlight);
  EXPECT_EQ(countBackground(d % 9 + 1), colorWhite);

  // It follows the field: a new entry of the value is tinted, a cleared one is not, in both
  // copies.
  enter(shared, d);
  EXPECT_EQ(backgroundOf(shared), colorHighlight);
  EXPECT_EQ(backgroundOf(mirrorOf(shared)), colorHighlight);
  clickCell(MouseButton::Right, shared);
  EXPECT_EQ(backgroundOf(shared), colorWhite);
  EXPECT_EQ(backgroundOf(mirrorOf(shared)), colorWhite);
  // Undo and redo repaint with the tint as well.
  typeKey('Z' | keys::ctrl);
  EXPECT_EQ(backgroundOf(shared), colorHighlight);
  EXPECT_EQ(backgroundOf(mirrorOf(shared)), colorHighlight);
  typeKey('Y' | keys::ctrl);
  EXPECT_EQ(backgroundOf(shared), colorWhite);
  EXPECT_EQ(backgroundOf(mirrorOf(shared)), colorWhite);

  // Another value moves the tint; the same one again or "0" ends it.
  typeKey('0' + d % 9 + 1);
  expectTintedExactly(d % 9 + 1);
  typeKey('0' + d % 9 + 1);
  EXPECT_EQ(game->state().highlightDigit, 0);
  expectTintedExactly(0);
  typeKey('3');
  typeKey('0');
  expectTintedExactly(0);
  EXPECT_EQ(countBackground(3), colorWhite);

  // The end of the loop ends it too.
  typeKey('2');
  leaveLoop();
  EXPECT_EQ(game->state().highlightDigit, 0);
  expectTintedExactly(0);
}

TEST_F(HighlightTest, TheKeypadStillTakesDigitsAndLettersModeHighlightsByDigit) {
  startPuzzle();
  const int a = emptyPlainCell(0);
  enter(a, solutionOf(a));  // typed into the keypad: an entry, no highlight
  EXPECT_EQ(game->state().highlightDigit, 0);
  leaveLoop();
  game->menuEvent(41);  // letters
  ASSERT_FALSE(game->state().options.digitMode);
  game->menuEvent(10);
  typeKey('4');  // the value shown as "D"
  EXPECT_EQ(game->state().highlightDigit, 4);
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
}

}  // namespace
}  // namespace tessarix::testing
