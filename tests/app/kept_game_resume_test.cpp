// The game in progress kept in the game directory: a new Game on the same directory takes it up
// in its loop, with its entries, marks, clues, wrong entries, clock and undo history; a
// finished game starts the next run at the opening screen; whatever else stands under the
// kept game's name is set aside with a message; a second copy of the game leaves it alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app/keys.h"
#include "app/kept_game_file.h"
#include "logic/check.h"
#include "play_fixture.h"

namespace tessarix::testing {
namespace {

constexpr int undoKey = 'Z' | keys::ctrl;
constexpr int redoKey = 'Y' | keys::ctrl;

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Position positionOf(const Game& g) { return Position::of(g.state()); }

class KeepTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    game->resumeKeptGame();  // nothing kept yet: this copy keeps from here on
    ASSERT_TRUE(platform.messages.empty());
  }
  // The run ends without a word (a kill: nothing more is written), and the next one starts.
  std::unique_ptr<NextRun> endAndStartAgain(int64_t now) {
    game.reset();
    return std::make_unique<NextRun>(now);
  }
  bool keptFileStands() const { return std::filesystem::exists(path(keptGameFile)); }
};

// How a run ends: killed (nothing more written after the last event) or "Spiel beenden?"
// answered "&JA".
enum class RunEnd { Killed, QuitWithYes };

class KeptTimedGame : public KeepTest, public ::testing::WithParamInterface<RunEnd> {};

TEST_P(KeptTimedGame, ComesBackWithItsClockWrongEntriesMarksAndHistory) {
  platform.now = 1000;
  startTimedGame();
  const Position start = positionOf(*game);
  const int a = emptySharedCell(0), b = emptyPlainCell(0), wrong = emptyPlainCell(1),
            marked = emptyPlainCell(2);
  platform.now = 1100;
  enter(a, solutionOf(a));
  enter(b, solutionOf(b));
  enter(wrong, wrongDigitFor(wrong));
  clickCell(MouseButton::Right, marked);
  typeDigit(4);
  platform.now = 2234;  // 123.4 s played
  typeKey('N');         // a restart is a step too
  enter(b, solutionOf(b));
  enter(wrong, wrongDigitFor(wrong));
  const Position before = positionOf(*game);
  const CheckOutcome status = game->state().status;
  ASSERT_EQ(game->state().wrongCount, 2);
  ASSERT_EQ(status, CheckOutcome::WrongEntry);
  const size_t steps = game->history().stepCount();
  ASSERT_EQ(steps, 7u);
  if (GetParam() == RunEnd::QuitWithYes) {
    platform.now = 2334;  // ten seconds more, up to the question
    platform.answers = {0};
    ASSERT_TRUE(game->closeRequested());
  }
  const int64_t played = GetParam() == RunEnd::QuitWithYes ? 1334 : 1234;

  // An hour later the game goes on where it was, the hour not counted.
  auto next = endAndStartAgain(40000);
  Game& g = *next->game;
  EXPECT_TRUE(next->platform.messages.empty()) << next->platform.messages.front();
  EXPECT_EQ(g.mode(), Game::Mode::Playing);
  EXPECT_FALSE(next->platform.menuEnabled);
  EXPECT_EQ(positionOf(g), before);
  EXPECT_EQ(g.state().wrongCount, 2);
  EXPECT_EQ(g.state().status, status);
  EXPECT_TRUE(g.state().clockRunning);
  EXPECT_TRUE(next->platform.ticking);
  EXPECT_EQ(g.clockText(), played >= 1330 ? " 00:02:13" : " 00:02:03");
  next->platform.now += 600;
  g.clockTick();
  EXPECT_EQ(g.clockText(), played >= 1330 ? " 00:03:13" : " 00:03:03");

  // Undo walks back through every move of that game, across its restart, to the new game.
  EXPECT_EQ(g.history().stepCount(), steps);
  for (size_t k = 0; k < steps; ++k) {
    g.input().keyPressed(undoKey);
    g.input().keyReleased(undoKey);
  }
  EXPECT_EQ(positionOf(g), start);
  EXPECT_EQ(g.state().wrongCount, 2);  // a mistake once made stays counted
  for (size_t k = 0; k < steps; ++k) {
    g.input().keyPressed(redoKey);
    g.input().keyReleased(redoKey);
  }
  EXPECT_EQ(positionOf(g), before);
}

INSTANTIATE_TEST_SUITE_P(Ends, KeptTimedGame,
                         ::testing::Values(RunEnd::Killed, RunEnd::QuitWithYes),
                         [](const auto& info) {
                           return info.param == RunEnd::Killed ? "Killed" : "QuitWithYes";
                         });

