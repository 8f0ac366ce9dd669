// Reading a file whole or in part, and replacing a file safely: the new contents go to a
// temporary file beside it, which is then renamed over the old one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessarix {

enum class ReadStatus { Ok, Missing, Failed };

struct FileRead {
  ReadStatus status = ReadStatus::Failed;
  std::vector<uint8_t> bytes;  // the first bytes of the file, at most the limit asked for
  uint64_t size = 0;           // the whole length of the file
};

// Reads at most maxBytes from the start of the regular file at path (a symbolic link to one
// is read too). A path that does not exist, or a link that leads nowhere, is Missing. A
// directory, a FIFO, a device or a file that cannot be read is Failed; its type is checked
// before it is opened, so a FIFO never blocks the reader.
FileRead readFilePrefix(const std::string& path, uint64_t maxBytes);

enum class WriteStatus {
  Written,
  NotAFile,  // a symbolic link, directory, FIFO or device stands at path; it is left alone
  Failed,    // the temporary file could not be made, written, synced or renamed
};

// How far a write waits for the disk. Synced: the new file and the rename are on the disk
// before the write returns (a saved board, the hall of fame). Ordered: no wait; the rename
// still replaces the old file whole for any process, and file systems that order a replacing
// rename after its data (ext4's default) keep it whole through a power cut too. For a file
// written after every move, where a wait of milliseconds on a slow disk would be felt.
enum class Durability { Synced, Ordered };

// Writes bytes to a new temporary file in the directory of path, created exclusively under a
// fresh name, and renames it over path. Only a regular file (or no file) at path is replaced:
// anything else, a symbolic link above all, is refused, so nothing is ever written through a
// link. On failure the old file stays as it was and no temporary file is left behind. The
// new file takes the old one's permissions (0644 when there was none).
WriteStatus writeReplacing(const std::string& path, const std::vector<uint8_t>& bytes,
                           Durability durability = Durability::Synced);

// Tests of a crash in mid-save set this: it runs once the temporary file is written and
// synced, just before the rename. The game never sets it.
extern void (*beforeReplaceForTests)();

// writeReplacing for callers that only need to know whether it worked.
inline bool replaceFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  return writeReplacing(path, bytes) == WriteStatus::Written;
}

}  // namespace tessarix
