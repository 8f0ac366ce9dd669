// The drawing on a real image canvas: pixels at the coordinates the field, the panels, the cells
// and the candidates fix; the canvas widget's repaint and input signals.
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "logic/geometry.h"
#include "qt/canvas_widget.h"
#include "qt/image_canvas.h"
#include "support/image_pixels.h"
#include "ui/field_layout.h"
#include "ui/board_drawing.h"
#include "ui/candidates_drawing.h"
#include "ui/frames.h"
#include "ui/palette.h"
#include "ui/panels.h"
#include "ui/printed_page.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

QRgb rgb(int paletteIndex) { return paletteColor(paletteIndex).rgb(); }

bool blueish(const QColor& c) { return c.blue() > 120 && c.red() < 90 && c.green() < 90; }
bool reddish(const QColor& c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }
bool notWhite(const QColor& c) { return c.rgb() != QColor(255, 255, 255).rgb(); }

// The window as the opening screen leaves it: the field and its panels.
void drawScreen(ImageCanvas& canvas, const GameState& s) {
  drawBottomStrip(canvas);
  drawEmptyField(canvas);
  drawStatisticsPanel(canvas, s);
  drawDigitCounts(canvas, s);
  drawStatusPanel(canvas);
  drawLevelPanel(canvas, 0);
  drawClockPanel(canvas);
  drawHelpPanel(canvas);
}

}  // namespace

class UiDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void paletteEntriesAreBgrValues_data();
  void paletteEntriesAreBgrValues();
  void lineIncludesBothEnds();
  void boxBorderLiesOnItsCoordinates_data();
  void boxBorderLiesOnItsCoordinates();
  void opaqueTextPaintsItsBackgroundTransparentDoesNot();
  void captureAndRestoreRoundTrip();
  void aClippedDrawingChangesOnlyTheClip_data();
  void aClippedDrawingChangesOnlyTheClip();
  void framesPaintNothingOutsideTheirRectangle_data();
  void framesPaintNothingOutsideTheirRectangle();
  void gridLinesAtTheAnchors();
  void sharedBoxesOutlinedInRed();
  void staircaseOutline_data();
  void staircaseOutline();
  void panelFrames();
  void clueEntryAndWrongEntryColours();
  void lettersInTheCells();
  void statisticsInLettersMode();
  void statusTextInItsColour();
  void candidatesAtTheirSpotsAndErasedWithoutTrace();
  void printedPageOnTheScreensCanvas();
  void widgetShowsTheImageAndRepaintsWhatIsDrawn();
  void widgetReportsPointerButtonsAndKeys();
};

void UiDrawingTest::paletteEntriesAreBgrValues_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<QColor>("colour");
  QTest::newRow("red shared outlines") << 1 << QColor(0xDA, 0, 0);
  QTest::newRow("blue box lines") << 4 << QColor(0, 0, 0xBC);
  QTest::newRow("bright red") << 9 << QColor(0xFF, 0, 0);
  QTest::newRow("window") << 12 << QColor(0xB4, 0xC9, 0xD0);
  QTest::newRow("teal") << 6 << QColor(0, 0x80, 0x80);
}

void UiDrawingTest::paletteEntriesAreBgrValues() {
  QFETCH(int, index);
  QFETCH(QColor, colour);
  QCOMPARE(paletteColor(index), colour);
}

void UiDrawingTest::lineIncludesBothEnds() {
  ImageCanvas c(40, 40);
  c.setLineColor(colorBlack);
  c.line(5, 10, 20, 10);
  QVERIFY(isPalette(c.image(), 5, 10, colorBlack));
  QVERIFY(isPalette(c.image(), 20, 10, colorBlack));
  QVERIFY(isPalette(c.image(), 21, 10, colorWindow));
  QVERIFY(isPalette(c.image(), 4, 10, colorWindow));
  QVERIFY(isPalette(c.image(), 12, 9, colorWindow));
  QVERIFY(isPalette(c.image(), 12, 11, colorWindow));
  c.line(30, 25, 30, 5);  // drawn upwards
  QVERIFY(isPalette(c.image(), 30, 5, colorBlack));
  QVERIFY(isPalette(c.image(), 30, 25, colorBlack));
  QVERIFY(isPalette(c.image(), 30, 26, colorWindow));
  c.line(0, 0, 3, 3);  // a diagonal keeps both ends too
  QVERIFY(isPalette(c.image(), 0, 0, colorBlack));
  QVERIFY(isPalette(c.image(), 3, 3, colorBlack));
}

