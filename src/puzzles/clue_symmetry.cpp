// The half-turn and the transposition of the field, and the orbits of the distinct cells.
#include "puzzles/clue_symmetry.h"

#include <algorithm>

#include "logic/units.h"
#include "puzzles/full_field.h"

namespace tessarix {

int halfTurnImage(int index) {
  return cellIndex(10 - cellGrid(index), 10 - cellCol(index), 10 - cellRow(index));
}

int transposedImage(int index) {
  static constexpr int gridImage[10] = {0, 4, 2, 7, 1, 5, 9, 3, 8, 6};
  return cellIndex(gridImage[cellGrid(index)], cellRow(index), cellCol(index));
}

namespace {
std::vector<std::vector<int>> buildOrbits(bool withTransposition) {
  std::vector<std::vector<int>> orbits;
  std::vector<bool> taken(1000, false);
  for (int start : distinctCellList()) {
    if (taken[start]) continue;
    std::vector<int> orbit = {start};
    taken[start] = true;
    for (size_t k = 0; k < orbit.size(); ++k) {
      std::vector<int> images = {leadingCopy(halfTurnImage(orbit[k]))};
      if (withTransposition) images.push_back(leadingCopy(transposedImage(orbit[k])));
      for (int image : images)
        if (!taken[image]) {
          taken[image] = true;
          orbit.push_back(image);
        }
    }
    orbits.push_back(orbit);
  }
  return orbits;
}

template <class F> bool patternMapsOntoItself(const CellArray& givens, F image) {
  for (int i : cellUnits().cells)
    if ((givens[i] != 0) != (givens[image(i)] != 0)) return false;
  return true;
}
}  // namespace

const std::vector<std::vector<int>>& symmetryOrbits(bool withTransposition) {
  static const std::vector<std::vector<int>> both = buildOrbits(true);
  static const std::vector<std::vector<int>> halfTurn = buildOrbits(false);
  return withTransposition ? both : halfTurn;
}

bool cluesHalfTurnSymmetric(const CellArray& givens) {
  return patternMapsOntoItself(givens, halfTurnImage);
}

bool cluesTransposeSymmetric(const CellArray& givens) {
  return patternMapsOntoItself(givens, transposedImage);
}

}  // namespace tessarix
