// The whole Game driven by the fuzzer's bytes: each choice of the random player (event kind,
// place, key, menu id, dialog answer) is read from them; after every event the invariants hold.
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "fuzz_file.h"
#include "puzzles/levels.h"
#include "support/random_player.h"

using namespace tessarix;

namespace {

// The bytes as a stream of choices; once they run out every choice is 0 and the game stops.
class ByteChooser {
 public:
  ByteChooser(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint32_t pick(uint32_t n) {
    if (n <= 1) return 0;
    uint32_t v = 0;
    for (uint32_t range = 1; range < n && pos_ < size_; range <<= 8) v = v << 8 | data_[pos_++];
    return v % n;
  }
  bool done() const { return pos_ >= size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

void prepareGameDirectory() {
  static bool prepared = false;
  const std::filesystem::path dir = fuzzing::fuzzDirectory();
  if (!prepared) {
    for (int level = 0; level < 4; ++level)
      std::filesystem::copy_file(std::filesystem::path(TESSARIX_DATA_DIR) / levelFileName(level),
                                 dir / levelFileName(level),
                                 std::filesystem::copy_options::overwrite_existing);
    if (::chdir(dir.c_str()) != 0) std::abort();
    prepared = true;
  }
  // Every input starts from the same files: no saved boards, no hall of fame.
  std::filesystem::remove(dir / savedBoardFile);
  std::filesystem::remove(dir / hallOfFameFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  prepareGameDirectory();
  ByteChooser bytes(data, size);
  testing::RandomPlayer player([&bytes](uint32_t n) { return bytes.pick(n); });
  for (int event = 0; !bytes.done(); ++event) {
    player.step();
    const std::string broken = player.check();
    if (!broken.empty()) {
      std::fprintf(stderr, "event %d (%s): %s\n", event, player.lastEvent().c_str(),
                   broken.c_str());
      std::abort();
    }
  }
  FUZZ_CHECK(player.levelFilesUnchanged());
  return 0;
}
