// Help and about as the game asks for them: the overview from the menu, the explanation from
// the H key and the "_Hilfe" button of both loops, the message when a topic cannot be shown,
// and the about box from the menu. The game goes on in the mode it was in.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "play_fixture.h"

namespace tessarix::testing {
namespace {

constexpr const char* missingHelp = "Error while trying to display a topic of Tessarix.chm";

class HelpRequests;
struct HelpCase {
  const char* name;
  std::function<void(HelpRequests&)> start;  // brings the game where the request is made
  std::function<void(HelpRequests&)> ask;    // the player's request
  Game::Mode mode;                           // where the game is, before and after
  const char* topic;
};

void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }

class HelpRequests : public PlayTest, public ::testing::WithParamInterface<HelpCase> {
 public:
  using PlayTest::click;
  using PlayTest::game;
  using PlayTest::startPuzzle;
  using PlayTest::typeKey;
};

TEST_P(HelpRequests, AskForTheirTopicAndTheGameGoesOn) {
  const HelpCase& c = GetParam();
  c.start(*this);
  ASSERT_EQ(game->mode(), c.mode);
  const CellArray board = game->state().board;
  const std::pair<std::string, std::string> expected{"Tessarix.chm", c.topic};

  c.ask(*this);
  EXPECT_EQ(platform.helpTopics, (std::vector{expected}));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->mode(), c.mode);

  // The bundle cannot show the topic: the message, and still the game goes on.
  platform.helpAvailable = false;
  c.ask(*this);
  EXPECT_EQ(platform.helpTopics, (std::vector{expected, expected}));
  EXPECT_EQ(platform.messages, std::vector<std::string>{missingHelp});
  EXPECT_EQ(game->mode(), c.mode);
  EXPECT_EQ(game->state().board, board);
  EXPECT_EQ(platform.aboutShown, 0);
  EXPECT_EQ(platform.menuEnabled, c.mode == Game::Mode::Idle);
}

void nothing(HelpRequests&) {}
void play(HelpRequests& t) { t.startPuzzle(); }
void ownBoard(HelpRequests& t) { t.game->menuEvent(11); }
void menu60(HelpRequests& t) { t.game->menuEvent(60); }
void keyH(HelpRequests& t) { t.typeKey('H'); }
// A click at the left and at the right end of the button's range.
void clickHilfeLeft(HelpRequests& t) { t.click(MouseButton::Left, 720, 886); }
void clickHilfeRight(HelpRequests& t) { t.click(MouseButton::Left, 843, 912); }

INSTANTIATE_TEST_SUITE_P(
    Ways, HelpRequests,
    ::testing::Values(
        HelpCase{"Menu60", nothing, menu60, Game::Mode::Idle, "Übersicht.htm"},
        HelpCase{"PlayKeyH", play, keyH, Game::Mode::Playing, "Erklärung.htm"},
        HelpCase{"PlayButton", play, clickHilfeLeft, Game::Mode::Playing, "Erklärung.htm"},
        HelpCase{"OwnBoardKeyH", ownBoard, keyH, Game::Mode::OwnBoard, "Erklärung.htm"},
        HelpCase{"OwnBoardButton", ownBoard, clickHilfeRight, Game::Mode::OwnBoard,
                 "Erklärung.htm"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, NeitherTheNeighboursOfHilfeNorAnHTypedIntoTheKeypadAskForHelp) {
  startPuzzle();
  click(MouseButton::Left, 719, 900);  // Neustart's last column
  click(MouseButton::Left, 844, 900);  // Abbruch's first column: the loop ends
  game->timerFired();
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  // In letters mode "h" in the keypad is the value 8, not the help.
  game->menuEvent(41);
  game->menuEvent(10);
  const int i = emptyPlainCell();
  clickCell(MouseButton::Left, i);
  ASSERT_TRUE(game->keypadOpen());
  typeCharacter('h');
  EXPECT_EQ(game->state().board[i], 8);
  EXPECT_TRUE(platform.helpTopics.empty());
}

TEST_F(GameTest, MenuOneShowsTheAboutBoxAndComesBackToTheMenu) {
  game->menuEvent(1);
  EXPECT_EQ(platform.aboutShown, 1);
  EXPECT_TRUE(platform.helpTopics.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(game->mode(), Game::Mode::Idle);
  EXPECT_TRUE(platform.menuEnabled);
  EXPECT_EQ(game->helpText(), "Bitte Menupunkt auswählen!");
}

}  // namespace
}  // namespace tessarix::testing
