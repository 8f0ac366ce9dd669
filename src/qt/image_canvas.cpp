// The screen's Canvas over a QImage: lines and boxes set whole pixels (no antialiasing), texts
// are placed by their top-left corner, fixed-pitch styles on an 8-pixel raster.
#include "qt/image_canvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>

#include "qt/canvas_paint.h"
#include "qt/pixel_block.h"
#include "ui/palette.h"

namespace tessarix {

namespace {

// A text as its font measures it, the same wherever it goes: its characters, its advance with
// and without its trailing blanks (which only cover what stood there before), and the rectangle
// its ink lies in from the pen's start on the baseline.
struct TextShape {
  QString text;
  QList<uint> chars;
  int width = 0;
  int shownWidth = 0;
  QRect ink;
  // The glyphs as the painter's text drawing shapes and places them, the pen's start on the
  // baseline at the origin: made on the first drawing, then drawn without shaping anew.
  bool shaped = false;
  QList<QGlyphRun> glyphs;
  // A one-glyph text in a font drawn without antialiasing sets whole pixels to the pen's colour:
  // which ones, from the device pixel its pen starts in, by the scale and where in that pixel
  // the pen starts; an empty list when the glyph does not allow it.
  struct Pixels {
    double scale, fx, fy;
    std::vector<std::array<int, 3>> runs;  // row, first column, columns
    bool valid;
  };
  std::vector<Pixels> pixels;
};

// How one style code is drawn.
struct StyleFont {
  QFont font;
  int advance = 0;   // fixed advance of every character, or 0 for proportional text
  int baseline = 0;  // baseline below the text's top
  int height = 0;    // height of the character cell (the opaque background)
  int ascent = 0;    // the font's ascent
  mutable std::unordered_map<std::string, TextShape> shapes;  // texts measured so far
};

// A sans font from a character-cell height and an average character width in pixels.
StyleFont sansFont(int height, int width, bool bold) {
  // The largest whole pixel size whose character cell fits the height.
  const int em = static_cast<int>(height * arialUnitsPerEm / arialCellUnits);
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(em);
  if (width > 0) {
    const double natural = em * arialAverageWidthUnits / arialUnitsPerEm;
    f.setStretch(static_cast<int>(std::lround(100.0 * width / natural)));
  }
  f.setWeight(bold ? QFont::Bold : QFont::Normal);
  StyleFont s;
  s.font = f;
  s.baseline = static_cast<int>(std::lround(height * arialAscentUnits / arialCellUnits));
  s.height = height;
  return s;
}

// The fixed-pitch font of the panel texts and the button bar: DejaVu Sans Mono at 13 pixels,
// whose advance is about 8 pixels; every character is put on its own 8-pixel cell.
StyleFont monoFont(int height, int baseline) {
  QFont f(QStringLiteral("DejaVu Sans Mono"));
  f.setStyleHint(QFont::Monospace);
  f.setPixelSize(13);
  StyleFont s;
  s.font = f;
  s.advance = 8;
  s.baseline = baseline;
  s.height = height;
  return s;
}

// A sans font at a given pixel size, for the fonts set by point size: "System" at 9.75 points
// (bold) and, on large-font displays, the stock variable-pitch font (regular), both 13 pixels.
StyleFont sansPixelFont(int pixelSize, bool bold, int height) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(pixelSize);
  f.setWeight(bold ? QFont::Bold : QFont::Normal);
  StyleFont s;
  s.font = f;
  s.baseline = arialBaseline(pixelSize);
  s.height = height;
  return s;
}

StyleFont styleFontFor(FontStyle style, bool largeFonts) {
  StyleFont s;
  switch (style) {
    case FontStyle::Marks: s = sansFont(10, 5, false); break;
    case FontStyle::Keypad: s = sansFont(15, 8, false); break;
    case FontStyle::Cell: s = sansFont(25, 12, false); break;
    case FontStyle::Panel: s = largeFonts ? sansFont(15, 8, false) : monoFont(12, 10); break;
    case FontStyle::Button: s = largeFonts ? sansPixelFont(13, false, 16) : monoFont(15, 12); break;
    case FontStyle::Caption: s = sansPixelFont(13, !largeFonts, 16); break;
    // The printed page's point sizes at the screen's 96 pixels an inch: 16 and 10 points.
    case FontStyle::PagePlain: s = sansPixelFont(21, false, 24); break;
    case FontStyle::PageDigits: s = sansPixelFont(21, true, 24); break;
    case FontStyle::PageFooter: s = sansPixelFont(13, false, 15); break;
    default: s = monoFont(12, 10); break;
  }
  // The tiny candidate marks stay crisp, so that blanking their spot leaves nothing behind.
  s.font.setStyleStrategy(style == FontStyle::Marks ? QFont::NoAntialias : QFont::PreferAntialias);
  s.font.setHintingPreference(QFont::PreferFullHinting);
  // Glyph metrics may exceed the nominal cell; the opaque background covers the whole glyph.
  QFontMetrics fm(s.font);
  s.height = std::max(s.height, s.baseline + fm.descent());
  s.ascent = fm.ascent();
  return s;
}

// Fonts are made once per style and display kind; only the main thread draws.
const StyleFont& cachedStyleFont(FontStyle style, bool largeFonts) {
  static std::map<std::pair<FontStyle, bool>, StyleFont> cache;
  const auto key = std::make_pair(style, largeFonts);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, styleFontFor(style, largeFonts)).first;
  return it->second;
}

