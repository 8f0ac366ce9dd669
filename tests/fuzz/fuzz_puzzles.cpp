// tessarix-puzzles on any command line and any input file: the fuzzer's bytes choose the
// words (commands, options, numbers, the files of a private directory, raw text) and the
// contents of one input file. Beyond "no crash": the exit code is 0, 1 or 2; a command that
// fails leaves every file as it was; a file a command writes is a whole puzzle file.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "fuzz_file.h"

using namespace tessarix;

namespace {

constexpr uint64_t puzzleFileSize = 48729;

const char* const vocabulary[] = {
    "show", "solve", "shuffle", "generate", "--help", "help", "-h", "--givens", "--free",
    "--seed", "--level", "--", "--seed=5", "--level=leicht", "--level=", "leicht", "extrem",
    "0", "3", "4", "-1", "+2", " 1", "99999999999", "4294967295", "4294967296", "",
    "good.trx", "input.trx", "out.trx", "sub", "fifo", "missing.trx", "sub/x.trx", "../escape.trx",
};
constexpr size_t vocabularySize = std::size(vocabulary);

std::string at(const std::string& name) { return fuzzing::fuzzDirectory() + "/" + name; }

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The regular files of the directory (and of sub/) with their bytes.
std::map<std::string, std::string> snapshot() {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(fuzzing::fuzzDirectory()))
    if (e.is_regular_file() && !e.is_symlink()) files[e.path().string()] = fileBytes(e.path());
  return files;
}

// A good level file, shipped with the game, and the fixed things of the directory.
void prepareDirectory(const uint8_t* input, size_t inputSize) {
  static const std::string good = fileBytes(TESSARIX_DATA_DIR "/leicht.trx");
  static const bool once = [] {
    std::filesystem::create_directory(at("sub"));
    ::mkfifo(at("fifo").c_str(), 0600);
    return true;
  }();
  (void)once;
  std::ofstream(at("good.trx"), std::ios::binary | std::ios::trunc) << good;
  fuzzing::writeFuzzFile("input.trx", input, inputSize);
  std::filesystem::remove(at("out.trx"));
  std::filesystem::remove(at("missing.trx"));
  std::filesystem::remove(at("sub/x.trx"));
  std::filesystem::remove(fuzzing::fuzzDirectory() + "/../escape.trx");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte: how many words; then one byte per word: a word of the vocabulary, or
  // (from vocabularySize up) a raw word of the next few bytes. The rest is input.trx.
  size_t pos = 0;
  const int count = size > 0 ? data[pos++] % 8 : 0;
  std::vector<std::string> words;
  for (int w = 0; w < count && pos < size; ++w) {
    const uint8_t pick = data[pos++];
    if (pick < vocabularySize) {
      words.emplace_back(vocabulary[pick]);
    } else {
      const size_t length = std::min<size_t>(pick % 8, size - pos);
      words.emplace_back(reinterpret_cast<const char*>(data + pos), length);
      pos += length;
    }
  }
  prepareDirectory(data + pos, size - pos);
  const auto before = snapshot();

  // Paths are used as given, relative to the directory the tool works in.
  const std::string previous = std::filesystem::current_path();
  std::filesystem::current_path(fuzzing::fuzzDirectory());
  std::ostringstream out, err;
  const int code = tool::runTool(words, out, err);
  std::filesystem::current_path(previous);

  FUZZ_CHECK(code == tool::exitOk || code == tool::exitError || code == tool::exitUsage);
  if (code != tool::exitOk) FUZZ_CHECK(!err.str().empty());
  const auto after = snapshot();
  for (const auto& [path, bytes] : after) {
    const auto old = before.find(path);
    const bool written = old == before.end() || old->second != bytes;
    if (!written) continue;
    // Only a command that succeeded writes, and what it writes is a whole puzzle file.
    FUZZ_CHECK(code == tool::exitOk);
    FUZZ_CHECK(bytes.size() == puzzleFileSize);
  }
  // Nothing disappeared, and nothing was written outside the directory.
  for (const auto& [path, bytes] : before) FUZZ_CHECK(after.count(path) == 1);
  FUZZ_CHECK(!std::filesystem::exists(fuzzing::fuzzDirectory() + "/../escape.trx") ||
             code == tool::exitOk);
  struct stat st {};
  FUZZ_CHECK(::lstat(at("fifo").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
  return 0;
}
