// Reading the canvas image in pixel tests: palette colours at a pixel, a readable description of
// a pixel for failure messages, and counting the pixels of a rectangle that a predicate accepts.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "qt/image_canvas.h"

namespace tessarix::testing {

inline bool isPalette(const QImage& img, int x, int y, int paletteIndex) {
  return img.pixel(x, y) == paletteColor(paletteIndex).rgb();
}

inline QString describe(const QImage& img, int x, int y) {
  const QColor c(img.pixel(x, y));
  return QStringLiteral("(%1, %2) is rgb(%3, %4, %5)")
      .arg(x)
      .arg(y)
      .arg(c.red())
      .arg(c.green())
      .arg(c.blue());
}

// Pixels in the rectangle (inclusive corners) that the predicate accepts.
template <typename Pred>
int countPixels(const QImage& img, int x1, int y1, int x2, int y2, Pred pred) {
  int n = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) n += pred(QColor(img.pixel(x, y))) ? 1 : 0;
  return n;
}

inline bool dark(const QColor& c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; }

}  // namespace tessarix::testing