void UiDrawingTest::boxBorderLiesOnItsCoordinates_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<bool>("filled");
  QTest::newRow("outline, width 1") << 1 << false;
  QTest::newRow("outline, width 2") << 2 << false;
  QTest::newRow("filled, width 1") << 1 << true;
  QTest::newRow("filled, width 2") << 2 << true;
}

void UiDrawingTest::boxBorderLiesOnItsCoordinates() {
  QFETCH(int, width);
  QFETCH(bool, filled);
  ImageCanvas c(60, 60);
  c.setLineColor(colorBlue);
  c.setFillColor(colorWhite);
  c.setLineWidth(width);
  if (filled)
    c.filledBox(10, 20, 40, 50);
  else
    c.outlineBox(10, 20, 40, 50);
  const QImage& img = c.image();
  // The border runs on x1..x2 and y1..y2; width 2 adds the pixel before each edge.
  for (int k = 0; k < width; ++k) {
    QVERIFY2(isPalette(img, 10 - k, 35, colorBlue), qPrintable(describe(img, 10 - k, 35)));
    QVERIFY2(isPalette(img, 40 - k, 35, colorBlue), qPrintable(describe(img, 40 - k, 35)));
    QVERIFY2(isPalette(img, 25, 20 - k, colorBlue), qPrintable(describe(img, 25, 20 - k)));
    QVERIFY2(isPalette(img, 25, 50 - k, colorBlue), qPrintable(describe(img, 25, 50 - k)));
  }
  QVERIFY(isPalette(img, 10 - width, 35, colorWindow));
  QVERIFY(isPalette(img, 41, 35, colorWindow));
  QVERIFY(isPalette(img, 25, 51, colorWindow));
  QVERIFY(isPalette(img, 10 - width + 1, 20 - width + 1, colorBlue));  // corners closed
  QVERIFY(isPalette(img, 40, 50, colorBlue));
  QVERIFY(isPalette(img, 10 + 1, 35, filled ? colorWhite : colorWindow));
  QVERIFY(isPalette(img, 40 - width, 35, filled ? colorWhite : colorWindow));
}

void UiDrawingTest::opaqueTextPaintsItsBackgroundTransparentDoesNot() {
  for (bool transparent : {false, true}) {
    ImageCanvas c(200, 40);
    c.setLineColor(colorBlack);
    c.setFillColor(colorWhite);
    c.setTransparentText(transparent);
    c.setTextFont(FontStyle::Panel);
    c.text(10, 10, "Fehler: 0/3");
    const QImage& img = c.image();
    // Eleven characters of 8 pixels: glyphs between x 10 and 98, nothing left of 10.
    QVERIFY(countPixels(img, 10, 10, 97, 24, dark) > 20);
    QCOMPARE(countPixels(img, 0, 0, 9, 39, dark), 0);
    QCOMPARE(countPixels(img, 99, 0, 199, 39, dark), 0);
    QCOMPARE(isPalette(img, 12, 10, colorWhite), !transparent);
    QCOMPARE(isPalette(img, 96, 20, colorWhite), !transparent);
    QVERIFY(isPalette(img, 98, 20, colorWindow));
  }
}

void UiDrawingTest::captureAndRestoreRoundTrip() {
  ImageCanvas c(100, 100);
  c.setLineColor(colorBlack);
  c.setFillColor(colorWhite);
  c.filledBox(10, 10, 60, 60);
  c.setLineColor(colorRed);
  c.line(20, 30, 50, 30);
  const QImage before = c.image().copy(20, 20, 46, 46);
  auto saved = c.capture(20, 20, 65, 65);  // 46 x 46 pixels, both corners included
  c.setFillColor(colorLightGrey);
  c.filledBox(15, 15, 70, 70);
  QVERIFY(c.image().copy(20, 20, 46, 46) != before);
  c.restore(*saved, 20, 20);
  QCOMPARE(c.image().copy(20, 20, 46, 46), before);
  QVERIFY(isPalette(c.image(), 12, 12, colorWhite));  // outside the rectangle: unchanged
  QVERIFY(isPalette(c.image(), 68, 68, colorLightGrey));
}

