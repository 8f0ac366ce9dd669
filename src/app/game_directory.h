// The game directory: where the level files, "brett.trx" and "Champions.Rhm" live, and its
// seeding with the level files that ship with the program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tessarix {

// A file that ships inside the program: its bare name and its bytes.
struct ShippedFile {
  std::string name;
  std::string bytes;
};

// $XDG_DATA_HOME/tessarix, or ~/.local/share/tessarix when XDG_DATA_HOME is unset, empty or
// not absolute. Either argument may be null (the variable is unset). Without a usable home
// directory either (HOME unset, empty or not absolute) there is no default: the path is empty,
// and the game asks for --dir rather than making "tessarix" wherever it was started.
std::filesystem::path defaultGameDirectory(const char* xdgDataHome, const char* home);

// The one line said when there is no default game directory.
std::string noGameDirectoryMessage();

// Creates dir when missing and writes every shipped file whose name is free there; whatever
// stands under a name (a file, a link, anything) is never touched. A shipped file that cannot
// be written (a read-only directory) is left out without a word. Returns an empty string when
// dir is a directory the game can use, else a message for the player.
std::string prepareGameDirectory(const std::filesystem::path& dir,
                                 const std::vector<ShippedFile>& shipped);

}  // namespace tessarix
