// Unit membership of the cell copies, and the digit masks the rules are decided with.
#include "logic/units.h"

namespace tessarix {

const CellUnits& cellUnits() {
  static const CellUnits table = [] {
    CellUnits t;
    int n = 0;
    for (int g = 1; g <= 9; ++g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
          int i = cellIndex(g, c, r);
          t.of[i] = {static_cast<uint8_t>(rowUnit(g, r)), static_cast<uint8_t>(columnUnit(g, c)),
                     static_cast<uint8_t>(boxUnit(g, c, r))};
          t.cells[n++] = static_cast<int16_t>(i);
        }
    for (int i : t.cells) {
      const int m = mirrorOf(i);
      for (int k = 0; k < 3; ++k) {
        t.seen[i][k] = t.of[i][k];
        t.seen[i][k + 3] = m ? t.of[m][k] : static_cast<uint8_t>(noUnit);
      }
    }
    for (int g = 1; g <= 9; ++g)
      for (int j = 1; j <= 9; ++j)
        for (int k = 1; k <= 9; ++k) {
          t.unitCells[rowUnit(g, j)][k - 1] = static_cast<int16_t>(cellIndex(g, k, j));
          t.unitCells[columnUnit(g, j)][k - 1] = static_cast<int16_t>(cellIndex(g, j, k));
        }
    for (int g = 1; g <= 9; ++g)
      for (int x0 = 1; x0 <= 7; x0 += 3)
        for (int y0 = 1; y0 <= 7; y0 += 3) {
          int k = 0;
          for (int x = x0; x < x0 + 3; ++x)
            for (int y = y0; y < y0 + 3; ++y)
              t.unitCells[boxUnit(g, x0, y0)][k++] = static_cast<int16_t>(cellIndex(g, x, y));
        }
    return t;
  }();
  return table;
}

bool buildUnitMasks(const uint8_t* board, uint16_t* masks) {
  const CellUnits& t = cellUnits();
  for (int u = 0; u < unitCount; ++u) masks[u] = 0;
  bool valid = true;
  for (int i : t.cells) {
    int v = board[i];
    if (v == 0 || v > 9) continue;  // only 0..9 ever reach the field
    uint16_t bit = static_cast<uint16_t>(1u << v);
    for (int u : t.of[i]) {
      if (masks[u] & bit) valid = false;
      masks[u] |= bit;
    }
  }
  return valid;
}

}  // namespace tessarix
