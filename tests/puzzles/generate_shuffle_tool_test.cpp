// tessarix-puzzles generate and shuffle run as a program: complete level files, the same file
// for the same seed, shuffled slots saved where asked, and clear refusals.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "logic/check.h"
#include "logic/shuffle.h"
#include "logic/solver.h"
#include "puzzles/puzzle_file.h"
#include "support/temp_directory.h"
#include "support/tool_run.h"

namespace tessarix {
namespace {

using testing::TempDirectory;
using testing::ToolRun;
using ToolResult = ToolRun;

ToolRun tool(const TempDirectory& dir, const std::string& arguments) {
  return testing::runTool(dir, arguments);
}

TEST(GenerateTool, WritesFourCleanPuzzlesAndRepeatsItselfForASeed) {
  TempDirectory dir;
  const ToolResult first = tool(dir, "generate --level mittel --seed 7 a.trx");
  ASSERT_EQ(first.code, 0) << first.err;
  EXPECT_EQ(std::filesystem::file_size(dir.file("a.trx")), 48729u);

  // One line per slot with the clue count and the passes, which the file must bear out.
  const std::regex line(R"(slot (\d): clues (\d+), passes (\d+), .*)");
  std::istringstream lines(first.out);
  std::string text;
  int slot = 0;
  while (std::getline(lines, text)) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, line)) << text;
    ASSERT_EQ(std::stoi(m[1]), slot);
    GameState s;
    ASSERT_EQ(loadSlot(dir.file("a.trx"), slot, s).status, LoadStatus::Loaded);
    EXPECT_EQ(s.board, s.givens);
    EXPECT_EQ(s.marks, MarkArray{});
    EXPECT_EQ(countGivens(s), std::stoi(m[2]));
    const int passes = runPasses(s);
    EXPECT_TRUE(boardFull(s));
    EXPECT_EQ(passes, std::stoi(m[3]));
    ++slot;
  }
  EXPECT_EQ(slot, 4);

  // The same seed gives the same bytes, also over a file that held something else.
  testing::writeBytes(dir.file("b.trx"), std::vector<uint8_t>(100, 9));
  ASSERT_EQ(tool(dir, "generate --seed 7 --level 1 b.trx").code, 0);
  EXPECT_EQ(testing::readBytes(dir.file("a.trx")), testing::readBytes(dir.file("b.trx")));
  ASSERT_EQ(tool(dir, "generate --seed 8 --level 1 c.trx").code, 0);
  EXPECT_NE(testing::readBytes(dir.file("a.trx")), testing::readBytes(dir.file("c.trx")));
}

TEST(GenerateTool, RefusesBadArguments) {
  TempDirectory dir;
  for (const char* arguments :
       {"generate --level 4 --seed 1 x.trx", "generate --level leicht x.trx",
        "generate --level 0 --seed -3 x.trx", "generate --level 0 --seed 1",
        "generate --level 0 --seed 1 --big x.trx",
        // seeds are 32 bits
        "generate --level 0 --seed 4294967296 x.trx",
        // an option is given once, not "the last one wins"
        "generate --level 0 --level 1 --seed 1 x.trx", "generate --level 0 --seed 1 --seed 2 x.trx",
        // a lone -- ends the options; it is no file name
        "generate --level 0 --seed 1 --", "generate --level 0 --seed 1 x.trx -- y.trx"}) {
    const ToolResult r = tool(dir, arguments);
    EXPECT_EQ(r.code, 2) << arguments;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << arguments;
  }
  EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

TEST(GenerateTool, TakesEveryThirtyTwoBitSeedAndFileNamesAfterTheEndOfOptions) {
  TempDirectory dir;
  const ToolResult r = tool(dir, "generate --level 0 --seed 4294967295 -- -x.trx");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"-x.trx"});
  EXPECT_EQ(std::filesystem::file_size(dir.file("-x.trx")), 48729u);
}

TEST(ShuffleTool, SavesTheShuffleOfTheGameIntoTheSlotAsked) {
  TempDirectory dir;
  ASSERT_EQ(tool(dir, "generate --level schwer --seed 3 in.trx").code, 0);
  for (bool free : {false, true}) {
    std::filesystem::remove(dir.file("out.trx"));
    const ToolResult r =
        tool(dir, std::string("shuffle in.trx 2 out.trx 1 --seed 99") + (free ? " --free" : ""));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "solved\n");
    EXPECT_EQ(std::filesystem::file_size(dir.file("out.trx")), 48729u);

    GameState expected;
    ASSERT_EQ(loadSlot(dir.file("in.trx"), 2, expected).status, LoadStatus::Loaded);
    expected.options.symmetryOn = !free;
    SeededRandom rng(99);
    shuffleBoard(expected, rng);
    GameState saved;
    ASSERT_EQ(loadSlot(dir.file("out.trx"), 1, saved).status, LoadStatus::Loaded);
    EXPECT_EQ(saved.board, expected.board);
    EXPECT_EQ(saved.givens, expected.givens);
    EXPECT_EQ(saved.marks, MarkArray{});
    GameState original;
    ASSERT_EQ(loadSlot(dir.file("in.trx"), 2, original).status, LoadStatus::Loaded);
    EXPECT_NE(saved.givens, original.givens);
  }
}

TEST(ShuffleTool, RefusesMissingFilesAndSlots) {
  TempDirectory dir;
  ASSERT_EQ(tool(dir, "generate --level 0 --seed 1 in.trx").code, 0);
  const ToolResult missing = tool(dir, "shuffle nothing.trx 0 out.trx 0");
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("nothing.trx"), std::string::npos);
  EXPECT_EQ(tool(dir, "shuffle in.trx 4 out.trx 0").code, 1);
  EXPECT_EQ(tool(dir, "shuffle in.trx 0 out.trx 9").code, 1);
  EXPECT_EQ(tool(dir, "shuffle in.trx 0 out.trx").code, 2);
  EXPECT_EQ(tool(dir, "shuffle in.trx 0 out.trx 0 --seed").code, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.file("out.trx")));
}

}  // namespace
}  // namespace tessarix
