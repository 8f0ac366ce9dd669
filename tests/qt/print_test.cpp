// Printing from the real main window into a PDF file: one landscape page whose text holds the
// footer and whose rendering shows the nine grids around the holes of the diamond, with block
// lines that stand out from the cell lines on paper.
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <cmath>
#include <optional>
#include <vector>

#include "logic/check.h"
#include "logic/geometry.h"
#include "qt/printer_canvas.h"
#include "support/play_window.h"
#include "ui/palette.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

// The rendering's resolution, dots per inch; the page is drawn at the printer's 1200.
constexpr int renderDpi = 150;

// Runs a poppler tool; its standard output, or nothing when it could not run or failed.
std::optional<QByteArray> runTool(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return std::nullopt;
  return p.readAllStandardOutput();
}

bool darkNear(const QImage& img, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (img.valid(x + dx, y + dy) && qGray(img.pixel(x + dx, y + dy)) < 128) return true;
  return false;
}

// The dark stretches met going from `from` in steps of `step` (one pixel across or down) for
// `length` pixels: each stretch's first pixel, along the way, and its width.
struct Stretch {
  int start, width;
};
std::vector<Stretch> darkStretches(const QImage& img, QPoint from, QPoint step, int length) {
  std::vector<Stretch> r;
  for (int i = 0; i < length; ++i) {
    const QPoint p = from + i * step;
    if (qGray(img.pixel(p)) >= 128) continue;
    if (!r.empty() && r.back().start + r.back().width == i)
      ++r.back().width;
    else
      r.push_back({i, 1});
  }
  return r;
}

QString widthsOf(const std::vector<Stretch>& stretches) {
  QStringList w;
  for (const Stretch& s : stretches) w << QString::number(s.width);
  return w.join(' ');
}

int darkIn(const QImage& img, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += qGray(img.pixel(x, y)) < 200;
  return n;
}

// The PDF rendered by pdftoppm at `dpi` into the folder `dir`, in crisp grey pixels; a null
// image when the tool fails.
QImage renderedPage(const QString& pdf, int dpi, const QString& dir, const QString& name) {
  const QString prefix = QDir(dir).filePath(name);
  if (!runTool("pdftoppm", {"-r", QString::number(dpi), "-gray", "-aa", "no", "-aaVector", "no",
                            "-singlefile", pdf, prefix}))
    return {};
  return QImage(prefix + ".pgm");
}

// The painted area of the game's printer (high resolution, landscape, PDF) in its device
// pixels, and its resolution.
struct PrinterArea {
  QRect area;
  int dpi;
};
PrinterArea printerArea() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageOrientation(QPageLayout::Landscape);
  const int dpi = printer.resolution();
  return {printer.pageLayout().paintRectPixels(dpi), dpi};
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() { play_.close(); }
  void boardPrintsToOneLandscapePdfPage();
  void blockLinesStandOutAt300Dpi();
  void lineWidthsKeepTheirSizeOnPaper_data();
  void lineWidthsKeepTheirSizeOnPaper();
  void aPrintFileNoJobCanWriteIsAPrinterError();

 private:
  PlayWindow play_;
};

// The print file became a FIFO, or a directory, after the start: the job is a printer error
// at once, rather than a game that waits until something reads the FIFO.
void PrintTest::aPrintFileNoJobCanWriteIsAPrinterError() {
  const QString pdf = play_.printFile();
  for (const bool fifo : {true, false}) {
    QFile::remove(pdf);
    QDir().rmdir(pdf);
    if (fifo)
      QCOMPARE(mkfifo(QFile::encodeName(pdf).constData(), 0600), 0);
    else
      QVERIFY(QDir().mkdir(pdf));
    play_.messages.clear();
    QVERIFY(play_.choose(27));
    QTRY_COMPARE(play_.messages, QStringList{QStringLiteral("Druckerfehler!")});
  }
}