void UiDrawingTest::aClippedDrawingChangesOnlyTheClip_data() {
  QTest::addColumn<double>("scale");
  QTest::addColumn<QRect>("clip");
  // Through the cells, their marks and the grid lines; through the panels' texts.
  const QRect cells(QPoint(430, 40), QPoint(470, 90));
  const QRect panels(QPoint(1000, 600), QPoint(1200, 760));
  for (double scale : {1.0, 2.0, 1.25}) {
    QTest::newRow(qPrintable(QStringLiteral("cells at %1").arg(scale))) << scale << cells;
    QTest::newRow(qPrintable(QStringLiteral("panels at %1").arg(scale))) << scale << panels;
  }
}

void UiDrawingTest::aClippedDrawingChangesOnlyTheClip() {
  QFETCH(double, scale);
  QFETCH(QRect, clip);
  GameState s;
  s.options.digitMode = true;
  s.marks[markIndex(1, 2, 1, 5)] = 1;
  s.marks[markIndex(1, 3, 2, 9)] = 1;
  const auto draw = [&s](ImageCanvas& c) {
    // As the game's picture starts: the window's colour under everything.
    c.setLineColor(colorWindow);
    c.setFillColor(colorWindow);
    c.filledBox(0, 0, canvasWidth - 1, canvasHeight - 1);
    drawScreen(c, s);
    drawGivenCell(c, s, 1, 1, 1, 7);
    drawEntryCell(c, s, 1, 2, 2, 4, true);
    drawCandidates(c, s);
    writeHelpLine(c, "Bitte ein Feld anklicken! ");
  };
  ImageCanvas whole(canvasWidth, canvasHeight, scale);
  draw(whole);
  ImageCanvas clipped(canvasWidth, canvasHeight, scale);
  clipped.setLineColor(colorLightGrey);
  clipped.setFillColor(colorLightGrey);
  clipped.filledBox(0, 0, canvasWidth - 1, canvasHeight - 1);
  const QImage before = clipped.image().copy();
  clipped.setClip(clip.left(), clip.top(), clip.right(), clip.bottom());
  draw(clipped);
  clipped.clearClip();
  // The device pixels of the clip are those of the whole drawing, all others as they were.
  const auto at = [scale](int v) { return static_cast<int>(std::floor(v * scale)); };
  const QRect inside(QPoint(at(clip.left()), at(clip.top())),
                     QPoint(at(clip.right() + 1) - 1, at(clip.bottom() + 1) - 1));
  const QImage& img = clipped.image();
  int wrongInside = 0, wrongOutside = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      if (inside.contains(x, y))
        wrongInside += img.pixel(x, y) != whole.image().pixel(x, y);
      else
        wrongOutside += img.pixel(x, y) != before.pixel(x, y);
    }
  QCOMPARE(wrongInside, 0);
  QCOMPARE(wrongOutside, 0);
  // The clip was no empty test: the whole drawing differs from the grey there.
  QVERIFY(whole.image().copy(inside) != before.copy(inside));
}

void UiDrawingTest::framesPaintNothingOutsideTheirRectangle_data() {
  QTest::addColumn<bool>("sunken");
  QTest::addColumn<int>("thickness");
  QTest::newRow("raised, thickness 2") << false << 2;
  QTest::newRow("sunken, thickness 2") << true << 2;
  QTest::newRow("raised, thickness 0") << false << 0;
}

void UiDrawingTest::framesPaintNothingOutsideTheirRectangle() {
  QFETCH(bool, sunken);
  QFETCH(int, thickness);
  ImageCanvas c(60, 50);
  const QRect box(QPoint(10, 12), QPoint(45, 35));
  drawFrame3D(c, sunken, thickness, box.left(), box.top(), box.right(), box.bottom());
  const QImage& img = c.image();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!box.contains(x, y))
        QVERIFY2(isPalette(img, x, y, colorWindow), qPrintable(describe(img, x, y)));
  // The frame's own outermost ring is painted all round, its last corner included.
  const int light = sunken ? colorDarkGrey : colorWhite;
  const int shade = sunken ? colorWhite : colorDarkGrey;
  for (int x = box.left(); x < box.right(); ++x)
    QVERIFY2(isPalette(img, x, box.top(), light), qPrintable(describe(img, x, box.top())));
  for (int x = box.left() + 1; x <= box.right(); ++x)
    QVERIFY2(isPalette(img, x, box.bottom(), shade), qPrintable(describe(img, x, box.bottom())));
  for (int y = box.top() + 1; y <= box.bottom(); ++y)
    QVERIFY2(isPalette(img, box.right(), y, shade), qPrintable(describe(img, box.right(), y)));
  QVERIFY(isPalette(img, box.left(), box.bottom() - 1, light));
}

