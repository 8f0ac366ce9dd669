// The keypad that opens over a clicked cell: its place, the button under the pointer, and its
// drawing. Three rows of three 15-pixel buttons, 1 2 3 on top, 7 8 9 at the bottom.
#pragma once

#include "ui/canvas.h"

namespace tessarix {

inline constexpr int keypadButtonSize = 15;
inline constexpr int keypadSize = 3 * keypadButtonSize;  // 45 x 45 pixels

// Top-left corner of the keypad of a cell: 8 pixels left of and above the cell's corner, so the
// keypad covers the cell and 8 pixels of its neighbours on the left and top, 4 on the right and
// 12 below.
struct KeypadPlace {
  int left, top;
  friend bool operator==(const KeypadPlace&, const KeypadPlace&) = default;
};
KeypadPlace keypadPlace(int grid, int col, int row);

// True when (x, y) lies in the keypad at (left, top): left <= x < left + 45, likewise for y.
bool insideKeypad(int left, int top, int x, int y);
// The button (1..9) under (x, y), or 0 outside the keypad. Rows and columns are the bands
// [start, start + 15), [start + 15, start + 30), [start + 30, start + 45).
int keypadButtonAt(int left, int top, int x, int y);

// The keypad covers (left, top) to (left + 45, top + 45), both corners included, and nothing
// beyond: when it closes, the picture is drawn again in that square.

// The nine buttons: each a filled box with a black border, light grey for `highlighted` and white
// for the others, its label in font 6 with a transparent background: the digit at (bx + 3, by + 1)
// in digit mode, else the letter "A".."H" at (bx + 2, by + 1) and the narrow "I" at (bx + 6, by +
// 1). Leaves opaque text, black lines, font 6.
void drawKeypad(Canvas& canvas, int left, int top, int highlighted, bool digitMode);

}  // namespace tessarix