void PrintTest::boardPrintsToOneLandscapePdfPage() {
  QVERIFY(play_.newGame());
  QVERIFY(play_.leaveWithEscape());
  const int clues = countGivens(play_.state());
  QVERIFY(clues > 0);
  QVERIFY(play_.choose(27));
  const QString pdf = play_.printFile();
  QTRY_VERIFY(QFileInfo(pdf).size() > 0);
  QCOMPARE(play_.messages, QStringList());

  // One page, wider than high.
  const std::optional<QByteArray> pdfinfo = runTool("pdfinfo", {pdf});
  QVERIFY2(pdfinfo, "pdfinfo (poppler-utils) did not run");
  const QString info = QString::fromUtf8(*pdfinfo);
  const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
  QVERIFY(pages.hasMatch());
  QCOMPARE(pages.captured(1).toInt(), 1);
  const QRegularExpressionMatch size =
      QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
  QVERIFY(size.hasMatch());
  QVERIFY2(size.captured(1).toDouble() > size.captured(2).toDouble(), qPrintable(info));

  // The footer, blanks folded as the text comes out of the PDF.
  const std::optional<QByteArray> pdftotext = runTool("pdftotext", {pdf, "-"});
  QVERIFY(pdftotext);
  const QString text = QString::fromUtf8(*pdftotext).simplified();
  QVERIFY2(text.contains(QStringLiteral("Schwierigkeitsgrad: Leicht mit %1 Zahlen").arg(clues)),
           qPrintable(text));

  // The rendering: crisp pixels, grey.
  const QImage page = renderedPage(pdf, renderDpi, play_.directory(), "page");
  QVERIFY(!page.isNull());

  // Where the page's device pixels land: the painted area's corner on the paper and the page
  // units of its size, as the game's printer has them.
  const auto [area, dpi] = printerArea();
  const int ux = area.width() / 144, uy = area.height() / 102;
  auto at = [&](int px, int py) {
    return QPoint((area.left() + px) * renderDpi / dpi, (area.top() + py) * renderDpi / dpi);
  };

  // Each grid's block lines, across and down, at the middle of each block.
  for (int g = 1; g <= gridCount; ++g) {
    const int ox = (1 + 4 * gridOffsetX[g]) * ux, oy = (1 + 3 * gridOffsetY[g]) * uy;
    for (int k = 0; k <= 3; ++k)
      for (int m = 0; m < 3; ++m) {
        const QPoint down = at(ox + 12 * k * ux, oy + (9 * m + 4) * uy);
        const QPoint across = at(ox + (12 * m + 6) * ux, oy + 9 * k * uy);
        QVERIFY2(darkNear(page, down.x(), down.y()),
                 qPrintable(QStringLiteral("grid %1, line %2 down").arg(g).arg(k)));
        QVERIFY2(darkNear(page, across.x(), across.y()),
                 qPrintable(QStringLiteral("grid %1, line %2 across").arg(g).arg(k)));
      }
    // A thin cell line too: between the first two columns, in the first row.
    const QPoint cellLine = at(ox + 4 * ux, oy + uy);
    QVERIFY2(darkNear(page, cellLine.x(), cellLine.y()),
             qPrintable(QStringLiteral("grid %1, cell line").arg(g)));
  }

  // The four holes of the diamond, 3 x 3 cells each, stay white (a margin left for the lines).
  const int holes[4][2] = {{15, 9}, {15, 21}, {9, 15}, {21, 15}};
  for (const auto& [col, row] : holes) {
    const QPoint a = at((1 + 4 * col) * ux + ux, (1 + 3 * row) * uy + uy);
    const QPoint b = at((1 + 4 * (col + 3)) * ux - ux, (1 + 3 * (row + 3)) * uy - uy);
    QCOMPARE(darkIn(page, QRect(a, b)), 0);
  }
  // Right of the figure the page stays blank.
  const QPoint right = at(134 * ux, 0), bottomRight = at(area.width() - 1, 99 * uy);
  QCOMPARE(darkIn(page, QRect(right, bottomRight)), 0);
}

