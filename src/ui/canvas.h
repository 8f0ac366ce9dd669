// The drawing surface the game draws on: the window's image on screen, a page on the printer,
// nothing at all in tests and tools. What is drawn stays until drawn over.
#pragma once

#include <memory>
#include <string>

namespace tessarix {

// The text fonts, by their style codes: the candidate marks, the keypad's labels, the panel
// texts, the button bar's captions, the panel captions, and the cells and the status message.
// The printed page sizes its fonts in points: Arial 16 as the job starts, bold for the digits,
// and Arial 10 for the footer line.
enum class FontStyle {
  Marks = 4,
  Keypad = 6,
  Panel = 8,
  Button = 14,
  Caption = 16,
  Cell = 20,
  PagePlain = 100,
  PageDigits = 101,
  PageFooter = 102
};

// A rectangle of pixels taken from a canvas, to be put back later.
class CapturedPixels {
 public:
  virtual ~CapturedPixels() = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Drawing state; colours are entries of the game's 16-colour palette. Lines, box borders and
  // text use the line colour; box interiors and the background of opaque text the fill colour.
  virtual void setLineColor(int paletteIndex) = 0;
  virtual void setFillColor(int paletteIndex) = 0;
  virtual void setLineWidth(int width) = 0;
  virtual void setTransparentText(bool transparent) = 0;
  virtual void setTextFont(FontStyle style) = 0;

  // Line from (x1, y1) to (x2, y2), the end point included.
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  // Border only / border and interior, of the box with corners (x1, y1) and (x2, y2).
  virtual void outlineBox(int x1, int y1, int x2, int y2) = 0;
  virtual void filledBox(int x1, int y1, int x2, int y2) = 0;
  // Text (UTF-8) with its top-left corner at (x, y).
  virtual void text(int x, int y, const std::string& utf8) = 0;
  // The same text kept left of column `right`: glyphs that would pass it are narrowed to end
  // there, and the background of trailing blanks stops at it. Panel texts are written so, and
  // stay in their panel in any font; where the text fits, this is text() itself.
  virtual void fittedText(int x, int y, const std::string& utf8, int /*right*/) {
    text(x, y, utf8);
  }

  // From here on the drawing changes only the pixels of the box (x1, y1) to (x2, y2), both
  // corners included, until clearClip(): a part of the picture drawn again where something
  // that lay over it has gone.
  virtual void setClip(int x1, int y1, int x2, int y2) = 0;
  virtual void clearClip() = 0;

  virtual std::unique_ptr<CapturedPixels> capture(int x1, int y1, int x2, int y2) = 0;
  virtual void restore(const CapturedPixels& pixels, int x, int y) = 0;

  // True on a display set to large system fonts.
  virtual bool largeFonts() const { return false; }
};

// A canvas that draws nothing: for the command-line tool and for tests that look at no pixel.
class NullCanvas : public Canvas {
 public:
  void setLineColor(int) override {}
  void setFillColor(int) override {}
  void setLineWidth(int) override {}
  void setTransparentText(bool) override {}
  void setTextFont(FontStyle) override {}
  void line(int, int, int, int) override {}
  void outlineBox(int, int, int, int) override {}
  void filledBox(int, int, int, int) override {}
  void text(int, int, const std::string&) override {}
  void setClip(int, int, int, int) override {}
  void clearClip() override {}
  std::unique_ptr<CapturedPixels> capture(int, int, int, int) override {
    return std::make_unique<CapturedPixels>();
  }
  void restore(const CapturedPixels&, int, int) override {}
};

}  // namespace tessarix
