// The file of the game in progress in the game directory: reading it, replacing it after each
// change, setting a damaged one aside, and the lock that makes one copy of the game at a time
// its owner.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/kept_game.h"

namespace tessarix {

// The kept game's bare name in the game directory, and the lock beside it.
inline constexpr const char* keptGameFile = "Spielstand.tessarix";
inline constexpr const char* keptGameLockFile = ".Spielstand.tessarix.lock";

class KeptGameFile {
 public:
  enum class Ownership {
    Owned,        // this copy keeps the game
    HeldElsewhere // another copy on the same directory holds the lock
  };

  // Nothing is opened yet; paths are taken as given (bare names in the game directory).
  explicit KeptGameFile(std::string path = keptGameFile, std::string lockPath = keptGameLockFile);
  ~KeptGameFile();
  KeptGameFile(const KeptGameFile&) = delete;
  KeptGameFile& operator=(const KeptGameFile&) = delete;

  // Takes the lock beside the file without waiting; held until this object goes. A lock that
  // cannot be made at all (a directory nobody may write, a link in its place) does not stop
  // this copy: there is then no way to tell, and the writes say what fails.
  Ownership takeOwnership();

  struct Read {
    enum class Status { None, Game, Damaged } status = Status::None;
    std::optional<KeptGame> game;
    std::string why;  // for Damaged: what is wrong with what stands under the name
  };
  // What stands under the name: nothing, a kept game, or anything else (any bytes, a
  // directory, a FIFO, a link) as Damaged.
  Read read() const;

  // A damaged file moves aside under a new name in the same directory, never over another
  // file; the new name, or nothing when it could not be moved.
  std::optional<std::string> setAside() const;

  // The bytes replace the file whole (a temporary file renamed over it); false when that
  // failed, the old file then as it was.
  bool write(const std::string& bytes) const;
  // The file goes (a finished game); a missing file is fine.
  void remove() const;

  const std::string& path() const { return path_; }

 private:
  std::string path_, lockPath_;
  int lockFd_ = -1;
};

}  // namespace tessarix
