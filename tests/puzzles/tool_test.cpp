// tessarix-puzzles run as a program on files in a temporary directory: its pictures, its
// solve report, and its exit codes for bad files and bad usage.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include <ostream>

#include <gtest/gtest.h>

#include "logic/random.h"
#include "logic/solver.h"
#include "puzzles/puzzle_file.h"
#include "reference/reference_solver.h"
#include "support/solved_field.h"
#include "support/temp_directory.h"
#include "support/tool_run.h"

namespace tessarix {
namespace {

using testing::runTool;
using testing::solvedDigit;
using testing::TempDirectory;
using testing::ToolRun;

int lineCount(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

// The expected picture, from a function of the global position (0 = blank outside the grids).
std::string picture(int (*digitAt)(int, int)) {
  std::string p;
  for (int y = 0; y < 33; ++y) {
    for (int x = 0; x < 33; ++x) {
      bool inside = false;
      for (int g = 1; g <= 9; ++g)
        inside = inside || (x >= gridOffsetX[g] && x < gridOffsetX[g] + 9 && y >= gridOffsetY[g] &&
                            y < gridOffsetY[g] + 9);
      const int d = digitAt(x, y);
      p += !inside ? ' ' : d == 0 ? '.' : static_cast<char>('0' + d);
    }
    p += '\n';
  }
  return p;
}

// ---------------------------------------------------------------- show

class ToolShow : public ::testing::Test {
 protected:
  void SetUp() override {
    GameState s;
    s.board = testing::solvedField();
    s.board[cellIndex(5, 5, 5)] = 0;  // the centre of the figure: empty
    // The lower copy of the box grids 1 and 2 share says otherwise: the upper copy shows.
    for (int col = 7; col <= 9; ++col)
      for (int row = 1; row <= 3; ++row) s.board[cellIndex(2, col, row)] = 0;
    // The one clue: the bottom corner of the figure, as the board holds it.
    s.givens[cellIndex(9, 9, 9)] = s.board[cellIndex(9, 9, 9)];
    SeededRandom random(1);
    ASSERT_TRUE(saveSlot(dir.file("p.trx"), 2, s, random).ok);
  }
  TempDirectory dir;
};

TEST_F(ToolShow, BoardPicture) {
  const ToolRun r = runTool(dir, "show '" + dir.file("p.trx") + "' 2");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            picture([](int x, int y) { return x == 16 && y == 16 ? 0 : solvedDigit(x, y); }));
  EXPECT_EQ(lineCount(r.out), 33);
}

TEST_F(ToolShow, GivensPicture) {
  const ToolRun r = runTool(dir, "show --givens '" + dir.file("p.trx") + "' 2");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            picture([](int x, int y) { return x == 20 && y == 32 ? solvedDigit(x, y) : 0; }));
}

TEST_F(ToolShow, EmptySlotOfTheSameFile) {
  const ToolRun r = runTool(dir, "show '" + dir.file("p.trx") + "' 0");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, picture([](int, int) { return 0; }));
}

// ---------------------------------------------------------------- solve

struct SolveCase {
  const char* name;
  int removedPerGrid;  // cells drawn at random and emptied in each grid
  bool solvable;       // what the derivation must find
};

// Failures name the case instead of dumping its bytes.
std::ostream& operator<<(std::ostream& out, const SolveCase& c) { return out << c.name; }

class ToolSolve : public ::testing::TestWithParam<SolveCase> {};

