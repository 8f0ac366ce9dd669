// Printing from the real main window into a PDF file: one landscape page whose text holds the
// footer and whose rendering shows the nine grids around the holes of the diamond.
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QtTest>
#include <optional>
#include <vector>

#include "logic/check.h"
#include "logic/geometry.h"
#include "support/play_window.h"

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

int darkIn(const QImage& img, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += qGray(img.pixel(x, y)) < 200;
  return n;
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() { play_.close(); }
  void boardPrintsToOneLandscapePdfPage();

 private:
  PlayWindow play_;
};

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
  const QString prefix = QDir(play_.directory()).filePath("page");
  QVERIFY(runTool("pdftoppm", {"-r", QString::number(renderDpi), "-gray", "-aa", "no", "-aaVector",
                               "no", "-singlefile", pdf, prefix}));
  const QImage page(prefix + ".pgm");
  QVERIFY(!page.isNull());

  // Where the page's device pixels land: the painted area's corner on the paper and the page
  // units of its size, as the game's printer (high resolution, landscape, PDF) has them.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageOrientation(QPageLayout::Landscape);
  const int dpi = printer.resolution();
  const QRect area = printer.pageLayout().paintRectPixels(dpi);
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

QTEST_MAIN(PrintTest)
#include "print_test.moc"
