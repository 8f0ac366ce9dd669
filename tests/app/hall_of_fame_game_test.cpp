// The hall of fame in the game: the dialog shown after every solved timed game and by its
// menu command, a finish time entered or not, a level cleared and saved, and a file that was
// damaged or unreadable at start-up left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "extras/hall_of_fame.h"
#include "logic/check.h"
#include "play_fixture.h"
#include "support/temp_directory.h"

namespace tessarix::testing {
namespace {

// What "Champions.Rhm" is when the game starts.
enum class FameFile {
  None,        // no file
  Sound,       // Leicht ranks 1..3 at 1, 2 and 3 minutes; one entry in each other level
  Full,        // Leicht ranks 1..10 at 1 to 10 minutes
  Damaged,     // Sound with a 121st line
  HandEdited,  // Sound with an entry after Leicht's rank 3 and one in Schwer whose times cannot
               // be read
  Unreadable,  // a directory of that name
};

HallOfFame fameTables(FameFile kind) {
  HallOfFame h;
  resetHallOfFame(h);
  const int leicht = kind == FameFile::Full ? 10 : 3;
  for (int rank = 1; rank <= leicht; ++rank) {
    h.fameNames[rank][0] = "Spieler " + std::to_string(rank);
    h.fameDates[rank][0] = "0" + std::to_string(rank % 10) + ".11.2026";
    h.fameTimes[rank][0] =
        "00:" + std::string(rank < 10 ? "0" : "") + std::to_string(rank) + ":00.0";
  }
  if (kind != FameFile::Full)
    for (int level = 1; level < 4; ++level) {
      h.fameNames[1][level] = "Müller " + std::to_string(level);
      h.fameDates[1][level] = "24.12.2025";
      h.fameTimes[1][level] = "00:0" + std::to_string(level + 3) + ":00.0";
    }
  if (kind == FameFile::HandEdited) {
    h.fameNames[4][0] = "Hans-Jürgen vom Nachbartisch, der es eilig hatte";
    h.fameDates[4][0] = "gestern";
    h.fameTimes[4][0] = "2:03";
    h.fameNames[2][2] = "Notiz";
    h.fameTimes[2][2] = "";
  }
  return h;
}

// The 30 lines of a level in a file's text.
std::string levelLines(const std::string& text, int level) {
  size_t start = 0;
  for (int line = 0; line < 30 * level; ++line) start = text.find('\n', start) + 1;
  size_t end = start;
  for (int line = 0; line < 30; ++line) end = text.find('\n', end) + 1;
  return text.substr(start, end - start);
}

void expectSameTables(const HallOfFame& a, const HallOfFame& b) {
  EXPECT_EQ(a.fameNames, b.fameNames);
  EXPECT_EQ(a.fameDates, b.fameDates);
  EXPECT_EQ(a.fameTimes, b.fameTimes);
}

class FameTest : public PlayTest {
 protected:
  // Puts the file in place and starts the game afresh over it.
  void startWith(FameFile kind) {
    game.reset();
    const std::string file = path(hallOfFameFile);
    if (kind == FameFile::Unreadable) {
      std::filesystem::create_directory(file);
      writeText(file + "/inside", "x");
    } else if (kind != FameFile::None) {
      ASSERT_TRUE(saveHallOfFame(fameTables(kind), file).ok);
      if (kind == FameFile::Damaged) writeText(file, readText(file) + "Noch eine Zeile\r\n");
    }
    fileBefore = kind == FameFile::Unreadable ? "" : readText(file);
    menu.text.clear();
    game = std::make_unique<Game>(canvas, platform);
    game->startUp(menu);
    atStart = game->hallOfFame();
    // A sound file is read as written, entries whose time cannot be read included.
    if (kind == FameFile::Sound || kind == FameFile::Full || kind == FameFile::HandEdited)
      expectSameTables(atStart, fameTables(kind));
    kept = kind == FameFile::Damaged || kind == FameFile::Unreadable;
    // A damaged or unreadable file is reported at start-up, naming it.
    ASSERT_EQ(platform.messages.size(), kept ? 1u : 0u);
    if (kept) EXPECT_NE(platform.messages[0].find(hallOfFameFile), std::string::npos);
    platform.messages.clear();
  }

  // The file as it is now: its bytes, or "" when it is missing (or a directory).
  std::string fileNow() const {
    return std::filesystem::is_regular_file(path(hallOfFameFile)) ? readText(path(hallOfFameFile))
                                                                  : "";
  }
  HallOfFame fileTables() const {
    HallOfFame h;
    EXPECT_TRUE(loadHallOfFame(h, path(hallOfFameFile)).ok);
    return h;
  }

