// Chance, injected: the game draws every random number through randomInt, so that a seed
// gives one fixed result in tests and in the puzzle tool.
#pragma once

#include <cstdint>
#include <random>

namespace tessarix {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A whole number from 0 to n - 1, all equally likely (n >= 1).
  virtual int randomInt(int n) = 0;
};

// A reproducible source: the 32-bit Mersenne Twister (fully fixed by the C++ standard) with
// rejection sampling, so that the same seed gives the same numbers with every library.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(uint32_t seed) : engine_(seed) {}
  int randomInt(int n) override {
    const uint32_t range = static_cast<uint32_t>(n);
    const uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    uint32_t v;
    do v = static_cast<uint32_t>(engine_()); while (v >= limit);
    return static_cast<int>(v % range);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace tessarix
