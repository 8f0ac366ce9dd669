// The solver's next step on a field as it stands: the first placement its passes would make
// (pass order, its two rules per box, then rows and columns), with the rule that makes it.
#pragma once

#include <optional>

#include "logic/game_state.h"

namespace tessarix {

enum class StepReason {
  OnlyDigitOfCell,    // the one value that fits the cell
  OnlyPlaceInBox,     // the one cell of its box the value fits
  OnlyPlaceInRow,     // the one cell of its row
  OnlyPlaceInColumn,  // the one cell of its column
};

struct SolverStep {
  int cell;  // the leading copy
  int digit;
  StepReason reason;
};

// Nothing when a whole pass would place nothing. The state is not changed.
std::optional<SolverStep> nextSolverStep(const GameState& s);

}  // namespace tessarix
