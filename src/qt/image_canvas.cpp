// The screen's Canvas over a QImage: lines and boxes set whole pixels (no antialiasing), texts
// are placed by their top-left corner, fixed-pitch styles on an 8-pixel raster.
#include "qt/image_canvas.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "qt/canvas_paint.h"
#include "qt/pixel_block.h"
#include "qt/style_text.h"
#include "ui/palette.h"

namespace tessarix {

namespace {

// The palette as the image's pixels (as paletteColor() gives them), an index outside it taken
// as the nearest entry.
constexpr std::array<QRgb, palette.size()> palettePixels = [] {
  std::array<QRgb, palette.size()> t{};
  for (size_t i = 0; i < t.size(); ++i) {
    const int k = static_cast<int>(i);
    t[i] = qRgb(paletteRed(k), paletteGreen(k), paletteBlue(k));
  }
  return t;
}();

QRgb rgbOf(int index) {
  return palettePixels[static_cast<size_t>(
      std::clamp(index, 0, static_cast<int>(palettePixels.size()) - 1))];
}

// A scale of whole device pixels per canvas pixel, or 0.
int wholeScaleOf(double scale) {
  return scale >= 1 && scale <= 64 && scale == std::floor(scale) ? static_cast<int>(scale) : 0;
}

// Where a text goes: its characters on their advances (fixed or proportional) from x on the
// baseline, narrowed by `squeeze` when the glyphs would pass `right` (1 where they fit); its
// background box, which ends at `right` too, and the rectangle its ink lies in.
struct TextLayout {
  TextShape* shape = nullptr;
  const StyleFont* font = nullptr;
  int baseline = 0;
  double squeeze = 1.0;
  QRect box, ink;
};

TextLayout layOut(const StyleFont& s, int x, int y, const std::string& utf8, int right,
                  const QPaintDevice* device) {
  TextLayout l;
  l.font = &s;
  TextShape& t = shapeOf(s, utf8, device);
  l.shape = &t;
  l.baseline = y + s.baseline;
  const QRect& ink = t.ink;
  const int need = std::max(t.shownWidth, ink.isEmpty() ? 0 : ink.right() + 1);
  const long long room = static_cast<long long>(right) - x + 1;
  if (need > room) l.squeeze = room > 0 ? static_cast<double>(room) / need : 0.0;
  const long long width = std::lround(t.width * l.squeeze);
  const int top = std::min(y, y + s.baseline - s.ascent);
  l.box = QRect(QPoint(x, top), QPoint(static_cast<int>(std::min<long long>(x + width - 1, right)),
                                       y + s.height - 1));
  if (!ink.isEmpty()) {
    const int inkRight = x + static_cast<int>(std::ceil((ink.right() + 1) * l.squeeze)) - 1;
    l.ink = QRect(
        QPoint(x + static_cast<int>(std::floor(ink.left() * l.squeeze)), l.baseline + ink.top()),
        QPoint(std::min(inkRight, right), l.baseline + ink.bottom()));
  }
  return l;
}

class ImagePixels : public CapturedPixels {
 public:
  explicit ImagePixels(QImage image) : image(std::move(image)) {}
  QImage image;
};

}  // namespace

QFont styleFont(FontStyle style, bool largeFonts) {
  return cachedStyleFont(style, largeFonts).font;
}

QFont clockFont(double scale, int logicalDpi) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(24.0 * scale * 96.0 / std::max(1, logicalDpi));
  return f;
}

ImageCanvas::ImageCanvas() : ImageCanvas(canvasWidth, canvasHeight) {}

ImageCanvas::ImageCanvas(int width, int height) : ImageCanvas(width, height, 1.0) {}

ImageCanvas::ImageCanvas(int width, int height, double scale)
    : image_(static_cast<int>(std::ceil(width * scale)), static_cast<int>(std::ceil(height * scale)),
             QImage::Format_RGB32),
      scale_(scale),
      wholeScale_(wholeScaleOf(scale)),
      lineColor_(rgbOf(colorBlack)),
      fillColor_(rgbOf(colorWhite)) {
  image_.fill(rgbOf(colorWindow));
}

ImageCanvas::ImageCanvas(int width, int height, double scale, ImageCanvas* previous)
    : scale_(scale),
      wholeScale_(wholeScaleOf(scale)),
      lineColor_(rgbOf(colorBlack)),
      fillColor_(rgbOf(colorWhite)) {
  QImage none;
  QImage& before = previous != nullptr ? previous->image_ : none;
  if (previous != nullptr) {
    // Its pixels go to the new canvas as they are: painted over, not filled first.
    if (previous->painter_.isActive()) previous->painter_.end();
    previous->unfilled_ = false;
    block_ = previous->block_;
    previous->block_ = nullptr;
  }
  image_ = PixelBlock::makeImage(static_cast<int>(std::ceil(width * scale)),
                                 static_cast<int>(std::ceil(height * scale)), before, block_);
  // The window's colour goes in before anything else does, unless the first drawing covers
  // the whole image (as a picture drawn from scratch does).
  unfilled_ = true;
}