// The palette as the image's pixels, looked up once.
QRgb rgbOf(int index) {
  static const std::array<QRgb, palette.size()> table = [] {
    std::array<QRgb, palette.size()> t{};
    for (size_t i = 0; i < t.size(); ++i) t[i] = paletteColor(static_cast<int>(i)).rgb();
    return t;
  }();
  return table[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(table.size()) - 1))];
}

TextShape measure(const StyleFont& s, const std::string& utf8) {
  TextShape t;
  t.text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  t.chars = t.text.toUcs4();
  QFontMetrics fm(s.font);
  QString shown = t.text;
  while (shown.endsWith(QLatin1Char(' '))) shown.chop(1);
  const auto widthOf = [&](const QString& text) {
    return s.advance > 0 ? s.advance * static_cast<int>(text.toUcs4().size())
                         : fm.horizontalAdvance(text);
  };
  t.width = widthOf(t.text);
  t.shownWidth = widthOf(shown);
  if (s.advance > 0) {
    for (qsizetype i = 0; i < t.chars.size(); ++i) {
      const char32_t c = t.chars[i];
      t.ink |= fm.tightBoundingRect(QString::fromUcs4(&c, 1))
                   .translated(s.advance * static_cast<int>(i), 0);
    }
  } else {
    t.ink = fm.tightBoundingRect(t.text);
  }
  return t;
}

// The glyph runs of a text laid out on one line in the font, moved by `dx` and up onto the
// baseline.
void appendRuns(QList<QGlyphRun>& runs, const QString& text, const QFont& font,
                const QPaintDevice* device, int dx) {
  QTextLayout layout(text, font, device);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  const QPointF shift(dx, -line.ascent());
  for (QGlyphRun run : layout.glyphRuns()) {
    QList<QPointF> at = run.positions();
    for (QPointF& p : at) p += shift;
    run.setPositions(at);
    runs.append(run);
  }
}

// A fixed-pitch text puts every character on its own cell, as drawn alone.
void shape(const StyleFont& s, TextShape& t, const QPaintDevice* device) {
  if (s.advance > 0) {
    for (qsizetype i = 0; i < t.chars.size(); ++i) {
      const char32_t c = t.chars[i];
      appendRuns(t.glyphs, QString::fromUcs4(&c, 1), s.font, device,
                 s.advance * static_cast<int>(i));
    }
  } else {
    appendRuns(t.glyphs, t.text, s.font, device, 0);
  }
  t.shaped = true;
}

// The pixels of a one-glyph text drawn without antialiasing, found by drawing it black on
// white with the pen's start at the same place within its device pixel.
TextShape::Pixels glyphPixels(const StyleFont& s, const TextShape& t, double scale, double fx,
                              double fy) {
  TextShape::Pixels px{scale, fx, fy, {}, false};
  const QRect& ink = t.ink;
  const int margin = 4 + static_cast<int>(std::ceil(scale));
  const int left = static_cast<int>(std::floor(ink.left() * scale)) - margin;
  const int top = static_cast<int>(std::floor(ink.top() * scale)) - margin;
  const int right = static_cast<int>(std::ceil((ink.right() + 1) * scale)) + margin;
  const int bottom = static_cast<int>(std::ceil((ink.bottom() + 1) * scale)) + margin;
  QImage probe(right - left + 1, bottom - top + 1, QImage::Format_RGB32);
  const QRgb white = 0xffffffff, black = 0xff000000;
  probe.fill(white);
  {
    QPainter p(&probe);
    p.setFont(s.font);
    p.setPen(QColor::fromRgb(black));
    p.setTransform(QTransform(scale, 0, 0, scale, fx - left, fy - top));
    for (const QGlyphRun& run : t.glyphs) p.drawGlyphRun(QPointF(0, 0), run);
  }
  for (int y = 0; y < probe.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
    for (int x = 0; x < probe.width(); ++x) {
      if (row[x] == white) continue;
      // A pixel between the two colours, or ink at the probe's edge: not whole pixels.
      const bool edge = x == 0 || y == 0 || x == probe.width() - 1 || y == probe.height() - 1;
      if (row[x] != black || edge) return px;
      int end = x;
      while (end + 1 < probe.width() && row[end + 1] == black) ++end;
      px.runs.push_back({y + top, x + left, end - x + 1});
      x = end;
    }
  }
  px.valid = true;
  return px;
}

