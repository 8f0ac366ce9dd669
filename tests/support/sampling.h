// How many cases a heavy comparison runs: all of them, or a tenth in the sanitized build, where
// the literal oracle runs tens of times slower. A sample keeps at least `atLeast` cases, so that
// every kind of field a test cycles through is still in it.
#pragma once

#include <algorithm>

namespace tessarix::testing {

constexpr int sampled(int cases, int atLeast) {
#ifdef TESSARIX_SANITIZED
  return std::min(cases, std::max(cases / 10, atLeast));
#else
  (void)atLeast;
  return cases;
#endif
}

}  // namespace tessarix::testing
