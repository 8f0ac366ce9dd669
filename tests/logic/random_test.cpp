// The seeded source: its engine gives exactly the numbers of the standard's Mersenne Twister,
// so that a seed names one shuffle and one generated file on every machine; its ranges are
// whole and fair.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "logic/random.h"

namespace tessarix {
namespace {

TEST(SeededRandom, EngineIsTheStandardMersenneTwister) {
  for (uint32_t seed : {0u, 1u, 5489u, 20261210u, 0xFFFFFFFFu}) {
    std::mt19937 standard(seed);
    MersenneTwister ours(seed);
    for (int k = 0; k < 2000; ++k)  // past three twists of the state
      ASSERT_EQ(ours(), static_cast<uint32_t>(standard())) << "seed " << seed << ", number " << k;
  }
}

TEST(SeededRandom, RangesAreWholeAndEveryValueComes) {
  SeededRandom random(3);
  for (int n : {1, 2, 4, 9, 10, 150}) {
    std::array<int, 150> seen{};
    for (int k = 0; k < 20000; ++k) {
      const int v = random.randomInt(n);
      ASSERT_GE(v, 0);
      ASSERT_LT(v, n);
      ++seen[v];
    }
    for (int v = 0; v < n; ++v) EXPECT_GT(seen[v], 20000 / n / 2) << "n " << n << ", value " << v;
  }
}

}  // namespace
}  // namespace tessarix
