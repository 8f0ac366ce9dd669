// The game in a game directory where something other than a plain file stands in a file's
// place: start-up and a new game give their message and go on, never wait on a FIFO, and
// leave what was there as it was.
#include <sys/stat.h>

#include <filesystem>
#include <ostream>

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "support/fifo_deadline.h"

namespace tessarix::testing {
namespace {

namespace fs = std::filesystem;

enum class Stand { Fifo, Directory, DanglingLink, LinkToFifo };

struct StandCase {
  const char* name;
  Stand stand;
  const char* says;  // a part of the one message a new game shows
};

std::ostream& operator<<(std::ostream& out, const StandCase& c) { return out << c.name; }

// Puts the thing at dir/name; the FIFO a reader would wait on is returned.
std::string place(const fs::path& dir, const std::string& name, Stand stand) {
  const fs::path target = dir / name;
  const fs::path fifo = stand == Stand::LinkToFifo ? dir / "elsewhere.fifo" : target;
  switch (stand) {
    case Stand::Fifo: makeFifo(target.string()); break;
    case Stand::Directory: fs::create_directory(target); break;
    case Stand::DanglingLink: fs::create_symlink(dir / "gone" / name, target); break;
    case Stand::LinkToFifo:
      makeFifo(fifo.string());
      fs::create_symlink(fifo, target);
      break;
  }
  return fifo.string();
}

class LevelFileInPlace : public GameTest, public ::testing::WithParamInterface<StandCase> {};

TEST_P(LevelFileInPlace, ANewGameNamesTheFileAndGoesOn) {
  const StandCase& c = GetParam();
  const std::string fifo = place(dir_, "leicht.trx", c.stand);
  const fs::file_status before = fs::symlink_status(path("leicht.trx"));

  ASSERT_TRUE(returnsWithin(fifo, [&] { game->menuEvent(8); })) << "the new game waited";
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("leicht.trx"), std::string::npos) << platform.messages[0];
  EXPECT_NE(platform.messages[0].find(c.says), std::string::npos) << platform.messages[0];
  EXPECT_FALSE(game->state().clockRunning);
  EXPECT_FALSE(platform.ticking);
  leaveLoop();  // the loop still runs, on the board that was there

  EXPECT_EQ(fs::symlink_status(path("leicht.trx")).type(), before.type());
  EXPECT_FALSE(fs::exists(dir_ / "gone"));
}

INSTANTIATE_TEST_SUITE_P(Things, LevelFileInPlace,
                         ::testing::Values(StandCase{"Fifo", Stand::Fifo, "gelesen"},
                                           StandCase{"Directory", Stand::Directory, "gelesen"},
                                           StandCase{"DanglingLink", Stand::DanglingLink, "fehlt"},
                                           StandCase{"LinkToFifo", Stand::LinkToFifo, "gelesen"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The hall of fame is read before the window appears: a FIFO in its place must not hold the
// start-up, and stays a FIFO.
TEST_F(GameDirectoryTest, AFifoAsTheHallOfFameDoesNotHoldTheStart) {
  ScriptedPlatform platform;
  RecordingCanvas canvas;
  TextMenuBuilder menu;
  Game game(canvas, platform);
  ASSERT_TRUE(makeFifo(path("Champions.Rhm")));
  ASSERT_TRUE(returnsWithin(path("Champions.Rhm"), [&] { game.startUp(menu); }))
      << "the start-up waited";
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("Champions.Rhm"), std::string::npos) << platform.messages[0];
  EXPECT_TRUE(fs::is_fifo(path("Champions.Rhm")));
}

}  // namespace
}  // namespace tessarix::testing
