// Entering a finish time into the hall of fame.
#include "extras/champion.h"

#include "extras/shared_fame_file.h"
#include "extras/windows1252.h"

namespace tessarix {

std::optional<std::string> nameAsStored(const std::string& typed) {
  // Checked on the typed text: the blanking turns a malformed byte into a "?".
  if (!isWellFormedUtf8(typed)) return std::nullopt;
  std::string name = blankControlCharacters(typed);
  if (!holdsInWindows1252(name) || characterCount(name) > size_t{fameNameLength})
    return std::nullopt;
  return name;
}

ChampionResult recordChampion(HallOfFame& h, int level, const std::string& finishTime,
                              const std::string& date, std::string& championName,
                              ChampionPrompt& prompt, const std::string& path, bool keepFile) {
  ChampionResult result;
  result.rank = championRank(h, level, finishTime);
  std::string stored;
  if (result.rank > 0) {
    const ChampionPrompt::Answer answer = prompt.askChampionName(championName);
    if (answer.accepted) {
      championName = firstCharacters(blankControlCharacters(answer.name), fameNameLength);
      // The table shows the name as the file will keep it.
      stored = windows1252ToUtf8(utf8ToWindows1252(championName));
      result.nameAccepted = true;
    }
  }
  if (result.nameAccepted) {
    // The entry goes into the file as it is now: another copy of the game may have entered
    // its champions meanwhile, and the time is ranked among them.
    result.file = changeHallOfFame(
        h, path,
        [&](HallOfFame& now) {
          const int rank = championRank(now, level, finishTime);
          if (rank > 0) insertChampion(now, level, rank, stored, date, finishTime);
        },
        keepFile);
  } else if (!keepFile) {
    // A cancelled name makes no entry at all; the tables end equal to the file. A kept file
    // is not read again: it would only empty the tables.
    result.file = loadHallOfFame(h, path);
    result.file.keepFile = !result.file.ok;
  }
  return result;
}

}  // namespace tessarix
