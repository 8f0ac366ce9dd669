// A change to the hall of fame made to the file as it is now, under a lock on its directory.
#include "extras/shared_fame_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace tessarix {

namespace {

// An advisory lock on a directory, held while the object lives. Every copy of the game takes
// it around its read and write of the file, so no two changes interleave. A directory that
// cannot be opened is not locked: the change is made as before, by one copy's reading.
class DirectoryLock {
 public:
  explicit DirectoryLock(const std::filesystem::path& dir)
      : fd_(open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) return;
    while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
  ~DirectoryLock() {
    if (fd_ >= 0) close(fd_);  // closing the descriptor lets the lock go
  }
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;

 private:
  int fd_;
};

}  // namespace

FameFileResult changeHallOfFame(HallOfFame& h, const std::string& path,
                                const std::function<void(HallOfFame&)>& change, bool keepFile) {
  if (keepFile) {
    change(h);
    return storeHallOfFame(h, path, true);
  }
  const DirectoryLock lock(std::filesystem::path(path).parent_path());
  HallOfFame now = h;  // rank 0 is the tables' own
  FameFileResult read = loadHallOfFame(now, path);
  if (!read.ok) {
    // Unreadable or damaged since the start, by hand or by another program: left as it is.
    change(h);
    read.keepFile = true;
    read.message = "Die Datei " + path +
                   " ist nicht mehr lesbar oder beschädigt und bleibt unverändert; " +
                   "die Ruhmeshalle gilt bis zum Programmende.";
    return read;
  }
  change(now);
  h = now;
  return saveHallOfFame(h, path);
}

}  // namespace tessarix
