// loadHallOfFame on any text: ten ranks per level, each empty or a finish time; what it loaded
// is saved as 120 lines and read back unchanged.
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
      // Every rank is empty ("9") or holds a finish time "HH:MM:SS.T": nothing else could
      // be compared with a new finish time.
      const std::string& t = h.fameTimes[rank][level];
      const bool finish = t.size() == 10 && t[2] == ':' && t[5] == ':' && t[8] == '.';
      FUZZ_CHECK(t == emptyFameTime || finish);
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
