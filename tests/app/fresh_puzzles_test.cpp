// "Neue Rätsel erzeugen": a new game and "Spieldruck" deal a puzzle made for them in the
// background, of the level's grading, timed and ranked as usual; whatever is chosen while it is
// being made drops it without a trace.
#include <gtest/gtest.h>

#include <tuple>

#include "logic/check.h"
#include "logic/solver.h"
#include "logic/validity.h"
#include "play_fixture.h"
#include "puzzles/clue_symmetry.h"
#include "puzzles/graded_generator.h"
#include "puzzles/levels.h"

namespace tessarix::testing {
namespace {

constexpr const char* makingPuzzle = "Ein neues Rätsel wird erzeugt ...";
constexpr const char* chooseMenu = "Bitte Menupunkt auswählen!";

class FreshPuzzles : public PlayTest {
 protected:
  // The option on, then the command: the puzzle is being made, nothing else has changed.
  void chooseWhileOn(int command) {
    game->menuEvent(menu::FreshPuzzles);
    ASSERT_TRUE(game->state().options.freshPuzzles);
    const CellArray boardBefore = game->state().board;
    game->menuEvent(command);
    ASSERT_TRUE(game->generating());
    EXPECT_EQ(game->mode(), Game::Mode::Idle);
    EXPECT_TRUE(platform.menuEnabled);  // the window stays live: any command may come
    EXPECT_TRUE(platform.busy);
    EXPECT_EQ(game->helpText(), makingPuzzle);
    EXPECT_EQ(canvas.lastTextAt(helpX, helpY), makingPuzzle);
    EXPECT_EQ(game->state().board, boardBefore);
    EXPECT_EQ(platform.jobs.size(), 1u);
  }
};

// level, symmetric pattern
class FreshNewGame : public FreshPuzzles,
                     public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(FreshNewGame, DealsAPuzzleOfTheLevelsGradeTimedAndRankedUnderItsLevel) {
  const auto [level, symmetric] = GetParam();
  // No level file in the game directory: the puzzle cannot come from one.
  game->menuEvent(menu::LevelEasy + level);
  if (!symmetric) game->menuEvent(menu::Symmetry);
  platform.now = 5000;
  chooseWhileOn(menu::NewGame);
  EXPECT_FALSE(game->state().clockRunning);
  EXPECT_EQ(platform.runJobs(), 1);

  const GameState& s = game->state();
  EXPECT_FALSE(game->generating());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->dataFile(), levelFileName(level));
  const PuzzleGrade& grade = shippedGrade(level);
  const int clues = countGivens(s);
  EXPECT_GE(clues, grade.fewestClues);
  EXPECT_LE(clues, grade.mostClues);
  EXPECT_EQ(game->givenCount(), clues);
  EXPECT_EQ(s.board, s.givens);
  EXPECT_EQ(s.marks, MarkArray{});
  EXPECT_TRUE(boardValid(s.givens));
  EXPECT_EQ(cluesHalfTurnSymmetric(s.givens) || !symmetric, true);
  // Shuffled and derived as a dealt slot is: the solution follows from the clues alone.
  EXPECT_FALSE(s.notSolvable);
  EXPECT_TRUE(solveClues(s.givens).finished);
  EXPECT_EQ(s.status, CheckOutcome::NoErrors);
  // Timed from the moment it is dealt.
  EXPECT_TRUE(s.clockRunning);
  EXPECT_TRUE(platform.ticking);
  EXPECT_EQ(game->startTime(), 5000);
  EXPECT_EQ(game->finishTime(), "X");
  EXPECT_EQ(game->clockText(), " 00:00:00");
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_FALSE(platform.menuEnabled);
  EXPECT_FALSE(platform.busy);

