// The game in progress as bytes, to be kept in the game directory between runs: the position,
// the options it is played with, the mode, the wrong-entry count, whether it is still timed and
// the time played, and the undo history. Decoding takes any bytes: what is not a kept game of
// this version, whole and in range, is refused with the reason, never half read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "logic/game_state.h"
#include "logic/position_history.h"

namespace tessarix {

struct KeptGame {
  enum class Mode : uint8_t { Idle, Playing, OwnBoard };

  Position position;
  Mode mode = Mode::Idle;
  Options options;
  int wrongCount = 0;
  bool timed = false;         // the clock still runs for the hall of fame
  bool paused = false;        // the play loop was paused (the field covered)
  int64_t playedTenths = 0;   // the time played so far
  std::vector<PositionHistory::Step> steps;
  size_t doneSteps = 0;

  friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

// The version the encoding writes; another one is refused.
inline constexpr uint16_t keptGameVersion = 1;

std::string encodeKeptGame(const KeptGame& game);

// The kept game, or nothing with `why` saying what is wrong with the bytes.
std::optional<KeptGame> decodeKeptGame(std::string_view bytes, std::string& why);

}  // namespace tessarix
