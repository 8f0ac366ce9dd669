// Centring the main window on the screen.
#include "app/window_placement.h"

#include <cmath>

namespace tessarix {

namespace {
int place(int screen, int window) {
  const double half = (static_cast<double>(screen) - window) / 2.0;
  if (half < 0.0) return 0;
  // Round half to even, whatever rounding mode the process runs in.
  const double lower = std::floor(half);
  const double fraction = half - lower;
  if (fraction > 0.5) return static_cast<int>(lower) + 1;
  if (fraction < 0.5) return static_cast<int>(lower);
  const int l = static_cast<int>(lower);
  return l % 2 == 0 ? l : l + 1;
}
}  // namespace

WindowPosition centredWindowPosition(int screenWidth, int screenHeight) {
  return {place(screenWidth, windowOuterWidth), place(screenHeight, windowOuterHeight)};
}

}  // namespace tessarix