void UiDrawingTest::gridLinesAtTheAnchors() {
  ImageCanvas c;
  drawEmptyField(c);
  const QImage& img = c.image();
  for (int g = 1; g <= 9; ++g) {
    const int x = anchorX[g], y = anchorY[g];
    // The centre box of each grid is shared with no other grid: blue 2-pixel box lines.
    const int bx = x + 99, by = y + 75;
    for (int k : {0, 1}) {
      QVERIFY2(isPalette(img, bx - k, by + 30, colorBlue),
               qPrintable(describe(img, bx - k, by + 30)));
      QVERIFY2(isPalette(img, bx + 99 - k, by + 30, colorBlue),
               qPrintable(describe(img, bx + 99 - k, by + 30)));
      QVERIFY2(isPalette(img, bx + 50, by - k, colorBlue),
               qPrintable(describe(img, bx + 50, by - k)));
      QVERIFY2(isPalette(img, bx + 50, by + 75 - k, colorBlue),
               qPrintable(describe(img, bx + 50, by + 75 - k)));
    }
    QVERIFY(isPalette(img, bx + 1, by + 30, colorWhite));
    QVERIFY(isPalette(img, bx - 2, by + 30, colorWhite));
    // Black one-pixel cell lines between the cells, white on both sides.
    QVERIFY2(isPalette(img, bx + 33, by + 12, colorBlack),
             qPrintable(describe(img, bx + 33, by + 12)));
    QVERIFY(isPalette(img, bx + 32, by + 12, colorWhite));
    QVERIFY(isPalette(img, bx + 34, by + 12, colorWhite));
    QVERIFY(isPalette(img, bx + 50, by + 25, colorBlack));
    QVERIFY(isPalette(img, bx + 50, by + 24, colorWhite));
    QVERIFY(isPalette(img, bx + 50, by + 26, colorWhite));
  }
  // The outer edge of the field is blue on the grid's edge and the pixel outside it.
  QVERIFY(isPalette(img, 29, 400, colorBlue));
  QVERIFY(isPalette(img, 28, 400, colorBlue));
  QVERIFY(isPalette(img, 27, 400, colorWindow));
  QVERIFY(isPalette(img, 30, 400, colorWhite));
}

void UiDrawingTest::sharedBoxesOutlinedInRed() {
  ImageCanvas c;
  drawEmptyField(c);
  const QImage& img = c.image();
  for (const SharedPair& p : sharedPairs) {
    const int x1 = anchorX[p.upper] + p.upperCol * cellWidth;
    const int y1 = anchorY[p.upper] + p.upperRow * cellHeight;
    const int x2 = x1 + 99, y2 = y1 + 75;
    const int mx = x1 + 45, my = y1 + 37;
    for (int k : {0, 1}) {
      QVERIFY2(isPalette(img, x1 - k, my, colorRed), qPrintable(describe(img, x1 - k, my)));
      QVERIFY2(isPalette(img, x2 - k, my, colorRed), qPrintable(describe(img, x2 - k, my)));
      QVERIFY2(isPalette(img, mx, y1 - k, colorRed), qPrintable(describe(img, mx, y1 - k)));
      QVERIFY2(isPalette(img, mx, y2 - k, colorRed), qPrintable(describe(img, mx, y2 - k)));
    }
    QVERIFY(!isPalette(img, x1 + 1, my, colorRed));
    QVERIFY(!isPalette(img, x1 - 2, my, colorRed));
    QVERIFY(!isPalette(img, mx, y2 + 1, colorRed));
  }
  // A box of one grid only keeps its blue line: grid 1's top-left box.
  QVERIFY(isPalette(img, 425, 60, colorBlue));
}

