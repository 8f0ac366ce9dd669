// Validity, dead ends and candidates, decided with the digit masks of the 243 units. A trial
// digit written into one copy of an empty cell keeps the field valid exactly when the field
// had no duplicate and none of that copy's three units holds the digit.
#include "logic/validity.h"

#include <bit>

#include "logic/units.h"

namespace tessarix {

namespace {
uint16_t freeDigits(const uint16_t* masks, const std::array<uint8_t, 3>& units) {
  return static_cast<uint16_t>(~(masks[units[0]] | masks[units[1]] | masks[units[2]]) & allDigits);
}
}  // namespace

bool boardValid(const CellArray& board) {
  uint16_t masks[unitCount];
  return buildUnitMasks(board.data(), masks);
}

bool noDeadEnd(const CellArray& board) {
  const CellUnits& t = cellUnits();
  uint16_t masks[unitCount];
  const bool valid = buildUnitMasks(board.data(), masks);
  for (int i : t.cells) {
    if (board[i] != 0) continue;
    // With a duplicate anywhere no trial digit can make the field valid.
    if (!valid || freeDigits(masks, t.of[i]) == 0) return false;
  }
  return true;
}

void computeCandidates(const CellArray& board, MarkArray& marks) {
  marks.fill(0);
  const CellUnits& t = cellUnits();
  uint16_t masks[unitCount];
  if (!buildUnitMasks(board.data(), masks)) return;
  for (int i : t.cells) {
    if (board[i] != 0) continue;
    for (unsigned free = freeDigits(masks, t.of[i]); free != 0; free &= free - 1)
      marks[i + 1000 * std::countr_zero(free)] = 1;
  }
}

void mergeSharedCandidates(MarkArray& marks) {
  forEachSharedCell([&](int u, int l) {
    for (int d = 1; d <= 9; ++d) {
      const uint8_t both = (marks[u + 1000 * d] && marks[l + 1000 * d]) ? 1 : 0;
      marks[u + 1000 * d] = both;
      marks[l + 1000 * d] = both;
    }
  });
}

}  // namespace tessarix
