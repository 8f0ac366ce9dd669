// The keypad's geometry, its hit test and its nine buttons.
#include "ui/keypad_drawing.h"

#include "logic/geometry.h"
#include "ui/board_drawing.h"
#include "ui/palette.h"
#include "ui/field_layout.h"

namespace tessarix {

namespace {

// The band 0..2 that holds `v` when the bands start at `start`, or -1 outside all three.
int band(int start, int v) {
  const int d = v - start;
  if (d < 0 || d >= keypadSize) return -1;
  return d / keypadButtonSize;
}

}  // namespace

KeypadPlace keypadPlace(int grid, int col, int row) {
  // 8 pixels left of and above the cell's corner.
  const CellBox cell = cellBox(grid, col, row);
  return {cell.left - 8, cell.top - 8};
}

bool insideKeypad(int left, int top, int x, int y) {
  return band(left, x) >= 0 && band(top, y) >= 0;
}

int keypadButtonAt(int left, int top, int x, int y) {
  const int i = band(top, y);
  const int j = band(left, x);
  if (i < 0 || j < 0) return 0;
  return 3 * i + j + 1;
}

void drawKeypad(Canvas& canvas, int left, int top, int highlighted, bool digitMode) {
  for (int n = 1; n <= 9; ++n) {
    const int bx = left + keypadButtonSize * ((n - 1) % 3);
    const int by = top + keypadButtonSize * ((n - 1) / 3);
    canvas.setLineColor(colorBlack);
    canvas.setFillColor(n == highlighted ? colorLightGrey : colorWhite);
    canvas.setTransparentText(false);
    canvas.filledBox(bx, by, bx + keypadButtonSize, by + keypadButtonSize);
    canvas.setTextFont(FontStyle::Keypad);
    canvas.setTransparentText(true);
    int dx = 3;
    if (!digitMode) dx = n == 9 ? 6 : 2;  // the narrow "I" is moved to the middle
    canvas.text(bx + dx, by + 1, cellCharacter(digitMode, n));
  }
  canvas.setTransparentText(false);
}

}  // namespace tessarix
