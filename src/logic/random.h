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
    // The game's common ranges get constant divisors (a multiply instead of a division); the
    // numbers are the same either way.
    switch (n) {
      case 2: return draw<2>();
      case 4: return draw<4>();
      case 9: return draw<9>();
      case 150: return draw<150>();
      default: return drawIn(static_cast<uint32_t>(n));
    }
  }

 private:
  template <uint32_t Range>
  int draw() {
    constexpr uint32_t limit = UINT32_MAX - UINT32_MAX % Range;
    uint32_t v;
    do v = static_cast<uint32_t>(engine_()); while (v >= limit);
    return static_cast<int>(v % Range);
  }
  int drawIn(uint32_t range) {
    const uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    uint32_t v;
    do v = static_cast<uint32_t>(engine_()); while (v >= limit);
    return static_cast<int>(v % range);
  }

  std::mt19937 engine_;
};

}  // namespace tessarix
