// The keypad and the button bar on a real image canvas: colours at the pixels their geometry
// fixes, the labels inside their buttons, the red access letters, and the keypad's background
// put back without a trace.
#include <QTest>

#include "qt/image_canvas.h"
#include "support/image_pixels.h"
#include "ui/board_drawing.h"
#include "ui/button_bar.h"
#include "ui/button_bar_strip.h"
#include "ui/keypad_drawing.h"
#include "ui/palette.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

bool reddish(const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }

}  // namespace

class BarKeypadDrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void keypadHighlightAndLabels_data();
  void keypadHighlightAndLabels();
  void keypadChangesOnlyItsSquare();
  void raisedAndPressedFrames_data();
  void raisedAndPressedFrames();
  void captionsAndRedAccessLetters();
  void pressingAndRaisingLeavesTheSamePixels();
  void barErasedWithoutATrace();
};

void BarKeypadDrawingTest::keypadHighlightAndLabels_data() {
  QTest::addColumn<bool>("digitMode");
  QTest::addColumn<int>("highlighted");
  QTest::newRow("digits, 5 highlighted") << true << 5;
  QTest::newRow("letters, I highlighted") << false << 9;
  QTest::newRow("digits, none highlighted") << true << 0;
}

void BarKeypadDrawingTest::keypadHighlightAndLabels() {
  QFETCH(bool, digitMode);
  QFETCH(int, highlighted);
  ImageCanvas c;
  drawEmptyField(c);
  const KeypadPlace at = keypadPlace(1, 1, 1);  // (417, 27): over the field's outline
  drawKeypad(c, at.left, at.top, highlighted, digitMode);
  const QImage& img = c.image();
  for (int n = 1; n <= 9; ++n) {
    const int bx = at.left + 15 * ((n - 1) % 3);
    const int by = at.top + 15 * ((n - 1) / 3);
    const int fill = n == highlighted ? colorLightGrey : colorWhite;
    // Black borders on the button's own coordinates, the fill just inside them; the label sits
    // in the middle, so the pixels by the border keep the fill.
    QVERIFY2(isPalette(img, bx, by + 7, colorBlack), qPrintable(describe(img, bx, by + 7)));
    QVERIFY2(isPalette(img, bx + 15, by + 7, colorBlack),
             qPrintable(describe(img, bx + 15, by + 7)));
    QVERIFY2(isPalette(img, bx + 7, by + 15, colorBlack),
             qPrintable(describe(img, bx + 7, by + 15)));
    QVERIFY2(isPalette(img, bx + 1, by + 1, fill), qPrintable(describe(img, bx + 1, by + 1)));
    QVERIFY2(isPalette(img, bx + 14, by + 14, fill), qPrintable(describe(img, bx + 14, by + 14)));
    QVERIFY2(isPalette(img, bx + 14, by + 2, fill), qPrintable(describe(img, bx + 14, by + 2)));
    // The label: dark pixels inside the button, none spilling over its border.
    QVERIFY2(countPixels(img, bx + 1, by + 1, bx + 14, by + 14, dark) > 6,
             qPrintable(QStringLiteral("label of button %1").arg(n)));
  }
  // The keypad's outer border closes the 45 x 45 pixels; beyond it the field is untouched.
  QVERIFY(isPalette(img, at.left + 45, at.top + 44, colorBlack));
  QVERIFY(isPalette(img, at.left + 44, at.top + 45, colorBlack));
  QVERIFY(isPalette(img, at.left - 1, at.top + 20, colorWindow));
  QVERIFY(isPalette(img, at.left + 46, at.top + 20, colorWhite));  // inside grid 1's cell (2, 1)
}

void BarKeypadDrawingTest::keypadChangesOnlyItsSquare() {
  // The keypad changes its square only, which is what is drawn again when it closes.
  ImageCanvas c;
  drawEmptyField(c);
  GameState s;
  drawGivenCell(c, s, 5, 2, 3, 7);
  const QImage before = c.image();
  const KeypadPlace at = keypadPlace(5, 2, 3);
  drawKeypad(c, at.left, at.top, 4, true);
  const QRect square(QPoint(at.left, at.top), QPoint(at.left + 45, at.top + 45));
  QVERIFY(c.image().copy(square) != before.copy(square));
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (!square.contains(x, y) && c.image().pixel(x, y) != before.pixel(x, y))
        QFAIL(qPrintable(QStringLiteral("(%1, %2) changed").arg(x).arg(y)));
}

void BarKeypadDrawingTest::raisedAndPressedFrames_data() {
  QTest::addColumn<bool>("pressed");
  QTest::addColumn<bool>("raisedAgain");
  QTest::addColumn<QList<int>>("leftColumns");   // x = 160, 161, 162 at y = 898
  QTest::addColumn<QList<int>>("rightColumns");  // x = 288, 289, 290
  QTest::addColumn<QList<int>>("topRows");       // y = 886, 887, 888 at x = 230
  QTest::addColumn<QList<int>>("bottomRows");    // y = 909, 910, 911
  // Raised: three lines of white top and left, three of dark grey bottom and right; the black
  // outline lies over the outermost right and bottom line.
  QTest::newRow("raised") << false << false << QList<int>{15, 15, 15} << QList<int>{8, 8, 0}
                          << QList<int>{15, 15, 15} << QList<int>{8, 8, 0};
  // Pressed over raised: two lines with the colours swapped; the third line of the raised frame
  // stays.
  QTest::newRow("pressed") << true << false << QList<int>{8, 8, 15} << QList<int>{8, 15, 0}
                           << QList<int>{8, 8, 15} << QList<int>{8, 15, 0};
  QTest::newRow("pressed and raised again")
      << true << true << QList<int>{15, 15, 15} << QList<int>{8, 8, 0} << QList<int>{15, 15, 15}
      << QList<int>{8, 8, 0};
}

