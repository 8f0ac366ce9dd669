// The hall-of-fame file: its 120 lines, Windows-1252 on disk, short and missing files, and
// the order of the ranks.
#include "extras/hall_of_fame.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "extras/windows1252.h"
#include "support/temp_directory.h"

namespace tessarix {
namespace {

using testing::readText;
using testing::TempDirectory;
using testing::writeText;

// 120 lines as the game writes them: some used entries with umlauts and a euro sign, the
// rest empty (empty name, empty date, "9").
std::string sampleFile() {
  std::string text;
  for (int level = 0; level < 4; ++level)
    for (int rank = 1; rank <= 10; ++rank) {
      if (rank <= level + 2) {
        text += "J\xFCrgen " + std::to_string(level) + std::to_string(rank) + " \x80\r\n";
        text += "0" + std::to_string(rank % 10) + ".03.2024\r\n";
        text += "00:0" + std::to_string(level) + ":" + std::to_string(10 + rank) + ".0\r\n";
      } else {
        text += "\r\n\r\n9\r\n";
      }
    }
  return text;
}

HallOfFame emptyHall() {
  HallOfFame h;
  resetHallOfFame(h);
  return h;
}

TEST(HallOfFameFile, ReadThenWrittenGivesTheSameBytes) {
  TempDirectory dir;
  const std::string original = sampleFile();
  writeText(dir.file("Champions.Rhm"), original);
  HallOfFame h;
  ASSERT_TRUE(loadHallOfFame(h, dir.file("Champions.Rhm")).ok);
  EXPECT_EQ(h.fameNames[1][0], "Jürgen 01 €");
  EXPECT_EQ(h.fameDates[3][2], "03.03.2024");
  EXPECT_EQ(h.fameTimes[5][3], "00:03:15.0");
  EXPECT_EQ(h.fameTimes[6][3], "9");
  EXPECT_EQ(h.fameNames[6][3], "");

  ASSERT_TRUE(saveHallOfFame(h, dir.file("copy.Rhm")).ok);
  EXPECT_EQ(readText(dir.file("copy.Rhm")), original);
}

TEST(HallOfFameFile, WrittenAsWindows1252WithCrLf) {
  TempDirectory dir;
  HallOfFame h = emptyHall();
  h.fameNames[1][0] = "Müller €";
  h.fameNames[2][0] = "Łukasz";
  h.fameNames[1][3] = "Zeile\nzwei";
  h.fameDates[1][0] = "01.02.2024";
  h.fameTimes[1][0] = "00:07:42.0";
  ASSERT_TRUE(saveHallOfFame(h, dir.file("Champions.Rhm")).ok);
  const std::string text = readText(dir.file("Champions.Rhm"));
  EXPECT_EQ(text.substr(0, 42), "M\xFCller \x80\r\n01.02.2024\r\n00:07:42.0\r\n?ukasz\r\n");
  // Line 90 is the name of rank 1 of level 3; a line feed inside it must not add a line.
  size_t pos = 0;
  for (int line = 0; line < 90; ++line) pos = text.find("\r\n", pos) + 2;
  EXPECT_EQ(text.substr(pos, 12), "Zeile zwei\r\n");
  size_t lines = 0;
  for (size_t i = 0; i + 1 < text.size(); ++i) lines += text[i] == '\r' && text[i + 1] == '\n';
  EXPECT_EQ(lines, 120u);
  EXPECT_EQ(text.substr(text.size() - 5), "\r\n9\r\n");
}

TEST(HallOfFameFile, ShortFileIsDamagedAndLeavesTheMissingEntriesEmpty) {
  TempDirectory dir;
  // LF line ends, and the last line without one: the date of rank 2 ends the file, so rank 2
  // has no time and stays empty.
  writeText(dir.file("Champions.Rhm"), "Anna\n01.01.2024\n00:01:00.0\r\nBert\n02.01.2024");
  HallOfFame h;
  h.fameNames[0][0] = "rank 0 stays";
  const FameFileResult r = loadHallOfFame(h, dir.file("Champions.Rhm"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("Champions.Rhm"), std::string::npos);
  EXPECT_EQ(h.fameNames[1][0], "Anna");
  EXPECT_EQ(h.fameDates[1][0], "01.01.2024");
  EXPECT_EQ(h.fameTimes[1][0], "00:01:00.0");
  for (int level = 0; level < 4; ++level)
    for (int rank = level == 0 ? 2 : 1; rank <= 10; ++rank) {
      EXPECT_EQ(h.fameNames[rank][level], "");
      EXPECT_EQ(h.fameDates[rank][level], "");
      EXPECT_EQ(h.fameTimes[rank][level], "9");
    }
  EXPECT_EQ(h.fameNames[0][0], "rank 0 stays");
}

TEST(HallOfFameFile, EmptyLinesAndTrailingBlanksAreKept) {
  TempDirectory dir;
  std::string text = "  Eva  \r\n\r\n00:00:09.5\r\n";
  for (int entry = 1; entry < 40; ++entry) text += "\r\n\r\n9\r\n";
  writeText(dir.file("Champions.Rhm"), text);
  HallOfFame h;
  ASSERT_TRUE(loadHallOfFame(h, dir.file("Champions.Rhm")).ok);
  EXPECT_EQ(h.fameNames[1][0], "  Eva  ");
  EXPECT_EQ(h.fameDates[1][0], "");
  EXPECT_EQ(h.fameNames[2][0], "");
}

TEST(HallOfFameFile, MissingFileResetsAndCreatesNothing) {
  TempDirectory dir;
  HallOfFame h;
  h.fameNames[4][2] = "old";
  h.fameTimes[4][2] = "00:00:01.0";
  const FameFileResult r = loadHallOfFame(h, dir.file("Champions.Rhm"));
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(h.fameNames, emptyHall().fameNames);
  EXPECT_EQ(h.fameTimes, emptyHall().fameTimes);
  EXPECT_TRUE(dir.entries().empty());
}

TEST(HallOfFameFile, UnreadableFileIsReported) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.file("Champions.Rhm"));
  HallOfFame h;
  const FameFileResult r = loadHallOfFame(h, dir.file("Champions.Rhm"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("Champions.Rhm"), std::string::npos);
  EXPECT_EQ(h.fameTimes, emptyHall().fameTimes);
}

TEST(HallOfFameFile, FailedSaveLeavesTheOldFile) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.file("Champions.Rhm"));
  const FameFileResult r = saveHallOfFame(emptyHall(), dir.file("Champions.Rhm"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("Champions.Rhm"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("Champions.Rhm")));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"Champions.Rhm"});
}

