// Centring the main window on the screen, and a side window beside it.
#include "app/window_placement.h"

#include <algorithm>

#include "logic/rounding.h"

namespace tessarix {

namespace {
int place(int screen, int window) {
  const double half = (static_cast<double>(screen) - window) / 2.0;
  if (half < 0.0) return 0;
  return roundHalfEven(half);
}
}  // namespace

WindowPosition centredWindowPosition(int screenWidth, int screenHeight) {
  return {place(screenWidth, windowOuterWidth), place(screenHeight, windowOuterHeight)};
}

WindowPosition besideWindowPosition(const WindowRect& screen, const WindowRect& frame, int width,
                                    int height) {
  const int screenRight = screen.x + screen.width;
  const int screenBottom = screen.y + screen.height;
  const int frameRight = frame.x + frame.width;
  WindowPosition p;
  if (frameRight + width <= screenRight)
    p.x = frameRight;
  else if (frame.x - width >= screen.x)
    p.x = frame.x - width;
  else
    p.x = screen.x;  // over the window's left edge: its right keeps the status and the clock
  p.y = std::max(screen.y, std::min(frame.y, screenBottom - height));
  return p;
}

double fittingScale(int availableWidth, int availableHeight) {
  constexpr int canvasWidth = windowOuterWidth;
  constexpr int canvasHeight = 946;
  constexpr int barHeight = windowOuterHeight - canvasHeight;
  const double across = static_cast<double>(availableWidth) / canvasWidth;
  const double down = static_cast<double>(availableHeight - barHeight) / canvasHeight;
  return std::clamp(std::min(across, down), 0.25, 1.0);
}

}  // namespace tessarix