TEST_P(ToolSolve, ReportsWhatDeriveSolutionFinds) {
  TempDirectory dir;
  GameState s;
  s.board = testing::solvedField();
  SeededRandom pick(3);
  for (int g = 1; g <= 9; ++g)
    for (int k = 0; k < GetParam().removedPerGrid; ++k)
      s.board[cellIndex(g, 1 + pick.randomInt(9), 1 + pick.randomInt(9))] = 0;
  syncSharedBoxes(s);  // the upper copies lead
  s.givens = s.board;
  SeededRandom random(2);
  ASSERT_TRUE(saveSlot(dir.file("s.trx"), 1, s, random).ok);

  // The same derivation in this process tells what the tool must print.
  GameState expected;
  ASSERT_EQ(loadSlot(dir.file("s.trx"), 1, expected).status, LoadStatus::Loaded);
  const int passes = deriveSolution(expected);

  const ToolRun r = runTool(dir, "solve '" + dir.file("s.trx") + "' 1");
  EXPECT_EQ(r.code, 0) << r.err;
  std::ostringstream tail;
  tail << (expected.notSolvable ? "not solvable" : "solved") << "\npasses " << passes << "\n";
  ASSERT_EQ(lineCount(r.out), 35) << r.out;
  EXPECT_EQ(r.out.substr(33 * 34), tail.str());
  EXPECT_EQ(expected.notSolvable, !GetParam().solvable);
  if (GetParam().solvable) {
    EXPECT_EQ(r.out.substr(0, 33 * 34), picture(solvedDigit));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolSolve,
                         ::testing::Values(SolveCase{"FewGaps", 3, true},
                                           SolveCase{"ManyGaps", 40, true},
                                           SolveCase{"AlmostEmpty", 400, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// On the sixteen shipped puzzles the tool reports exactly what the literal whole-field
// derivation finds: the same solution picture, the same verdict, the same passes.
TEST(ToolSolveShipped, AgreesWithTheLiteralDerivation) {
  TempDirectory dir;
  for (int level = 0; level < 4; ++level)
    for (int slot = 0; slot < slotCount; ++slot) {
      SCOPED_TRACE(levelFileName(level) + " slot " + std::to_string(slot));
      const std::string path = std::string(TESSARIX_DATA_DIR) + "/" + levelFileName(level);
      GameState literal;
      ASSERT_EQ(loadSlot(path, slot, literal).status, LoadStatus::Loaded);
      const int passes = reference::deriveSolution(literal);
      std::string expected;
      for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 33; ++x) {
          char c = ' ';
          for (int g = 9; g >= 1; --g)  // the upper copy of a shared cell shows
            if (x >= gridOffsetX[g] && x < gridOffsetX[g] + 9 && y >= gridOffsetY[g] &&
                y < gridOffsetY[g] + 9) {
              const int d =
                  literal.solution[cellIndex(g, x - gridOffsetX[g] + 1, y - gridOffsetY[g] + 1)];
              c = d == 0 ? '.' : static_cast<char>('0' + d);
            }
          expected += c;
        }
        expected += '\n';
      }
      expected += std::string(literal.notSolvable ? "not solvable" : "solved") + "\npasses " +
                  std::to_string(passes) + "\n";
      const ToolRun r = runTool(dir, "solve '" + path + "' " + std::to_string(slot));
      EXPECT_EQ(r.code, 0) << r.err;
      EXPECT_EQ(r.out, expected);
    }
}

TEST(ToolSolveEmpty, EmptyBoardIsNotSolvable) {
  TempDirectory dir;
  SeededRandom random(2);
  ASSERT_TRUE(saveSlot(dir.file("e.trx"), 0, GameState{}, random).ok);
  const ToolRun r = runTool(dir, "solve '" + dir.file("e.trx") + "' 0");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("\nnot solvable\npasses "), std::string::npos) << r.out;
}

// ---------------------------------------------------------------- errors and usage

struct ErrorCase {
  const char* name;
  const char* arguments;  // {} stands for the file in the temporary directory
  int code;
  const char* mention = "";  // a part of what the error says
};

// Failures name the case instead of dumping its bytes.
std::ostream& operator<<(std::ostream& out, const ErrorCase& c) { return out << c.name; }

class ToolErrors : public ::testing::TestWithParam<ErrorCase> {
 protected:
  void SetUp() override {
    std::vector<uint8_t> corrupt(48729, 0);
    corrupt[2000 + 123] = 42;  // slot 1's board
    testing::writeBytes(dir.file("corrupt.trx"), corrupt);
    testing::writeBytes(dir.file("short.trx"), std::vector<uint8_t>(3000, 0));
    // Slot 2 holds the clue 5 twice in the top row of grid 1.
    std::vector<uint8_t> clash(48729, 0);
    for (int col : {1, 2}) {
      clash[4000 + cellIndex(1, col, 1)] = 5;
      clash[5000 + cellIndex(1, col, 1)] = 5;
    }
    testing::writeBytes(dir.file("clash.trx"), clash);
    testing::writeBytes(dir.file("good.trx"), std::vector<uint8_t>(48729, 0));
    std::filesystem::create_directory(dir.file("folder.trx"));
  }
  TempDirectory dir;
};

TEST_P(ToolErrors, ExitCodeAndMessage) {
  const ErrorCase c = GetParam();
  std::string arguments = c.arguments;
  for (size_t at; (at = arguments.find("{}")) != std::string::npos;)
    arguments.replace(at, 2, dir.path().string());
  const ToolRun r = runTool(dir, arguments);
  EXPECT_EQ(r.code, c.code) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(c.mention), std::string::npos) << r.err;
  if (c.code == 1) {
    EXPECT_EQ(lineCount(r.err), 1) << r.err;
    EXPECT_EQ(r.err.rfind("tessarix-puzzles: ", 0), 0u) << r.err;
    // One language, and a slot is named as it was given, never as the game's "Nr."
    for (const char* word : {"Datei", "Brett", "Nr."})
      EXPECT_EQ(r.err.find(word), std::string::npos) << r.err;
  } else {
    EXPECT_NE(r.err.find("usage: tessarix-puzzles"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("show FILE SLOT"), std::string::npos) << r.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolErrors,
    ::testing::Values(
        ErrorCase{"MissingFile", "show {}/none.trx 0", 1, "none.trx does not exist"},
        ErrorCase{"MissingFileSolve", "solve {}/none.trx 0", 1, "none.trx does not exist"},
        ErrorCase{"CorruptSlot", "show {}/corrupt.trx 1", 1, "slot 1 of "},
        ErrorCase{"ClashingClues", "show {}/clash.trx 2", 1,
                  "clash.trx is damaged (its clues break the rules)"},
        ErrorCase{"CorruptSlotSolve", "solve {}/corrupt.trx 1", 1, "corrupt.trx is damaged"},
        ErrorCase{"TooShort", "show {}/short.trx 1", 1, "short.trx is too short for slot 1"},
        ErrorCase{"Directory", "show {}/folder.trx 0", 1, "folder.trx cannot be read"},
        ErrorCase{"SlotFour", "show {}/good.trx 4", 1, "slot 4 does not exist"},
        ErrorCase{"SlotBelowZero", "solve {}/good.trx -1", 1, "slot -1 does not exist"},
        ErrorCase{"NoArguments", "", 2}, ErrorCase{"UnknownCommand", "frobnicate {}/good.trx 0", 2},
        ErrorCase{"SlotMissing", "show {}/good.trx", 2},
        ErrorCase{"SlotNotANumber", "show {}/good.trx zwei", 2},
        ErrorCase{"TooManyWords", "solve {}/good.trx 0 1", 2},
        ErrorCase{"UnknownOption", "show --clues {}/good.trx 0", 2},
        // A slot number too large for any integer is still a slot number.
        ErrorCase{"SlotHuge", "show {}/good.trx 99999999999", 1, "slot 99999999999 does not exist"},
        ErrorCase{"SlotHugeSolve", "solve {}/good.trx -99999999999999999999", 1, "does not exist"},
        ErrorCase{"SlotHugeShuffle", "shuffle {}/good.trx 0 {}/o.trx 99999999999", 1,
                  "does not exist"},
        // An option is given once; after a lone -- every word is a file or slot.
        ErrorCase{"GivensTwice", "show --givens {}/good.trx 0 --givens", 2,
                  "--givens is given twice"},
        ErrorCase{"SeedTwice", "shuffle {}/good.trx 0 {}/o.trx 0 --seed 1 --seed 2", 2,
                  "--seed is given twice"},
        ErrorCase{"OptionAfterTheEnd", "show -- {}/good.trx 0 --givens", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolUsage, HelpGoesToStandardOutput) {
  TempDirectory dir;
  const ToolRun r = runTool(dir, "--help");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("show FILE SLOT [--givens]"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("solve FILE SLOT"), std::string::npos) << r.out;
  EXPECT_EQ(r.err, "");
  // Every subcommand and every option the tool takes is named.
  for (const char* word : {"generate ", "show ", "shuffle ", "solve ", "--level", "--seed",
                           "--givens", "--free", "--help", " -- "})
    EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST(ToolFiles, CorruptSlotNamesTheFileAndLeavesItAlone) {
  TempDirectory dir;
  std::vector<uint8_t> corrupt(48729, 0);
  corrupt[7999] = 10;
  testing::writeBytes(dir.file("brett.trx"), corrupt);
  const ToolRun r = runTool(dir, "show '" + dir.file("brett.trx") + "' 3");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("brett.trx"), std::string::npos) << r.err;
  EXPECT_EQ(testing::readBytes(dir.file("brett.trx")), corrupt);
}

}  // namespace
}  // namespace tessarix