void BarKeypadDrawingTest::raisedAndPressedFrames() {
  QFETCH(bool, pressed);
  QFETCH(bool, raisedAgain);
  QFETCH(QList<int>, leftColumns);
  QFETCH(QList<int>, rightColumns);
  QFETCH(QList<int>, topRows);
  QFETCH(QList<int>, bottomRows);
  ImageCanvas c;
  drawButtonBar(c);
  if (pressed) drawBarButton(c, BarButton::Laden, true);
  if (raisedAgain) drawBarButton(c, BarButton::Laden, false);
  const QImage& img = c.image();
  for (int i = 0; i < 3; ++i) {
    QVERIFY2(isPalette(img, 160 + i, 898, leftColumns[i]), qPrintable(describe(img, 160 + i, 898)));
    QVERIFY2(isPalette(img, 288 + i, 898, rightColumns[i]),
             qPrintable(describe(img, 288 + i, 898)));
    QVERIFY2(isPalette(img, 230, 886 + i, topRows[i]), qPrintable(describe(img, 230, 886 + i)));
    QVERIFY2(isPalette(img, 230, 909 + i, bottomRows[i]), qPrintable(describe(img, 230, 909 + i)));
  }
  // The black outline one pixel outside the top and left; the window colour beyond it, and
  // between Laden's right edge (290) and Sichern's outline (291) no gap at all.
  QVERIFY(isPalette(img, 159, 898, colorBlack));
  QVERIFY(isPalette(img, 230, 885, colorBlack));
  QVERIFY(isPalette(img, 158, 898, colorWindow));
  QVERIFY(isPalette(img, 230, 884, colorWindow));
  QVERIFY(isPalette(img, 230, 912, colorWindow));
  // Laden's frame ends at its right edge: Sichern's outline is black from top to bottom.
  for (int y = 885; y <= 911; ++y)
    QVERIFY2(isPalette(img, 291, y, colorBlack), qPrintable(describe(img, 291, y)));
  // The inside of the button keeps the window colour: the frame is not filled.
  QVERIFY(isPalette(img, 170, 898, colorWindow));
  // Only Laden is pressed: Sichern's left edge is still white.
  QVERIFY(isPalette(img, 292, 898, colorWhite));
}

void BarKeypadDrawingTest::captionsAndRedAccessLetters() {
  ImageCanvas c;
  drawButtonBar(c);
  const QImage& img = c.image();
  for (BarButton b : barButtons) {
    const int x = barButtonX(b);
    const int n = static_cast<int>(barButtonText(b).size());
    const int right = x + 8 * (n - 1) + 18;
    // The access letter is the fifth character of the caption at x + 11: its 8-pixel cell
    // starts at x + 43 (the red layer one pixel further left and up).
    const int lx = x + 42;
    QVERIFY2(countPixels(img, lx, 888, lx + 8, 906, reddish) > 10,
             qPrintable(QString::fromStdString(barButtonText(b))));
    // Nothing red elsewhere in the button, black caption glyphs right of the letter.
    QCOMPARE(countPixels(img, x + 3, 888, lx - 1, 908, reddish), 0);
    QCOMPARE(countPixels(img, lx + 10, 888, right - 3, 908, reddish), 0);
    QVERIFY(countPixels(img, lx + 10, 888, right - 3, 908, dark) > 20);
    QCOMPARE(countPixels(img, x + 3, 888, lx - 1, 908, dark), 0);  // the leading blanks
  }
}

void BarKeypadDrawingTest::pressingAndRaisingLeavesTheSamePixels() {
  // A button pressed and raised again, many times, looks exactly as it did at first: its
  // smoothed caption does not grow darker with each press. (Its frame's last column overlaps
  // the outline of the next button, so only the button's own box is compared.)
  ImageCanvas c;
  drawButtonBar(c);
  const int x = barButtonX(BarButton::Laden);
  const int right = x + 8 * (static_cast<int>(barButtonText(BarButton::Laden).size()) - 1) + 18;
  const QRect box(x - 1, barTop - 1, right - x + 2, 27);
  const QImage first = c.image().copy(box);
  for (int i = 0; i < 5; ++i) {
    drawBarButton(c, BarButton::Laden, true);
    QVERIFY(c.image().copy(box) != first);
    drawBarButton(c, BarButton::Laden, false);
  }
  QCOMPARE(c.image().copy(box), first);
}

void BarKeypadDrawingTest::barErasedWithoutATrace() {
  // As a game does: the bar drawn and every button pressed and raised, then the strip erased.
  // Between the field and the bottom strip nothing is left.
  ImageCanvas c;
  drawEmptyField(c);
  const QRect between(QPoint(0, 876), QPoint(canvasWidth - 1, 920));
  const QImage before = c.image().copy(between);
  drawButtonBar(c);
  for (BarButton b : barButtons) {
    drawBarButton(c, b, true);
    drawBarButton(c, b, false);
  }
  eraseButtonBar(c);
  const QImage after = c.image().copy(between);
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      QVERIFY2(after.pixel(x, y) == before.pixel(x, y),
               qPrintable(describe(c.image(), x, y + between.top())));
}

QTEST_MAIN(BarKeypadDrawingTest)
#include "bar_keypad_drawing_test.moc"
