// The hall of fame: the ten best finish times per level with name and date, and the file
// "Champions.Rhm" that keeps them between runs.
#pragma once

#include <array>
#include <string>

namespace tessarix {

inline constexpr const char* hallOfFameFile = "Champions.Rhm";
inline constexpr int fameLevels = 4;       // Leicht, Mittel, Schwer, Extrem
inline constexpr int fameLastRank = 10;    // ranks 1..10; rank 0 exists and is never used
inline constexpr int fameLineCount = 120;  // 4 levels x 10 ranks x (name, date, time)
// The time of an empty entry; it sorts after every real finish time.
inline constexpr const char* emptyFameTime = "9";
// The longest name kept, in characters: the name dialog's field takes no more, and a longer
// name in the file is cut.
inline constexpr int fameNameLength = 40;
// The longest line a sound file holds, in bytes; a longer one marks the file as damaged.
inline constexpr int fameLineLimit = 255;

// [rank 0..10][level 0..3], UTF-8 text.
using FameTable = std::array<std::array<std::string, fameLevels>, fameLastRank + 1>;

struct HallOfFame {
  FameTable fameNames;
  FameTable fameDates;
  FameTable fameTimes;
};

struct FameFileResult {
  bool ok = true;
  std::string message;  // when not ok: what went wrong, naming the file
  // The file was found unreadable or damaged when read again: it is not written this run.
  bool keepFile = false;
};

// Every entry of ranks 1..10 empty: no name, no date, the time "9". Rank 0 is left alone.
void resetHallOfFame(HallOfFame& h);

// Reads the tables from the file at path: per level, per rank, the lines name, date, time;
// lines end in CR LF or LF (the last one may lack it); Windows-1252 on disk. A missing file
// resets the tables and creates nothing. A file that cannot be read resets the tables and is
// reported; a damaged one (not 120 lines, a NUL or other control byte, a line longer than
// fameLineLimit) is reported too, naming the file, and the tables keep what it held, the
// entries it lacks empty. Each entry is judged by its time (fameTimeKind): an entry with a
// finish time has its name cut to fameNameLength characters; one with the empty mark "9" is
// emptied; one whose time cannot be read is kept as it stands. Then each level holds its
// finish times in time order, the unreadable entries after them in the order they had, the
// empty ones last.
FameFileResult loadHallOfFame(HallOfFame& h, const std::string& path);

// Writes the 120 lines, each ended by CR LF, in Windows-1252 (a character it cannot hold
// becomes "?", a line feed inside a text a blank), through a temporary file, so a failed
// save leaves the old file whole.
FameFileResult saveHallOfFame(const HallOfFame& h, const std::string& path);

// Saves as saveHallOfFame, unless keepFile: the file could not be read or was damaged when
// the run began, so it is never written over; the tables change for this run only and the
// result (not ok) says that the file was left as it was.
FameFileResult storeHallOfFame(const HallOfFame& h, const std::string& path, bool keepFile);

// What the time of an entry makes of it. A finish time "hh:mm:ss.t" below 90 hours ranks by
// its text. The empty mark "9" is an empty entry. Anything else, which only a hand-edited file
// holds (another shape, or ninety hours and more, which would sort after the empty mark), is
// an entry whose time cannot be read: it is listed as it stands, ranks after every finish time
// of its level and is written back unchanged as long as its level is not changed.
// The kinds in the order a level holds them.
enum class FameTime { Finish, Unreadable, Empty };
FameTime fameTimeKind(const std::string& time);

// Whether the entry at rank of level is listed: every entry but an empty one ("9").
bool fameEntryUsed(const HallOfFame& h, int rank, int level);

// The rank 1..10 a finish time takes in the level: the first rank whose stored finish time it
// sorts strictly before, byte by byte, or the first rank without a finish time (an empty or
// unreadable entry) when it sorts before the empty mark "9"; 0 when it beats none (or the
// level does not exist).
int championRank(const HallOfFame& h, int level, const std::string& finishTime);

// Empties ranks 1..10 of one level; the other levels and rank 0 stay.
void clearHallOfFameLevel(HallOfFame& h, int level);

// Moves ranks rank..9 of the level down one (the old rank 10 drops out) and writes the new
// entry at rank. Ranks outside 1..10 change nothing.
void insertChampion(HallOfFame& h, int level, int rank, const std::string& name,
                    const std::string& date, const std::string& finishTime);

}  // namespace tessarix
