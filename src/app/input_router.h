// The input router: turns the window's raw events into the game's steps by what the game is
// doing, and pairs every key release with the press that must have reached the same mode.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "ui/button_bar.h"
#include "ui/cell_hit.h"

namespace tessarix {

enum class MouseButton { Left, Right };

// What lies under a press of a game loop: a button of the bar (only the left button presses
// one), or else a cell of the grids; neither outside both.
struct LoopHit {
  std::optional<BarButton> barButton;
  std::optional<CellRef> cell;
  friend bool operator==(const LoopHit&, const LoopHit&) = default;
};
// The hit test of a press at (x, y) of the canvas.
LoopHit loopHitAt(MouseButton button, int x, int y);

// What the game is doing, as far as input is concerned.
enum class InputMode {
  Idle,    // between commands: the menu bar acts, the field takes no input
  Loop,    // a game loop (the play loop or the own-board entry) waits for keys and clicks
  Keypad,  // the keypad is open over a cell of a game loop
  Paused,  // a timed step runs (the pause before a loop ends): input waits for nothing
};

// The steps the router hands on. The Game implements them.
class InputTarget {
 public:
  virtual ~InputTarget() = default;
  virtual InputMode inputMode() const = 0;
  // Changes whenever a game loop is entered or the keypad opens or closes, so that a key
  // pressed before the change is not mistaken for one pressed after it.
  virtual uint64_t inputEpoch() const = 0;

  // The pointer moved to (x, y), or a press happened somewhere else than the last move.
  virtual void pointerMoved(int x, int y) = 0;
  // A key pressed in a game loop (its release follows as loopKeyReleased).
  virtual void loopKeyPressed(int) {}
  // A key of a game loop, on its release (capital letters, digits, Esc 27, the codes of
  // app/keys.h), with the Ctrl, Shift and Alt flags the key was pressed with.
  virtual void loopKeyReleased(int key) = 0;
  // A mouse button pressed in a game loop, with what it hit.
  virtual void loopButtonPressed(MouseButton button, const LoopHit& hit) = 0;
  // Every mouse button released: a bar button held down by the mouse pops up.
  virtual void buttonReleased(MouseButton button) = 0;
  // The open keypad: a mouse press anywhere, a character typed (Esc 27).
  virtual void keypadButtonPressed(MouseButton button, int x, int y) = 0;
  virtual void keypadCharacterTyped(int code) = 0;
  // A mouse button or a key has been handled, whatever it did.
  virtual void inputHandled() {}
};

class InputRouter {
 public:
  explicit InputRouter(InputTarget& target) : target_(target) {}

  void pointerMoved(int x, int y);
  void buttonPressed(MouseButton button, int x, int y);
  void buttonReleased(MouseButton button, int x, int y);
  // key: the game's key code (capital letters and digits as ASCII, Esc 27, app/keys.h). A
  // press may carry the Ctrl, Shift and Alt flags; they count as the press had them, whichever
  // of the keys is let go first.
  void keyPressed(int key);
  void keyReleased(int key);
  // code: the character the key last pressed typed (lower-case letters as typed, Esc 27). A
  // key pressed with Ctrl or Alt types nothing into the keypad.
  void characterTyped(int code);

 private:
  // A press at another place than the last move is a move first: the keypad's highlight and
  // the position of the click follow it.
  void followPointer(int x, int y);

  InputTarget& target_;
  int lastX_ = -1, lastY_ = -1;
  // Keys whose press reached a game loop (without modifier flags), with the epoch of that
  // loop and the modifier flags of the press.
  struct Press {
    uint64_t epoch;
    int modifiers;
  };
  std::map<int, Press> pressedInLoop_;
  int lastPressModifiers_ = 0;  // of the key pressed last, whose character may follow
};

}  // namespace tessarix