// An empty board rendered at 300 dpi, measured across the figure along the middle of a row of
// cells (grids 4, 2, 5, 3 and 6 side by side) and down along the middle of a column (grids 1,
// 2, 5, 7 and 9 one over the other): 34 lines each way, every third a block line at least 4
// pixels wide, the others 1 or 2 pixels.
void PrintTest::blockLinesStandOutAt300Dpi() {
  QVERIFY(play_.choose(27));
  const QString pdf = play_.printFile();
  QTRY_VERIFY(QFileInfo(pdf).size() > 0);
  QCOMPARE(play_.messages, QStringList());
  constexpr int dpi300 = 300;
  const QImage page = renderedPage(pdf, dpi300, play_.directory(), "page300");
  QVERIFY(!page.isNull());

  const auto [area, dpi] = printerArea();
  const int ux = area.width() / 144, uy = area.height() / 102;
  auto at = [&](double px, double py) {
    return QPoint(qRound((area.left() + px) * dpi300 / dpi),
                  qRound((area.top() + py) * dpi300 / dpi));
  };

  struct Way {
    const char* name;
    QPoint from, step;
    int length;
    double pixelsPerCell;
  };
  // Half a unit before the first line to half a unit after the last one.
  const QPoint rowStart = at(0.5 * ux, (37 + 1.5) * uy), rowEnd = at(133.5 * ux, (37 + 1.5) * uy);
  const QPoint columnStart = at((49 + 2) * ux, 0.5 * uy), columnEnd = at((49 + 2) * ux, 100.5 * uy);
  const Way ways[] = {
      {"across", rowStart, {1, 0}, rowEnd.x() - rowStart.x(), 4.0 * ux * dpi300 / dpi},
      {"down", columnStart, {0, 1}, columnEnd.y() - columnStart.y(), 3.0 * uy * dpi300 / dpi},
  };
  for (const Way& way : ways) {
    const std::vector<Stretch> lines = darkStretches(page, way.from, way.step, way.length);
    const QString seen = QStringLiteral("%1: %2").arg(way.name, widthsOf(lines));
    qInfo("%s", qPrintable(seen));
    QCOMPARE(lines.size(), size_t{34});
    for (size_t k = 0; k < lines.size(); ++k) {
      // Each line lies where its cell boundary does.
      const double middle = lines[k].start + (lines[k].width - 1) / 2.0;
      const double expected =
          (0.5 * (way.step.x() ? ux : uy)) * dpi300 / dpi + k * way.pixelsPerCell;
      QVERIFY2(std::abs(middle - expected) <= 3, qPrintable(seen));
      if (k % 3 == 0)
        QVERIFY2(lines[k].width >= 4, qPrintable(seen));
      else
        QVERIFY2(lines[k].width >= 1 && lines[k].width <= 2, qPrintable(seen));
    }
  }
}

// A printer of any resolution prints a line of width w as w / 300 inch: w x dpi / 300 device
// pixels, never less than one.
void PrintTest::lineWidthsKeepTheirSizeOnPaper_data() {
  QTest::addColumn<int>("dpi");
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("pixels");
  QTest::newRow("block at 300 dpi") << 300 << 5 << 5;
  QTest::newRow("cell at 300 dpi") << 300 << 1 << 1;
  QTest::newRow("block at 600 dpi") << 600 << 5 << 10;
  QTest::newRow("cell at 600 dpi") << 600 << 1 << 2;
  QTest::newRow("block at 1200 dpi") << 1200 << 5 << 20;
  QTest::newRow("cell at 1200 dpi") << 1200 << 1 << 4;
  QTest::newRow("block at 150 dpi") << 150 << 5 << 3;
  QTest::newRow("cell at 150 dpi") << 150 << 1 << 1;
}

void PrintTest::lineWidthsKeepTheirSizeOnPaper() {
  QFETCH(int, dpi);
  QFETCH(int, width);
  QFETCH(int, pixels);
  QImage sheet(200, 200, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  sheet.setDotsPerMeterX(qRound(dpi / 0.0254));
  sheet.setDotsPerMeterY(qRound(dpi / 0.0254));
  {
    QPainter painter(&sheet);
    PrinterCanvas canvas(painter);
    canvas.setLineColor(colorBlack);
    canvas.setLineWidth(width);
    canvas.outlineBox(50, 50, 150, 150);
  }
  // Across the box's middle: its left and right sides.
  const std::vector<Stretch> sides = darkStretches(sheet, {0, 100}, {1, 0}, 200);
  QCOMPARE(sides.size(), size_t{2});
  QCOMPARE(sides[0].width, pixels);
  QCOMPARE(sides[1].width, pixels);
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
