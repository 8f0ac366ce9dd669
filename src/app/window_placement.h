// Where the main window opens: centred on the screen, never at a negative position.
#pragma once

namespace tessarix {

// The window's outer size, menu bar and frame included, that the centring is made for.
inline constexpr int windowOuterWidth = 1280;
inline constexpr int windowOuterHeight = 974;

struct WindowPosition {
  int x = 0;
  int y = 0;
};

// x = (screen width - 1280) / 2 and y = (screen height - 974) / 2, halved in floating point,
// 0 when negative, rounded to the nearest pixel with a half going to the even neighbour.
WindowPosition centredWindowPosition(int screenWidth, int screenHeight);

}  // namespace tessarix
