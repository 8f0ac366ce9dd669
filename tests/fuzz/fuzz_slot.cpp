// loadSlot on any bytes: a refused slot changes nothing, an accepted one holds values 0 to 9
// and marks 0 or 1 only.
#include <cstdio>

#include "fuzz_file.h"
#include "logic/game_state.h"
#include "puzzles/puzzle_file.h"

using namespace tessarix;

namespace {

// A state that no file could produce by accident: every cell and mark set.
GameState filledState() {
  GameState s;
  for (size_t i = 0; i < s.board.size(); ++i) {
    s.board[i] = static_cast<uint8_t>(i % 9 + 1);
    s.givens[i] = static_cast<uint8_t>(i % 7);
    s.solution[i] = static_cast<uint8_t>(i % 5 + 1);
  }
  for (size_t i = 0; i < s.marks.size(); i += 3) s.marks[i] = 1;
  s.wrongCount = 2;
  s.options.level = 3;
  s.options.showCandidates = true;
  s.clockRunning = true;
  return s;
}

bool same(const GameState& a, const GameState& b) {
  return a.board == b.board && a.givens == b.givens && a.solution == b.solution &&
         a.marks == b.marks && a.wrongCount == b.wrongCount && a.options == b.options &&
         a.clockRunning == b.clockRunning;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks the slot (also slots that do not exist), the rest is the file.
  const int slot = size > 0 ? static_cast<int8_t>(data[0]) % 6 : 0;
  const std::string path =
      fuzzing::writeFuzzFile("brett.trx", size > 0 ? data + 1 : data, size > 0 ? size - 1 : 0);
  static const GameState before = filledState();
  GameState s = before;
  const LoadResult r = loadSlot(path, slot, s);
  if (r.status == LoadStatus::Loaded) {
    for (size_t i = 0; i < s.board.size(); ++i) {
      FUZZ_CHECK(s.board[i] <= 9);
      FUZZ_CHECK(s.givens[i] <= 9);
    }
    for (uint8_t m : s.marks) FUZZ_CHECK(m <= 1);
  } else {
    // Refused (or missing): nothing but the clock changed, and the player is told why.
    FUZZ_CHECK(r.status == LoadStatus::Refused);
    FUZZ_CHECK(!r.message.empty());
    GameState expected = before;
    expected.clockRunning = false;
    FUZZ_CHECK(same(s, expected));
  }
  return 0;
}