void UiDrawingTest::staircaseOutline_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("y");
  QTest::addColumn<int>("colour");
  QTest::newRow("top, outer") << 500 << 19 << colorWhite;
  QTest::newRow("top, inner") << 500 << 20 << colorWhite;
  QTest::newRow("grid 1 left") << 410 << 100 << colorWhite;
  QTest::newRow("grid 1 left, inner") << 411 << 100 << colorWhite;
  QTest::newRow("grid 4 left") << 14 << 450 << colorWhite;
  QTest::newRow("grid 4 left, inner") << 15 << 450 << colorWhite;
  QTest::newRow("grid 1 right") << 735 << 100 << colorBlack;
  QTest::newRow("grid 1 right, outer") << 736 << 100 << colorBlack;
  QTest::newRow("grid 6 right") << 1131 << 450 << colorBlack;
  QTest::newRow("grid 6 right, outer") << 1132 << 450 << colorBlack;
  QTest::newRow("bottom") << 500 << 873 << colorBlack;
  QTest::newRow("bottom, outer") << 500 << 874 << colorBlack;
  QTest::newRow("grid 4 bottom") << 100 << 574 << colorBlack;
  QTest::newRow("grid 4 bottom, outer") << 100 << 575 << colorBlack;
  QTest::newRow("white meets black at grid 3's step") << 735 << 169 << colorBlack;
  QTest::newRow("outside the outline") << 500 << 18 << colorWindow;
  QTest::newRow("between outline and grid") << 500 << 25 << colorWindow;
}

void UiDrawingTest::staircaseOutline() {
  QFETCH(int, x);
  QFETCH(int, y);
  QFETCH(int, colour);
  ImageCanvas c;
  drawEmptyField(c);
  QVERIFY2(isPalette(c.image(), x, y, colour), qPrintable(describe(c.image(), x, y)));
}

void UiDrawingTest::panelFrames() {
  ImageCanvas c;
  drawScreen(c, GameState{});
  const QImage& img = c.image();
  struct Panel {
    int x0, y0, w, h;
  };
  for (const Panel& p :
       {Panel{40, 753, 308, 78}, Panel{1013, 219, 234, 78}, Panel{1014, 605, 234, 80},
        Panel{1014, 707, 234, 72}, Panel{1014, 801, 234, 72}}) {
    const int my = p.y0 + p.h / 2;
    // Raised: three white lines top and left, three dark grey lines bottom and right.
    for (int i = 0; i < 3; ++i) {
      QVERIFY2(isPalette(img, p.x0 + i, my, colorWhite), qPrintable(describe(img, p.x0 + i, my)));
      QVERIFY2(isPalette(img, p.x0 + 3, p.y0 + i, colorWhite),
               qPrintable(describe(img, p.x0 + 3, p.y0 + i)));
      QVERIFY2(isPalette(img, p.x0 + p.w - i, my, colorDarkGrey),
               qPrintable(describe(img, p.x0 + p.w - i, my)));
      QVERIFY2(isPalette(img, p.x0 + 50, p.y0 + p.h - i, colorDarkGrey),
               qPrintable(describe(img, p.x0 + 50, p.y0 + p.h - i)));
    }
    QVERIFY(isPalette(img, p.x0 + 4, my, colorWindow));
    // The writing area: black edge at (x0 + 6, y0 + 22), white inside, the sunken frame's
    // light edge beyond its right and bottom.
    QVERIFY2(isPalette(img, p.x0 + 6, my, colorBlack), qPrintable(describe(img, p.x0 + 6, my)));
    QVERIFY(isPalette(img, p.x0 + 7, my, colorWhite));
    QVERIFY(isPalette(img, p.x0 + p.w - 7, my, colorBlack));
    QVERIFY(isPalette(img, p.x0 + p.w - 6, my, colorWhite));
    QVERIFY(isPalette(img, p.x0 + 6, p.y0 + p.h - 6, colorWhite));
    QVERIFY(isPalette(img, p.x0 + 8, p.y0 + p.h - 9, colorWhite));
    // The caption: dark glyph pixels in the strip above the writing area.
    QVERIFY(countPixels(img, p.x0 + 20, p.y0 + 4, p.x0 + p.w - 20, p.y0 + 20, dark) > 30);
  }
  // The bottom strip: raised, with the program name in it.
  QVERIFY(isPalette(img, 600, 922, colorWhite));
  QVERIFY(isPalette(img, 600, 944, colorDarkGrey));
  QVERIFY(countPixels(img, 8, 924, 110, 940, dark) > 30);
  QCOMPARE(countPixels(img, 200, 926, 1200, 940, dark), 0);
}

