// recordChampion: who is asked, what is entered, and that the tables end equal to the file.
#include "extras/champion.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_directory.h"

namespace tessarix {
namespace {

using testing::TempDirectory;

constexpr const char* today = "24.12.2024";

class ScriptedPrompt : public ChampionPrompt {
 public:
  ScriptedPrompt(bool accept, std::string name) : accept_(accept), name_(std::move(name)) {}
  Answer askChampionName(const std::string& championName) override {
    ++asked;
    prefilled = championName;
    return {accept_, name_};
  }
  int asked = 0;
  std::string prefilled;

 private:
  bool accept_;
  std::string name_;
};

class RecordChampion : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.file("Champions.Rhm");
    resetHallOfFame(h);
  }
  // Writes a file with one entry per level at rank 1 (time 00:05:00.0).
  void writeFile() {
    HallOfFame f;
    resetHallOfFame(f);
    for (int level = 0; level < 4; ++level) {
      f.fameNames[1][level] = "Alt";
      f.fameDates[1][level] = "01.01.2024";
      f.fameTimes[1][level] = "00:05:00.0";
    }
    ASSERT_TRUE(saveHallOfFame(f, path).ok);
    ASSERT_TRUE(loadHallOfFame(h, path).ok);
    fileBytes = testing::readText(path);
  }
  TempDirectory dir;
  std::string path;
  HallOfFame h;
  std::string fileBytes;
  std::string championName = "Vorige";
};

TEST_F(RecordChampion, AcceptedNameIsEnteredAndSaved) {
  writeFile();
  ScriptedPrompt prompt(true, "Clara");
  const ChampionResult r = recordChampion(h, 2, "00:04:00.0", today, championName, prompt, path);
  EXPECT_EQ(r.rank, 1);
  EXPECT_TRUE(r.nameAccepted);
  EXPECT_TRUE(r.file.ok);
  EXPECT_EQ(prompt.asked, 1);
  EXPECT_EQ(prompt.prefilled, "Vorige");
  EXPECT_EQ(championName, "Clara");
  EXPECT_EQ(h.fameNames[1][2], "Clara");
  EXPECT_EQ(h.fameDates[1][2], today);
  EXPECT_EQ(h.fameTimes[1][2], "00:04:00.0");
  EXPECT_EQ(h.fameNames[2][2], "Alt");
  HallOfFame reread;
  ASSERT_TRUE(loadHallOfFame(reread, path).ok);
  EXPECT_EQ(reread.fameNames, h.fameNames);
  EXPECT_EQ(reread.fameTimes, h.fameTimes);
  EXPECT_EQ(reread.fameNames[1][0], "Alt");  // other levels written back unchanged
}

TEST_F(RecordChampion, NameIsCleanedForTheFile) {
  ScriptedPrompt prompt(true, "Zoë\r\nŁ\t");
  recordChampion(h, 0, "00:04:00.0", today, championName, prompt, path);
  EXPECT_EQ(championName, "Zoë  Ł ");
  EXPECT_EQ(h.fameNames[1][0], "Zoë  ? ");  // the table shows what the file keeps
  EXPECT_EQ(testing::readText(path).substr(0, 9), "Zo\xEB  ? \r\n");
}

TEST_F(RecordChampion, EmptyNameIsAccepted) {
  ScriptedPrompt prompt(true, "");
  const ChampionResult r = recordChampion(h, 3, "00:04:00.0", today, championName, prompt, path);
  EXPECT_TRUE(r.nameAccepted);
  EXPECT_EQ(h.fameNames[1][3], "");
  EXPECT_EQ(h.fameTimes[1][3], "00:04:00.0");
}

TEST_F(RecordChampion, CancelLeavesTablesEqualToTheFile) {
  writeFile();
  h.fameNames[7][1] = "not in the file";  // whatever the tables held is replaced by the file
  ScriptedPrompt prompt(false, "Ignored");
  const ChampionResult r = recordChampion(h, 1, "00:04:00.0", today, championName, prompt, path);
  EXPECT_EQ(r.rank, 1);
  EXPECT_FALSE(r.nameAccepted);
  EXPECT_EQ(prompt.asked, 1);
  EXPECT_EQ(championName, "Vorige");
  HallOfFame file;
  ASSERT_TRUE(loadHallOfFame(file, path).ok);
  EXPECT_EQ(h.fameNames, file.fameNames);
  EXPECT_EQ(h.fameDates, file.fameDates);
  EXPECT_EQ(h.fameTimes, file.fameTimes);
  EXPECT_EQ(testing::readText(path), fileBytes);
}

TEST_F(RecordChampion, CancelWithoutFileResetsAndCreatesNothing) {
  h.fameNames[1][0] = "only in memory";
  h.fameTimes[1][0] = "00:09:00.0";
  ScriptedPrompt prompt(false, "Ignored");
  recordChampion(h, 0, "00:04:00.0", today, championName, prompt, path);
  HallOfFame empty;
  resetHallOfFame(empty);
  EXPECT_EQ(h.fameNames, empty.fameNames);
  EXPECT_EQ(h.fameTimes, empty.fameTimes);
  EXPECT_TRUE(dir.entries().empty());
}

