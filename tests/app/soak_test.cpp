// A long random game: hundreds of thousands of pointer moves, clicks, keys, menu commands and
// dialog answers, seeded, with the game's invariants checked after every one of them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>

#include "app_fixture.h"
#include "support/random_player.h"

namespace tessarix::testing {
namespace {

namespace fs = std::filesystem;

int64_t environmentNumber(const char* name, int64_t otherwise) {
  const char* v = std::getenv(name);
  return v ? std::atoll(v) : otherwise;
}

class Soak : public GameDirectoryTest {
 protected:
  void SetUp() override {
    // The game keeps its game in progress after nearly every event: on a memory file system
    // where there is one, so that the run measures the game and not the disk.
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0)
      ::setenv("TMPDIR", "/dev/shm", 1);
    GameDirectoryTest::SetUp();
    for (int level = 0; level < 4; ++level) {
      const std::string name = levelFileName(level);
      fs::copy_file(fs::path(TESSARIX_DATA_DIR) / name, dir_ / name);
    }
  }
};

// TESSARIX_SOAK_SEED replays a run; TESSARIX_SOAK_EVENTS shortens it (the sanitized build).
TEST_F(Soak, RandomPlayKeepsEveryInvariant) {
  const auto seed = static_cast<uint32_t>(environmentNumber("TESSARIX_SOAK_SEED", 20261210));
  const int64_t total = environmentNumber("TESSARIX_SOAK_EVENTS", 200000);
  std::mt19937 rng(seed);
  RandomPlayer player([&rng](uint32_t n) { return rng() % n; });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(110);
  std::array<int64_t, 3> inMode{};
  int64_t event = 0;
  for (; event < total; ++event) {
    player.step();
    const std::string broken = player.check();
    ASSERT_TRUE(broken.empty()) << "seed " << seed << ", event " << event << " ("
                                << player.lastEvent() << "): " << broken;
    ++inMode[static_cast<int>(player.game().mode())];
    if (std::chrono::steady_clock::now() > deadline) break;
  }
  EXPECT_TRUE(player.levelFilesUnchanged());
  const ScriptedPlatform& p = player.platform();
  std::cout << "soak: seed " << seed << ", " << event << " events, " << player.restarts()
            << " restarts, " << p.championPrompts.size() << " champion names asked, "
            << player.fameWrites() << " hall-of-fame writes, " << p.printJobs.size()
            << " print jobs; events in idle / play / own board " << inMode[0] << " / " << inMode[1]
            << " / " << inMode[2] << "\n";
  // The run reached every mode and the hall of fame, and was not cut short by its deadline.
  for (int64_t n : inMode) EXPECT_GT(n, 0);
  EXPECT_GT(p.championPrompts.size(), 0u);
  EXPECT_EQ(event, total) << "the soak ran out of time";
}

}  // namespace
}  // namespace tessarix::testing
