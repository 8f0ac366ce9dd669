// The menu commands of the Game: the common prologue and epilogue, a new game, solving,
// the candidates, clearing and quitting.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <tuple>

#include "app_fixture.h"
#include "logic/check.h"
#include "logic/validity.h"
#include "reference/reference_solver.h"
#include "ui/board_drawing.h"
#include "ui/palette.h"

namespace tessarix::testing {
namespace {

constexpr const char* chooseMenu = "Bitte Menupunkt auswählen!";
constexpr const char* clickCell = "Bitte ein Feld anklicken!";

// --- Prologue and epilogue --------------------------------------------------------------------

class Epilogue : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(Epilogue, RunsForEveryIdEvenUnknownOnes) {
  const int id = GetParam();
  platform.busy = true;
  // What the canvas shows at the end counts, whenever it was drawn.
  game->menuEvent(id);
  // The commands that end in a game loop run the epilogue when the loop is left.
  const bool entersLoop = id == 10 || id == 11 || id == 12 || id == 20 || id == 21;
  EXPECT_EQ(game->mode() != Game::Mode::Idle, entersLoop);
  if (entersLoop) {
    EXPECT_FALSE(platform.menuEnabled);
    leaveLoop();
  }
  EXPECT_TRUE(platform.menuEnabled);
  EXPECT_FALSE(platform.busy);
  EXPECT_EQ(game->helpText(), chooseMenu);
  EXPECT_EQ(canvas.lastTextAt(1028, 746), chooseMenu);
  // The bar's strip is erased to the window's colour.
  const auto boxes = canvas.of(OpKind::FilledBox);
  const auto erased = std::find_if(boxes.rbegin(), boxes.rend(), [](const DrawOp& op) {
    return std::make_tuple(op.x1, op.y1, op.x2, op.y2) == std::make_tuple(159, 885, 982, 912);
  });
  ASSERT_NE(erased, boxes.rend());
  EXPECT_EQ(erased->state.fillColor, colorWindow);
  EXPECT_EQ(erased->state.lineColor, colorWindow);
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  // Only the hall of fame's dialog leaves Esc ignored until the next command.
  EXPECT_EQ(game->ignoreEscape(), id == 50);
  // The clue count and the level name are rewritten.
  EXPECT_EQ(canvas.lastTextAt(1082, 649), " Leicht   ");
}

INSTANTIATE_TEST_SUITE_P(Ids, Epilogue,
                         ::testing::Values(0, 1, 7, 10, 11, 12, 20, 21, 27, 50, 60, 45, 1234));

TEST_F(GameTest, CommandsThatWaitForACellAskForOneFirst) {
  canvas.ops.clear();
  game->menuEvent(10);
  leaveLoop();
  canvas.ops.clear();
  game->menuEvent(50);
  // 50 is not one of them: the help line only ever reads the menu prompt.
  for (const auto& t : canvas.texts())
    if (t.x1 == 1028 && t.y1 == 746) EXPECT_EQ(t.text, chooseMenu);
  // The solve command on an empty field asks its question over a screen that reads the
  // request for a cell; once the command has ended, the menu's line is back.
  game->menuEvent(26);
  std::string duringTheQuestion;
  platform.whileAsking = [&] { duringTheQuestion = canvas.lastTextAt(1028, 746); };
  game->menuEvent(22);
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(duringTheQuestion, clickCell);
  EXPECT_EQ(canvas.lastTextAt(1028, 746), chooseMenu);
}

TEST_F(GameTest, StartUpTakesNoPixelsAndShowsTheIdleClock) {
  // Nothing on the screen is kept to be put back later: what goes is drawn again.
  EXPECT_TRUE(canvas.of(OpKind::Capture).empty());
  EXPECT_EQ(game->clockText(), " 99:99:99");
  EXPECT_EQ(canvas.lastTextAt(1028, 746), chooseMenu);
  EXPECT_EQ(game->hallOfFame().fameTimes[1][0], "9");  // no "Champions.Rhm": empty tables
}

// --- New game -----------------------------------------------------------------------------------

class NewGame : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    const CellArray solved = solvedField();
    // Four puzzles of different clue counts, so the dealt one tells which slot was drawn.
    for (int every : {3, 4, 5, 6}) slots.push_back(puzzleFrom(solved, every));
  }
  std::vector<GameState> slots;
};

