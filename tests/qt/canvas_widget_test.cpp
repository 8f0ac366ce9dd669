// The canvas widget repaints what is drawn on its canvas: a few drawings are repainted where
// they lie and nowhere else; a picture drawn in hundreds of small pieces reaches the next paint
// event as a few rectangles, and the window shows the canvas pixel for pixel either way.
#include <QPaintEvent>
#include <QScreen>
#include <QtTest>

#include "qt/canvas_widget.h"

using namespace tessarix;

namespace {

// Keeps the region of every paint event a widget gets.
class PaintRegions : public QObject {
 public:
  QList<QRegion> regions;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) regions.append(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
};

// Small boxes on a grid of `columns` x `rows` over the canvas, in changing colours; returns
// their rectangles.
QList<QRect> drawScatteredBoxes(Canvas& canvas, int columns, int rows) {
  QList<QRect> boxes;
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) {
      const int x = 20 + i * (canvasWidth - 60) / columns, y = 20 + j * (canvasHeight - 60) / rows;
      canvas.setLineColor((i + j) % 16);
      canvas.setFillColor((i * 3 + j) % 16);
      canvas.filledBox(x, y, x + 4, y + 3);
      boxes.append(QRect(QPoint(x, y), QPoint(x + 4, y + 3)));
    }
  return boxes;
}

}  // namespace

class CanvasWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void drawingsAreRepaintedInFewRectanglesThatCoverThem_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("three boxes") << 3 << 1;
    QTest::newRow("a thousand boxes") << 40 << 25;
  }

  void drawingsAreRepaintedInFewRectanglesThatCoverThem() {
    QFETCH(int, columns);
    QFETCH(int, rows);
    CanvasWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QCOMPARE(widget.size(), QSize(canvasWidth, canvasHeight));
    QCOMPARE(widget.scale(), 1.0);
    PaintRegions painted;
    widget.installEventFilter(&painted);

    const QList<QRect> boxes = drawScatteredBoxes(widget.canvas(), columns, rows);
    QTRY_VERIFY(!painted.regions.isEmpty());
    QCoreApplication::processEvents();
    QRegion all;
    for (const QRegion& r : painted.regions) {
      QVERIFY2(r.rectCount() <= CanvasWidget::maxMarkedRects,
               qPrintable(QString::number(r.rectCount()) + " rectangles in one paint event"));
      all += r;
    }
    for (const QRect& box : boxes) QVERIFY(all.contains(box));
    // A few drawings far apart are repainted where they lie, not over the whole canvas.
    if (boxes.size() <= CanvasWidget::maxMarkedRects)
      QVERIFY(!all.contains(QPoint(canvasWidth / 2, canvasHeight / 2)));

    // What the window shows is the canvas.
    const QImage shown =
        widget.screen()->grabWindow(widget.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), widget.image().size());
    QVERIFY(shown == widget.image().convertToFormat(QImage::Format_RGB32));
  }
};

QTEST_MAIN(CanvasWidgetTest)
#include "canvas_widget_test.moc"
