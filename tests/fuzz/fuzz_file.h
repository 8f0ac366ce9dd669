// What the file fuzzers share: the fuzzer's bytes written to a file in a private directory.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tessarix::fuzzing {

// A directory of this process, made once, that holds the file under test.
inline const std::string& fuzzDirectory() {
  static const std::string dir = [] {
    std::string pattern = "/tmp/tessarix-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return dir;
}

// Writes the bytes to name inside the fuzz directory and returns its path.
inline std::string writeFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = fuzzDirectory() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
  return path;
}

// A finding: the fuzzer stops and keeps the input.
#define FUZZ_CHECK(condition)                                                        \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)

}  // namespace tessarix::fuzzing
