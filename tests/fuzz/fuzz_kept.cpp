// The kept game's decoding on any bytes. Beyond "no crash": bytes it takes encode back to
// exactly themselves, and the history they hold walks back to its start and forth to its end
// over the position they hold without leaving the ranges of the field.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/kept_game.h"

using namespace tessarix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string why;
  const std::optional<KeptGame> game = decodeKeptGame(bytes, why);
  if (!game) {
    if (why.empty()) __builtin_trap();
    return 0;
  }
  if (encodeKeptGame(*game) != bytes) __builtin_trap();
  GameState s;
  game->position.writeTo(s);
  PositionHistory history;
  history.restore(game->steps, game->doneSteps, s);
  while (history.undo(s)) {
  }
  while (history.redo(s)) {
  }
  for (int i = 0; i < 1000; ++i)
    if (s.board[i] > 9 || s.givens[i] > 9 || s.solution[i] > 9) __builtin_trap();
  for (uint8_t m : s.marks)
    if (m > 1) __builtin_trap();
  return 0;
}