void ImageCanvas::fillUnfilled() const {
  if (!unfilled_) return;
  unfilled_ = false;
  // The pixels are as if filled when the canvas was made.
  const_cast<QImage&>(image_).fill(rgbOf(colorWindow));
}

size_t ImageCanvas::bytesKept() const {
  return block_ != nullptr ? block_->bytes() : static_cast<size_t>(image_.sizeInBytes());
}

QRect ImageCanvas::device(const QRect& r) const {
  if (scale_ == 1.0) return r;
  if (wholeScale_ > 0) {
    const int k = wholeScale_;
    return QRect(QPoint(r.left() * k, r.top() * k),
                 QPoint((r.right() + 1) * k - 1, (r.bottom() + 1) * k - 1));
  }
  // Canvas pixel x covers device pixels floor(x k) to floor((x + 1) k) - 1: neighbouring
  // pixels meet without a gap or an overlap, and a line stays as sharp as at scale 1.
  auto at = [this](int v) { return static_cast<int>(std::floor(v * scale_)); };
  return QRect(QPoint(at(r.left()), at(r.top())),
               QPoint(at(r.right() + 1) - 1, at(r.bottom() + 1) - 1));
}

void ImageCanvas::setLineColor(int paletteIndex) { lineColor_ = rgbOf(paletteIndex); }
void ImageCanvas::setFillColor(int paletteIndex) { fillColor_ = rgbOf(paletteIndex); }
void ImageCanvas::setLineWidth(int width) { lineWidth_ = std::max(1, width); }
void ImageCanvas::setTransparentText(bool transparent) { transparentText_ = transparent; }
void ImageCanvas::setTextFont(FontStyle style) {
  if (style == fontStyle_) return;
  fontStyle_ = style;
  font_ = nullptr;
}

void ImageCanvas::dirty(const QRect& r) {
  if (!dirtyListener_) return;
  const QRect changed = clip_.isNull() ? r : r.intersected(clip_);
  if (!changed.isEmpty()) dirtyListener_(device(changed).intersected(image_.rect()));
}

void ImageCanvas::setClip(int x1, int y1, int x2, int y2) {
  clip_ = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                QPoint(std::max(x1, x2), std::max(y1, y2)));
}

void ImageCanvas::clearClip() { clip_ = QRect(); }

void ImageCanvas::fillRect(const QRect& whole, QRgb colour) {
  const QRect r = clip_.isNull() ? whole : whole.intersected(clip_);
  if (r.isEmpty()) return;
  const QRect d = device(r);
  const int left = std::max(d.left(), 0), right = std::min(d.right(), image_.width() - 1);
  const int top = std::max(d.top(), 0), bottom = std::min(d.bottom(), image_.height() - 1);
  if (left > right || top > bottom) return;
  if (unfilled_) {
    if (left == 0 && top == 0 && right == image_.width() - 1 && bottom == image_.height() - 1)
      unfilled_ = false;
    else
      fillUnfilled();
  }
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  for (int y = top; y <= bottom; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(row + left, row + right + 1, colour);
  }
}

