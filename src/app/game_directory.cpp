// Finding, creating and seeding the game directory.
#include "app/game_directory.h"

#include <cstdint>
#include <system_error>

#include "puzzles/file_io.h"

namespace tessarix {

namespace fs = std::filesystem;

fs::path defaultGameDirectory(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && *xdgDataHome != '\0' && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / "tessarix";
  if (home != nullptr && fs::path(home).is_absolute())
    return fs::path(home) / ".local" / "share" / "tessarix";
  return {};
}

std::string noGameDirectoryMessage() {
  return "Kein Spielverzeichnis: HOME ist leer und XDG_DATA_HOME nicht gesetzt; bitte mit "
         "--dir VERZEICHNIS eines angeben.";
}

std::string prepareGameDirectory(const fs::path& dir, const std::vector<ShippedFile>& shipped) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir, ec))
    return "Das Spielverzeichnis " + dir.string() + " kann nicht angelegt werden.";
  for (const ShippedFile& file : shipped) {
    // Bare names only: a shipped file never lands outside the game directory.
    if (file.name.empty() || file.name.find('/') != std::string::npos || file.name == "." ||
        file.name == "..")
      continue;
    // Whatever stands under the name, even a link that leads nowhere, is the player's and
    // stays; only a name that is free gets the shipped file.
    const fs::path target = dir / file.name;
    if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) continue;
    // Written through a fresh temporary file, so an interrupted seeding never leaves half a
    // file. A directory that takes no new file (read-only) still serves the game: the level
    // whose file is missing says so when it is dealt.
    replaceFile(target.string(), std::vector<uint8_t>(file.bytes.begin(), file.bytes.end()));
  }
  return {};
}

}  // namespace tessarix
