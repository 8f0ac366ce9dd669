// The undo history of a game: one step is one change a player made to one cell (its value,
// its clue, its pencil marks, in both copies of a shared cell), kept as the cell before and
// after. Undo goes back a step, redo forward; a new change drops the steps ahead.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "logic/game_state.h"

namespace tessarix {

// What a cell holds in both its copies (the second is 0 for a cell of one grid only).
struct CellContents {
  std::array<int, 2> cells{};
  std::array<uint8_t, 2> board{}, givens{};
  std::array<std::array<uint8_t, 9>, 2> marks{};
  friend bool operator==(const CellContents&, const CellContents&) = default;
};

// The contents of cell index `cell` (either copy) and of its other copy.
CellContents cellContents(const GameState& s, int cell);
// Writes the contents back into both copies.
void restoreCellContents(GameState& s, const CellContents& contents);

struct CellStep {
  CellContents before, after;
};

class CellHistory {
 public:
  // A change; one that changed nothing is no step.
  void record(const CellContents& before, const CellContents& after);
  // The step to take back, or to take again; nothing when there is none.
  std::optional<CellStep> undo();
  std::optional<CellStep> redo();
  void clear();
  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }

 private:
  std::vector<CellStep> steps_;
  size_t done_ = 0;  // steps_[0, done_) are done, the rest undone
};

}  // namespace tessarix
