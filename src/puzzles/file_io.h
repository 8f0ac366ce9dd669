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

// Reads at most maxBytes from the start of the regular file at path. A path that does not
// exist is Missing; a directory, a device or a file that cannot be read is Failed.
FileRead readFilePrefix(const std::string& path, uint64_t maxBytes);

// Writes bytes to a new temporary file in the directory of path and renames it over path.
// On failure the old file stays as it was, no temporary file is left behind, and false is
// returned. The new file takes the old one's permissions (0644 when there was none).
bool replaceFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tessarix
