// The level files that ship inside the program, read from its Qt resources.
#pragma once

#include <vector>

#include "app/game_directory.h"

namespace tessarix {

// The four level files compiled into the program; a file missing from the resources is left
// out (the game then simply finds no puzzle at that level).
std::vector<ShippedFile> shippedLevelFiles();

}  // namespace tessarix