TEST_F(KeepTest, AnUntimedGameInLettersWithCandidatesComesBackSo) {
  game->menuEvent(menu::Letters);
  startPuzzle();
  typeKey('M');  // the candidates shown
  const int a = emptyPlainCell(0);
  enter(a, solutionOf(a));
  ASSERT_TRUE(game->state().options.showCandidates);
  const Position before = positionOf(*game);

  auto next = endAndStartAgain(5000);
  Game& g = *next->game;
  EXPECT_EQ(g.mode(), Game::Mode::Playing);
  EXPECT_FALSE(g.state().options.digitMode);
  EXPECT_TRUE(g.state().options.showCandidates);
  EXPECT_FALSE(g.state().clockRunning);
  EXPECT_EQ(g.clockText(), idleClock);
  EXPECT_EQ(positionOf(g), before);
  EXPECT_TRUE(next->platform.checks[menu::Letters]);
  EXPECT_TRUE(next->platform.checks[menu::Candidates]);
}

TEST_F(KeepTest, TheOwnBoardEntryComesBackWithItsClues) {
  game->menuEvent(menu::ClearBoard);
  game->menuEvent(menu::OwnBoard);
  const int a = cellIndex(5, 5, 5), b = cellIndex(1, 1, 7);
  enter(a, 7);
  enter(b, 3);
  const Position before = positionOf(*game);

  auto next = endAndStartAgain(5000);
  Game& g = *next->game;
  EXPECT_EQ(g.mode(), Game::Mode::OwnBoard);
  EXPECT_EQ(positionOf(g), before);
  EXPECT_EQ(g.state().givens[mirrorOf(b)], 3);
  EXPECT_FALSE(g.state().clockRunning);
  g.input().keyPressed(undoKey);
  g.input().keyReleased(undoKey);
  EXPECT_EQ(g.state().givens[b], 0);
  EXPECT_EQ(g.state().givens[a], 7);
}

TEST_F(KeepTest, AFinishedGameStartsTheNextRunAtTheOpeningScreen) {
  // Left through Abbruch.
  startTimedGame();
  enter(emptyPlainCell(0), solutionOf(emptyPlainCell(0)));
  ASSERT_TRUE(keptFileStands());
  leaveLoop();
  EXPECT_FALSE(keptFileStands());

  // Solved: the last entry ends the game.
  startPuzzle();
  ASSERT_TRUE(keptFileStands());
  for (int i : emptyCells()) enter(i, solutionOf(i));
  ASSERT_TRUE(isSolved(game->state().status));
  EXPECT_FALSE(keptFileStands());
  // Taken back, it is a game in progress again.
  typeKey(undoKey);
  EXPECT_TRUE(keptFileStands());
  typeKey(redoKey);
  EXPECT_FALSE(keptFileStands());

  auto next = endAndStartAgain(5000);
  EXPECT_EQ(next->game->mode(), Game::Mode::Idle);
  EXPECT_TRUE(next->platform.menuEnabled);
  EXPECT_TRUE(next->platform.messages.empty());
}

TEST_F(KeepTest, NothingIsWrittenWhenNothingChanged) {
  startPuzzle();
  ASSERT_TRUE(keptFileStands());
  const auto written = std::filesystem::last_write_time(path(keptGameFile));
  const std::string bytes = bytesOf(path(keptGameFile));
  std::filesystem::last_write_time(path(keptGameFile), written - std::chrono::hours(1));
  // Pointer moves, a highlight, an arrow: no change to keep.
  moveTo({300, 300});
  typeKey('5');
  typeKey(keys::right);
  EXPECT_EQ(std::filesystem::last_write_time(path(keptGameFile)), written - std::chrono::hours(1));
  EXPECT_EQ(bytesOf(path(keptGameFile)), bytes);
}

// --- What else may stand under the kept game's name -----------------------------------------

enum class Damage { Empty, OneByte, RandomBytes, Huge, Directory, Fifo, LinkOut, OlderFormat, Cut };

struct DamageCase {
  const char* name;
  Damage damage;
};