void UiDrawingTest::clueEntryAndWrongEntryColours() {
  ImageCanvas c;
  drawEmptyField(c);
  GameState s;
  drawGivenCell(c, s, 1, 1, 1, 5);
  drawEntryCell(c, s, 1, 2, 1, 7, false);
  drawEntryCell(c, s, 1, 3, 1, 8, true);
  const QImage& img = c.image();
  // Cell interiors of grid 1, row 1: x 426..457, 459..490, 492..522 (column 3 is narrower).
  QVERIFY(countPixels(img, 426, 36, 457, 59, dark) > 30);
  QCOMPARE(countPixels(img, 426, 36, 457, 59, blueish), 0);
  QVERIFY(countPixels(img, 459, 36, 490, 59, blueish) > 30);
  QCOMPARE(countPixels(img, 459, 36, 490, 59, reddish), 0);
  QVERIFY(countPixels(img, 492, 36, 522, 59, reddish) > 30);
  QCOMPARE(countPixels(img, 492, 36, 522, 59, blueish), 0);
  // Glyphs stay inside their cells: the lines around them are untouched.
  for (int y = 36; y <= 59; ++y) {
    QVERIFY(isPalette(img, 458, y, colorBlack));
    QVERIFY(isPalette(img, 523, y, colorBlue));
    QVERIFY(isPalette(img, 524, y, colorBlue));
  }
  // Digit 0 blanks the cell, keeping the 2-pixel box lines after column 3 and row 3.
  drawEntryCell(c, s, 1, 3, 1, 0, false);
  drawEntryCell(c, s, 1, 3, 3, 0, false);
  QCOMPARE(countPixels(img, 492, 36, 522, 59, notWhite), 0);
  QVERIFY(isPalette(img, 523, 40, colorBlue));
  QVERIFY(isPalette(img, 500, 109, colorBlue));
  QVERIFY(isPalette(img, 500, 108, colorWhite));
}

void UiDrawingTest::lettersInTheCells() {
  ImageCanvas c;
  drawEmptyField(c);
  GameState s;
  s.options.digitMode = false;
  drawGivenCell(c, s, 1, 1, 1, 9);  // "I", drawn at x + 11 so that it stands in the middle
  drawGivenCell(c, s, 1, 2, 1, 1);  // "A" at x + 5
  const QImage& img = c.image();
  QVERIFY(countPixels(img, 437, 36, 446, 59, dark) > 15);
  QCOMPARE(countPixels(img, 426, 36, 435, 59, dark), 0);
  QCOMPARE(countPixels(img, 448, 36, 457, 59, dark), 0);
  // "A" is wide: dark pixels left and right of its middle, none in the first four columns.
  QVERIFY(countPixels(img, 464, 40, 474, 59, dark) > 5);
  QVERIFY(countPixels(img, 475, 40, 485, 59, dark) > 5);
  QCOMPARE(countPixels(img, 459, 36, 462, 59, dark), 0);
}

void UiDrawingTest::statisticsInLettersMode() {
  GameState digits;
  GameState letters;
  letters.options.digitMode = false;
  ImageCanvas a, b;
  drawScreen(a, digits);
  drawScreen(b, letters);
  // The label "Zahlen" / "Ziffer" at (56, 785): same first letter, different second.
  QVERIFY(countPixels(b.image(), 56, 785, 103, 797, dark) > 20);
  QCOMPARE(a.image().copy(56, 785, 8, 13), b.image().copy(56, 785, 8, 13));
  QVERIFY(a.image().copy(64, 785, 40, 13) != b.image().copy(64, 785, 40, 13));
  // Head row: one glyph at x = 127 + 24 (n - 1), nothing in the gaps between them.
  for (int n = 1; n <= 9; ++n) {
    const int x = 127 + 24 * (n - 1);
    QVERIFY2(countPixels(b.image(), x, 785, x + 7, 797, dark) > 4, qPrintable(QString::number(n)));
    QCOMPARE(countPixels(b.image(), x + 9, 785, x + 20, 797, dark), 0);
    QVERIFY2(a.image().copy(x, 785, 8, 13) != b.image().copy(x, 785, 8, 13),
             qPrintable(QStringLiteral("head %1 shows a letter").arg(n)));
  }
  // The table lines.
  QVERIFY(isPalette(b.image(), 200, 799, colorBlack));
  QVERIFY(isPalette(b.image(), 109, 790, colorBlack));
  QVERIFY(isPalette(b.image(), 200, 800, colorWhite));
}

