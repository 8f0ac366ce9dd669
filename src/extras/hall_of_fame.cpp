// The hall-of-fame tables, their file and their order.
#include "extras/hall_of_fame.h"

#include <vector>

#include "extras/windows1252.h"
#include "puzzles/file_io.h"

namespace tessarix {

namespace {

// More than any hall of fame of 120 short lines could need.
constexpr uint64_t readLimit = 1 << 20;

// The table element that line n of the file holds.
std::string& fameField(HallOfFame& h, int line) {
  const int level = line / 30;
  const int rank = line / 3 % 10 + 1;
  FameTable& table = line % 3 == 0 ? h.fameNames : line % 3 == 1 ? h.fameDates : h.fameTimes;
  return table[rank][level];
}

const std::string& fameField(const HallOfFame& h, int line) {
  return fameField(const_cast<HallOfFame&>(h), line);
}

}  // namespace

void resetHallOfFame(HallOfFame& h) {
  for (int rank = 1; rank <= fameLastRank; ++rank)
    for (int level = 0; level < fameLevels; ++level) {
      h.fameNames[rank][level].clear();
      h.fameDates[rank][level].clear();
      h.fameTimes[rank][level] =
          std::string(emptyFameTime);  // (a move: gcc 12 warns falsely on the copy)
    }
}

FameFileResult loadHallOfFame(HallOfFame& h, const std::string& path) {
  FameFileResult result;
  resetHallOfFame(h);
  const FileRead file = readFilePrefix(path, readLimit);
  if (file.status == ReadStatus::Missing) return result;
  if (file.status == ReadStatus::Failed) {
    result.ok = false;
    result.message = "Die Datei " + path + " kann nicht gelesen werden.";
    return result;
  }

  const std::string text(file.bytes.begin(), file.bytes.end());
  size_t start = 0;
  for (int line = 0; line < fameLineCount && start < text.size(); ++line) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    fameField(h, line) = windows1252ToUtf8(text.substr(start, end - start));
    start = next;
  }
  return result;
}

FameFileResult saveHallOfFame(const HallOfFame& h, const std::string& path) {
  std::string text;
  for (int line = 0; line < fameLineCount; ++line) {
    std::string field = utf8ToWindows1252(fameField(h, line));
    for (char& c : field)
      if (c == '\n') c = ' ';  // a line break would shift every later line
    text += field;
    text += "\r\n";
  }
  FameFileResult result;
  if (!replaceFile(path, std::vector<uint8_t>(text.begin(), text.end()))) {
    result.ok = false;
    result.message = "Die Datei " + path + " konnte nicht geschrieben werden; " +
                     "die alte Datei bleibt unverändert.";
  }
  return result;
}

int championRank(const HallOfFame& h, int level, const std::string& finishTime) {
  if (level < 0 || level >= fameLevels) return 0;
  for (int rank = 1; rank <= fameLastRank; ++rank)
    if (finishTime < h.fameTimes[rank][level]) return rank;
  return 0;
}

void insertChampion(HallOfFame& h, int level, int rank, const std::string& name,
                    const std::string& date, const std::string& finishTime) {
  if (level < 0 || level >= fameLevels || rank < 1 || rank > fameLastRank) return;
  for (int j = fameLastRank - 1; j >= rank; --j) {
    h.fameNames[j + 1][level] = h.fameNames[j][level];
    h.fameDates[j + 1][level] = h.fameDates[j][level];
    h.fameTimes[j + 1][level] = h.fameTimes[j][level];
  }
  h.fameNames[rank][level] = name;
  h.fameDates[rank][level] = date;
  h.fameTimes[rank][level] = finishTime;
}

}  // namespace tessarix
