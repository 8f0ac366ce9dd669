// Where the windows open: the main window centred on the screen, never at a negative position;
// a side window (the help) beside it.
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

struct WindowRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where a side window of width x height goes beside the main window's frame on the screen's
// available area: right of the frame where it fits, else left of it; where it fits on neither
// side, against the screen's left edge, over the frame's left part (the status panel and the
// clock on the right stay in view). Its top is level with the frame's, moved up as far as the
// screen's bottom needs, never above the screen.
WindowPosition besideWindowPosition(const WindowRect& screen, const WindowRect& frame, int width,
                                    int height);

// The scale the 1280 x 946 canvas starts at on a screen whose available area is width x height:
// 1 where the whole window (menu bar included) fits, else the largest scale at which it does.
double fittingScale(int availableWidth, int availableHeight);

}  // namespace tessarix
