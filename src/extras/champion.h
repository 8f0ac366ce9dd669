// The end of a solved timed game: a good finish time enters the hall of fame under the
// name the player gives, and the file is stored or the tables restored from it.
#pragma once

#include <optional>
#include <string>

#include "extras/hall_of_fame.h"

namespace tessarix {

// What recordChampion asks of the front end.
class ChampionPrompt {
 public:
  struct Answer {
    bool accepted = false;  // left with the accept button
    std::string name;       // the text of the name field, as typed
  };
  virtual ~ChampionPrompt() = default;
  // The name dialog, pre-filled with the last accepted name of this run.
  virtual Answer askChampionName(const std::string& championName) = 0;
};

// What the name field takes while the player types: the text with its control characters as
// blanks, as the file will keep it; nothing when it holds a character the file's code page
// cannot hold (the field refuses it rather than storing a "?") or is longer than
// fameNameLength characters.
std::optional<std::string> nameAsStored(const std::string& typed);

struct ChampionResult {
  int rank = 0;               // the rank the time qualified for, 0 for none
  bool nameAccepted = false;  // the entry was made and the file written
  FameFileResult file;        // the outcome of the save or of the reload (or: file kept)
};

// Places finishTime in the level's ten best: at the first rank it sorts strictly before,
// the name is asked for. Accepted: the entry goes in, dated with date (today's "TT.MM.JJJJ",
// which the caller has from the Platform), the name with its control characters as blanks,
// cut to fameNameLength characters and holding only characters the file can hold;
// championName keeps the name, and the entry goes into the file at path as it is now (read
// again under a lock, the time ranked anew among what another copy of the game may have
// entered meanwhile; see changeHallOfFame), the tables ending equal to it. Otherwise (no rank, or
// cancelled) the tables are read back from the file, or reset when there is none, so they end
// equal to it. With keepFile (the file could not be read or was damaged when the run began)
// the file is neither written nor read: an accepted entry stays in the tables for the run and
// the result says that the file was left as it was; otherwise the tables stay as they were.
// The caller shows the hall of fame afterwards in every case.
ChampionResult recordChampion(HallOfFame& h, int level, const std::string& finishTime,
                              const std::string& date, std::string& championName,
                              ChampionPrompt& prompt, const std::string& path,
                              bool keepFile = false);

}  // namespace tessarix
