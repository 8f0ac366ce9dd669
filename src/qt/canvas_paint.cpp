// The palette's colours as Qt colours.
#include "qt/canvas_paint.h"

#include <algorithm>

#include "ui/palette.h"

namespace tessarix {

QColor paletteColor(int index) {
  const int i = std::clamp(index, 0, static_cast<int>(palette.size()) - 1);
  return QColor(paletteRed(i), paletteGreen(i), paletteBlue(i));
}

}  // namespace tessarix
