// The window at any size, offscreen: the canvas is shown at the largest scale that fits, its
// proportions kept; a click at the scaled place of a cell lands on that cell; at scale 2 a
// grid line is a sharp two-pixel line; the clock label follows; on a 1366 x 768 screen the
// window opens scaled down so that the whole canvas shows.
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "support/play_window.h"
#include "ui/field_layout.h"
#include "ui/palette.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

QRgb rgbOf(int index) { return qRgb(paletteRed(index), paletteGreen(index), paletteBlue(index)); }

}  // namespace

class WindowScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() { play_.close(); }

  void aClickAtTheScaledCentreOfACellLandsThere_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("0.6") << 0.6;
  }

  void aClickAtTheScaledCentreOfACellLandsThere() {
    QFETCH(double, scale);
    showAt(scale);
    CanvasWidget& canvas = play_.canvas();
    QVERIFY(qAbs(canvas.scale() - scale) < 0.01);
    // Drawn anew at a larger scale; shown smaller, the full-size drawing is shrunk (drawn
    // smaller, thin lines would fall between the pixels).
    QCOMPARE(canvas.canvas().scale(), std::max(1.0, canvas.scale()));
    QVERIFY(play_.newGame());
    const CellRef cell = play_.emptyCells().at(7);
    const QPoint centre = centreOf(cell);
    const QPoint at(qRound(canvas.origin().x() + (centre.x() + 0.5) * canvas.scale()),
                    qRound(canvas.origin().y() + (centre.y() + 0.5) * canvas.scale()));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at);
    QVERIFY(play_.game().keypadOpen());
    const int digit = play_.state().solution[indexOf(cell)];
    play_.type(static_cast<char>('0' + digit));
    QCOMPARE(int(play_.state().board[indexOf(cell)]), digit);
    // The clock label sits over the clock panel at the same scale.
    QCOMPARE(play_.window().clockLabel().geometry(), canvas.widgetRect(QRect(1056, 831, 160, 30)));
    // The game's own canvas stays 1280 x 946, pixel for pixel.
    QCOMPARE(play_.image().size(), QSize(canvasWidth, canvasHeight));
  }

  // A window of another shape than the canvas shows it centred with margins on two sides; a
  // click still maps back through both margins, each its own.
  void clicksLandInAWindowOfAnotherShape_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("extra");
    QTest::newRow("0.6, wider") << 0.6 << QSize(300, 0);
    QTest::newRow("0.6, taller") << 0.6 << QSize(0, 300);
    QTest::newRow("1.5, wider") << 1.5 << QSize(300, 0);
    QTest::newRow("1.5, taller") << 1.5 << QSize(0, 300);
  }

  void clicksLandInAWindowOfAnotherShape() {
    QFETCH(double, scale);
    QFETCH(QSize, extra);
    showAt(scale, extra);
    CanvasWidget& canvas = play_.canvas();
    QCOMPARE(canvas.origin().x() > 100, extra.width() > 0);
    QCOMPARE(canvas.origin().y() > 100, extra.height() > 0);
    QVERIFY(play_.newGame());
    const CellRef cell = play_.emptyCells().at(11);
    const auto shown = [&](QPoint p) {
      return QPoint(qRound(canvas.origin().x() + (p.x() + 0.5) * canvas.scale()),
                    qRound(canvas.origin().y() + (p.y() + 0.5) * canvas.scale()));
    };
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, shown(centreOf(cell)));
    QVERIFY(play_.game().keypadOpen());
    const int digit = play_.state().solution[indexOf(cell)];
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, shown(keypadButtonOf(cell, digit)));
    QVERIFY(!play_.game().keypadOpen());
    QCOMPARE(int(play_.state().board[indexOf(cell)]), digit);
  }

  void atScaleTwoAGridLineIsASharpTwoPixelLine() {
    showAt(2.0);
    QVERIFY(play_.newGame());
    const QImage shown = play_.canvas().canvas().shownImage();
    QCOMPARE(shown.size(), QSize(2 * canvasWidth, 2 * canvasHeight));
    // The thin line between columns 1 and 2 of grid 5, in the middle of a row.
    const int x = anchorX[5] + cellWidth, y = anchorY[5] + 4 * cellHeight + 12;
    for (int dy : {0, 1}) {
      QCOMPARE(shown.pixel(2 * x, 2 * y + dy), rgbOf(colorBlack));
      QCOMPARE(shown.pixel(2 * x + 1, 2 * y + dy), rgbOf(colorBlack));
      QVERIFY(shown.pixel(2 * x - 1, 2 * y + dy) != rgbOf(colorBlack));
      QVERIFY(shown.pixel(2 * x + 2, 2 * y + dy) != rgbOf(colorBlack));
      // No grey fringe: beside the line, the cells' own colours.
      for (int dx : {-1, 2}) {
        const QRgb p = shown.pixel(2 * x + dx, 2 * y + dy);
        QVERIFY2(p == rgbOf(colorWhite) || p == rgbOf(colorHighlight),
                 qPrintable(QString::number(p, 16)));
      }
    }
    // The same line at scale 1 is one pixel, in the game's canvas.
    QCOMPARE(play_.image().pixel(x, y), rgbOf(colorBlack));
    QCOMPARE(play_.image().pixel(x + 1, y), rgbOf(colorWhite));
  }

  // Played at full size with the keypad open, then made twice as large: the screen is drawn
  // anew at that scale, and the keypad closing there puts back what lay under it. What the
  // window shows then equals the same screen drawn from scratch at twice the size (the window
  // grown once more and back), and the canvas at scale 1 is as it was before.
  void aScreenDrawnBeforeAResizePlaysOnAtTheNewScale() {
    QVERIFY(play_.newGame());
    const std::vector<CellRef> empty = play_.emptyCells();
    QVERIFY(play_.enterByTyping(empty.at(3), 5));
    play_.typeKey(Qt::Key_Right);
    play_.click(empty.at(9));
    QVERIFY(play_.game().keypadOpen());
    const QImage before = play_.image();
    showAt(2.0);
    QCOMPARE(play_.image(), before);
    play_.type('4');
    QVERIFY(!play_.game().keypadOpen());
    play_.typeKey(Qt::Key_Down);
    const QImage reference = play_.image();
    const QImage played = play_.canvas().canvas().shownImage();
    QCOMPARE(played.size(), QSize(2 * canvasWidth, 2 * canvasHeight));
    showAt(1.5);
    showAt(2.0);
    QCOMPARE(play_.canvas().canvas().shownImage(), played);
    QCOMPARE(play_.image(), reference);
  }

  void aSmallScreenGetsTheWholeCanvasScaledDown() {
    MainWindow& w = play_.window();
    w.fitToScreen(QRect(0, 0, 1366, 768));
    QVERIFY(QTest::qWaitFor([&] { return play_.canvas().scale() < 1.0; }));
    const QRect shown = play_.canvas().widgetRect(QRect(0, 0, canvasWidth, canvasHeight));
    QVERIFY(play_.canvas().rect().contains(shown.adjusted(1, 1, -1, -1)));
    const QRect frame = w.frameGeometry();
    QVERIFY2(frame.bottom() < 768 && frame.right() < 1366,
             qPrintable(QString("%1 %2").arg(frame.bottom()).arg(frame.right())));
    QCOMPARE(frame.topLeft(), QPoint(0, 0));
    // Still played by mouse: a new game and a click on a cell's scaled centre.
    QVERIFY(play_.newGame());
    const CellRef cell = play_.emptyCells().front();
    CanvasWidget& canvas = play_.canvas();
    const QPoint at(qRound(canvas.origin().x() + (centreOf(cell).x() + 0.5) * canvas.scale()),
                    qRound(canvas.origin().y() + (centreOf(cell).y() + 0.5) * canvas.scale()));
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, at);
    QVERIFY(play_.game().keypadOpen());
  }

 private:
  // The window resized so that its canvas widget is `scale` times the canvas.
  // `extra` widens or heightens the window beyond the canvas's shape.
  void showAt(double scale, QSize extra = QSize(0, 0)) {
    MainWindow& w = play_.window();
    const int menu = w.menuBar()->height();
    w.resize(qRound(canvasWidth * scale) + extra.width(),
             qRound(canvasHeight * scale) + menu + extra.height());
    QVERIFY(QTest::qWaitFor([&] { return qAbs(play_.canvas().scale() - scale) < 0.01; }));
  }

  PlayWindow play_;
};

QTEST_MAIN(WindowScaleTest)
#include "window_scale_test.moc"
