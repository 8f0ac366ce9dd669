// The solver's scan layout, built once from the units and the twelve shared boxes.
#include "logic/solver_layout.h"

namespace tessarix {

const ScanLayout& scanLayout() {
  static const ScanLayout layout = [] {
    ScanLayout l;
    const CellUnits& t = cellUnits();
    l.distinctOf.fill(-1);
    for (auto& row : l.copyAt) row.fill(0);
    for (auto& row : l.distinctAt) row.fill(-1);
    auto scanUnits = [](int i, uint8_t* out) {
      const int base = (cellGrid(i) - 1) * 27;
      out[0] = static_cast<uint8_t>(base + scanRow(cellRow(i)));
      out[1] = static_cast<uint8_t>(base + scanColumn(cellCol(i)));
      out[2] = static_cast<uint8_t>(base + scanBox(boxOfCell(cellCol(i), cellRow(i))));
    };
    int n = 0;
    for (int i : t.cells) {
      if (leadingCopy(i) != i) continue;
      ScanLayout::Cell& c = l.cell[n];
      const int m = mirrorOf(i);
      c.shared = m != 0;
      int k = 0;
      for (int copy : {i, m}) {
        if (copy == 0) continue;
        const int bit = cellBit(cellCol(copy), cellRow(copy));
        scanUnits(copy, c.unit + 3 * k);
        c.grid[k] = static_cast<uint8_t>(cellGrid(copy));
        c.bit[k] = static_cast<uint8_t>(bit);
        c.mask[k] = uint64_t{1} << (bit & 63);
        c.word[k] = static_cast<uint16_t>(gridWord(c.grid[k], 0, bit));
        l.copies[n][k] = static_cast<int16_t>(copy);
        l.distinctOf[copy] = static_cast<int16_t>(n);
        l.copyAt[c.grid[k]][bit] = static_cast<int16_t>(copy);
        l.distinctAt[c.grid[k]][bit] = static_cast<int16_t>(n);
        ++k;
      }
      if (k == 1) {
        c.unit[3] = c.unit[4] = c.unit[5] = static_cast<uint8_t>(unitCount);
        c.grid[1] = c.bit[1] = 0;
        c.mask[1] = 0;
        c.word[1] = 0;
        l.copies[n][1] = l.copies[n][0];
      }
      ++n;
    }
    for (int g = 1; g <= 9; ++g)
      for (int col = 1; col <= 9; ++col)
        for (int row = 1; row <= 9; ++row) {
          const int n = l.distinctOf[cellIndex(g, col, row)];
          const int base = (g - 1) * 27;
          l.unitDistinct[base + scanRow(row)][col - 1] = static_cast<int16_t>(n);
          l.unitDistinct[base + scanColumn(col)][row - 1] = static_cast<int16_t>(n);
          l.unitDistinct[base + scanBox(boxOfCell(col, row))][(col - 1) % 3 * 3 + (row - 1) % 3] =
              static_cast<int16_t>(n);
        }
    auto set = [](GridBits& b, int bit) { b.w[bit >> 6] |= uint64_t{1} << (bit & 63); };
    for (int col = 1; col <= 9; ++col)
      for (int row = 1; row <= 9; ++row) {
        const int bit = cellBit(col, row);
        set(l.unitBits[scanRow(row)], bit);
        set(l.unitBits[scanColumn(col)], bit);
        set(l.unitBits[scanBox(boxOfCell(col, row))], bit);
      }
    for (int col = 1; col <= 9; ++col)
      for (int row = 1; row <= 9; ++row) {
        GridBits& p = l.peers[cellBit(col, row)];
        for (int u : {scanRow(row), scanColumn(col), scanBox(boxOfCell(col, row))})
          for (int w = 0; w < 2; ++w) p.w[w] |= l.unitBits[u].w[w];
      }
    for (int p = 0; p < 12; ++p) {
      const SharedPair& pair = sharedPairs[p];
      const int grids[2] = {pair.upper, pair.lower};
      const int cols[2] = {pair.upperCol, pair.lowerCol}, rows[2] = {pair.upperRow, pair.lowerRow};
      for (int k = 0; k < 2; ++k) {
        const int base = boxBitBase(boxOfCell(cols[k] + 1, rows[k] + 1));
        l.shared[p].grid[k] = static_cast<uint8_t>(grids[k]);
        l.shared[p].word[k] = static_cast<uint8_t>(base / 64);
        l.shared[p].shift[k] = static_cast<uint8_t>(base % 64);
      }
    }
    return l;
  }();
  return layout;
}

}  // namespace tessarix
