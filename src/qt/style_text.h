// The fonts of the screen's text styles, and the texts written in them: measured and shaped
// once, then drawn from their glyphs.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/canvas.h"

namespace tessarix {

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
  // baseline at the origin: drawn without shaping anew.
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

// The font of a style, made once per style and display kind.
const StyleFont& cachedStyleFont(FontStyle style, bool largeFonts);

// The most texts of one style kept measured: far more than a style's usual texts.
inline constexpr size_t maxShapesPerStyle = 256;

// A text in a style, measured and shaped on `device` the first time it is written. The texts
// of a style are few (digits, counts, the panel lines); should they ever grow many, the
// measures start afresh.
TextShape& shapeOf(const StyleFont& s, const std::string& utf8, const QPaintDevice* device);

// A one-glyph text in a font without antialiasing, its pen's start on the baseline at canvas
// pixel (x, baseline), set on an image at `scale` device pixels per canvas pixel as the pixels
// of colour its glyph covers, those in `clip` only (device pixels; all when null); false where
// it has to be drawn by the painter.
bool setGlyphPixels(QImage& image, double scale, QRgb colour, const StyleFont& s, TextShape& t,
                    int x, int baseline, const QRect& clip = QRect());

}  // namespace tessarix