class DamagedKeptGame : public GameDirectoryTest,
                        public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedKeptGame, IsSetAsideWithAMessageAndTheGameStartsAsEver) {
  const std::string file = path(keptGameFile);
  const std::string outside = (std::filesystem::temp_directory_path() /
                               ("tessarix-outside-" + std::to_string(::getpid()))).string();
  std::string bytes;
  switch (GetParam().damage) {
    case Damage::Empty: break;
    case Damage::OneByte: bytes = "T"; break;
    case Damage::RandomBytes: {
      std::mt19937 random(11);
      for (int k = 0; k < 20000; ++k) bytes.push_back(static_cast<char>(random() & 0xFF));
      break;
    }
    case Damage::OlderFormat: {
      KeptGame g;
      g.mode = KeptGame::Mode::Playing;
      bytes = encodeKeptGame(g);
      bytes[15] = 0;  // the version that came before
      break;
    }
    case Damage::Cut: {
      KeptGame g;
      g.mode = KeptGame::Mode::Playing;
      bytes = encodeKeptGame(g);
      bytes.resize(bytes.size() / 2);
      break;
    }
    default: break;
  }
  switch (GetParam().damage) {
    case Damage::Directory: std::filesystem::create_directory(file); break;
    case Damage::Huge:  // 512 MiB of holes: refused by its size, never read
      std::ofstream(file, std::ios::binary) << "TESSARIX-SPIEL\n";
      std::filesystem::resize_file(file, std::uintmax_t{512} << 20);
      break;
    case Damage::Fifo: ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); break;
    case Damage::LinkOut: {
      KeptGame g;
      g.mode = KeptGame::Mode::Playing;
      std::ofstream(outside, std::ios::binary) << encodeKeptGame(g);
      std::filesystem::create_symlink(outside, file);
      break;
    }
    default: std::ofstream(file, std::ios::binary) << bytes; break;
  }
  const std::string outsideBefore = bytesOf(outside);

  {
    NextRun run(1000);
    Game& game = *run.game;
    const ScriptedPlatform& platform = run.platform;
    EXPECT_EQ(game.mode(), Game::Mode::Idle);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find(keptGameFile), std::string::npos) << platform.messages[0];
    EXPECT_NE(platform.messages[0].find("Spielstand.tessarix.unlesbar"), std::string::npos)
        << platform.messages[0];
    // Moved as it stood: a link as a link, a FIFO as a FIFO.
    const std::filesystem::path aside = path("Spielstand.tessarix.unlesbar");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(aside)));
    EXPECT_EQ(std::filesystem::symlink_status(aside).type(),
              GetParam().damage == Damage::Directory ? std::filesystem::file_type::directory
              : GetParam().damage == Damage::Fifo    ? std::filesystem::file_type::fifo
              : GetParam().damage == Damage::LinkOut ? std::filesystem::file_type::symlink
                                                     : std::filesystem::file_type::regular);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(file)));

    // The game starts as ever, and keeps its new game in a file of its own.
    game.menuEvent(menu::StartGame);
    EXPECT_EQ(std::filesystem::symlink_status(file).type(), std::filesystem::file_type::regular);
  }
  EXPECT_EQ(bytesOf(outside), outsideBefore);  // nothing outside the directory touched
  std::filesystem::remove(outside);

  // A second damaged file goes beside the first, never over it.
  std::ofstream(file, std::ios::binary) << "x";
  NextRun second(2000);
  ASSERT_EQ(second.platform.messages.size(), 1u);
  EXPECT_NE(second.platform.messages[0].find("Spielstand.tessarix.unlesbar-2"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedKeptGame,
    ::testing::Values(DamageCase{"Empty", Damage::Empty}, DamageCase{"OneByte", Damage::OneByte},
                      DamageCase{"RandomBytes", Damage::RandomBytes},
                      DamageCase{"Huge", Damage::Huge},
                      DamageCase{"Directory", Damage::Directory}, DamageCase{"Fifo", Damage::Fifo},
                      DamageCase{"LinkOutOfTheDirectory", Damage::LinkOut},
                      DamageCase{"OlderFormat", Damage::OlderFormat},
                      DamageCase{"CutInHalf", Damage::Cut}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Two copies on one directory ----------------------------------------------------------------

TEST_F(KeepTest, ASecondCopyNeitherTakesUpNorOverwritesTheGameInProgress) {
  startTimedGame();
  enter(emptyPlainCell(0), solutionOf(emptyPlainCell(0)));
  const std::string kept = bytesOf(path(keptGameFile));
  ASSERT_FALSE(kept.empty());

  NextRun second(5000);  // while the first copy still runs
  ASSERT_EQ(second.platform.messages.size(), 1u);
  EXPECT_NE(second.platform.messages[0].find("anderes Tessarix"), std::string::npos);
  EXPECT_EQ(second.game->mode(), Game::Mode::Idle);
  // It plays a game of its own, and leaves it: said once, the kept game as it was.
  second.game->menuEvent(menu::StartGame);
  second.game->input().keyPressed('N');
  second.game->input().keyReleased('N');
  EXPECT_EQ(second.platform.messages.size(), 1u);
  EXPECT_EQ(bytesOf(path(keptGameFile)), kept);

  // Once the first copy is gone, a copy started then takes the game up.
  game.reset();
  second.game.reset();
  NextRun third(6000);
  EXPECT_TRUE(third.platform.messages.empty());
  EXPECT_EQ(third.game->mode(), Game::Mode::Playing);
}

}  // namespace
}  // namespace tessarix::testing
