// The printer's Canvas: the game's drawing operations on a QPainter that paints a printer's page,
// in the printer's device pixels, with line widths in pixels of a 300 dpi page and the page's
// fonts sized in points.
#pragma once

#include <QColor>
#include <QPainter>

#include "ui/canvas.h"

namespace tessarix {

class PrinterCanvas : public Canvas {
 public:
  // Draws with `painter`, which must stay active while the canvas is used.
  explicit PrinterCanvas(QPainter& painter);

  void setLineColor(int paletteIndex) override;
  void setFillColor(int paletteIndex) override;
  // In pixels of a 300 dpi page; at least one device pixel.
  void setLineWidth(int width) override;
  void setTransparentText(bool transparent) override;
  void setTextFont(FontStyle style) override;

  void line(int x1, int y1, int x2, int y2) override;
  void outlineBox(int x1, int y1, int x2, int y2) override;
  void filledBox(int x1, int y1, int x2, int y2) override;
  void text(int x, int y, const std::string& utf8) override;

  // The page is printed whole, never in parts.
  void setClip(int x1, int y1, int x2, int y2) override;
  void clearClip() override;

  // Paper keeps what is printed: there is nothing to take back.
  std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) override;
  void restore(const CapturedPixels& pixels, int x, int y) override;

 private:
  // The resolution the line widths are given in.
  static constexpr int lineDpi = 300;

  int deviceWidth() const;
  void usePen();

  QPainter& painter_;
  QColor lineColor_;
  QColor fillColor_;
  int lineWidth_ = 1;
  bool transparentText_ = false;
  FontStyle fontStyle_ = FontStyle::PagePlain;
};

}  // namespace tessarix
