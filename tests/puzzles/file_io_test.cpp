// What the file layer does when something other than a plain file stands where a file should
// be: FIFOs, directories, devices and symbolic links are read only when they are (or lead to)
// a regular file, never block the reader, and are never written through or replaced.
#include "puzzles/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <ostream>

#include <gtest/gtest.h>

#include "support/fifo_deadline.h"
#include "support/temp_directory.h"

namespace tessarix {
namespace {

namespace fs = std::filesystem;
using testing::TempDirectory;
using Bytes = std::vector<uint8_t>;

// What a case puts at dir/"target" (and, for links, the file outside it points to).
enum class Thing {
  Nothing,
  RegularFile,
  Fifo,
  Directory,
  LinkToFile,       // a link to dir/outside/file
  LinkToFifo,       // a link to a FIFO
  LinkToDirectory,  // a link to dir/outside
  DanglingLink,     // a link to dir/outside/none
  LinkToDevice,     // a link to /dev/zero: an endless stream of bytes
};

const Bytes outsideBytes = {'k', 'e', 'e', 'p'};
const Bytes targetBytes = {'o', 'l', 'd'};

void place(const TempDirectory& dir, Thing thing) {
  fs::create_directory(dir.path() / "outside");
  testing::writeBytes(dir.file("outside/file"), outsideBytes);
  ASSERT_TRUE(testing::makeFifo(dir.file("outside/fifo")));
  const fs::path target = dir.path() / "target";
  switch (thing) {
    case Thing::Nothing: break;
    case Thing::RegularFile: testing::writeBytes(target.string(), targetBytes); break;
    case Thing::Fifo: ASSERT_TRUE(testing::makeFifo(target.string())); break;
    case Thing::Directory: fs::create_directory(target); break;
    case Thing::LinkToFile: fs::create_symlink(dir.path() / "outside/file", target); break;
    case Thing::LinkToFifo: fs::create_symlink(dir.path() / "outside/fifo", target); break;
    case Thing::LinkToDirectory:
      fs::create_directory_symlink(dir.path() / "outside", target);
      break;
    case Thing::DanglingLink: fs::create_symlink(dir.path() / "outside/none", target); break;
    case Thing::LinkToDevice: fs::create_symlink("/dev/zero", target); break;
  }
}

// ---------------------------------------------------------------- reading

struct ReadCase {
  const char* name;
  Thing thing;
  ReadStatus status;
  Bytes bytes;  // what an Ok read holds
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) { return out << c.name; }

class ReadWhatStands : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadWhatStands, OnlyRegularFilesAreReadAndNothingBlocks) {
  const ReadCase& c = GetParam();
  TempDirectory dir;
  place(dir, c.thing);
  const std::string target = dir.file("target");
  FileRead read;
  const std::string fifo = dir.file(c.thing == Thing::Fifo ? "target" : "outside/fifo");
  ASSERT_TRUE(testing::returnsWithin(fifo, [&] { read = readFilePrefix(target, 1 << 20); }))
      << "the read waited on the FIFO";
  EXPECT_EQ(read.status, c.status);
  EXPECT_EQ(read.bytes, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Things, ReadWhatStands,
    ::testing::Values(ReadCase{"Nothing", Thing::Nothing, ReadStatus::Missing, {}},
                      ReadCase{"RegularFile", Thing::RegularFile, ReadStatus::Ok, targetBytes},
                      ReadCase{"Fifo", Thing::Fifo, ReadStatus::Failed, {}},
                      ReadCase{"Directory", Thing::Directory, ReadStatus::Failed, {}},
                      ReadCase{"LinkToFile", Thing::LinkToFile, ReadStatus::Ok, outsideBytes},
                      ReadCase{"LinkToFifo", Thing::LinkToFifo, ReadStatus::Failed, {}},
                      ReadCase{"LinkToDirectory", Thing::LinkToDirectory, ReadStatus::Failed, {}},
                      ReadCase{"DanglingLink", Thing::DanglingLink, ReadStatus::Missing, {}},
                      ReadCase{"LinkToDevice", Thing::LinkToDevice, ReadStatus::Failed, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFilePrefix, APathThroughAFileIsAFailureNotAMissingFile) {
  TempDirectory dir;
  testing::writeBytes(dir.file("plain"), targetBytes);
  EXPECT_EQ(readFilePrefix(dir.file("plain/inside"), 10).status, ReadStatus::Failed);
}

// ---------------------------------------------------------------- replacing

struct WriteCase {
  const char* name;
  Thing thing;
  WriteStatus status;
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) { return out << c.name; }

class ReplaceWhatStands : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ReplaceWhatStands, OnlyAPlainFileOrNothingIsReplaced) {
  const WriteCase& c = GetParam();
  TempDirectory dir;
  place(dir, c.thing);
  const std::string target = dir.file("target");
  struct stat before {};
  const bool existed = ::lstat(target.c_str(), &before) == 0;
  const Bytes fresh = {'n', 'e', 'w'};

  EXPECT_EQ(writeReplacing(target, fresh), c.status);

  // Whatever happened, nothing outside was written through a link.
  EXPECT_EQ(testing::readBytes(dir.file("outside/file")), outsideBytes);
  EXPECT_FALSE(fs::exists(dir.file("outside/none")));
  std::vector<std::string> outside;
  for (const auto& e : fs::directory_iterator(dir.path() / "outside"))
    outside.push_back(e.path().filename().string());
  std::sort(outside.begin(), outside.end());
  EXPECT_EQ(outside, (std::vector<std::string>{"fifo", "file"}));
  // No temporary file is left beside the target.
  std::vector<std::string> entries = dir.entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (c.thing == Thing::Nothing && c.status != WriteStatus::Written
                          ? std::vector<std::string>{"outside"}
                          : std::vector<std::string>{"outside", "target"}));

  struct stat after {};
  ASSERT_EQ(::lstat(target.c_str(), &after) == 0, existed || c.status == WriteStatus::Written);
  if (c.status == WriteStatus::Written) {
    EXPECT_TRUE(S_ISREG(after.st_mode));
    EXPECT_EQ(testing::readBytes(target), fresh);
  } else {
    // What stood there is still there: the same kind of thing, the same inode.
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Things, ReplaceWhatStands,
    ::testing::Values(WriteCase{"Nothing", Thing::Nothing, WriteStatus::Written},
                      WriteCase{"RegularFile", Thing::RegularFile, WriteStatus::Written},
                      WriteCase{"Fifo", Thing::Fifo, WriteStatus::NotAFile},
                      WriteCase{"Directory", Thing::Directory, WriteStatus::NotAFile},
                      WriteCase{"LinkToFile", Thing::LinkToFile, WriteStatus::NotAFile},
                      WriteCase{"LinkToFifo", Thing::LinkToFifo, WriteStatus::NotAFile},
                      WriteCase{"LinkToDirectory", Thing::LinkToDirectory, WriteStatus::NotAFile},
                      WriteCase{"DanglingLink", Thing::DanglingLink, WriteStatus::NotAFile},
                      WriteCase{"LinkToDevice", Thing::LinkToDevice, WriteStatus::NotAFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceFile, TheNewFileKeepsTheOldPermissions) {
  TempDirectory dir;
  const std::string target = dir.file("target");
  ASSERT_TRUE(replaceFile(target, targetBytes));
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  ASSERT_TRUE(replaceFile(target, {'x'}));
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace tessarix