// A one-glyph text without antialiasing set as the pixels its glyph covers, which are found once
// for each place within a device pixel; false where it has to be drawn.
bool setGlyphPixels(QImage& image, double scale, QRgb colour, const StyleFont& s, TextShape& t,
                    int x, int baseline) {
  if (s.font.styleStrategy() != QFont::NoAntialias || t.glyphs.size() != 1 ||
      t.glyphs.front().glyphIndexes().size() != 1 ||
      t.glyphs.front().positions().front() != QPointF(0, 0))
    return false;
  // Where the painter would put the pen's start: the device pixel, and the place within it.
  const double dx = scale == 1.0 ? x : x * scale, dy = scale == 1.0 ? baseline : baseline * scale;
  if (dx < 0 || dy < 0) return false;
  const double px = std::floor(dx), py = std::floor(dy);
  const double fx = dx - px, fy = dy - py;
  const TextShape::Pixels* found = nullptr;
  for (const TextShape::Pixels& k : t.pixels)
    if (k.scale == scale && k.fx == fx && k.fy == fy) found = &k;
  if (found == nullptr) {
    // Those of another scale go first; scaled by an uneven factor, the places within a pixel
    // are many: past a few, the text is drawn.
    if (t.pixels.size() >= 64)
      std::erase_if(t.pixels, [scale](const TextShape::Pixels& k) { return k.scale != scale; });
    if (t.pixels.size() >= 64) return false;
    t.pixels.push_back(glyphPixels(s, t, scale, fx, fy));
    found = &t.pixels.back();
  }
  if (!found->valid) return false;
  const int ox = static_cast<int>(px), oy = static_cast<int>(py);
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (const auto& [row, column, count] : found->runs) {
    const int yy = oy + row;
    if (yy < 0 || yy >= image.height()) continue;
    const int from = std::max(ox + column, 0), to = std::min(ox + column + count, image.width());
    if (from >= to) continue;
    QRgb* line = reinterpret_cast<QRgb*>(bits + yy * stride);
    std::fill(line + from, line + to, colour);
  }
  return true;
}

// Texts are measured once per style: the game writes the same few again and again. The texts
// of a style are few (digits, counts, the panel lines); should they ever grow many, the
// measures start afresh.
TextShape& shapeOf(const StyleFont& s, const std::string& utf8) {
  auto it = s.shapes.find(utf8);
  if (it != s.shapes.end()) return it->second;
  if (s.shapes.size() >= 4096) s.shapes.clear();
  return s.shapes.emplace(utf8, measure(s, utf8)).first->second;
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

TextLayout layOut(const StyleFont& s, int x, int y, const std::string& utf8, int right) {
  TextLayout l;
  l.font = &s;
  TextShape& t = shapeOf(s, utf8);
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
      lineColor_(rgbOf(colorBlack)),
      fillColor_(rgbOf(colorWhite)) {
  image_.fill(rgbOf(colorWindow));
}

ImageCanvas::ImageCanvas(int width, int height, double scale, ImageCanvas* previous)
    : scale_(scale), lineColor_(rgbOf(colorBlack)), fillColor_(rgbOf(colorWhite)) {
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
void ImageCanvas::setTextFont(FontStyle style) { fontStyle_ = style; }

void ImageCanvas::dirty(const QRect& r) {
  if (dirtyListener_) dirtyListener_(device(r).intersected(image_.rect()));
}

void ImageCanvas::fillRect(const QRect& r, QRgb colour) {
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
  const TextLayout l = layOut(cachedStyleFont(fontStyle_, largeFonts_), x, y, utf8, right);
  // The opaque background covers the whole glyphs: accents may rise above the text's top, and a
  // shorter text written over an older one must leave nothing of it behind.
  if (!transparentText_) fillRect(l.box, fillColor_);
  if (!l.shape->shaped) shape(*l.font, *l.shape, &image_);
  fillUnfilled();
  if (right == noRightEdge && l.squeeze == 1.0 &&
      setGlyphPixels(image_, scale_, lineColor_, *l.font, *l.shape, x, l.baseline)) {
    dirty(l.box.united(l.ink).adjusted(-3, -3, 3, 3));
    return;
  }
  QPainter& p = painter();
  p.resetTransform();
  // Scaled, the glyphs are drawn at the device resolution, not blown up.
  if (scale_ != 1.0) p.scale(scale_, scale_);
  if (right < noRightEdge)
    p.setClipRect(QRectF(QPointF(-1e6, -1e6), QPointF(right + 1.0, 1e6)));
  else if (p.hasClipping())
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
