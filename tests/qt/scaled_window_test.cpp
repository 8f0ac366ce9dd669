// The main window at other sizes, offscreen: the canvas is shown at the window's scale, clicks
// land on the cell under the pointer, a two-pixel line stays two dark pixels, the clock follows,
// and on a small screen the window starts shrunk so the whole canvas is on it.
#include <QMenuBar>
#include <QtTest>
#include <cmath>

#include "app/window_placement.h"
#include "support/play_window.h"

using namespace tessarix;
using namespace tessarix::testing;

class ScaledWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() { play_.close(); }

  void clicksLandOnTheCellUnderThePointer_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("0.6") << 0.6;
  }
  void clicksLandOnTheCellUnderThePointer() {
    QFETCH(double, scale);
    QVERIFY(showAt(scale));
    QVERIFY(play_.newGame());
    const std::vector<CellRef> empty = play_.emptyCells();
    QVERIFY(empty.size() >= 2);
    // Two cells far apart on the field, each entered through its keypad.
    for (const CellRef& cell : {empty.front(), empty.back()}) {
      play_.clickAt(shown(centreOf(cell)));
      QVERIFY(play_.game().keypadOpen());
      play_.clickAt(shown(keypadButtonOf(cell, 7)));
      QVERIFY(!play_.game().keypadOpen());
      QCOMPARE(int(play_.state().board[indexOf(cell)]), 7);
    }
    // The clock's label sits over the clock panel at the same scale.
    QCOMPARE(play_.window().clockLabel().geometry(),
             play_.canvas().widgetRect(QRect(1056, 831, 160, 30)));
  }

  // At twice the size a one-pixel line of the canvas is two pixels of the same colour, with
  // the colours of its neighbours right beside it: no grey fringe.
  void linesStaySharpAtTwice() {
    const QImage& image = play_.image();
    const CellRef cell{5, 5, 5};
    const int x = interiorOf(cell).left() + 1;
    int y = interiorOf(cell).top();
    const QRgb inside = image.pixel(x, y);
    while (y > 0 && image.pixel(x, y) == inside) --y;
    const QRgb line = image.pixel(x, y);
    QVERIFY(qGray(line) < 100);  // a dark line above the cell's inside
    const QRgb above = image.pixel(x, y - 1);
    QVERIFY(above != line);  // one pixel thick

    QVERIFY(showAt(2.0));
    const QImage shownImage = play_.canvas().grab().toImage();
    const QPoint corner = play_.canvas().shownRect().topLeft().toPoint();
    const int sx = corner.x() + 2 * x, sy = corner.y() + 2 * y;
    QCOMPARE(shownImage.pixel(sx, sy - 1) & 0xffffff, above & 0xffffff);
    QCOMPARE(shownImage.pixel(sx, sy) & 0xffffff, line & 0xffffff);
    QCOMPARE(shownImage.pixel(sx, sy + 1) & 0xffffff, line & 0xffffff);
    QCOMPARE(shownImage.pixel(sx, sy + 2) & 0xffffff, inside & 0xffffff);
  }

  // At 1280 x 946 the widget shows the canvas pixel for pixel.
  void scaleOneShowsTheImageAsItIs() {
    QCOMPARE(play_.canvas().scale(), 1.0);
    // The clock's label is a widget of its own over the canvas.
    play_.window().clockLabel().hide();
    const QImage shownImage =
        play_.canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
    play_.window().clockLabel().show();
    QCOMPARE(shownImage, play_.image().convertToFormat(QImage::Format_RGB32));
  }

  // A 1366 x 768 laptop: the window shrinks until the whole canvas and the bar are on the
  // screen, and stays playable; a large screen leaves it at 1280 x 946.
  void smallScreenShrinksTheWindow() {
    play_.window().fitToScreen(QRect(0, 0, 1920, 1080));
    QCOMPARE(play_.canvas().size(), QSize(1280, 946));

    const QRect laptop(0, 0, 1366, 768);
    play_.window().fitToScreen(laptop);
    QTRY_VERIFY(std::abs(play_.canvas().scale() - fittingScale(1366, 768)) < 0.01);
    QVERIFY(play_.canvas().scale() < 1.0);
    QVERIFY(laptop.contains(play_.window().geometry()));
    const QRect canvasOnScreen(play_.canvas().mapTo(&play_.window(), QPoint(0, 0)) +
                                   play_.window().geometry().topLeft(),
                               play_.canvas().shownRect().size().toSize());
    QVERIFY(laptop.contains(canvasOnScreen));

    QVERIFY(play_.newGame());
    const CellRef cell = play_.emptyCells().front();
    play_.clickAt(shown(centreOf(cell)));
    QVERIFY(play_.game().keypadOpen());
  }

 private:
  // Resizes the window so the canvas is shown at this scale.
  bool showAt(double scale) {
    const int bar = play_.window().menuBar()->height();
    play_.window().resize(static_cast<int>(std::lround(1280 * scale)),
                          static_cast<int>(std::lround(946 * scale)) + bar);
    return QTest::qWaitFor([&] { return std::abs(play_.canvas().scale() - scale) < 0.002; });
  }
  // Where a canvas pixel is shown in the widget.
  QPoint shown(const QPoint& p) {
    const QPointF at = play_.canvas().shownRect().topLeft() + QPointF(p) * play_.canvas().scale();
    return at.toPoint();
  }

  PlayWindow play_;
};

QTEST_MAIN(ScaledWindowTest)
#include "scaled_window_test.moc"
