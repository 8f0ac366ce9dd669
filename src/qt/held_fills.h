// The fills of a picture drawn on a scaled image, held back at canvas resolution: for a canvas
// pixel that a box or a line filled last, only the colour is kept, and its block of device
// pixels is written once, when a text goes over it or the picture is done. A picture covers
// most of the screen more than once (the window, the grids, their cells): at a high scale its
// device pixels are then written about once instead of over twice.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <utility>
#include <vector>

namespace tessarix {

class HeldFills {
 public:
  // The least scale at which fills are held.
  static constexpr double minimumScale = 1.5;

  // Room for the colours of a canvas of canvasWidth x canvasHeight.
  HeldFills(int canvasWidth, int canvasHeight);

  // Holds the fills for `image`, drawn at `scale` device pixels per canvas pixel, until
  // writeAll(); the image's pixels stay as they are until then. Holds nothing below
  // minimumScale.
  void begin(QImage& image, double scale);
  bool holding() const { return image_ != nullptr; }
  // The canvas pixels of `r` (canvas pixels; already clipped) filled with `colour`.
  void fill(const QRect& r, QRgb colour);
  // The held colours of the canvas pixels in `r` written to the image, which then holds those
  // pixels itself.
  void write(const QRect& r);
  // Everything held written, and nothing held any more.
  void writeAll();

 private:
  // The first device pixel of canvas pixel v.
  int at(int v) const;
  // The device rows of canvas row y set to row_ in `stretches` (device columns [first, end)).
  void copyRows(uchar* bits, int y, const std::vector<std::pair<int, int>>& stretches) const;

  int width_, height_;           // canvas pixels held: those whose blocks start in the image
  std::vector<uint8_t> codes_;   // per canvas pixel: 0 when the image holds it, else a colour
  std::vector<QRgb> colours_;    // the colour of code i + 1
  std::vector<QRgb> row_;        // one device row of held colours, as it is written
  std::vector<uint8_t> last_;    // the codes of the canvas row row_ was made of
  std::vector<int> starts_;      // at(x) for x = 0 .. width_
  QImage* image_ = nullptr;
  double scale_ = 1.0;
  int canvasWidth_, canvasHeight_;
};

}  // namespace tessarix