TEST_F(RecordChampion, NoRankAsksNothingAndWritesNothing) {
  writeFile();
  for (int r = 1; r <= 10; ++r) h.fameTimes[r][0] = "00:00:0" + std::to_string(r % 10) + ".0";
  ScriptedPrompt prompt(true, "Nobody");
  // Against the full in-memory column nothing qualifies; the tables then follow the file.
  const ChampionResult r = recordChampion(h, 0, "00:30:00.0", today, championName, prompt, path);
  EXPECT_EQ(r.rank, 0);
  EXPECT_FALSE(r.nameAccepted);
  EXPECT_EQ(prompt.asked, 0);
  EXPECT_EQ(h.fameTimes[1][0], "00:05:00.0");
  EXPECT_EQ(testing::readText(path), fileBytes);
}

TEST_F(RecordChampion, FailedSaveIsReported) {
  std::filesystem::create_directory(path);
  ScriptedPrompt prompt(true, "Clara");
  const ChampionResult r = recordChampion(h, 0, "00:04:00.0", today, championName, prompt, path);
  EXPECT_TRUE(r.nameAccepted);
  EXPECT_FALSE(r.file.ok);
  EXPECT_NE(r.file.message.find("Champions.Rhm"), std::string::npos);
}

TEST_F(RecordChampion, LongNameIsCutToTheField) {
  std::string typed;
  for (int k = 0; k < fameNameLength + 5; ++k) typed += k % 2 ? "ö" : "Ł";
  ScriptedPrompt prompt(true, typed);
  recordChampion(h, 0, "00:04:00.0", today, championName, prompt, path);
  std::string cut;
  for (int k = 0; k < fameNameLength; ++k) cut += k % 2 ? "ö" : "Ł";
  EXPECT_EQ(championName, cut);
  const std::string fileLine = testing::readText(path).substr(0, fameNameLength + 2);
  EXPECT_EQ(fileLine.substr(0, 4), "?\xF6?\xF6");
  EXPECT_EQ(fileLine.substr(fameNameLength), "\r\n");
}

// What the name field lets in while the player types: what the file holds, as it will hold it.
TEST(NameAsStored, TakesOnlyWhatTheFileCanHold) {
  struct Case {
    std::string typed;
    std::optional<std::string> stored;
  };
  std::string forty, fortyOne;
  for (int k = 0; k < fameNameLength; ++k) forty += "ü";
  fortyOne = forty + "a";
  const Case cases[] = {
      {"", ""},
      {"Jürgen „Jo“ Größe 5€", "Jürgen „Jo“ Größe 5€"},
      {"Œuvre Ÿ ÿ", "Œuvre Ÿ ÿ"},
      {"Łukasz", std::nullopt},     // no byte for Ł
      {"Anna 😀", std::nullopt},     // nor for anything beyond the code page
      {"e\xCC\x81", std::nullopt},  // a combining accent alone: the field joins it first
      {"Anna\tB\r\nC\xC2\x85!", "Anna B  C !"},  // control characters as blanks
      {forty, forty},                            // forty characters of two bytes each
      {fortyOne, std::nullopt},
      {"a\x80!", std::nullopt},  // malformed UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(nameAsStored(c.typed), c.stored) << c.typed;
}

// A file that could not be read or was damaged when the run began is neither written nor
// read again: an accepted entry lives in the tables only, a cancelled one changes nothing.
TEST_F(RecordChampion, KeptFileIsNeitherWrittenNorReread) {
  for (const bool accept : {true, false}) {
    SCOPED_TRACE(accept ? "accepted" : "cancelled");
    const std::string damaged = "Alt\r\n01.01.2024\r\n00:05:00.0\r\n";  // 3 lines of 120
    testing::writeText(path, damaged);
    ASSERT_FALSE(loadHallOfFame(h, path).ok);
    const HallOfFame before = h;
    ScriptedPrompt prompt(accept, "Clara");
    const ChampionResult r =
        recordChampion(h, 0, "00:04:00.0", today, championName, prompt, path, true);
    EXPECT_EQ(prompt.asked, 1);
    EXPECT_EQ(testing::readText(path), damaged);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Champions.Rhm"});
    if (accept) {
      EXPECT_FALSE(r.file.ok);
      EXPECT_NE(r.file.message.find("Champions.Rhm"), std::string::npos);
      EXPECT_NE(r.file.message.find("unverändert"), std::string::npos);
      EXPECT_EQ(h.fameNames[1][0], "Clara");
      EXPECT_EQ(h.fameNames[2][0], "Alt");
    } else {
      EXPECT_TRUE(r.file.ok);
      EXPECT_EQ(h.fameNames, before.fameNames);
      EXPECT_EQ(h.fameTimes, before.fameTimes);
      EXPECT_EQ(h.fameNames[1][0], "Alt");
    }
  }
}

}  // namespace
}  // namespace tessarix
