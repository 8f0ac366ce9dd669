// Where the game keeps its files and how the directory is seeded; where the window opens.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <fstream>
#include <iterator>

#include "app/game_directory.h"
#include "app/window_placement.h"
#include "app_fixture.h"

namespace tessarix::testing {
namespace {

struct DirectoryCase {
  const char* xdg;
  const char* home;
  const char* expected;
};

class DefaultDirectory : public ::testing::TestWithParam<DirectoryCase> {};

TEST_P(DefaultDirectory, FollowsXdgDataHomeThenHome) {
  const DirectoryCase& c = GetParam();
  EXPECT_EQ(defaultGameDirectory(c.xdg, c.home).string(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DefaultDirectory,
    ::testing::Values(DirectoryCase{"/data", "/home/anna", "/data/tessarix"},
                      DirectoryCase{nullptr, "/home/anna", "/home/anna/.local/share/tessarix"},
                      DirectoryCase{"", "/home/anna", "/home/anna/.local/share/tessarix"},
                      // a relative XDG_DATA_HOME is invalid and ignored
                      DirectoryCase{"rel/data", "/home/anna", "/home/anna/.local/share/tessarix"},
                      // No home: no default, rather than a "tessarix" wherever the game started.
                      DirectoryCase{nullptr, nullptr, ""}, DirectoryCase{nullptr, "", ""},
                      DirectoryCase{"", "", ""}, DirectoryCase{"rel/data", "rel/home", ""},
                      DirectoryCase{"/data", nullptr, "/data/tessarix"}));

TEST(DefaultDirectory, WithoutOneTheGameAsksForDir) {
  const std::string said = noGameDirectoryMessage();
  for (const char* word : {"HOME", "XDG_DATA_HOME", "--dir"})
    EXPECT_NE(said.find(word), std::string::npos) << said;
  EXPECT_EQ(said.find('\n'), std::string::npos);
}

std::string readAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using SeedDirectory = GameDirectoryTest;

TEST_F(SeedDirectory, CreatesTheDirectoryAndWritesOnlyMissingFiles) {
  const std::filesystem::path dir = dir_ / "a" / "tessarix";
  ASSERT_EQ(prepareGameDirectory(dir, {{"leicht.trx", "L1"}}), "");
  EXPECT_EQ(readAll(dir / "leicht.trx"), "L1");

  // The player's own copy stays; a file still missing is added; nothing else is left behind.
  { std::ofstream(dir / "leicht.trx", std::ios::binary) << "mine"; }
  ASSERT_EQ(prepareGameDirectory(dir, {{"leicht.trx", "L2"}, {"mittel.trx", "M2"}}), "");
  EXPECT_EQ(readAll(dir / "leicht.trx"), "mine");
  EXPECT_EQ(readAll(dir / "mittel.trx"), "M2");
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 2u);
}

TEST_F(SeedDirectory, NamesWithAPathAreNeverWritten) {
  ASSERT_EQ(prepareGameDirectory(dir_ / "d", {{"../out.trx", "x"}, {"..", "x"}}), "");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "out.trx"));
}

// Links planted in the game directory: under the temporary names a seeding once used, and
// under the level files' own names. Seeding writes through none of them and replaces none.
TEST_F(SeedDirectory, NeverWritesThroughALink) {
  namespace fs = std::filesystem;
  const fs::path dir = dir_ / "d";
  fs::create_directories(dir);
  { std::ofstream(dir_ / "victim", std::ios::binary) << "precious"; }
  for (const char* planted : {"leicht.trx.tmp", ".leicht.trx.tmp", "mittel.trx"})
    fs::create_symlink(dir_ / "victim", dir / planted);
  fs::create_symlink(dir_ / "nowhere" / "schwer.trx", dir / "schwer.trx");

  ASSERT_EQ(
      prepareGameDirectory(dir, {{"leicht.trx", "L"}, {"mittel.trx", "M"}, {"schwer.trx", "S"}}),
      "");
  EXPECT_EQ(readAll(dir_ / "victim"), "precious");
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
  EXPECT_EQ(readAll(dir / "leicht.trx"), "L");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "leicht.trx")));
  for (const char* link : {"leicht.trx.tmp", ".leicht.trx.tmp", "mittel.trx", "schwer.trx"})
    EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 5u);  // the four links and the one file seeded: no temporary left
}

// A directory that takes no new file still serves the game: seeding leaves out what it cannot
// write and says nothing, and the level whose file is missing reports it when dealt. (A file
// size limit makes the write fail for every user, root included.)
TEST_F(SeedDirectory, AFileThatCannotBeWrittenIsLeftOutAndTheDirectoryServes) {
  const std::filesystem::path dir = dir_ / "d";
  std::filesystem::create_directories(dir);
  { std::ofstream(dir / "leicht.trx", std::ios::binary) << "mine"; }
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string message = prepareGameDirectory(
      dir, {{"leicht.trx", "L"}, {"mittel.trx", std::string(48729, '\1')}, {"schwer.trx", "S"}});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(message, "");
  EXPECT_EQ(readAll(dir / "leicht.trx"), "mine");
  EXPECT_FALSE(std::filesystem::exists(dir / "mittel.trx"));
  EXPECT_EQ(readAll(dir / "schwer.trx"), "S");
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 2u);
}

TEST_F(SeedDirectory, ADirectoryThatCannotBeMadeIsReported) {
  { std::ofstream(dir_ / "plain") << "a file"; }
  const std::string message = prepareGameDirectory(dir_ / "plain" / "tessarix", {});
  EXPECT_NE(message.find("plain"), std::string::npos);
}

struct PlacementCase {
  int screenWidth, screenHeight, x, y;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CentredHalvedRoundedHalfToEvenNeverNegative) {
  const PlacementCase& c = GetParam();
  const WindowPosition p = centredWindowPosition(c.screenWidth, c.screenHeight);
  EXPECT_EQ(p.x, c.x);
  EXPECT_EQ(p.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement,
                         ::testing::Values(PlacementCase{1920, 1080, 320, 53},
                                           PlacementCase{1281, 975, 0, 0},  // 0.5 -> 0
                                           PlacementCase{1283, 977, 2, 2},  // 1.5 -> 2
                                           PlacementCase{1285, 979, 2, 2},  // 2.5 -> 2
                                           PlacementCase{1287, 981, 4, 4},  // 3.5 -> 4
                                           PlacementCase{1024, 768, 0, 0},  // smaller screen
                                           PlacementCase{1280, 1024, 0, 25}));

}  // namespace
}  // namespace tessarix::testing
