// Reading a file whole or in part, and replacing a file safely.
#include "puzzles/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace tessarix {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a late write error shows here).
  bool close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, const uint8_t* data, size_t length) {
  while (length > 0) {
    ssize_t n = ::write(fd, data, length);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    length -= static_cast<size_t>(n);
  }
  return true;
}

std::string directoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

FileRead readFilePrefix(const std::string& path, uint64_t maxBytes) {
  FileRead result;
  // The type first: opening a FIFO for reading would wait for a writer that never comes.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    return result;
  }
  if (!S_ISREG(info.st_mode)) return result;
  // Should a FIFO have taken the file's place since, O_NONBLOCK still opens it at once, and
  // the second look at the type refuses it.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    return result;
  }
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return result;
  result.size = static_cast<uint64_t>(info.st_size);
  const uint64_t wanted = result.size < maxBytes ? result.size : maxBytes;
  result.bytes.resize(static_cast<size_t>(wanted));
  size_t done = 0;
  while (done < result.bytes.size()) {
    ssize_t n = ::read(fd.get(), result.bytes.data() + done, result.bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return result;
    if (n == 0) break;  // the file shrank meanwhile: keep what is there
    done += static_cast<size_t>(n);
  }
  result.bytes.resize(done);
  if (done < wanted) result.size = done;
  result.status = ReadStatus::Ok;
  return result;
}

void (*beforeReplaceForTests)() = nullptr;

WriteStatus writeReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                           Durability durability) {
  const bool synced = durability == Durability::Synced;
  if (path.empty() || path.back() == '/') return WriteStatus::NotAFile;
  mode_t mode = 0644;
  struct stat old {};
  // lstat: a symbolic link is judged as the link, never as what it points to.
  if (::lstat(path.c_str(), &old) == 0) {
    if (!S_ISREG(old.st_mode)) return WriteStatus::NotAFile;
    mode = old.st_mode & 0777;
  } else if (errno != ENOENT) {
    return WriteStatus::Failed;
  }

  // mkostemp creates the file new and exclusive (O_CREAT | O_EXCL), so a link planted under
  // the temporary name is never followed; the name is fresh each time.
  std::string temporary = directoryOf(path) + "/." + baseNameOf(path) + ".XXXXXX";
  Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (fd.get() < 0) return WriteStatus::Failed;
  bool ok = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), bytes.data(), bytes.size()) &&
            (!synced || ::fsync(fd.get()) == 0);
  ok = fd.close() && ok;
  if (ok && beforeReplaceForTests != nullptr) beforeReplaceForTests();
  // rename replaces the name at path, whatever now stands there, and never writes through it.
  if (ok) ok = ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return WriteStatus::Failed;
  }
  // The rename itself lasts only once the directory is on disk too.
  if (!synced) return WriteStatus::Written;
  Descriptor directory(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return WriteStatus::Written;
}

}  // namespace tessarix
