// The mirror table of the shared cells, built once from the twelve pairs.
#include "logic/geometry.h"

namespace tessarix {

const std::array<int16_t, 1000>& mirrorTable() {
  static const std::array<int16_t, 1000> table = [] {
    std::array<int16_t, 1000> t{};
    forEachSharedCell([&](int u, int l) {
      t[u] = static_cast<int16_t>(l);
      t[l] = static_cast<int16_t>(u);
    });
    return t;
  }();
  return table;
}

}  // namespace tessarix