TEST_F(NewGame, DealsTheDrawnSlotShuffledAndStartsTheClock) {
  writeLevelFile("mittel.trx", slots);
  game->menuEvent(31);
  platform.forcedRandom = {2};  // the slot
  platform.now = 5000;
  game->menuEvent(8);

  GameState& s = game->state();
  EXPECT_EQ(game->dataFile(), "mittel.trx");
  EXPECT_EQ(countGivens(s), countGivens(slots[2]));
  EXPECT_EQ(game->givenCount(), countGivens(slots[2]));
  EXPECT_NE(s.givens, slots[2].givens);  // shuffled
  EXPECT_EQ(s.board, s.givens);          // no entries
  EXPECT_TRUE(boardValid(s.board));
  EXPECT_FALSE(s.notSolvable);
  EXPECT_TRUE(s.clockRunning);
  EXPECT_EQ(game->startTime(), 5000);
  EXPECT_EQ(game->finishTime(), "X");
  EXPECT_EQ(game->clockText(), " 00:00:00");
  EXPECT_EQ(s.status, CheckOutcome::NoErrors);
  EXPECT_EQ(canvas.lastTextAt(1052, 253), "Keine Fehler! ");
  EXPECT_EQ(platform.busyCount, 1);  // the hourglass while shuffling
  EXPECT_FALSE(platform.busy);
  // The dealt board is drawn and the panels count its clues.
  EXPECT_EQ(canvas.lastTextAt(1202, 635), std::to_string(countGivens(slots[2])) + " ");
  EXPECT_EQ(canvas.lastTextAt(1082, 649), " Mittel   ");
  EXPECT_TRUE(platform.messages.empty());
  // The game waits in the play loop, the menu bar off.
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_FALSE(platform.menuEnabled);
  leaveLoop();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_TRUE(platform.menuEnabled);
}

TEST_F(NewGame, TheClockTicksOnlyWhenItsSecondMoves) {
  writeLevelFile("leicht.trx", slots);
  platform.now = 100;
  game->menuEvent(8);
  platform.clockTexts.clear();
  platform.now = 105;
  game->clockTick();
  EXPECT_TRUE(platform.clockTexts.empty());
  platform.now = 100 + 10 * 3723;  // 1 h 2 min 3 s
  game->clockTick();
  game->clockTick();
  EXPECT_EQ(platform.clockTexts, (std::vector<std::string>{" 01:02:03"}));
}

TEST_F(NewGame, TheTickRunsOnlyWhileATimedGameRuns) {
  EXPECT_FALSE(platform.ticking);  // idle after start-up
  EXPECT_EQ(platform.tickStarts, 0);
  writeLevelFile("leicht.trx", slots);
  game->menuEvent(8);
  EXPECT_TRUE(platform.ticking);
  typeKey('M');  // the candidates void the timing
  EXPECT_FALSE(platform.ticking);
  typeKey('M');
  leaveLoop();
  game->menuEvent(8);
  EXPECT_TRUE(platform.ticking);
  EXPECT_EQ(platform.tickStarts, 2);
  leaveLoop();  // Abbruch stops the clock
  EXPECT_FALSE(platform.ticking);
  game->menuEvent(8);
  platform.answers = {1};
  EXPECT_FALSE(game->closeRequested());  // declined: the game and its clock go on
  EXPECT_TRUE(platform.ticking);
  platform.answers = {0};
  EXPECT_TRUE(game->closeRequested());
  EXPECT_FALSE(platform.ticking);
}

