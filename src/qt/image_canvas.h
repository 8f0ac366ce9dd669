// The screen's Canvas: the game draws into a 1280 x 946 QImage, pixel exact, which the canvas
// widget shows.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

#include "qt/canvas_paint.h"
#include "ui/canvas.h"

namespace tessarix {

class PixelBlock;
struct StyleFont;

inline constexpr int canvasWidth = 1280;
inline constexpr int canvasHeight = 946;
// A right edge no text reaches: text() is fittedText() up to it.
inline constexpr int noRightEdge = 1 << 24;

// The font of a text style; the panel, button and caption fonts change on large fonts.
QFont styleFont(FontStyle style, bool largeFonts);
// The clock's font, Arial 24 points as a display of 96 pixels an inch shows them (32 pixels),
// at the scale the canvas is shown at, on a display of `logicalDpi`: on large fonts too the
// clock's " 99:99:99" fits the label over its panel.
QFont clockFont(double scale, int logicalDpi);

class ImageCanvas : public Canvas {
 public:
  // A canvas of canvasWidth x canvasHeight, filled with the window colour (palette entry 12).
  ImageCanvas();
  ImageCanvas(int width, int height);
  // The same canvas drawn at `scale` device pixels per canvas pixel: coordinates stay canvas
  // pixels, every pixel becomes a block of device pixels, texts are rendered at the device
  // resolution. The image is then the device pixels; at scale 1 it is the canvas itself.
  ImageCanvas(int width, int height, double scale);
  // The same, its pixels in memory handed on from `previous` (the canvas it replaces) where
  // that can be done, and kept for the canvas that replaces this one.
  ImageCanvas(int width, int height, double scale, ImageCanvas* previous);
  ~ImageCanvas() override;
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;
  double scale() const { return scale_; }
  // The bytes the canvas holds for its pixels.
  size_t bytesKept() const;

  // The pixels drawn so far; texts are drawn by a painter kept open between them, which ends
  // here, before anyone reads or copies the image.
  const QImage& image() const {
    settle();
    return image_;
  }
  // Large system fonts: true on a logical DPI above 96 (set by the front end).
  void setLargeFonts(bool on) {
    largeFonts_ = on;
    font_ = nullptr;
  }
  bool largeFonts() const override { return largeFonts_; }
  // Called with the rectangle (in device pixels) of every drawing operation, so the widget can
  // repaint it.
  void setDirtyListener(std::function<void(const QRect&)> listener) {
    dirtyListener_ = std::move(listener);
  }

  void setLineColor(int paletteIndex) override;
  void setFillColor(int paletteIndex) override;
  void setLineWidth(int width) override;
  void setTransparentText(bool transparent) override;
  void setTextFont(FontStyle style) override;

  void line(int x1, int y1, int x2, int y2) override;
  void outlineBox(int x1, int y1, int x2, int y2) override;
  void filledBox(int x1, int y1, int x2, int y2) override;
  void text(int x, int y, const std::string& utf8) override;
  void fittedText(int x, int y, const std::string& utf8, int right) override;
  void setClip(int x1, int y1, int x2, int y2) override;
  void clearClip() override;

  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override;
  void restore(const CapturedPixels& pixels, int x, int y) override;

 private:
  void fillRect(const QRect& r, QRgb colour);
  // The device pixels of a rectangle of canvas pixels.
  QRect device(const QRect& r) const;
  void border(int x1, int y1, int x2, int y2);
  void dirty(const QRect& r);
  // The painter of the texts, begun on the image if it is not open.
  QPainter& painter();
  const StyleFont& styleFont();
  void settle() const;
  // The window's colour put in, if nothing has been drawn yet on a canvas made without it.
  void fillUnfilled() const;

  QImage image_;
  QRect clip_;  // in canvas pixels; none while null
  double scale_ = 1.0;
  int wholeScale_ = 0;  // the scale when it is whole, 0 otherwise
  QRgb lineColor_;
  QRgb fillColor_;
  int lineWidth_ = 1;
  bool transparentText_ = false;
  FontStyle fontStyle_ = FontStyle::Panel;
  bool largeFonts_ = false;
  const StyleFont* font_ = nullptr;  // the style's font, looked up on the first text
  std::function<void(const QRect&)> dirtyListener_;
  PixelBlock* block_ = nullptr;
  mutable bool unfilled_ = false;  // made without the window's colour, not drawn on yet  // the memory of the pixels, when handed on between canvases
  // The painter stays open from one text to the next, with the font and pen it last set.
  mutable QPainter painter_;
  const QFont* painterFont_ = nullptr;
  QRgb painterPen_ = 0;
  bool painterPenSet_ = false;
};

}  // namespace tessarix
