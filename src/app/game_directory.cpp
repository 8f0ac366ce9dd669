// Finding, creating and seeding the game directory.
#include "app/game_directory.h"

#include <fstream>
#include <system_error>

namespace tessarix {

namespace fs = std::filesystem;

fs::path defaultGameDirectory(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && *xdgDataHome != '\0' && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / "tessarix";
  if (home != nullptr && *home != '\0') return fs::path(home) / ".local" / "share" / "tessarix";
  return fs::path("tessarix");
}

namespace {

// Written to a temporary file beside the target and renamed over it, so that an interrupted
// seeding never leaves half a level file behind.
bool writeWhole(const fs::path& target, const std::string& bytes) {
  fs::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) fs::remove(temp, ec);
  return !ec;
}

}  // namespace

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
    const fs::path target = dir / file.name;
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    if (!writeWhole(target, file.bytes))
      return "Die Datei " + file.name + " kann im Spielverzeichnis " + dir.string() +
             " nicht angelegt werden.";
  }
  return {};
}

}  // namespace tessarix
