// Two copies of the game on one game directory, each with the hall of fame it read at its
// start: entries and cleared levels of either reach the file without wiping the other's, and a
// change waits for the lock another copy holds.
#include "extras/shared_fame_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "extras/champion.h"
#include "support/temp_directory.h"

namespace tessarix {
namespace {

using testing::TempDirectory;

class NamePrompt : public ChampionPrompt {
 public:
  explicit NamePrompt(std::string name) : name_(std::move(name)) {}
  Answer askChampionName(const std::string&) override { return {true, name_}; }

 private:
  std::string name_;
};

// One copy of the game: its tables, read from the file when it started.
struct Copy {
  HallOfFame h;
  std::string path;
  explicit Copy(std::string file) : path(std::move(file)) { EXPECT_TRUE(loadHallOfFame(h, path).ok); }
  void enter(const std::string& name, int level, const std::string& time) {
    std::string last;
    NamePrompt prompt(name);
    const ChampionResult r = recordChampion(h, level, time, "11.12.2026", last, prompt, path);
    EXPECT_TRUE(r.file.ok) << r.file.message;
  }
  void clear(int level) {
    const FameFileResult r =
        changeHallOfFame(h, path, [level](HallOfFame& t) { clearHallOfFameLevel(t, level); }, false);
    EXPECT_TRUE(r.ok) << r.message;
  }
};

HallOfFame fileOf(const std::string& path) {
  HallOfFame h;
  EXPECT_TRUE(loadHallOfFame(h, path).ok);
  return h;
}

TEST(SharedFameFile, TwoCopiesKeepEachOthersChampions) {
  TempDirectory dir;
  const std::string path = dir.file("Champions.Rhm");
  Copy a(path), b(path);  // both started before either wrote

  a.enter("Anna", 0, "00:10:00.0");
  b.enter("Bert", 0, "00:05:00.0");  // faster: ranked before Anna, whom b never read
  b.enter("Bea", 2, "01:00:00.0");
  HallOfFame file = fileOf(path);
  EXPECT_EQ(file.fameNames[1][0], "Bert");
  EXPECT_EQ(file.fameNames[2][0], "Anna");
  EXPECT_EQ(file.fameNames[1][2], "Bea");

  // a clears the easy level: b's entry of another level stays.
  a.clear(0);
  a.enter("Alf", 3, "00:30:00.0");
  b.enter("Ben", 3, "00:40:00.0");
  file = fileOf(path);
  EXPECT_FALSE(fameEntryUsed(file, 1, 0));
  EXPECT_EQ(file.fameNames[1][2], "Bea");
  EXPECT_EQ(file.fameNames[1][3], "Alf");
  EXPECT_EQ(file.fameNames[2][3], "Ben");
  // Each copy's tables end as the file it last wrote.
  EXPECT_EQ(b.h.fameNames, file.fameNames);
  EXPECT_EQ(b.h.fameTimes, file.fameTimes);
}

TEST(SharedFameFile, AChangeWaitsForTheLockOfAnotherCopy) {
  TempDirectory dir;
  const std::string path = dir.file("Champions.Rhm");
  HallOfFame h;
  resetHallOfFame(h);
  const int held = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  std::atomic<bool> done = false;
  std::thread change([&] {
    changeHallOfFame(
        h, path, [](HallOfFame& t) { insertChampion(t, 1, 1, "Carla", "11.12.2026", "00:01:00.0"); },
        false);
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(done);  // still waiting for the lock
  close(held);
  change.join();
  EXPECT_TRUE(done);
  EXPECT_EQ(fileOf(path).fameNames[1][1], "Carla");
}

// A file damaged since the start is not written over: the change holds for this run only.
TEST(SharedFameFile, AFileDamagedMeanwhileIsLeftAsItIs) {
  TempDirectory dir;
  const std::string path = dir.file("Champions.Rhm");
  Copy a(path);
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("kaputt\n", f);
    std::fclose(f);
  }
  const FameFileResult r = changeHallOfFame(
      a.h, path, [](HallOfFame& t) { insertChampion(t, 0, 1, "Dora", "11.12.2026", "00:02:00.0"); },
      false);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.keepFile);
  EXPECT_NE(r.message.find("Champions.Rhm"), std::string::npos);
  EXPECT_EQ(a.h.fameNames[1][0], "Dora");
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  char line[32] = {};
  ASSERT_NE(std::fgets(line, sizeof line, f), nullptr);
  std::fclose(f);
  EXPECT_STREQ(line, "kaputt\n");
}

}  // namespace
}  // namespace tessarix
