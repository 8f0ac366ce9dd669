// The game's key codes: capital letters and digits as their ASCII codes, a few control keys
// by their character codes, the arrows and Delete by codes of their own (above every character,
// below the front end's codes of other special keys). A key pressed with
// Ctrl, Shift or Alt carries those as flags above the code.
#pragma once

namespace tessarix::keys {

inline constexpr int backspace = 8;
inline constexpr int tab = 9;
inline constexpr int enter = 13;
inline constexpr int escape = 27;
inline constexpr int space = 32;

inline constexpr int left = 0x200001;
inline constexpr int up = 0x200002;
inline constexpr int right = 0x200003;
inline constexpr int down = 0x200004;
inline constexpr int del = 0x200005;

inline constexpr int ctrl = 0x10000000;
inline constexpr int shift = 0x20000000;
inline constexpr int alt = 0x40000000;
inline constexpr int modifierMask = ctrl | shift | alt;

// The key without its modifier flags.
constexpr int base(int key) { return key & ~modifierMask; }

// Undo is Ctrl+Z; redo is Ctrl+Y or Ctrl+Shift+Z. With Alt they are no keys of the game.
constexpr bool isUndo(int key) { return key == ('Z' | ctrl); }
constexpr bool isRedo(int key) {
  return (key & ~shift) == ('Y' | ctrl) || key == ('Z' | ctrl | shift);
}

}  // namespace tessarix::keys
