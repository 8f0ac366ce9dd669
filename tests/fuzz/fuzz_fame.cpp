// loadHallOfFame on any text: ten ranks per level, the finish times first and in order, then
// the entries whose time cannot be read, then the empty ones; what it loaded is saved as 120
// lines and read back unchanged.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "extras/hall_of_fame.h"
#include "fuzz_file.h"

using namespace tessarix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzzing::writeFuzzFile("Champions.Rhm", data, size);
  HallOfFame h;
  const FameFileResult loaded = loadHallOfFame(h, path);
  if (!loaded.ok) FUZZ_CHECK(!loaded.message.empty());
  for (int level = 0; level < fameLevels; ++level)
    for (int rank = 1; rank <= fameLastRank; ++rank) {
      // A new finish time compares only with finish times "HH:MM:SS.T", which lead in time
      // order; every other entry sorts after them, and an empty one is wholly empty.
      const std::string& t = h.fameTimes[rank][level];
      const FameTime kind = fameTimeKind(t);
      if (kind == FameTime::Finish)
        FUZZ_CHECK(t.size() == 10 && t[2] == ':' && t[5] == ':' && t[8] == '.' && t[0] != '9');
      if (kind == FameTime::Empty)
        FUZZ_CHECK(h.fameNames[rank][level].empty() && h.fameDates[rank][level].empty());
      if (rank > 1) {
        const std::string& before = h.fameTimes[rank - 1][level];
        const FameTime beforeKind = fameTimeKind(before);
        FUZZ_CHECK(beforeKind <= kind);  // Finish, then Unreadable, then Empty
        if (kind == FameTime::Finish) FUZZ_CHECK(before <= t);
      }
      FUZZ_CHECK(fameEntryUsed(h, rank, level) == (kind != FameTime::Empty));
    }

  const std::string copy = fuzzing::fuzzDirectory() + "/copy.Rhm";
  FUZZ_CHECK(saveHallOfFame(h, copy).ok);
  std::ifstream in(copy, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t lines = 0;
  for (char c : text) lines += c == '\n';
  FUZZ_CHECK(lines == 120);
  HallOfFame again;
  FUZZ_CHECK(loadHallOfFame(again, copy).ok);
  FUZZ_CHECK(again.fameNames == h.fameNames);
  FUZZ_CHECK(again.fameDates == h.fameDates);
  FUZZ_CHECK(again.fameTimes == h.fameTimes);
  return 0;
}
