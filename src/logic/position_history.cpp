// The history as a list of steps of changed bytes and a mark between the done and the undone.
#include "logic/position_history.h"

#include <algorithm>

namespace tessarix {

namespace {

using Part = PositionHistory::Part;

uint8_t& byteOf(Position& p, Part part, size_t index) {
  switch (part) {
    case Part::Board: return p.board[index];
    case Part::Givens: return p.givens[index];
    case Part::Solution: return p.solution[index];
    case Part::Marks: break;
  }
  return p.marks[index];
}

template <size_t N>
void compare(const std::array<uint8_t, N>& before, const std::array<uint8_t, N>& after, Part part,
             std::vector<PositionHistory::Change>& out) {
  if (before == after) return;
  for (size_t k = 0; k < N; ++k)
    if (before[k] != after[k])
      out.push_back({static_cast<uint16_t>(k), part, before[k], after[k]});
}

// The cell a byte belongs to: a mark's index is its cell's plus 1000 per digit.
int cellOfChange(const PositionHistory::Change& c) { return c.index % 1000; }

}  // namespace

Position Position::of(const GameState& s) {
  return {s.board, s.givens, s.solution, s.marks, s.notSolvable};
}

void Position::writeTo(GameState& s) const {
  s.board = board;
  s.givens = givens;
  s.solution = solution;
  s.marks = marks;
  s.notSolvable = notSolvable;
}

void PositionHistory::restart(const GameState& s) {
  clear();
  seen_ = Position::of(s);
}

bool PositionHistory::record(const GameState& s) {
  Step step;
  compare(seen_.board, s.board, Part::Board, step.changes);
  compare(seen_.givens, s.givens, Part::Givens, step.changes);
  compare(seen_.solution, s.solution, Part::Solution, step.changes);
  compare(seen_.marks, s.marks, Part::Marks, step.changes);
  step.notSolvableBefore = seen_.notSolvable;
  step.notSolvableAfter = s.notSolvable;
  if (step.changes.empty() && step.notSolvableBefore == step.notSolvableAfter) return false;
  rebase(s);
  steps_.resize(done_);
  step.changes.shrink_to_fit();
  steps_.push_back(std::move(step));
  ++done_;
  return true;
}

void PositionHistory::rebase(const GameState& s) {
  seen_ = Position::of(s);
  ++revision_;
}

std::vector<int> PositionHistory::apply(const Step& step, bool forward, GameState& s) {
  // The bytes of the step are written over the position as last seen, which the state
  // equals between two events.
  Position p = Position::of(s);
  std::vector<int> cells;
  cells.reserve(step.changes.size());
  for (const Change& c : step.changes) {
    byteOf(p, c.part, c.index) = forward ? c.after : c.before;
    cells.push_back(cellOfChange(c));
  }
  p.notSolvable = forward ? step.notSolvableAfter : step.notSolvableBefore;
  p.writeTo(s);
  seen_ = p;
  ++revision_;
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  return cells;
}

std::optional<std::vector<int>> PositionHistory::undo(GameState& s) {
  if (done_ == 0) return std::nullopt;
  return apply(steps_[--done_], false, s);
}

std::optional<std::vector<int>> PositionHistory::redo(GameState& s) {
  if (done_ == steps_.size()) return std::nullopt;
  return apply(steps_[done_++], true, s);
}

void PositionHistory::restore(std::vector<Step> steps, size_t done, const GameState& s) {
  steps_ = std::move(steps);
  done_ = std::min(done, steps_.size());
  seen_ = Position::of(s);
  ++revision_;
}

void PositionHistory::clear() {
  steps_.clear();
  done_ = 0;
  ++revision_;
}

bool PositionHistory::fits(const Position& now, const std::vector<Step>& steps, size_t done) {
  if (done > steps.size()) return false;
  Position p = now;
  const auto walk = [&p](const Step& step, bool forward) {
    if (p.notSolvable != (forward ? step.notSolvableBefore : step.notSolvableAfter)) return false;
    for (const Change& c : step.changes) {
      uint8_t& byte = byteOf(p, c.part, c.index);
      if (byte != (forward ? c.before : c.after)) return false;
      byte = forward ? c.after : c.before;
    }
    p.notSolvable = forward ? step.notSolvableAfter : step.notSolvableBefore;
    return true;
  };
  for (size_t k = done; k-- > 0;)
    if (!walk(steps[k], false)) return false;
  for (const Step& step : steps)
    if (!walk(step, true)) return false;
  return true;
}

size_t PositionHistory::bytesKept() const {
  size_t bytes = steps_.capacity() * sizeof(Step);
  for (const Step& step : steps_) bytes += step.changes.capacity() * sizeof(Change);
  return bytes;
}

}  // namespace tessarix
