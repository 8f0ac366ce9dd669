// The hall-of-fame tables, their file and their order.
#include "extras/hall_of_fame.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "extras/clock_text.h"
#include "extras/windows1252.h"
#include "puzzles/file_io.h"

namespace tessarix {

namespace {

// A sound file is at most 120 full lines, each with its CR LF; a byte more shows it is not.
constexpr uint64_t readLimit = uint64_t{fameLineCount} * (fameLineLimit + 2) + 1;

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

void emptyEntry(HallOfFame& h, int rank, int level) {
  h.fameNames[rank][level].clear();
  h.fameDates[rank][level].clear();
  // (a move: gcc 12 warns falsely on the copy)
  h.fameTimes[rank][level] = std::string(emptyFameTime);
}

// Every entry of a level with a finish time, its name cut to the field's length, in time
// order (equal times in the order they had); then the entries whose time cannot be read,
// exactly as they were and in the order they had; the empty ranks after them.
void tidyLevel(HallOfFame& h, int level) {
  struct Entry {
    std::string name, date, time;
  };
  std::vector<Entry> used, unreadable;
  for (int rank = 1; rank <= fameLastRank; ++rank) {
    const FameTime kind = fameTimeKind(h.fameTimes[rank][level]);
    if (kind == FameTime::Finish)
      used.push_back({firstCharacters(h.fameNames[rank][level], fameNameLength),
                      h.fameDates[rank][level], h.fameTimes[rank][level]});
    else if (kind == FameTime::Unreadable)
      unreadable.push_back(
          {h.fameNames[rank][level], h.fameDates[rank][level], h.fameTimes[rank][level]});
  }
  std::stable_sort(used.begin(), used.end(),
                   [](const Entry& a, const Entry& b) { return a.time < b.time; });
  used.insert(used.end(), std::make_move_iterator(unreadable.begin()),
              std::make_move_iterator(unreadable.end()));
  for (int rank = 1; rank <= fameLastRank; ++rank) {
    if (rank > static_cast<int>(used.size())) {
      emptyEntry(h, rank, level);
      continue;
    }
    Entry& e = used[static_cast<size_t>(rank - 1)];
    h.fameNames[rank][level] = std::move(e.name);
    h.fameDates[rank][level] = std::move(e.date);
    h.fameTimes[rank][level] = std::move(e.time);
  }
}

}  // namespace

void resetHallOfFame(HallOfFame& h) {
  for (int rank = 1; rank <= fameLastRank; ++rank)
    for (int level = 0; level < fameLevels; ++level) emptyEntry(h, rank, level);
}

void clearHallOfFameLevel(HallOfFame& h, int level) {
  if (level < 0 || level >= fameLevels) return;
  for (int rank = 1; rank <= fameLastRank; ++rank) emptyEntry(h, rank, level);
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

  // Whatever the file holds is read line by line; what makes it damaged is only noted, so
  // that the tables still show what could be read.
  const std::string text(file.bytes.begin(), file.bytes.end());
  bool damaged = file.size > file.bytes.size();
  int lines = 0;
  for (size_t start = 0; start < text.size(); ++lines) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos) end = text.size();
    if (end > start && text[end - 1] == '\r') --end;
    std::string bytes = text.substr(start, std::min<size_t>(end - start, fameLineLimit + 1));
    start = next;
    if (bytes.size() > fameLineLimit) {
      damaged = true;
      bytes.resize(fameLineLimit);
    }
    for (char& c : bytes)
      if (static_cast<uint8_t>(c) < 0x20 || c == 0x7F) {
        damaged = true;  // a NUL, a stray CR, a tab: not a line of text
        c = ' ';
      }
    if (lines < fameLineCount) fameField(h, lines) = windows1252ToUtf8(bytes);
  }
  if (lines != fameLineCount) damaged = true;
  for (int level = 0; level < fameLevels; ++level) tidyLevel(h, level);
  if (damaged) {
    result.ok = false;
    result.message = "Die Datei " + path + " ist beschädigt; sie wird nicht überschrieben.";
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

FameFileResult storeHallOfFame(const HallOfFame& h, const std::string& path, bool keepFile) {
  if (!keepFile) return saveHallOfFame(h, path);
  FameFileResult result;
  result.ok = false;
  result.message = "Die Datei " + path +
                   " war beim Start nicht lesbar oder beschädigt und bleibt unverändert; " +
                   "die Ruhmeshalle gilt bis zum Programmende.";
  return result;
}

FameTime fameTimeKind(const std::string& time) {
  if (time == emptyFameTime) return FameTime::Empty;
  // One of ninety hours or more would sort after the empty mark and never be listed.
  if (isFinishTimeText(time) && time[0] != emptyFameTime[0]) return FameTime::Finish;
  return FameTime::Unreadable;
}

bool fameEntryUsed(const HallOfFame& h, int rank, int level) {
  if (rank < 1 || rank > fameLastRank || level < 0 || level >= fameLevels) return false;
  return fameTimeKind(h.fameTimes[rank][level]) != FameTime::Empty;
}

int championRank(const HallOfFame& h, int level, const std::string& finishTime) {
  if (level < 0 || level >= fameLevels) return 0;
  for (int rank = 1; rank <= fameLastRank; ++rank) {
    const std::string& time = h.fameTimes[rank][level];
    // An entry without a finish time counts as empty here: every finish time goes ahead of it.
    const bool finish = fameTimeKind(time) == FameTime::Finish;
    if (finishTime < (finish ? time : std::string(emptyFameTime))) return rank;
  }
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
