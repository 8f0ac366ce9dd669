// Fonts per style and display kind; texts measured with the font's metrics, shaped by a text
// layout as the painter's text drawing shapes them, and the pixels of a glyph drawn without
// antialiasing found by drawing it once on a probe image.
#include "qt/style_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "qt/canvas_paint.h"

namespace tessarix {

namespace {

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

}  // namespace

// Fonts are made once per style and display kind; only the main thread draws.
const StyleFont& cachedStyleFont(FontStyle style, bool largeFonts) {
  static std::map<std::pair<FontStyle, bool>, StyleFont> cache;
  const auto key = std::make_pair(style, largeFonts);
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, styleFontFor(style, largeFonts)).first;
  return it->second;
}

// A one-glyph text without antialiasing set as the pixels its glyph covers, which are found once
// for each place within a device pixel; false where it has to be drawn.
bool setGlyphPixels(QImage& image, double scale, QRgb colour, const StyleFont& s, TextShape& t,
                    int x, int baseline, const QRect& clip) {
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
  const QRect area = clip.isNull() ? image.rect() : clip.intersected(image.rect());
  uchar* bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  for (const auto& [row, column, count] : found->runs) {
    const int yy = oy + row;
    if (yy < area.top() || yy > area.bottom()) continue;
    const int from = std::max(ox + column, area.left());
    const int to = std::min(ox + column + count, area.right() + 1);
    if (from >= to) continue;
    QRgb* line = reinterpret_cast<QRgb*>(bits + yy * stride);
    std::fill(line + from, line + to, colour);
  }
  return true;
}

TextShape& shapeOf(const StyleFont& s, const std::string& utf8, const QPaintDevice* device) {
  auto it = s.shapes.find(utf8);
  if (it != s.shapes.end()) return it->second;
  // A shape with its glyph runs is a kilobyte or more; a count that keeps rising (the wrong
  // entries of a long game) makes a new text each time, so the measures start afresh early.
  if (s.shapes.size() >= maxShapesPerStyle) s.shapes.clear();
  TextShape& t = s.shapes.emplace(utf8, measure(s, utf8)).first->second;
  shape(s, t, device);
  return t;
}

}  // namespace tessarix