// ---------------------------------------------------------------- damage

// The sample's lines without their line ends.
std::vector<std::string> sampleLines() {
  std::vector<std::string> lines;
  const std::string text = sampleFile();
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + lineEnd;
  return text;
}

std::string withLine(int n, const std::string& line) {
  std::vector<std::string> lines = sampleLines();
  lines[static_cast<size_t>(n)] = line;
  return joined(lines);
}

// The lines of one level all empty entries.
void emptyLevel(std::vector<std::string>& lines, int level) {
  for (int k = 0; k < 30; ++k) lines[static_cast<size_t>(30 * level + k)] = k % 3 == 2 ? "9" : "";
}

std::string firstLines(size_t count) {
  std::vector<std::string> lines = sampleLines();
  lines.resize(count);
  return joined(lines);
}

struct DamageCase {
  const char* name;
  std::string text;
  bool firstEntryRead;  // rank 1 of Leicht as the sample has it
};

std::ostream& operator<<(std::ostream& out, const DamageCase& c) { return out << c.name; }

class DamagedFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, IsReportedAndTheTablesHoldOnlySoundEntries) {
  const DamageCase& c = GetParam();
  TempDirectory dir;
  writeText(dir.file("Champions.Rhm"), c.text);
  HallOfFame h;
  const FameFileResult r = loadHallOfFame(h, dir.file("Champions.Rhm"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("Champions.Rhm"), std::string::npos) << r.message;
  EXPECT_NE(r.message.find("beschädigt"), std::string::npos) << r.message;
  for (int level = 0; level < 4; ++level)
    for (int rank = 1; rank <= 10; ++rank) {
      const std::string& time = h.fameTimes[rank][level];
      EXPECT_NE(fameTimeKind(time), FameTime::Unreadable) << time;
      EXPECT_LE(h.fameNames[rank][level].size(), 2u * fameNameLength);
      EXPECT_EQ(h.fameNames[rank][level].find('\0'), std::string::npos);
      if (rank > 1 && time != "9") {
        EXPECT_LE(h.fameTimes[rank - 1][level], time);
      }
    }
  if (c.firstEntryRead) {
    EXPECT_EQ(h.fameNames[1][0], "Jürgen 01 €");
    EXPECT_EQ(h.fameTimes[1][0], "00:00:11.0");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamageCase{"Empty", "", false}, DamageCase{"FiveLines", firstLines(5), true},
        DamageCase{"OneLineShort", firstLines(119), true},
        DamageCase{"OneLineMore", sampleFile() + "Noch einer\r\n", true},
        DamageCase{"FiveHundredLines",
                   sampleFile() + sampleFile() + sampleFile() + sampleFile() + firstLines(20),
                   true},
        DamageCase{"EmptyLineAtTheEnd", sampleFile() + "\r\n", true},
        DamageCase{"NulInAName", withLine(3, std::string("J\xFCr\0gen", 7)), true},
        DamageCase{"OnlyNulBytes", std::string(48729, '\0'), false},
        DamageCase{"TabInADate", withLine(4, "02.03\t2024"), true},
        DamageCase{"StrayCarriageReturn", withLine(30, "Ha\rns"), true},
        DamageCase{"CarriageReturnLineEnds", joined(sampleLines(), "\r"), false},
        DamageCase{"LineOverTheLimit", withLine(30, std::string(fameLineLimit + 1, 'x')), true},
        DamageCase{"ThreeMiBLine", std::string(3 << 20, 'x') + "\r\n" + firstLines(119), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HallOfFameFile, LongNamesAreCutToTheField) {
  TempDirectory dir;
  // Within the line limit the file is sound; over it, damaged. The name is cut either way.
  for (int length : {fameNameLength + 1, fameLineLimit, fameLineLimit + 1}) {
    writeText(dir.file("Champions.Rhm"),
              withLine(30, std::string(static_cast<size_t>(length), '\xE4')));
    HallOfFame h;
    EXPECT_EQ(loadHallOfFame(h, dir.file("Champions.Rhm")).ok, length <= fameLineLimit) << length;
    std::string cut;
    for (int k = 0; k < fameNameLength; ++k) cut += "ä";
    EXPECT_EQ(h.fameNames[1][1], cut) << length;
    EXPECT_EQ(h.fameTimes[1][1], "00:01:11.0") << length;
  }
}

TEST(HallOfFameFile, OtherLineEndsAreSound) {
  TempDirectory dir;
  HallOfFame expected;
  writeText(dir.file("Champions.Rhm"), sampleFile());
  ASSERT_TRUE(loadHallOfFame(expected, dir.file("Champions.Rhm")).ok);
  std::string noFinalEnd = sampleFile();
  noFinalEnd.resize(noFinalEnd.size() - 2);
  for (const std::string& text : {joined(sampleLines(), "\n"), noFinalEnd}) {
    writeText(dir.file("Champions.Rhm"), text);
    HallOfFame h;
    EXPECT_TRUE(loadHallOfFame(h, dir.file("Champions.Rhm")).ok);
    EXPECT_EQ(h.fameNames, expected.fameNames);
    EXPECT_EQ(h.fameTimes, expected.fameTimes);
  }
}

struct EntryCase {
  const char* time;
  FameTime kind;
};

// Rank 1 of Schwer holds the time of the case, rank 2 a sound entry of the slowest time that
// still counts. A finish time keeps its rank; an unreadable time ranks after every finish time
// and stays as it stands; the empty mark "9" empties the entry.
TEST(HallOfFameFile, AnEntryWithoutAFinishTimeNeverRanksAheadOfOne) {
  TempDirectory dir;
  const EntryCase cases[] = {
      {"00:07:42.0", FameTime::Finish},
      {"89:59:59.9", FameTime::Finish},
      {"", FameTime::Unreadable},
      {"9", FameTime::Empty},
      {"90:00:00.0", FameTime::Unreadable},
      {"00:07:42", FameTime::Unreadable},
      {"00:07:42.0 ", FameTime::Unreadable},
      {"00:61:00.0", FameTime::Unreadable},
      {"9:05:00.0", FameTime::Unreadable},
      {"schnell", FameTime::Unreadable},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.time);
    EXPECT_EQ(fameTimeKind(c.time), c.kind);
    std::vector<std::string> lines = sampleLines();
    emptyLevel(lines, 2);
    const std::vector<std::string> entries = {"Erste",  "01.01.2025", c.time,
                                              "Zweite", "02.01.2025", "89:59:59.9"};
    for (size_t k = 0; k < entries.size(); ++k) lines[60 + k] = entries[k];
    writeText(dir.file("Champions.Rhm"), joined(lines));
    HallOfFame h;
    EXPECT_TRUE(loadHallOfFame(h, dir.file("Champions.Rhm")).ok);
    const bool finish = c.kind == FameTime::Finish, empty = c.kind == FameTime::Empty;
    EXPECT_EQ(h.fameNames[1][2], finish ? "Erste" : "Zweite");
    EXPECT_EQ(h.fameNames[2][2], finish ? "Zweite" : empty ? "" : "Erste");
    EXPECT_EQ(h.fameDates[2][2], finish ? "02.01.2025" : empty ? "" : "01.01.2025");
    EXPECT_EQ(h.fameTimes[2][2], finish ? "89:59:59.9" : empty ? "9" : c.time);
    EXPECT_EQ(fameEntryUsed(h, 2, 2), !empty);
    EXPECT_FALSE(fameEntryUsed(h, 3, 2));
    // A finish time slower than every finish time listed takes the rank after them, ahead of
    // an entry whose time cannot be read.
    EXPECT_EQ(championRank(h, 2, "89:59:59.9"), finish ? 3 : 2);
    EXPECT_EQ(championRank(h, 2, "90:00:00.0"), 0);
  }
}

// A hand-edited entry (a time of another shape, a long name, a byte the code page leaves
// unassigned) comes back byte for byte while only other levels change, and keeps its bytes
// when a new finish time in its own level moves it down a rank.
TEST(HallOfFameFile, AnEntryWhoseTimeCannotBeReadIsWrittenBackAsItStands) {
  TempDirectory dir;
  const std::string longName = std::string(30, '\xE4') + " und 25 weitere \x81 Zeichen";
  std::vector<std::string> lines = sampleLines();
  emptyLevel(lines, 2);
  const std::vector<std::string> entries = {
      "Erste", "01.01.2025", "00:01:00.0", longName, "irgendwann", " 1:02:03 ", "", "", ""};
  for (size_t k = 0; k < entries.size(); ++k) lines[60 + k] = entries[k];
  const std::string original = joined(lines);
  writeText(dir.file("Champions.Rhm"), original);
  HallOfFame h;
  ASSERT_TRUE(loadHallOfFame(h, dir.file("Champions.Rhm")).ok);
  EXPECT_EQ(h.fameNames[2][2], windows1252ToUtf8(longName));  // not cut: it stands as it is
  EXPECT_EQ(h.fameTimes[2][2], " 1:02:03 ");
  EXPECT_TRUE(fameEntryUsed(h, 3, 2));  // an entry of three empty lines is listed, empty
  EXPECT_FALSE(fameEntryUsed(h, 4, 2));

  // Saved unchanged, then with Leicht cleared: Schwer's lines are the file's own.
  ASSERT_TRUE(saveHallOfFame(h, dir.file("Champions.Rhm")).ok);
  EXPECT_EQ(readText(dir.file("Champions.Rhm")), original);
  clearHallOfFameLevel(h, 0);
  ASSERT_TRUE(saveHallOfFame(h, dir.file("Champions.Rhm")).ok);
  std::vector<std::string> cleared = lines;
  emptyLevel(cleared, 0);
  EXPECT_EQ(readText(dir.file("Champions.Rhm")), joined(cleared));

  // A new time in Schwer goes ahead of both; they move down a rank with their bytes.
  const int rank = championRank(h, 2, "00:05:00.0");
  ASSERT_EQ(rank, 2);
  insertChampion(h, 2, rank, "Neu", "02.02.2025", "00:05:00.0");
  ASSERT_TRUE(saveHallOfFame(h, dir.file("Champions.Rhm")).ok);
  const std::vector<std::string> moved = {
      "Neu", "02.02.2025", "00:05:00.0", longName, "irgendwann", " 1:02:03 ", "", "", ""};
  for (size_t k = 0; k < moved.size(); ++k) cleared[63 + k] = moved[k];
  EXPECT_EQ(readText(dir.file("Champions.Rhm")), joined(cleared));
}

TEST(HallOfFameFile, UsedEntriesAreReadInTimeOrder) {
  TempDirectory dir;
  std::vector<std::string> lines = sampleLines();
  emptyLevel(lines, 3);
  // Extrem's four used entries, out of order: C at 5 min, B at 1 min, A at 5 min, D at 3 min.
  const std::vector<std::string> entries = {"C", "d", "00:05:00.0", "B", "d", "00:01:00.0",
                                            "A", "d", "00:05:00.0", "D", "d", "00:03:00.0"};
  for (size_t k = 0; k < entries.size(); ++k) lines[90 + k] = entries[k];
  writeText(dir.file("Champions.Rhm"), joined(lines));
  HallOfFame h;
  ASSERT_TRUE(loadHallOfFame(h, dir.file("Champions.Rhm")).ok);
  std::vector<std::string> names;
  for (int rank = 1; rank <= 5; ++rank) names.push_back(h.fameNames[rank][3]);
  // Equal times keep the order they had; the empty ranks stay after the used ones.
  EXPECT_EQ(names, (std::vector<std::string>{"B", "D", "C", "A", ""}));
  EXPECT_EQ(h.fameTimes[5][3], "9");
}

// ---------------------------------------------------------------- ranking

// Level 1 holds times 00:01:00.0, 00:02:00.0, ... at ranks 1..filled.
HallOfFame hallWith(int filled) {
  HallOfFame h = emptyHall();
  for (int r = 1; r <= filled; ++r) {
    h.fameNames[r][1] = "P" + std::to_string(r);
    h.fameDates[r][1] = "D" + std::to_string(r);
    h.fameTimes[r][1] = "00:" + std::string(r < 10 ? "0" : "") + std::to_string(r) + ":00.0";
  }
  return h;
}

struct RankCase {
  const char* name;
  int filled;
  const char* time;
  int rank;
};

// Failures name the case instead of dumping its bytes.
std::ostream& operator<<(std::ostream& out, const RankCase& c) { return out << c.name; }

class Ranking : public ::testing::TestWithParam<RankCase> {};

TEST_P(Ranking, FirstRankTheTimeSortsStrictlyBefore) {
  const RankCase c = GetParam();
  HallOfFame h = hallWith(c.filled);
  const HallOfFame before = h;
  EXPECT_EQ(championRank(h, 1, c.time), c.rank);
  insertChampion(h, 1, championRank(h, 1, c.time), "Neu", "heute", c.time);
  for (int r = 1; r <= 10; ++r) {
    // Ranks above move down one, the new entry sits at its rank, the ones before stay.
    const int from = c.rank == 0 || r < c.rank ? r : r - 1;
    if (c.rank != 0 && r == c.rank) {
      EXPECT_EQ(h.fameNames[r][1], "Neu");
      EXPECT_EQ(h.fameDates[r][1], "heute");
      EXPECT_EQ(h.fameTimes[r][1], c.time);
    } else {
      EXPECT_EQ(h.fameNames[r][1], before.fameNames[from][1]) << "rank " << r;
      EXPECT_EQ(h.fameTimes[r][1], before.fameTimes[from][1]) << "rank " << r;
    }
  }
  for (int level : {0, 2, 3})
    for (int r = 0; r <= 10; ++r) EXPECT_EQ(h.fameTimes[r][level], before.fameTimes[r][level]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Ranking,
    ::testing::Values(RankCase{"EmptyTable", 0, "00:59:59.9", 1},
                      RankCase{"EmptyTableSlowest", 0, "89:59:59.9", 1},
                      // "90:..." sorts after the "9" of an empty entry, as text.
                      RankCase{"NinetyHoursNeverQualify", 0, "90:00:00.0", 0},
                      RankCase{"Best", 10, "00:00:59.9", 1},
                      RankCase{"EqualTimeGoesAfter", 10, "00:03:00.0", 4},
                      RankCase{"Between", 10, "00:03:00.1", 4},
                      RankCase{"ReplacesRankTen", 10, "00:09:59.9", 10},
                      RankCase{"EqualToRankTenQualifiesForNothing", 10, "00:10:00.0", 0},
                      RankCase{"BeatsNone", 10, "00:11:00.0", 0},
                      RankCase{"AfterTheUsedRanks", 4, "00:05:00.0", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ranking, RankTenDropsOut) {
  HallOfFame h = hallWith(10);
  insertChampion(h, 1, 2, "Neu", "heute", "00:01:30.0");
  EXPECT_EQ(h.fameNames[3][1], "P2");
  EXPECT_EQ(h.fameNames[10][1], "P9");
  EXPECT_TRUE(h.fameNames[0][1].empty());  // rank 0 is never written
}

}  // namespace
}  // namespace tessarix