TEST_F(NewGame, AMissingLevelFileIsNamedAndStartsNoClock) {
  game->menuEvent(8);
  EXPECT_FALSE(game->state().clockRunning);
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(game->clockText(), " 99:99:99");
  EXPECT_EQ(platform.messages,
            std::vector<std::string>{"Die Datei leicht.trx fehlt im Spielverzeichnis."});
  platform.clockTexts.clear();
  platform.now += 50;
  game->clockTick();
  EXPECT_TRUE(platform.clockTexts.empty());  // a stopped clock writes nothing
}

TEST_F(NewGame, ARefusedLevelFileSaysSoAndStartsNoClock) {
  writeLevelFile("leicht.trx", slots);
  game->menuEvent(8);  // a game first
  ASSERT_TRUE(game->state().clockRunning);
  leaveLoop();
  {
    std::ofstream bad(path("leicht.trx"), std::ios::binary | std::ios::trunc);
    bad << std::string(48729, '\x2A');  // values far above 9
  }
  game->menuEvent(8);
  EXPECT_FALSE(game->state().clockRunning);
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(game->clockText(), " 99:99:99");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("leicht.trx"), std::string::npos);
}

// --- Solving ------------------------------------------------------------------------------------

TEST_F(GameTest, SolveFillsASolvableBoardWithoutAMessage) {
  GameState& s = game->state();
  static_cast<GameState&>(s) = puzzleFrom(solvedField(), 4);
  deriveSolution(s);
  ASSERT_FALSE(s.notSolvable);
  const int emptyCells = distinctCells - countGivens(s);
  canvas.ops.clear();
  game->menuEvent(22);
  EXPECT_EQ(s.board, solvedField());
  EXPECT_EQ(s.status, CheckOutcome::Solved);
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(platform.busyCount, 1);
  EXPECT_FALSE(platform.busy);
  // Every cell the solver filled shows its value, drawn where the cell lies.
  int filledShown = 0;
  for (int g = 1; g <= gridCount; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int i = cellIndex(g, c, r);
        if (leadingCopy(i) != i || s.givens[i] != 0) continue;
        const std::string shown = canvas.lastTextAt(cellInnerX(g, c) + 7, cellInnerY(g, r));
        EXPECT_EQ(shown, cellCharacter(true, s.board[i])) << g << c << r;
        filledShown += shown == cellCharacter(true, s.board[i]);
      }
  EXPECT_EQ(filledShown, emptyCells);
  EXPECT_EQ(canvas.lastTextAt(1052, 253), "Brett gelöst!!! ");
}

TEST_F(GameTest, SolveOnADeadEndRestartsFromTheCluesAndSolvesAgain) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 4);
  deriveSolution(s);
  // A player's entry that repeats a digit of its row: no digit fits anywhere any more.
  int row1Empty = 0;
  for (int c = 1; c <= 9 && !row1Empty; ++c)
    if (s.board[cellIndex(5, c, 5)] == 0) row1Empty = c;
  ASSERT_NE(row1Empty, 0);
  int clash = 0;
  for (int c = 1; c <= 9 && !clash; ++c)
    if (s.board[cellIndex(5, c, 5)] != 0) clash = s.board[cellIndex(5, c, 5)];
  s.board[cellIndex(5, row1Empty, 5)] = static_cast<uint8_t>(clash);
  s.setMark(1, 1, 1, 3, true);

  game->menuEvent(22);
  // The first solve could not finish and said so; the second ran from the clues.
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].text, "Das Brett läßt sich nicht eindeutig lösen?");
  EXPECT_EQ(platform.questions[0].buttons, (std::vector<std::string>{"&Schade"}));
  EXPECT_EQ(s.board, solvedField());
  EXPECT_EQ(s.status, CheckOutcome::Solved);
  EXPECT_FALSE(s.mark(1, 1, 1, 3));  // the restart cleared the marks
}

