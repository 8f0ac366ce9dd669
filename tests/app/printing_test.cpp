// Printing from the Game: the command "Brett drucken", "Spieldruck", and what a failed or a
// cancelled print job shows.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "logic/check.h"

namespace tessarix::testing {
namespace {

class Printing : public GameTest {
 protected:
  // The footer of the last printed page, or "" when none was drawn.
  std::string printedFooter() const {
    const auto texts = platform.printCanvas.texts();
    return texts.empty() ? std::string() : texts.back().text;
  }
  // The characters printed, in the order drawn (the footer left out).
  std::vector<std::string> printedCharacters() const {
    std::vector<std::string> r;
    for (const DrawOp& t : platform.printCanvas.texts())
      if (t.state.font == FontStyle::PageDigits) r.push_back(t.text);
    return r;
  }
};

TEST_F(Printing, BrettDruckenPrintsTheBoardOnThePlatformsPage) {
  GameState& s = game->state();
  const GameState p = puzzleFrom(solvedField(), 4);
  s.board = p.board;
  s.givens = p.givens;
  s.options.level = 2;
  game->menuEvent(27);
  EXPECT_EQ(platform.printJobs, std::vector<std::string>{"Brett drucken"});
  EXPECT_EQ(printedFooter(),
            "Schwierigkeitsgrad: Schwer mit " + std::to_string(countGivens(p)) + " Zahlen");
  // 4800 / 102 = 47 pixels a unit: the footer stands at [100.5 x 47].
  EXPECT_EQ(platform.printCanvas.texts().back().y1, 4724);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
}

TEST_F(Printing, OnlyAFailedJobSaysSo) {
  struct Case {
    PrintOutcome outcome;
    std::vector<std::string> messages;
  };
  for (const Case& c : {Case{PrintOutcome::Printed, {}},
                        Case{PrintOutcome::Cancelled, {}},  // the player's own choice
                        Case{PrintOutcome::Failed, {"Druckerfehler!"}}}) {
    platform.messages.clear();
    platform.printJobs.clear();
    platform.printOutcome = c.outcome;
    game->menuEvent(27);
    EXPECT_EQ(platform.printJobs.size(), 1u);
    EXPECT_EQ(platform.messages, c.messages) << static_cast<int>(c.outcome);
    EXPECT_EQ(game->helpText(), "Bitte Menupunkt auswählen!");
  }
}

TEST_F(Printing, SpieldruckDealsPrintsTheDealtBoardAndPlaysWithoutTheClock) {
  const CellArray solved = solvedField();
  std::vector<GameState> slots;
  for (int every : {3, 4, 5, 6}) slots.push_back(puzzleFrom(solved, every));
  writeLevelFile("mittel.trx", slots);
  game->menuEvent(31);
  platform.forcedRandom = {1};  // the slot
  game->menuEvent(12);

  const GameState& s = game->state();
  EXPECT_EQ(game->dataFile(), "mittel.trx");
  EXPECT_EQ(countGivens(s), countGivens(slots[1]));
  EXPECT_NE(s.givens, slots[1].givens);  // shuffled before printing
  ASSERT_EQ(platform.printJobs, std::vector<std::string>{"Brett drucken"});
  EXPECT_EQ(printedFooter(),
            "Schwierigkeitsgrad:  Mittel mit " + std::to_string(countGivens(slots[1])) + " Zahlen");
  // The page shows the shuffled board: grid 1's first column, top to bottom.
  std::vector<std::string> firstColumn;
  for (int r = 1; r <= 9; ++r)
    if (const int d = s.board[cellIndex(1, 1, r)]; d != 0) firstColumn.push_back(std::to_string(d));
  const auto printed = printedCharacters();
  ASSERT_GE(printed.size(), firstColumn.size());
  EXPECT_EQ(std::vector<std::string>(printed.begin(), printed.begin() + firstColumn.size()),
            firstColumn);
  // Played on screen, untimed.
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_FALSE(s.clockRunning);
  EXPECT_FALSE(platform.ticking);
  EXPECT_EQ(game->clockText(), " 99:99:99");
  leaveLoop();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_EQ(platform.printJobs.size(), 1u);
}

TEST_F(Printing, SpieldruckWithoutItsLevelFilePrintsTheBoardAsItIs) {
  game->menuEvent(12);
  EXPECT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(printedFooter(), "Schwierigkeitsgrad:  Leicht mit 0 Zahlen");
  EXPECT_EQ(game->mode(), Game::Mode::Playing);
  EXPECT_FALSE(game->state().clockRunning);
  leaveLoop();
}

}  // namespace
}  // namespace tessarix::testing
