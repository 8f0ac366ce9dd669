// "Champions.Rhm" shared by every copy of the game on one game directory.
#pragma once

#include <functional>
#include <string>

#include "extras/hall_of_fame.h"

namespace tessarix {

// A change to the file that every copy of the game on one game directory shares (an entry,
// a cleared level): made to the file as it is now, read again under an advisory lock on the
// directory it lies in, so that what another copy wrote meanwhile stays; the tables end as the
// file now holds them. A file that cannot be read or is damaged is not written: the result
// says so (keepFile) and the tables take the change for this run only. With keepFile given,
// the file is neither read nor written (as storeHallOfFame).
FameFileResult changeHallOfFame(HallOfFame& h, const std::string& path,
                                const std::function<void(HallOfFame&)>& change, bool keepFile);

}  // namespace tessarix