TEST_F(GameTest, SolveKeepsCorrectEntries) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 4);
  deriveSolution(s);
  // A correct entry stays through the solve.
  int entry = 0;
  for (int c = 1; c <= 9 && !entry; ++c)
    if (s.board[cellIndex(9, c, 9)] == 0) entry = cellIndex(9, c, 9);
  ASSERT_NE(entry, 0);
  s.board[entry] = solvedField()[entry];
  game->menuEvent(22);
  EXPECT_TRUE(platform.questions.empty());
  EXPECT_EQ(s.board, solvedField());
  EXPECT_EQ(s.givens[entry], 0);
}

TEST_F(GameTest, AnEmptyFieldEndsWithTheMessageAndNoRestartLoop) {
  GameState& s = game->state();
  game->menuEvent(26);  // an empty field: nothing can be deduced
  game->menuEvent(22);
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].buttons.size(), 1u);
  EXPECT_EQ(s.digitCount[1], 0);
}

TEST_F(GameTest, AClashOfCluesIsWrongAndHeardThoughNoEntryDisagrees) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 4);
  deriveSolution(s);
  game->menuEvent(10);  // Spielstart: the play loop shows the board and checks it
  EXPECT_EQ(s.status, CheckOutcome::NoErrors);
  EXPECT_EQ(platform.beeps, 0);

  // A clue that repeats another clue of its row; no player entry anywhere.
  int empty = 0, other = 0;
  for (int c = 1; c <= 9; ++c) {
    const int i = cellIndex(1, c, 1);
    if (s.givens[i] == 0 && !empty) empty = i;
    if (s.givens[i] != 0 && !other) other = i;
  }
  ASSERT_TRUE(empty && other);
  s.givens[empty] = s.board[empty] = s.givens[other];
  typeKey('1');  // the highlight counts and checks the field again
  EXPECT_EQ(s.status, CheckOutcome::WrongEntry);
  EXPECT_EQ(canvas.lastTextAt(1052, 253), "Falsche Zahl! ");
  EXPECT_EQ(platform.beeps, 1);
}

// --- Candidates ---------------------------------------------------------------------------------

TEST_F(NewGame, CandidatesToggleClearTheMarksAndVoidTheClock) {
  writeLevelFile("leicht.trx", slots);
  game->menuEvent(8);
  GameState& s = game->state();
  ASSERT_TRUE(s.clockRunning);
  // A pencil mark of the player on a clue cell: no candidate is ever computed there.
  int clue = 0;
  for (int i = 0; i < 1000 && !clue; ++i)
    if (s.givens[i] != 0) clue = i;
  s.marks[clue + 1000 * 1] = 1;

  typeKey('M');
  EXPECT_TRUE(s.options.showCandidates);
  EXPECT_FALSE(s.clockRunning);
  EXPECT_EQ(game->clockText(), " 99:99:99");
  // The literal candidates, each shared cell keeping only the marks of both its copies.
  CellArray board = s.board;
  MarkArray expected{};
  reference::computeCandidates(board, expected);
  for (const SharedPair& p : sharedPairs)
    for (int c = 1; c <= 3; ++c)
      for (int r = 1; r <= 3; ++r)
        for (int d = 1; d <= 9; ++d) {
          const int u = markIndex(p.upper, c + p.upperCol, r + p.upperRow, d);
          const int l = markIndex(p.lower, c + p.lowerCol, r + p.lowerRow, d);
          expected[u] = expected[l] = expected[u] && expected[l];
        }
  EXPECT_EQ(s.marks, expected);
  EXPECT_EQ(s.marks[clue + 1000 * 1], 0);

  typeKey('M');
  EXPECT_FALSE(s.options.showCandidates);
  EXPECT_EQ(s.marks, MarkArray{});
  EXPECT_FALSE(s.clockRunning);
  leaveLoop();
  // The menu's option clears the marks both ways too.
  game->menuEvent(44);
  EXPECT_TRUE(s.options.showCandidates);
  EXPECT_EQ(s.marks, expected);
  game->menuEvent(44);
  EXPECT_EQ(s.marks, MarkArray{});
}

