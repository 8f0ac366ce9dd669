// Entering a finish time into the hall of fame.
#include "extras/champion.h"

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
  if (result.rank > 0) {
    const ChampionPrompt::Answer answer = prompt.askChampionName(championName);
    if (answer.accepted) {
      championName = firstCharacters(blankControlCharacters(answer.name), fameNameLength);
      // The table shows the name as the file will keep it.
      const std::string stored = windows1252ToUtf8(utf8ToWindows1252(championName));
      insertChampion(h, level, result.rank, stored, date, finishTime);
      result.nameAccepted = true;
    }
  }
  // A cancelled name makes no entry at all, which leaves the tables as the reload below
  // would make them anyway. A kept file is not read again: it would only empty the tables.
  if (result.nameAccepted)
    result.file = storeHallOfFame(h, path, keepFile);
  else if (!keepFile)
    result.file = loadHallOfFame(h, path);
  return result;
}

}  // namespace tessarix
