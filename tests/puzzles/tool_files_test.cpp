// tessarix-puzzles against files that are not what they should be: FIFOs as input or output
// are refused at once, "generate" writes its file once and whole, and a write that fails
// leaves the old file byte for byte, saying so only when there was one.
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <ostream>

#include <gtest/gtest.h>

#include "support/child_run.h"
#include "support/fifo_deadline.h"
#include "support/temp_directory.h"

namespace tessarix {
namespace {

namespace fs = std::filesystem;
using testing::ChildRun;
using testing::TempDirectory;

ChildRun tool(const TempDirectory& dir, const std::vector<std::string>& args) {
  return testing::runChild(TESSARIX_PUZZLES_TOOL, args, {}, dir.path().string(), dir,
                           std::chrono::seconds(20));
}

std::vector<std::string> sortedEntries(const TempDirectory& dir) {
  std::vector<std::string> names = dir.entries();
  std::sort(names.begin(), names.end());
  return names;
}

struct FifoCase {
  const char* name;
  std::vector<std::string> args;  // "fifo" is the FIFO, "in.trx" a good level file
};

std::ostream& operator<<(std::ostream& out, const FifoCase& c) { return out << c.name; }

class ToolFifo : public ::testing::TestWithParam<FifoCase> {};

TEST_P(ToolFifo, IsRefusedAtOnceAndLeftAsItWas) {
  TempDirectory dir;
  fs::copy_file(std::string(TESSARIX_DATA_DIR) + "/mittel.trx", dir.file("in.trx"));
  ASSERT_TRUE(testing::makeFifo(dir.file("fifo")));
  const ChildRun r = tool(dir, GetParam().args);
  ASSERT_FALSE(r.timedOut) << "the tool waited on the FIFO";
  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find("fifo"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
  EXPECT_EQ(sortedEntries(dir), (std::vector<std::string>{"fifo", "in.trx"}));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ToolFifo,
    ::testing::Values(FifoCase{"ShowIn", {"show", "fifo", "0"}},
                      FifoCase{"SolveIn", {"solve", "fifo", "1"}},
                      FifoCase{"ShuffleIn", {"shuffle", "fifo", "0", "out.trx", "0"}},
                      FifoCase{"ShuffleOut",
                               {"shuffle", "in.trx", "0", "fifo", "0", "--seed", "1"}},
                      FifoCase{"GenerateOut", {"generate", "--level", "0", "--seed", "1", "fifo"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Over an existing file, generate replaces it exactly once: no moment holds some new slots
// and some old or empty ones.
TEST(GenerateFile, IsWrittenOnceWhole) {
  TempDirectory dir;
  fs::copy_file(std::string(TESSARIX_DATA_DIR) + "/schwer.trx", dir.file("out.trx"));
  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, dir.path().c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);

  const ChildRun r = tool(dir, {"generate", "--level", "leicht", "--seed", "5", "out.trx"});
  ASSERT_EQ(r.code, 0) << r.err;

  int renamedOver = 0, writtenDirectly = 0;
  alignas(inotify_event) char buffer[16384];
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
    for (char* p = buffer; p < buffer + n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(p);
      if (e->len > 0 && std::string(e->name) == "out.trx") {
        renamedOver += (e->mask & IN_MOVED_TO) != 0;
        writtenDirectly += (e->mask & IN_CLOSE_WRITE) != 0;
      }
      p += sizeof(inotify_event) + e->len;
    }
  ::close(watch);
  EXPECT_EQ(renamedOver, 1);
  EXPECT_EQ(writtenDirectly, 0);
  EXPECT_EQ(fs::file_size(dir.file("out.trx")), 48729u);
}

// A write that fails (a file size limit, as a full disk would) leaves no temporary file and,
// where there was an old file, leaves it whole and says so; where there was none, it does not
// speak of one.
struct FailedWriteCase {
  const char* name;
  std::vector<std::string> args;
  bool oldFile;  // out.trx is there before
};

std::ostream& operator<<(std::ostream& out, const FailedWriteCase& c) { return out << c.name; }

class FailedWrite : public ::testing::TestWithParam<FailedWriteCase> {};

TEST_P(FailedWrite, SaysTrulyWhatBecameOfTheOldFile) {
  const FailedWriteCase& c = GetParam();
  TempDirectory dir;
  fs::copy_file(std::string(TESSARIX_DATA_DIR) + "/leicht.trx", dir.file("in.trx"));
  if (c.oldFile) fs::copy_file(std::string(TESSARIX_DATA_DIR) + "/extrem.trx", dir.file("out.trx"));
  const std::vector<uint8_t> old =
      c.oldFile ? testing::readBytes(dir.file("out.trx")) : std::vector<uint8_t>{};
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // kept across exec: the write fails
  struct rlimit small = saved;
  small.rlim_cur = 20000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ChildRun r = tool(dir, c.args);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(r.code, 1) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find("out.trx could not be written"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("the old file stays unchanged") != std::string::npos, c.oldFile) << r.err;
  EXPECT_EQ(r.out, "");
  if (c.oldFile) {
    EXPECT_EQ(testing::readBytes(dir.file("out.trx")), old);
  }
  EXPECT_EQ(sortedEntries(dir), c.oldFile ? (std::vector<std::string>{"in.trx", "out.trx"})
                                          : (std::vector<std::string>{"in.trx"}));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailedWrite,
    ::testing::Values(
        FailedWriteCase{
            "GenerateOverAFile", {"generate", "--level", "0", "--seed", "2", "out.trx"}, true},
        FailedWriteCase{
            "GenerateNew", {"generate", "--level", "0", "--seed", "2", "out.trx"}, false},
        FailedWriteCase{
            "ShuffleOverAFile", {"shuffle", "in.trx", "0", "out.trx", "3", "--seed", "1"}, true},
        FailedWriteCase{
            "ShuffleNew", {"shuffle", "in.trx", "0", "out.trx", "3", "--seed", "1"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The shipped level files are what the generator makes from seed 1, byte for byte.
TEST(GenerateFile, RemakesTheShippedLevelFiles) {
  TempDirectory dir;
  for (const char* level : {"leicht", "mittel", "schwer", "extrem"}) {
    const std::string name = std::string(level) + ".trx";
    const ChildRun r = tool(dir, {"generate", "--level", level, "--seed", "1", name});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(testing::readBytes(dir.file(name)),
              testing::readBytes(std::string(TESSARIX_DATA_DIR) + "/" + name))
        << name;
  }
}

}  // namespace
}  // namespace tessarix