  // The file was left exactly as it was at start-up (a directory stays a directory).
  void expectFileUntouched(FameFile kind) const {
    if (kind == FameFile::Unreadable) {
      EXPECT_TRUE(std::filesystem::is_directory(path(hallOfFameFile)));
      EXPECT_EQ(readText(path(hallOfFameFile) + "/inside"), "x");
    } else if (kind == FameFile::None) {
      EXPECT_FALSE(std::filesystem::exists(path(hallOfFameFile)));
    } else {
      EXPECT_EQ(fileNow(), fileBefore);
    }
  }

  // A timed game of Leicht solved cell by cell, elapsedTenths after it started.
  void solveTimedGame(int64_t elapsedTenths) {
    platform.now = 1000;
    startTimedGame();
    platform.now = 1000 + elapsedTenths;
    for (int i : emptyCells()) enter(i, solutionOf(i));
    ASSERT_TRUE(isSolved(game->state().status));
  }

  std::string fileBefore;
  HallOfFame atStart;
  bool kept = false;
};

// --- Clearing a level -----------------------------------------------------------------------

struct ClearCase {
  const char* name;
  FameFile file;
  int level;                 // the current game level
  std::vector<int> cleared;  // the tab cleared in each showing, in turn; then the dialog closes
  bool saveFails = false;    // the file turns into a directory once the game has started
};

std::ostream& operator<<(std::ostream& out, const ClearCase& c) { return out << c.name; }

class ClearLevel : public FameTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearLevel, EmptiesThatLevelSavesAndShowsTheDialogAgainOnTheCurrentLevel) {
  const ClearCase& c = GetParam();
  startWith(c.file);
  if (c.saveFails) std::filesystem::create_directory(path(hallOfFameFile));
  game->menuEvent(30 + c.level);
  platform.fameAnswers.assign(c.cleared.begin(), c.cleared.end());
  game->menuEvent(50);

  ASSERT_EQ(platform.fameShowings.size(), c.cleared.size() + 1);
  HallOfFame expected = atStart;
  for (size_t k = 0; k < platform.fameShowings.size(); ++k) {
    SCOPED_TRACE("showing " + std::to_string(k));
    EXPECT_EQ(platform.fameShowings[k].level, c.level);
    expectSameTables(platform.fameShowings[k].tables, expected);
    if (k < c.cleared.size())
      for (int rank = 1; rank <= 10; ++rank) {
        expected.fameNames[rank][c.cleared[k]].clear();
        expected.fameDates[rank][c.cleared[k]].clear();
        expected.fameTimes[rank][c.cleared[k]] = "9";
      }
  }
  expectSameTables(game->hallOfFame(), expected);
  EXPECT_TRUE(game->ignoreEscape());