// A line of width w covers its own pixels and the w - 1 pixels above (horizontal) or to the left
// (vertical) of them: a 2-pixel box line lies on its coordinate and the pixel before it.
void ImageCanvas::line(int x1, int y1, int x2, int y2) {
  const int w = lineWidth_;
  if (y1 == y2 || x1 == x2) {
    const QRect r =
        y1 == y2 ? QRect(QPoint(std::min(x1, x2), y1 - (w - 1)), QPoint(std::max(x1, x2), y1))
                 : QRect(QPoint(x1 - (w - 1), std::min(y1, y2)), QPoint(x1, std::max(y1, y2)));
    fillRect(r, lineColor_);
    dirty(r);
    return;
  }
  // Any other slope: Bresenham, a w x w square per point, both ends included.
  int x = x1, y = y1;
  const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    fillRect(QRect(x - (w - 1), y - (w - 1), w, w), lineColor_);
    if (x == x2 && y == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  dirty(QRect(QPoint(std::min(x1, x2) - w, std::min(y1, y2) - w),
              QPoint(std::max(x1, x2), std::max(y1, y2))));
}

void ImageCanvas::border(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  const int w = lineWidth_ - 1;
  fillRect(QRect(QPoint(left - w, top - w), QPoint(right, top)), lineColor_);
  fillRect(QRect(QPoint(left - w, bottom - w), QPoint(right, bottom)), lineColor_);
  fillRect(QRect(QPoint(left - w, top - w), QPoint(left, bottom)), lineColor_);
  fillRect(QRect(QPoint(right - w, top - w), QPoint(right, bottom)), lineColor_);
  dirty(QRect(QPoint(left - w, top - w), QPoint(right, bottom)));
}

void ImageCanvas::outlineBox(int x1, int y1, int x2, int y2) { border(x1, y1, x2, y2); }

void ImageCanvas::filledBox(int x1, int y1, int x2, int y2) {
  if (fillColor_ == lineColor_) {
    // Border and interior in one colour: one block, the border's extra width above and left.
    const int w = lineWidth_ - 1;
    const QRect r(QPoint(std::min(x1, x2) - w, std::min(y1, y2) - w),
                  QPoint(std::max(x1, x2), std::max(y1, y2)));
    fillRect(r, fillColor_);
    dirty(r);
    return;
  }
  fillRect(
      QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
      fillColor_);
  border(x1, y1, x2, y2);
}

void ImageCanvas::text(int x, int y, const std::string& utf8) {
  fittedText(x, y, utf8, noRightEdge);
}

void ImageCanvas::fittedText(int x, int y, const std::string& utf8, int right) {
  if (utf8.empty()) return;
  const TextLayout l = layOut(styleFont(), x, y, utf8, right, &image_);
  // Outside the clip a text changes nothing; partly inside it, its glyphs are cut at the clip.
  const QRect reach = l.box.united(l.ink).adjusted(-3, -3, 3, 3);
  const bool clipped = !clip_.isNull() && !clip_.contains(reach);
  if (clipped && !clip_.intersects(reach)) return;
  // The opaque background covers the whole glyphs: accents may rise above the text's top, and a
  // shorter text written over an older one must leave nothing of it behind.
  if (!transparentText_) fillRect(l.box, fillColor_);
  fillUnfilled();
  if (right == noRightEdge && l.squeeze == 1.0 &&
      setGlyphPixels(image_, scale_, lineColor_, *l.font, *l.shape, x, l.baseline,
                     clipped ? device(clip_) : QRect())) {
    dirty(l.box.united(l.ink).adjusted(-3, -3, 3, 3));
    return;
  }
  QPainter& p = painter();
  p.resetTransform();
  if (clipped) p.setClipRect(device(clip_));
  // Scaled, the glyphs are drawn at the device resolution, not blown up.
  if (scale_ != 1.0) p.scale(scale_, scale_);
  if (right < noRightEdge)
    p.setClipRect(QRectF(QPointF(-1e6, -1e6), QPointF(right + 1.0, 1e6)),
                  clipped ? Qt::IntersectClip : Qt::ReplaceClip);
  else if (!clipped && p.hasClipping())
    p.setClipping(false);
  if (painterFont_ != &l.font->font) {
    p.setFont(l.font->font);
    painterFont_ = &l.font->font;
  }
  if (!painterPenSet_ || painterPen_ != lineColor_) {
    p.setPen(QColor::fromRgb(lineColor_));
    painterPen_ = lineColor_;
    painterPenSet_ = true;
  }
  p.translate(x, l.baseline);
  if (l.squeeze != 1.0) p.scale(l.squeeze, 1.0);
  for (const QGlyphRun& run : l.shape->glyphs) p.drawGlyphRun(QPointF(0, 0), run);
  // Glyphs may overhang their box a little (stretched italics, accents).
  dirty(l.box.united(l.ink).adjusted(-3, -3, 3, 3));
}

const StyleFont& ImageCanvas::styleFont() {
  if (font_ == nullptr) font_ = &cachedStyleFont(fontStyle_, largeFonts_);
  return *font_;
}

QPainter& ImageCanvas::painter() {
  fillUnfilled();
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painterFont_ = nullptr;
    painterPenSet_ = false;
  }
  return painter_;
}

void ImageCanvas::settle() const {
  if (painter_.isActive()) painter_.end();
  fillUnfilled();
}

ImageCanvas::~ImageCanvas() { settle(); }

std::unique_ptr<CapturedPixels> ImageCanvas::capture(int x1, int y1, int x2, int y2) {
  const QRect r(QPoint(std::min(x1, x2), std::min(y1, y2)),
                QPoint(std::max(x1, x2), std::max(y1, y2)));
  fillUnfilled();
  return std::make_unique<ImagePixels>(image_.copy(device(r)));
}

void ImageCanvas::restore(const CapturedPixels& pixels, int x, int y) {
  const auto* captured = dynamic_cast<const ImagePixels*>(&pixels);
  if (captured == nullptr || captured->image.isNull()) return;
  const QPoint at = device(QRect(x, y, 1, 1)).topLeft();
  const QImage& from = captured->image;
  // The pixels as they were taken, row by row (both images hold 32-bit pixels).
  const QRect to = QRect(at, from.size()).intersected(image_.rect());
  fillUnfilled();
  if (!to.isEmpty()) {
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int row = to.top(); row <= to.bottom(); ++row) {
      const QRgb* src = reinterpret_cast<const QRgb*>(from.constScanLine(row - at.y())) +
                        (to.left() - at.x());
      std::copy(src, src + to.width(), reinterpret_cast<QRgb*>(bits + row * stride) + to.left());
    }
  }
  if (dirtyListener_) dirtyListener_(QRect(at, from.size()).intersected(image_.rect()));
}

}  // namespace tessarix
