// A field's digits counted per unit and kept up to date write by write, so that the literal
// trial (the digit written into both copies of the cell, the whole field checked, 0 written
// back) is decided by whether some unit holds a digit twice, without checking the field.
#pragma once

#include <cstdint>

#include "logic/game_state.h"
#include "logic/units.h"

namespace tessarix {

class TrialCounts {
 public:
  explicit TrialCounts(CellArray& board) : board_(board), t_(cellUnits()) {}

  // Counts the field as it stands.
  void recount();
  // Writes v into cell i and keeps the counts.
  void write(int i, int v);
  // The literal trial of digit d in cell i: both copies take d, the field is checked, both
  // get 0 (so a mirror copy that held another value is left empty, as the literal trial
  // leaves it).
  bool fits(int i, int d);
  // Whether some unit holds a digit twice.
  bool anyDuplicate() const { return duplicates_ != 0; }

 private:
  void add(int i, int v);
  void remove(int i, int v);

  CellArray& board_;
  const CellUnits& t_;
  uint8_t count_[unitCount][10];
  int duplicates_ = 0;  // (unit, digit) pairs counted twice or more
};

}  // namespace tessarix
