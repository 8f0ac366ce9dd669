// The undo history of a game. A step is what one handled event changed in the position: the
// clues, the entries, the solution and the pencil marks of any number of cells, kept as the
// bytes that changed, each before and after (an entry costs a few bytes, a restart of a full
// field a few kilobytes). The history compares the position with the one it saw last, so a
// step is taken in one place, whatever made the change. Undo writes a step's old bytes back,
// redo its new ones; a new step drops the undone ones ahead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "logic/game_state.h"

namespace tessarix {

// The part of the state a step can change.
struct Position {
  CellArray board{}, givens{}, solution{};
  MarkArray marks{};
  bool notSolvable = false;

  static Position of(const GameState& s);
  void writeTo(GameState& s) const;
  friend bool operator==(const Position&, const Position&) = default;
};

class PositionHistory {
 public:
  // One changed byte of the position: which array, where, before and after.
  enum class Part : uint8_t { Board, Givens, Solution, Marks };
  struct Change {
    uint16_t index;
    Part part;
    uint8_t before, after;
    friend bool operator==(const Change&, const Change&) = default;
  };
  struct Step {
    std::vector<Change> changes;
    bool notSolvableBefore = false, notSolvableAfter = false;
    friend bool operator==(const Step&, const Step&) = default;
  };

  // A new history that begins at the position as it stands.
  void restart(const GameState& s);
  // What changed since the position last seen becomes a step; true when something had.
  bool record(const GameState& s);
  // The position as it stands becomes the one last seen, without a step.
  void rebase(const GameState& s);
  // A step back or forth, written into s: the cell indices it changed (marks by their cell),
  // ascending; nothing when there is no step to take.
  std::optional<std::vector<int>> undo(GameState& s);
  std::optional<std::vector<int>> redo(GameState& s);
  // No steps (between games).
  void clear();

  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }
  size_t stepCount() const { return steps_.size(); }
  // The bytes the steps hold.
  size_t bytesKept() const;

  // The steps and how many of them are done, to be kept on disk; and a history put back from
  // them, beginning its next step at the position as it stands.
  const std::vector<Step>& steps() const { return steps_; }
  size_t doneCount() const { return done_; }
  // The position as last seen (between two events, the state's own).
  const Position& seen() const { return seen_; }
  void restore(std::vector<Step> steps, size_t done, const GameState& s);
  // Whether steps, done up to `done`, lead to the position `now`: walking back through the
  // done steps and forth through all of them, every byte a step changes holds what the step
  // says it held. Steps that do not fit would write nonsense on undo.
  static bool fits(const Position& now, const std::vector<Step>& steps, size_t done);

  // Counts every change of the history or of the position it last saw: a keeper of the game
  // compares it to know whether there is anything new to keep.
  uint64_t revision() const { return revision_; }

 private:
  std::vector<int> apply(const Step& step, bool forward, GameState& s);

  Position seen_;
  std::vector<Step> steps_;
  size_t done_ = 0;  // steps_[0, done_) are done, the rest undone
  uint64_t revision_ = 0;
};

}  // namespace tessarix