void UiDrawingTest::statusTextInItsColour() {
  ImageCanvas c;
  drawScreen(c, GameState{});
  GameState s;
  s.status = CheckOutcome::WrongEntry;
  s.wrongCount = 1;
  drawStatusText(c, s);
  const QImage& img = c.image();
  QVERIFY(countPixels(img, 1052, 253, 1230, 276, reddish) > 50);
  QVERIFY(countPixels(img, 1088, 277, 1175, 289, dark) > 20);
  QCOMPARE(countPixels(img, 1088, 277, 1175, 289, reddish), 0);
}

void UiDrawingTest::candidatesAtTheirSpotsAndErasedWithoutTrace() {
  ImageCanvas c;
  drawEmptyField(c);
  GameState s;
  // Grid 1, cell (1, 2): its interior is x 426..457, y 61..84.
  s.setMark(1, 1, 2, 5, true);
  s.setMark(1, 1, 2, 9, true);
  drawCandidates(c, s);
  const QImage& img = c.image();
  QVERIFY(countPixels(img, 438, 68, 444, 76, dark) > 3);  // 5 at (438, 68)
  QVERIFY(countPixels(img, 448, 76, 454, 84, dark) > 3);  // 9 at (448, 76)
  QCOMPARE(countPixels(img, 426, 61, 436, 84, dark), 0);  // no 1, 4, 7
  QCOMPARE(countPixels(img, 438, 61, 446, 67, dark), 0);  // no 2
  QVERIFY(isPalette(img, 440, 85, colorBlack));           // the cell line below survives
  // Letters mode draws "E" where "5" stood; cleared marks leave the cell white.
  s.options.digitMode = false;
  const QImage digitsShown = img.copy(426, 61, 32, 24);
  drawCandidates(c, s);
  QVERIFY(countPixels(img, 438, 68, 444, 76, dark) > 3);
  QVERIFY(img.copy(426, 61, 32, 24) != digitsShown);
  s.clearMarks();
  drawCandidates(c, s);
  QCOMPARE(countPixels(img, 426, 61, 457, 84, notWhite), 0);
  // A filled cell is left alone.
  s.board[cellIndex(1, 1, 2)] = 3;
  s.setMark(1, 1, 2, 1, true);
  drawGivenCell(c, s, 1, 1, 2, 3);
  const QImage clue = img.copy(426, 61, 32, 24);
  drawCandidates(c, s);
  QCOMPARE(img.copy(426, 61, 32, 24), clue);
}

// The page is drawn by the same code on any canvas; the image canvas takes the page's fonts
// at the screen's size. 1440 x 1020 pixels give units of 10: cells of 40 x 30.
void UiDrawingTest::printedPageOnTheScreensCanvas() {
  ImageCanvas c(1440, 1020);
  GameState s;
  s.board[cellIndex(5, 5, 5)] = 8;
  drawPrintedPage(c, s, 1440, 1020);
  const QImage& img = c.image();
  // Grid 5's cell (5, 5) has its corner at (650, 490); its "8" stands inside it, from x 662.
  const int inked = countPixels(img, 651, 491, 689, 519, dark);
  QVERIFY2(inked > 25, qPrintable(QString::number(inked)));
  QCOMPARE(countPixels(img, 651, 491, 660, 519, dark), 0);
  // Block lines: grid 5's left edge and grid 1's top edge, 5 pixels wide up to the line.
  for (int k = 0; k < 5; ++k) {
    QVERIFY2(isPalette(img, 490 - k, 415, colorBlack), qPrintable(describe(img, 490 - k, 415)));
    QVERIFY2(isPalette(img, 515, 10 - k, colorBlack), qPrintable(describe(img, 515, 10 - k)));
  }
  QVERIFY(!isPalette(img, 490 - 5, 415, colorBlack));
  QVERIFY(!isPalette(img, 515, 10 - 5, colorBlack));
  // The footer at (10, 1005), and nothing right of the figure (x 1330).
  QVERIFY(countPixels(img, 10, 1005, 300, 1019, dark) > 50);
  QCOMPARE(countPixels(img, 1336, 0, 1439, 1019, dark), 0);
}

