// The printer's Canvas over a QPainter: lines and box borders centred on their coordinates,
// texts placed by the top-left corner of their character cell.
#include "qt/printer_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>

#include "qt/canvas_paint.h"
#include "ui/palette.h"

namespace tessarix {

namespace {

// Liberation Sans has Arial's metrics. Screen styles, which the page does not use, print at
// the page's size.
struct PageFont {
  int points;
  bool bold;
};

PageFont pageFont(FontStyle style) {
  switch (style) {
    case FontStyle::PageDigits: return {16, true};
    case FontStyle::PageFooter: return {10, false};
    default: return {16, false};
  }
}

QRect boxOf(int x1, int y1, int x2, int y2) {
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
               QPoint(std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace

PrinterCanvas::PrinterCanvas(QPainter& painter)
    : painter_(painter),
      lineColor_(paletteColor(colorBlack)),
      fillColor_(paletteColor(colorWhite)) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PrinterCanvas::setLineColor(int paletteIndex) { lineColor_ = paletteColor(paletteIndex); }
void PrinterCanvas::setFillColor(int paletteIndex) { fillColor_ = paletteColor(paletteIndex); }
void PrinterCanvas::setLineWidth(int width) { lineWidth_ = std::max(1, width); }
void PrinterCanvas::setTransparentText(bool transparent) { transparentText_ = transparent; }
void PrinterCanvas::setTextFont(FontStyle style) { fontStyle_ = style; }

// Line widths are pixels of a 300 dpi page, whatever the printer's resolution: at 1200 dpi a
// block line of width 5 is 20 device pixels, about 0.42 mm, and stands out from the cell lines
// (width 1, about 0.085 mm). Taken as device pixels, a fine printer would print a lattice of
// hairlines in which the blocks cannot be seen. The painter on a printer has no scaling of its
// own, so the widths are scaled here.
int PrinterCanvas::deviceWidth() const {
  const int dpi = painter_.device() ? painter_.device()->logicalDpiX() : lineDpi;
  return std::max(1, static_cast<int>(std::lround(lineWidth_ * double(dpi) / lineDpi)));
}

void PrinterCanvas::usePen() {
  QPen pen(lineColor_);
  pen.setWidth(deviceWidth());
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
}

void PrinterCanvas::line(int x1, int y1, int x2, int y2) {
  usePen();
  painter_.drawLine(x1, y1, x2, y2);
}

void PrinterCanvas::outlineBox(int x1, int y1, int x2, int y2) {
  usePen();
  painter_.setBrush(Qt::NoBrush);
  const QRect r = boxOf(x1, y1, x2, y2);
  painter_.drawRect(QRectF(QPointF(r.topLeft()), QPointF(r.bottomRight())));
}

void PrinterCanvas::filledBox(int x1, int y1, int x2, int y2) {
  const QRect r = boxOf(x1, y1, x2, y2);
  painter_.fillRect(r, fillColor_);
  outlineBox(x1, y1, x2, y2);
}

void PrinterCanvas::text(int x, int y, const std::string& utf8) {
  if (utf8.empty()) return;
  const PageFont pf = pageFont(fontStyle_);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSize(pf.points);
  font.setWeight(pf.bold ? QFont::Bold : QFont::Normal);
  painter_.setFont(font);
  // Points become device pixels at the printer's resolution.
  const double em = pf.points * painter_.device()->logicalDpiY() / 72.0;
  const int baseline = arialBaseline(em);
  const QString t = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  if (!transparentText_) {
    const QFontMetrics fm(font, painter_.device());
    const int height = static_cast<int>(em * arialCellUnits / arialUnitsPerEm + 0.5);
    painter_.fillRect(QRect(x, y, fm.horizontalAdvance(t), height), fillColor_);
  }
  painter_.setPen(lineColor_);
  painter_.drawText(QPoint(x, y + baseline), t);
}

void PrinterCanvas::setClip(int x1, int y1, int x2, int y2) {
  painter_.setClipRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                             QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void PrinterCanvas::clearClip() { painter_.setClipping(false); }

std::unique_ptr<CapturedPixels> PrinterCanvas::capture(int, int, int, int) {
  return std::make_unique<CapturedPixels>();
}

void PrinterCanvas::restore(const CapturedPixels&, int, int) {}

}  // namespace tessarix
