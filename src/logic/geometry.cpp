// The mirror table of the shared cells, built once from the twelve pairs.
#include "logic/geometry.h"

namespace tessarix {

const std::array<int16_t, 1000>& mirrorTable() {
  static const std::array<int16_t, 1000> table = [] {
    std::array<int16_t, 1000> t{};
    for (const SharedPair& p : sharedPairs)
      for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r) {
          int u = cellIndex(p.upper, c + p.upperCol, r + p.upperRow);
          int l = cellIndex(p.lower, c + p.lowerCol, r + p.lowerRow);
          t[u] = static_cast<int16_t>(l);
          t[l] = static_cast<int16_t>(u);
        }
    return t;
  }();
  return table;
}

}  // namespace tessarix