// --- Shuffle, restart, clear --------------------------------------------------------------------

TEST_F(GameTest, ShuffleKeepsTheClueCountAndDerivesTheNewSolution) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 5);
  const int clues = countGivens(s);
  game->menuEvent(24);
  EXPECT_EQ(countGivens(s), clues);
  EXPECT_TRUE(boardValid(s.board));
  EXPECT_FALSE(s.notSolvable);
  EXPECT_EQ(s.status, CheckOutcome::NoErrors);
  EXPECT_EQ(game->givenCount(), clues);
  EXPECT_EQ(platform.busyCount, 1);
}

TEST_F(GameTest, RestartRemovesEntriesAndClearRemovesEverything) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 5);
  deriveSolution(s);
  const CellArray clues = s.givens;
  for (int i = 0; i < 1000; ++i)
    if (s.givens[i] == 0 && s.solution[i] != 0) s.board[i] = s.solution[i];
  game->menuEvent(25);
  EXPECT_EQ(s.board, clues);
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  leaveLoop();

  game->menuEvent(26);
  EXPECT_EQ(s.board, CellArray{});
  EXPECT_EQ(s.givens, CellArray{});
  EXPECT_EQ(s.solution, CellArray{});
  EXPECT_EQ(game->givenCount(), 0);
}

// --- Quitting -----------------------------------------------------------------------------------

TEST_F(GameTest, QuitAsksAndNoChangesNothing) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 5);
  s.clockRunning = true;
  const GameState before = s;
  platform.answers = {1};  // "&NEIN"
  game->menuEvent(99);
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0].text, "Spiel beenden?");
  EXPECT_EQ(platform.questions[0].buttons, (std::vector<std::string>{"&JA", "&NEIN"}));
  EXPECT_EQ(platform.questions[0].defaultButton, 1);
  EXPECT_EQ(platform.quits, 0);
  EXPECT_EQ(s.board, before.board);
  EXPECT_TRUE(s.clockRunning);
  EXPECT_FALSE(game->ignoreEscape());
}

TEST_F(GameTest, DecliningTheCloseButtonOnlySetsIgnoreEscape) {
  GameState& s = game->state();
  s = puzzleFrom(solvedField(), 5);
  s.clockRunning = true;
  const GameState before = s;
  platform.answers = {1};
  EXPECT_FALSE(game->closeRequested());
  EXPECT_TRUE(game->ignoreEscape());
  EXPECT_EQ(platform.quits, 0);
  EXPECT_EQ(s.board, before.board);
  EXPECT_EQ(s.marks, before.marks);
  EXPECT_TRUE(s.clockRunning);
  EXPECT_EQ(game->helpText(), chooseMenu);
  // The next command clears it again.
  game->menuEvent(45);
  EXPECT_FALSE(game->ignoreEscape());
}

TEST_F(GameTest, NoSecondCommandStartsWhileTheFirstAsks) {
  platform.answers = {1};
  platform.whileAsking = [this] { game->menuEvent(45); };
  game->menuEvent(99);
  EXPECT_TRUE(game->state().options.symmetryOn);
  EXPECT_TRUE(platform.menuEnabled);
  platform.whileAsking = nullptr;
  game->menuEvent(45);  // afterwards commands run again
  EXPECT_FALSE(game->state().options.symmetryOn);
}

TEST_F(GameTest, YesEndsTheProgramAndNoCommandRunsAfterwards) {
  platform.answers = {0};
  game->menuEvent(99);
  EXPECT_EQ(platform.quits, 1);
  EXPECT_TRUE(game->quitting());
  game->menuEvent(45);
  EXPECT_TRUE(game->state().options.symmetryOn);
  EXPECT_TRUE(game->closeRequested());  // the window may now close without asking again
  EXPECT_EQ(platform.questions.size(), 1u);
}

}  // namespace
}  // namespace tessarix::testing
