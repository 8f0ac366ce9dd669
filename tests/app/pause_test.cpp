// The pause of the play loop: P stops the clock and covers every cell; while paused no other
// key or click acts; P, Esc or a click goes on, the clock counting from where it stopped; the
// finish time leaves the pauses out; a kept game comes back paused; a hidden window pauses a
// timed game only.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "logic/check.h"
#include "play_fixture.h"
#include "ui/palette.h"

namespace tessarix::testing {
namespace {

// The colour the cell's interior was last filled with, or -1.
int lastFillOf(const RecordingCanvas& canvas, int cell) {
  const Point p = cellCorner(cellOf(cell));
  for (auto it = canvas.ops.rbegin(); it != canvas.ops.rend(); ++it)
    if (it->kind == OpKind::FilledBox && it->x1 == p.x + 1 && it->y1 == p.y + 1 &&
        it->x2 >= p.x + 30)
      return it->state.fillColor;
  return -1;
}

bool everyCellCovered(const RecordingCanvas& canvas) {
  for (int i = 0; i < 1000; ++i)
    if (cellGrid(i) && cellCol(i) && cellRow(i) && lastFillOf(canvas, i) != colorLightGrey)
      return false;
  return true;
}

TEST_F(PlayTest, PStopsTheClockAndCoversTheFieldUntilPGoesOn) {
  platform.now = 1000;
  startTimedGame();
  const int a = emptyPlainCell(0);
  enter(a, solutionOf(a));
  platform.now = 1000 + 125;  // 12.5 s played
  game->clockTick();
  typeKey('P');
  ASSERT_TRUE(game->paused());
  EXPECT_FALSE(platform.ticking);
  // The pause's line, blanked to the end of the longer line before it.
  EXPECT_EQ(game->helpText(), "Pause: weiter mit P!      ");
  EXPECT_TRUE(everyCellCovered(canvas));
  EXPECT_TRUE(shownAt(a).text.empty());
  EXPECT_TRUE(shownAt(clueCell()).text.empty());

  // Ten minutes away: nothing counts, nothing acts.
  platform.now += 6000;
  game->clockTick();
  const Position before = Position::of(game->state());
  for (const int key : std::initializer_list<int>{'5', 'N', 'F', 'C', 'T', 'K', 'O', 'A', keys::right, 13, 'Z' | keys::ctrl,
                  'P' | keys::ctrl, 'P' | keys::alt})
    typeKey(key);
  EXPECT_TRUE(game->paused());
  EXPECT_EQ(Position::of(game->state()), before);
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_EQ(game->cursorCell(), 0);
  EXPECT_EQ(game->hintCell(), 0);

  typeKey('P');
  EXPECT_FALSE(game->paused());
  EXPECT_TRUE(platform.ticking);
  EXPECT_EQ(game->clockText(), " 00:00:12");
  EXPECT_EQ(shownAt(a).text, std::to_string(solutionOf(a)));
  EXPECT_EQ(lastFillOf(canvas, a), colorWhite);
  EXPECT_EQ(game->helpText(), "Bitte ein Feld anklicken!");
  platform.now += 100;
  game->clockTick();
  EXPECT_EQ(game->clockText(), " 00:00:22");
}

TEST_F(PlayTest, AClickOrEscEndsThePauseAndDoesNothingElse) {
  startTimedGame();
  const int a = emptyPlainCell(0);
  typeKey('P');
  clickCell(MouseButton::Left, a);  // would open the keypad
  EXPECT_FALSE(game->paused());
  EXPECT_FALSE(game->keypadOpen());
  typeKey('P');
  typeKey(escape);  // would leave the game
  EXPECT_FALSE(game->paused());
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_TRUE(platform.stepTimers.empty());
  // The keypad open: P pauses with the keypad closed, the cell as it was.
  clickCell(MouseButton::Left, a);
  ASSERT_TRUE(game->keypadOpen());
  game->windowHidden();
  EXPECT_TRUE(game->paused());
  EXPECT_FALSE(game->keypadOpen());
  EXPECT_EQ(game->state().board[a], 0);
}

TEST_F(PlayTest, TheFinishTimeLeavesThePausesOut) {
  platform.now = 1000;
  startTimedGame();
  platform.championAnswers = {{true, "Clara"}};
  std::vector<int> cells = emptyCells();
  const int last = cells.back();
  cells.pop_back();
  for (int i : cells) enter(i, solutionOf(i));
  platform.now = 1000 + 300;
  typeKey('P');
  platform.now += 36000;  // an hour away
  typeKey('P');
  platform.now += 50;
  enter(last, solutionOf(last));
  ASSERT_TRUE(isSolved(game->state().status));
  EXPECT_EQ(game->finishTime(), "00:00:35.0");
}

TEST_F(PlayTest, OnlyATimedGamePausesByItselfAndTheOwnBoardNever) {
  startPuzzle();  // untimed
  game->windowHidden();
  EXPECT_FALSE(game->paused());
  typeKey('P');  // by hand it may
  EXPECT_TRUE(game->paused());
  typeKey('P');
  leaveLoop();
  game->menuEvent(menu::OwnBoard);
  typeKey('P');
  game->windowHidden();
  EXPECT_FALSE(game->paused());
}

TEST_F(PlayTest, AKeptGameComesBackPaused) {
  game->resumeKeptGame();
  platform.now = 1000;
  startTimedGame();
  platform.now = 1000 + 200;
  typeKey('P');
  platform.now += 5000;

  game.reset();
  NextRun run(90000);
  Game& again = *run.game;
  ASSERT_EQ(again.mode(), Game::Mode::Playing);
  EXPECT_TRUE(again.paused());
  EXPECT_FALSE(run.platform.ticking);
  EXPECT_TRUE(everyCellCovered(run.canvas));
  run.platform.now += 1000;
  again.input().keyPressed('P');
  again.input().keyReleased('P');
  EXPECT_EQ(again.clockText(), " 00:00:20");
}

}  // namespace
}  // namespace tessarix::testing
