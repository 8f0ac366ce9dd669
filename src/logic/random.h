// Chance, injected: the game draws every random number through randomInt, so that a seed
// gives one fixed result in tests and in the puzzle tool.
#pragma once

#include <cstdint>

namespace tessarix {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A whole number from 0 to n - 1, all equally likely (n >= 1).
  virtual int randomInt(int n) = 0;
};

// The 32-bit Mersenne Twister: the same numbers as std::mt19937 for the same seed (the C++
// standard fixes them), generated with the twist split into its three straight runs, which
// is several times faster than the library's general engine.
class MersenneTwister {
 public:
  explicit MersenneTwister(uint32_t seed) {
    state_[0] = seed;
    for (uint32_t i = 1; i < size; ++i)
      state_[i] = 1812433253u * (state_[i - 1] ^ (state_[i - 1] >> 30)) + i;
  }
  uint32_t operator()() {
    if (next_ >= size) twist();
    uint32_t y = state_[next_++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    return y ^ (y >> 18);
  }

 private:
  static constexpr uint32_t size = 624, shift = 397;
  void step(uint32_t i, uint32_t j, uint32_t k) {
    const uint32_t y = (state_[i] & 0x80000000u) | (state_[j] & 0x7fffffffu);
    state_[i] = state_[k] ^ (y >> 1) ^ (-(y & 1u) & 0x9908b0dfu);
  }
  void twist() {
    uint32_t i = 0;
    for (; i < size - shift; ++i) step(i, i + 1, i + shift);
    for (; i < size - 1; ++i) step(i, i + 1, i + shift - size);
    step(size - 1, 0, shift - 1);
    next_ = 0;
  }
  uint32_t state_[size];
  uint32_t next_ = size;
};

// A reproducible source: the Mersenne Twister with rejection sampling, so that the same seed
// gives the same numbers with every library.
class SeededRandom : public RandomSource {
 public:
  explicit SeededRandom(uint32_t seed) : engine_(seed) {}
  int randomInt(int n) override {
    // The game's common ranges get constant divisors (a multiply instead of a division); the
    // numbers are the same either way.
    switch (n) {
      case 2: return draw(2u);
      case 4: return draw(4u);
      case 9: return draw(9u);
      case 150: return draw(150u);
      default: return draw(static_cast<uint32_t>(n));
    }
  }

 private:
  // Inlined into each case above, where range is a constant.
  [[gnu::always_inline]] int draw(uint32_t range) {
    const uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    uint32_t v;
    do v = static_cast<uint32_t>(engine_());
    while (v >= limit);
    return static_cast<int>(v % range);
  }

  MersenneTwister engine_;
};

}  // namespace tessarix