  if (kept || c.saveFails) {
    // Every clear says that the file stays as it was.
    ASSERT_EQ(platform.messages.size(), c.cleared.size());
    for (const std::string& m : platform.messages) {
      EXPECT_NE(m.find(hallOfFameFile), std::string::npos) << m;
      EXPECT_NE(m.find("unverändert"), std::string::npos) << m;
    }
    if (c.saveFails)
      EXPECT_TRUE(std::filesystem::is_directory(path(hallOfFameFile)));
    else
      expectFileUntouched(c.file);
  } else {
    EXPECT_TRUE(platform.messages.empty());
    if (c.cleared.empty())
      expectFileUntouched(c.file);
    else
      expectSameTables(fileTables(), expected);
    // The other levels are written back byte for byte, hand-edited entries and all.
    for (int level = 0; level < 4; ++level)
      if (c.file != FameFile::None && !c.cleared.empty() &&
          std::count(c.cleared.begin(), c.cleared.end(), level) == 0)
        EXPECT_EQ(levelLines(fileNow(), level), levelLines(fileBefore, level)) << level;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClearLevel,
    ::testing::Values(ClearCase{"ClosedAtOnce", FameFile::Sound, 0, {}},
                      ClearCase{"SchwerWhileLeicht", FameFile::Sound, 0, {2}},
                      ClearCase{"TwoLevelsInTurn", FameFile::Sound, 1, {2, 1}},
                      ClearCase{"WithoutAFile", FameFile::None, 3, {0}},
                      ClearCase{"HandEditedLeichtCleared", FameFile::HandEdited, 2, {0}},
                      ClearCase{"HandEditedSchwerCleared", FameFile::HandEdited, 0, {2}},
                      ClearCase{"DamagedFileKept", FameFile::Damaged, 0, {2}},
                      ClearCase{"UnreadableFileKept", FameFile::Unreadable, 2, {2}},
                      ClearCase{"SaveFails", FameFile::None, 0, {1, 3}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- A solved timed game ----------------------------------------------------------------------

struct FinishCase {
  const char* name;
  FameFile file;
  int64_t elapsedTenths;
  const char* finishText;
  std::optional<ChampionPrompt::Answer> answer;  // none: the time beats no entry, nobody asked
  int rank;                                      // where an accepted entry goes
};

std::ostream& operator<<(std::ostream& out, const FinishCase& c) { return out << c.name; }

class SolvedTimedGame : public FameTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(SolvedTimedGame, EntersAnAcceptedTimeAndAlwaysShowsTheHallOfFame) {
  const FinishCase& c = GetParam();
  startWith(c.file);
  if (c.answer) platform.championAnswers.push_back(*c.answer);
  solveTimedGame(c.elapsedTenths);

  EXPECT_EQ(game->finishTime(), c.finishText);
  EXPECT_EQ(platform.championPrompts.size(), c.answer ? 1u : 0u);
  const bool entered = c.answer && c.answer->accepted;
  // The dialog once, on Leicht, over the tables with the new entry if there is one.
  ASSERT_EQ(platform.fameShowings.size(), 1u);
  EXPECT_EQ(platform.fameShowings[0].level, 0);
  const HallOfFame& shown = platform.fameShowings[0].tables;
  if (entered) {
    EXPECT_EQ(shown.fameNames[c.rank][0], c.answer->name);
    EXPECT_EQ(shown.fameDates[c.rank][0], "10.12.2026");
    EXPECT_EQ(shown.fameTimes[c.rank][0], c.finishText);
    // The entry that held the rank moves down one; the ones ahead of it stay.
    EXPECT_EQ(shown.fameNames[c.rank + 1][0], atStart.fameNames[c.rank][0]);
    EXPECT_EQ(shown.fameTimes[c.rank + 1][0], atStart.fameTimes[c.rank][0]);
    for (int rank = 1; rank < c.rank; ++rank)
      EXPECT_EQ(shown.fameTimes[rank][0], atStart.fameTimes[rank][0]);
  } else {
    expectSameTables(shown, atStart);
  }
  expectSameTables(game->hallOfFame(), shown);
  EXPECT_TRUE(game->ignoreEscape());

  if (kept) {
    expectFileUntouched(c.file);
    // Only a new entry is worth the message that the file was left alone.
    ASSERT_EQ(platform.messages.size(), entered ? 1u : 0u);
    if (entered) EXPECT_NE(platform.messages[0].find("unverändert"), std::string::npos);
  } else {
    EXPECT_TRUE(platform.messages.empty());
    if (entered)
      expectSameTables(fileTables(), shown);
    else
      expectFileUntouched(c.file);
  }
}

const ChampionPrompt::Answer accepted{true, "Clara"};
const ChampionPrompt::Answer cancelled{false, "Clara"};

INSTANTIATE_TEST_SUITE_P(
    Cases, SolvedTimedGame,
    ::testing::Values(
        FinishCase{"Qualifies", FameFile::Sound, 1500, "00:02:30.0", accepted, 3},
        FinishCase{"EqualTimeGoesAfter", FameFile::Sound, 1200, "00:02:00.0", accepted, 3},
        FinishCase{"Best", FameFile::Sound, 599, "00:00:59.9", accepted, 1},
        FinishCase{"EmptyNameAccepted", FameFile::Sound, 1500, "00:02:30.0",
                   ChampionPrompt::Answer{true, ""}, 3},
        FinishCase{"Cancelled", FameFile::Sound, 1500, "00:02:30.0", cancelled, 3},
        FinishCase{"BeatsNone", FameFile::Full, 6000, "00:10:00.0", std::nullopt, 0},
        // A finish time goes ahead of an entry whose time cannot be read.
        FinishCase{"AheadOfAHandEditedTime", FameFile::HandEdited, 6000, "00:10:00.0", accepted, 4},
        FinishCase{"FirstEverAccepted", FameFile::None, 1500, "00:02:30.0", accepted, 1},
        FinishCase{"FirstEverCancelled", FameFile::None, 1500, "00:02:30.0", cancelled, 1},
        FinishCase{"DamagedFileAccepted", FameFile::Damaged, 1500, "00:02:30.0", accepted, 3},
        FinishCase{"DamagedFileCancelled", FameFile::Damaged, 1500, "00:02:30.0", cancelled, 3},
        FinishCase{"UnreadableFileAccepted", FameFile::Unreadable, 1500, "00:02:30.0", accepted,
                   1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FameTest, TheNameDialogIsPrefilledWithTheLastAcceptedName) {
  startWith(FameFile::None);
  platform.championAnswers = {{true, "Clara"}, {false, "Egal"}, {true, "Dora"}};
  for (int n = 0; n < 3; ++n) {
    solveTimedGame(1500 - 100 * n);
    leaveLoop();
  }
  EXPECT_EQ(platform.championPrompts, (std::vector<std::string>{"", "Clara", "Clara"}));
  EXPECT_EQ(platform.fameShowings.size(), 3u);
  const HallOfFame file = fileTables();
  EXPECT_EQ(file.fameNames[1][0], "Dora");
  EXPECT_EQ(file.fameTimes[1][0], "00:02:10.0");
  EXPECT_EQ(file.fameNames[2][0], "Clara");
  EXPECT_EQ(file.fameTimes[3][0], "9");
}

}  // namespace
}  // namespace tessarix::testing
