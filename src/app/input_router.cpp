// The input router: one place that decides, by mode, what a window event means.
#include "app/input_router.h"

#include "app/keys.h"

namespace tessarix {

LoopHit loopHitAt(MouseButton button, int x, int y) {
  // The button bar takes a left press first; what lies in neither is no hit.
  if (button == MouseButton::Left)
    if (const auto b = barButtonAt(x, y)) return {b, std::nullopt};
  return {std::nullopt, cellAt(x, y)};
}

void InputRouter::followPointer(int x, int y) {
  if (x == lastX_ && y == lastY_) return;
  lastX_ = x;
  lastY_ = y;
  target_.pointerMoved(x, y);
}

void InputRouter::pointerMoved(int x, int y) { followPointer(x, y); }

void InputRouter::buttonPressed(MouseButton button, int x, int y) {
  followPointer(x, y);
  switch (target_.inputMode()) {
    case InputMode::Loop: target_.loopButtonPressed(button, loopHitAt(button, x, y)); break;
    case InputMode::Keypad: target_.keypadButtonPressed(button, x, y); break;
    case InputMode::Idle:
    case InputMode::Paused: break;
  }
  target_.inputHandled();
}

void InputRouter::buttonReleased(MouseButton button, int x, int y) {
  followPointer(x, y);
  target_.buttonReleased(button);
  target_.inputHandled();
}

void InputRouter::keyPressed(int key) {
  // Only a press that reaches a game loop may later act on its release; the keypad uses up
  // the keys typed into it, and a key pressed in the menu or a message box never reaches here.
  const int base = keys::base(key);
  lastPressModifiers_ = key & keys::modifierMask;
  if (target_.inputMode() == InputMode::Loop) {
    pressedInLoop_[base] = {target_.inputEpoch(), lastPressModifiers_};
    target_.loopKeyPressed(key);
  } else {
    pressedInLoop_.erase(base);
  }
}

void InputRouter::keyReleased(int key) {
  const auto it = pressedInLoop_.find(keys::base(key));
  if (it == pressedInLoop_.end()) return;
  const Press press = it->second;
  pressedInLoop_.erase(it);
  if (target_.inputMode() != InputMode::Loop || press.epoch != target_.inputEpoch()) return;
  target_.loopKeyReleased(keys::base(key) | press.modifiers);
  target_.inputHandled();
}

void InputRouter::characterTyped(int code) {
  if (target_.inputMode() != InputMode::Keypad) return;
  // Alt belongs to the menu's access keys and Ctrl to undo and redo: neither types a value.
  if ((lastPressModifiers_ & (keys::ctrl | keys::alt)) != 0) return;
  target_.keypadCharacterTyped(code);
  target_.inputHandled();
}

}  // namespace tessarix