void UiDrawingTest::widgetShowsTheImageAndRepaintsWhatIsDrawn() {
  CanvasWidget w;
  QCOMPARE(w.size(), QSize(canvasWidth, canvasHeight));
  QList<QRect> dirty;
  w.canvas().setDirtyListener([&dirty](const QRect& r) { dirty.append(r); });
  w.canvas().setLineColor(colorBlack);
  w.canvas().setFillColor(colorBlue);
  w.canvas().filledBox(100, 200, 150, 230);
  QVERIFY(!dirty.isEmpty());
  QVERIFY(dirty.last().contains(QRect(QPoint(100, 200), QPoint(150, 230))));
  const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(shown.size(), QSize(canvasWidth, canvasHeight));
  QCOMPARE(shown.pixel(120, 215), rgb(colorBlue));
  QCOMPARE(shown.pixel(100, 200), rgb(colorBlack));
  QCOMPARE(shown.pixel(10, 10), rgb(colorWindow));
}

void UiDrawingTest::widgetReportsPointerButtonsAndKeys() {
  CanvasWidget w;
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QSignalSpy moved(&w, &CanvasWidget::pointerMoved);
  QSignalSpy pressed(&w, &CanvasWidget::buttonPressed);
  QSignalSpy released(&w, &CanvasWidget::buttonReleased);
  QSignalSpy keyDown(&w, &CanvasWidget::keyPressed);
  QSignalSpy keyUp(&w, &CanvasWidget::keyReleased);
  QSignalSpy typed(&w, &CanvasWidget::characterTyped);

  QMouseEvent move(QEvent::MouseMove, QPointF(440.4, 60.6), w.mapToGlobal(QPointF(440.4, 60.6)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
  QCOMPARE(moved.count(), 1);
  QCOMPARE(moved.at(0).at(0).toInt(), 440);
  QCOMPARE(moved.at(0).at(1).toInt(), 61);

  QTest::mousePress(&w, Qt::RightButton, Qt::NoModifier, QPoint(500, 300));
  QTest::mouseRelease(&w, Qt::RightButton, Qt::NoModifier, QPoint(500, 300));
  QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(12, 34));
  QTest::mouseClick(&w, Qt::MiddleButton, Qt::NoModifier, QPoint(12, 34));
  QCOMPARE(pressed.count(), 2);
  QCOMPARE(pressed.at(0).at(0).toInt(), rightButton);
  QCOMPARE(pressed.at(0).at(1).toInt(), 500);
  QCOMPARE(pressed.at(0).at(2).toInt(), 300);
  QCOMPARE(pressed.at(1).at(0).toInt(), leftButton);
  QCOMPARE(released.count(), 2);
  QCOMPARE(released.at(1).at(1).toInt(), 12);

  QTest::keyClick(&w, Qt::Key_Escape);
  QTest::keyClick(&w, Qt::Key_A, Qt::NoModifier);
  QTest::keyClick(&w, Qt::Key_Tab);
  QCOMPARE(keyUp.count(), 3);
  QCOMPARE(keyUp.at(0).at(0).toInt(), 27);
  QCOMPARE(keyUp.at(1).at(0).toInt(), int('A'));
  QCOMPARE(keyUp.at(2).at(0).toInt(), 9);
  QCOMPARE(keyDown.count(), 3);
  QVERIFY(typed.count() >= 2);
  QCOMPARE(typed.at(0).at(0).toInt(), 27);
  QCOMPARE(typed.at(1).at(0).toInt(), int('a'));
  QVERIFY(w.hasFocus());
}

QTEST_MAIN(UiDrawingTest)
#include "ui_drawing_test.moc"