  // Solved in 2 minutes 3.4 seconds, it enters the hall of fame under its level.
  platform.now = 5000 + 1234;
  platform.championAnswers.push_back({true, "Erzeugt"});
  for (int i : emptyCells()) enter(i, solutionOf(i));
  ASSERT_TRUE(isSolved(game->state().status));
  EXPECT_EQ(game->finishTime(), "00:02:03.4");
  ASSERT_EQ(platform.fameShowings.size(), 1u);
  EXPECT_EQ(platform.fameShowings[0].level, level);
  EXPECT_EQ(game->hallOfFame().fameNames[1][level], "Erzeugt");
  EXPECT_EQ(game->hallOfFame().fameTimes[1][level], "00:02:03.4");
}

INSTANTIATE_TEST_SUITE_P(LevelsAndPatterns, FreshNewGame,
                         ::testing::Combine(::testing::Range(0, 4), ::testing::Bool()));

TEST_F(FreshPuzzles, OffDealsTheLevelFilesSlotWithoutMakingOne) {
  EXPECT_FALSE(game->state().options.freshPuzzles);  // as the game starts
  startTimedGame();
  EXPECT_TRUE(platform.jobs.empty());
  EXPECT_EQ(countGivens(game->state()), countGivens(puzzleFrom(solvedField(), 4)));
}

TEST_F(FreshPuzzles, PrintedGameDealsPrintsAndPlaysWithoutTheClock) {
  game->menuEvent(menu::LevelHard);
  chooseWhileOn(menu::PrintedGame);
  EXPECT_TRUE(platform.printJobs.empty());
  platform.runJobs();
  const int clues = countGivens(game->state());
  EXPECT_GE(clues, shippedGrade(2).fewestClues);
  EXPECT_LE(clues, shippedGrade(2).mostClues);
  EXPECT_EQ(platform.printJobs.size(), 1u);
  EXPECT_FALSE(game->state().clockRunning);
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
}

// What a game shows and holds: the field, the options, the clock, the mode and the window.
struct Trace {
  GameState state;
  Game::Mode mode;
  std::string clockText, finishTime, helpText, helpLine;
  int64_t startTime;
  bool busy, menuEnabled, ticking;
  std::vector<int> checked;
  int tickStarts, printJobs, fameShowings;
};

void expectSameTrace(const Trace& a, const Trace& b) {
  EXPECT_EQ(a.state.board, b.state.board);
  EXPECT_EQ(a.state.givens, b.state.givens);
  EXPECT_EQ(a.state.solution, b.state.solution);
  EXPECT_EQ(a.state.marks, b.state.marks);
  EXPECT_EQ(a.state.digitCount, b.state.digitCount);
  EXPECT_EQ(a.state.wrongCount, b.state.wrongCount);
  EXPECT_EQ(a.state.notSolvable, b.state.notSolvable);
  EXPECT_EQ(a.state.status, b.state.status);
  EXPECT_EQ(a.state.options.level, b.state.options.level);
  EXPECT_EQ(a.state.options.symmetryOn, b.state.options.symmetryOn);
  EXPECT_EQ(a.state.options.freshPuzzles, b.state.options.freshPuzzles);
  EXPECT_EQ(a.state.clockRunning, b.state.clockRunning);
  EXPECT_EQ(a.mode, b.mode);
  EXPECT_EQ(a.clockText, b.clockText);
  EXPECT_EQ(a.finishTime, b.finishTime);
  EXPECT_EQ(a.startTime, b.startTime);
  EXPECT_EQ(a.helpText, b.helpText);
  EXPECT_EQ(a.helpLine, b.helpLine);
  EXPECT_EQ(a.busy, b.busy);
  EXPECT_EQ(a.menuEnabled, b.menuEnabled);
  EXPECT_EQ(a.ticking, b.ticking);
  EXPECT_EQ(a.checked, b.checked);
  EXPECT_EQ(a.tickStarts, b.tickStarts);
  EXPECT_EQ(a.printJobs, b.printJobs);
  EXPECT_EQ(a.fameShowings, b.fameShowings);
}

// The command chosen while the puzzle is being made.
class DroppedGeneration : public FreshPuzzles, public ::testing::WithParamInterface<int> {
 protected:
  Trace trace() const {
    return {game->state(),
            game->mode(),
            game->clockText(),
            game->finishTime(),
            game->helpText(),
            canvas.lastTextAt(helpX, helpY),
            game->startTime(),
            platform.busy,
            platform.menuEnabled,
            platform.ticking,
            platform.checkedIds(),
            platform.tickStarts,
            static_cast<int>(platform.printJobs.size()),
            static_cast<int>(platform.fameShowings.size())};
  }
  // A timed game played for a while and left, then the option on: where both runs start.
  void playAGameAndTurnTheOptionOn() {
    platform.now = 1000;
    startTimedGame();
    platform.now = 1600;
    leaveLoop();
    game->menuEvent(menu::FreshPuzzles);
  }
};

TEST_P(DroppedGeneration, LeavesNoTrace) {
  const int command = GetParam();
  // Without the new game: the command alone.
  playAGameAndTurnTheOptionOn();
  game->menuEvent(command);
  if (game->mode() != Game::Mode::Idle) leaveLoop();
  const Trace alone = trace();

  // The same with a new game chosen before the command, its puzzle still being made.
  TearDown();
  platform = ScriptedPlatform{};
  canvas.ops.clear();
  SetUp();
  playAGameAndTurnTheOptionOn();
  game->menuEvent(menu::NewGame);
  ASSERT_TRUE(game->generating());
  game->menuEvent(command);
  EXPECT_FALSE(game->generating());
  if (game->mode() != Game::Mode::Idle) leaveLoop();
  // The job finishes later, stopped; its end finds nobody waiting.
  EXPECT_EQ(platform.runJobs(), 1);
  expectSameTrace(trace(), alone);
}

INSTANTIATE_TEST_SUITE_P(Commands, DroppedGeneration,
                         ::testing::Values(menu::LevelExtreme, menu::Symmetry, menu::FreshPuzzles,
                                           menu::ShowHallOfFame, menu::StartGame, menu::Digits + 1,
                                           menu::About));

TEST_F(FreshPuzzles, ASecondNewGameTakesThePlaceOfTheFirst) {
  chooseWhileOn(menu::NewGame);
  game->menuEvent(menu::LevelMedium);
  game->menuEvent(menu::NewGame);
  ASSERT_EQ(platform.jobs.size(), 2u);
  // The first job ends: nobody waits for it.
  ScriptedPlatform::Job first = std::move(platform.jobs.front());
  platform.jobs.pop_front();
  first.work();
  first.done();
  EXPECT_TRUE(game->generating());
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_EQ(countGivens(game->state()), 0);
  // The second deals a Mittel puzzle.
  EXPECT_EQ(platform.runJobs(), 1);
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  const int clues = countGivens(game->state());
  EXPECT_GE(clues, shippedGrade(1).fewestClues);
  EXPECT_LE(clues, shippedGrade(1).mostClues);
  EXPECT_EQ(platform.tickStarts, 1);
}

TEST_F(FreshPuzzles, TheCloseButtonDropsThePuzzleBeforeItAsks) {
  chooseWhileOn(menu::NewGame);
  platform.answers = {1};  // "&NEIN"
  EXPECT_FALSE(game->closeRequested());
  EXPECT_FALSE(game->generating());
  EXPECT_FALSE(platform.busy);
  EXPECT_EQ(canvas.lastTextAt(helpX, helpY), chooseMenu);
  platform.runJobs();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_EQ(countGivens(game->state()), 0);
  EXPECT_FALSE(game->state().clockRunning);
}

}  // namespace
}  // namespace tessarix::testing
