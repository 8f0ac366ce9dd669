// The kept game on disk: read without following a link or waiting on a FIFO, written through a
// temporary file, set aside by a rename that never replaces, owned through an advisory lock.
#include "app/kept_game_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "puzzles/file_io.h"

namespace tessarix {

namespace {

// More than any real game writes (a long game with its history is some hundred kilobytes).
constexpr uint64_t mostBytes = uint64_t{64} << 20;

}  // namespace

KeptGameFile::KeptGameFile(std::string path, std::string lockPath)
    : path_(std::move(path)), lockPath_(std::move(lockPath)) {}

KeptGameFile::~KeptGameFile() {
  if (lockFd_ >= 0) ::close(lockFd_);  // the lock goes with the descriptor
}

KeptGameFile::Ownership KeptGameFile::takeOwnership() {
  if (lockFd_ >= 0) return Ownership::Owned;
  // The lock file is never followed through a link, never waits on a FIFO, and is only ever
  // read (a lock needs no more, and nothing stays open for writing).
  const int flags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  int fd = ::open(lockPath_.c_str(), flags | O_CREAT, 0644);
  if (fd < 0) fd = ::open(lockPath_.c_str(), flags);
  if (fd < 0) return Ownership::Owned;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return Ownership::Owned;
  }
  int locked;
  while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
  }
  if (locked != 0) {
    const bool elsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return elsewhere ? Ownership::HeldElsewhere : Ownership::Owned;
  }
  lockFd_ = fd;
  return Ownership::Owned;
}

KeptGameFile::Read KeptGameFile::read() const {
  Read result;
  struct stat info {};
  if (::lstat(path_.c_str(), &info) != 0) {
    if (errno == ENOENT) return result;
    result.status = Read::Status::Damaged;
    result.why = "nicht zugänglich";
    return result;
  }
  result.status = Read::Status::Damaged;
  if (S_ISLNK(info.st_mode)) {
    result.why = "ein Verweis statt einer Datei";
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.why = "keine gewöhnliche Datei";
    return result;
  }
  if (static_cast<uint64_t>(info.st_size) > mostBytes) {
    result.why = "zu groß";
    return result;
  }
  const FileRead file = readFilePrefix(path_, mostBytes);
  if (file.status != ReadStatus::Ok) {
    result.why = "nicht lesbar";
    return result;
  }
  const std::string bytes(file.bytes.begin(), file.bytes.end());
  result.game = decodeKeptGame(bytes, result.why);
  if (result.game) result.status = Read::Status::Game;
  return result;
}

std::optional<std::string> KeptGameFile::setAside() const {
  for (int n = 1; n <= 99; ++n) {
    std::string aside = path_ + ".unlesbar";
    if (n > 1) aside += "-" + std::to_string(n);
    // RENAME_NOREPLACE: a name already taken is never replaced, a link is moved as a link.
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
      return aside;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool KeptGameFile::write(const std::string& bytes) const {
  // Written after every move: no wait for the disk (see Durability::Ordered).
  return writeReplacing(path_, std::vector<uint8_t>(bytes.begin(), bytes.end()),
                        Durability::Ordered) == WriteStatus::Written;
}

void KeptGameFile::remove() const {
  struct stat info {};
  // Only the game's own file goes; whatever else stands there now is left alone.
  if (::lstat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(path_.c_str());
}

}  // namespace tessarix
