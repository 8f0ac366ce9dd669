// The texts of the panels on a real image canvas, with the normal and with the large fonts:
// each stays inside its panel's writing area and leaves the texts beside and above it whole;
// and the real window on a display of 120 pixels an inch, which takes the large fonts.
// Runs on an offscreen screen of 120 pixels an inch (see CMakeLists.txt).
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <functional>
#include <vector>

#include "app/game.h"
#include "logic/next_step.h"
#include "qt/image_canvas.h"
#include "support/image_pixels.h"
#include "support/play_window.h"
#include "ui/board_drawing.h"
#include "ui/palette.h"
#include "ui/panels.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

// The white inside of a panel's writing area: from one pixel inside the black edge at
// (x0 + 6, y0 + 22) to one pixel inside the edge at (x0 + w - 7, y0 + h - 7).
QRect writingArea(int x0, int y0, int w, int h) {
  return QRect(QPoint(x0 + 7, y0 + 23), QPoint(x0 + w - 8, y0 + h - 8));
}
const QRect statisticsArea = writingArea(40, 753, 308, 78);
const QRect statusArea = writingArea(1013, 219, 234, 78);
const QRect levelArea = writingArea(1014, 605, 234, 80);
const QRect hintArea = writingArea(1014, 707, 234, 72);

// The window as the opening screen leaves it: the field and its panels, no texts written yet.
void drawScreen(ImageCanvas& canvas, const GameState& s) {
  drawBottomStrip(canvas);
  drawEmptyField(canvas);
  drawStatisticsPanel(canvas, s);
  drawStatusPanel(canvas);
  drawLevelPanel(canvas, 0);
  drawClockPanel(canvas);
  drawHelpPanel(canvas);
}

// A text the game writes into a panel: drawn onto the opening screen, it may change pixels of
// its panel's writing area only; and nothing of `kept` (an older text beside or above it) that
// `before` drew changes.
struct TextCase {
  const char* name;
  QRect area;
  std::function<void(ImageCanvas&)> draw;
  std::function<void(ImageCanvas&)> before = [](ImageCanvas&) {};
  QRect kept = QRect();
  QRect white = QRect();  // stays white: a gap the text must not reach into
};

// The panels' frames with empty writing areas.
void emptyStatistics(ImageCanvas& k) { drawPanel(k, 40, 753, 308, 78, 122, "STATISTIK:"); }
void emptyLevel(ImageCanvas& k) { drawPanel(k, 1014, 605, 234, 80, 38, "SCHWIERIGKEITSGRAD:"); }

GameState withCounts(bool digitMode, int count) {
  GameState s;
  s.options.digitMode = digitMode;
  for (int d = 1; d <= 9; ++d) s.digitCount[d] = static_cast<uint8_t>(count);
  return s;
}

GameState withStatus(CheckOutcome outcome, int wrongCount) {
  GameState s;
  s.status = outcome;
  s.wrongCount = wrongCount;
  return s;
}

// The help line's longest texts: the ones the game writes between commands, in the keypad and
// after it (with three more blanks on large fonts), and the hint's.
std::vector<std::string> helpLines() {
  return {"Bitte Menupunkt auswählen!",
          "Bitte ein Feld anklicken!",
          "Bitte ein Feld anklicken!    ",
          "Rechte Taste löscht Feld!",
          "Bitte Kandidaten notieren!",
          "Dieser Eintrag ist falsch!",
          hintTextFor({0, 9, StepReason::OnlyPlaceInColumn}, true),
          hintTextFor({0, 8, StepReason::OnlyDigitOfCell}, false),
          "WWWWWWWWWWWWWWWWWWWWWWWWWW"};
}

const std::vector<TextCase>& textCases() {
  static const std::vector<TextCase> cases = [] {
    std::vector<TextCase> c;
    // The statistics: labels and heads, then the counts; the table lines stay whole, and the
    // labels end before the line at x 109.
    for (bool digits : {true, false})
      c.push_back(
          {.name = digits ? "statistics, digits" : "statistics, letters",
           .area = statisticsArea,
           .draw = [digits](ImageCanvas& k) { drawStatisticsPanel(k, withCounts(digits, 0)); },
           .before = emptyStatistics,
           .white = QRect(QPoint(107, 776), QPoint(108, 798))});
    for (int count : {0, 9, 69}) {
      const auto counts = [count](ImageCanvas& k) { drawDigitCounts(k, withCounts(true, count)); };
      c.push_back({.name = "digit counts beside the table line",
                   .area = statisticsArea,
                   .draw = counts,
                   .kept = QRect(QPoint(109, 781), QPoint(109, 820))});
      c.push_back({.name = "digit counts under the table line",
                   .area = statisticsArea,
                   .draw = counts,
                   .kept = QRect(QPoint(52, 799), QPoint(334, 799))});
    }
    // The status message and the wrong-entry line below it.
    for (CheckOutcome o : {CheckOutcome::WrongEntry, CheckOutcome::NotSolvable,
                           CheckOutcome::NoErrors, CheckOutcome::Solved})
      for (int wrong : {0, 3, 12})
        c.push_back({.name = "status", .area = statusArea, .draw = [o, wrong](ImageCanvas& k) {
                       drawStatusText(k, withStatus(o, wrong));
                     }});
    // The level panel: the label line, then the clue count and the level name written into it;
    // neither touches the label.
    for (int given : {0, 7, 286}) {
      c.push_back({.name = "level label",
                   .area = levelArea,
                   .draw = [given](ImageCanvas& k) { drawLevelPanel(k, given); },
                   .before = emptyLevel});
      for (int level = 0; level < 4; ++level)
        c.push_back({.name = "level line",
                     .area = levelArea,
                     .draw = [given, level](ImageCanvas& k) { writeLevelLine(k, given, level); },
                     .before = [given](ImageCanvas& k) { drawLevelPanel(k, given); },
                     .kept = QRect(QPoint(1042, 633), QPoint(1201, 649))});
    }
    // The help line.
    for (const std::string& line : helpLines())
      c.push_back({.name = "help line", .area = hintArea, .draw = [line](ImageCanvas& k) {
                     writeHelpLine(k, line);
                   }});
    return c;
  }();
  return cases;
}

}  // namespace

class PanelTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void fittedTextNarrowedToItsRightEdge();
  void textStaysInItsPanel_data();
  void textStaysInItsPanel();
  void messageKeepsItsDescenders_data();
  void messageKeepsItsDescenders();
  void windowOnALargeFontDisplay();
};

void PanelTextsTest::fittedTextNarrowedToItsRightEdge() {
  const auto write = [](ImageCanvas& c, const std::string& text, int right) {
    c.setTextFont(FontStyle::Panel);
    c.setLineColor(colorBlack);
    c.setFillColor(colorWhite);
    if (right < 0)
      c.text(10, 10, text);
    else
      c.fittedText(10, 10, text, right);
  };
  // Where it fits, the text is drawn as text() draws it.
  ImageCanvas plain(200, 40), fitting(200, 40);
  write(plain, "Fehler: 0/3", -1);
  write(fitting, "Fehler: 0/3", 150);
  QCOMPARE(fitting.image(), plain.image());
  // Twelve characters of 8 pixels into 48: the last W comes from x 98 to x 50 or so, nothing
  // passes x 57, and the background ends there too.
  ImageCanvas narrowed(200, 40);
  write(narrowed, "W          W", 57);
  const QImage& n = narrowed.image();
  QVERIFY(countPixels(n, 10, 10, 20, 24, dark) > 5);
  QVERIFY(countPixels(n, 46, 10, 57, 24, dark) > 5);
  QCOMPARE(countPixels(n, 21, 10, 45, 24, dark), 0);
  for (int y = 0; y < n.height(); ++y)
    for (int x = 58; x < n.width(); ++x)
      QVERIFY2(isPalette(n, x, y, colorWindow), qPrintable(describe(n, x, y)));
  // Trailing blanks are not narrowed: their background stops at the edge.
  ImageCanvas blanks(200, 40), letters(200, 40);
  write(blanks, "ab        ", 40);
  write(letters, "ab", -1);
  QCOMPARE(blanks.image().copy(0, 0, 26, 40), letters.image().copy(0, 0, 26, 40));
  QVERIFY(isPalette(blanks.image(), 40, 20, colorWhite));
  QVERIFY(isPalette(blanks.image(), 41, 20, colorWindow));
}

void PanelTextsTest::textStaysInItsPanel_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<bool>("large");
  for (bool large : {false, true})
    for (size_t i = 0; i < textCases().size(); ++i)
      QTest::addRow("%s %zu, %s", textCases()[i].name, i, large ? "large fonts" : "normal fonts")
          << static_cast<int>(i) << large;
}

void PanelTextsTest::textStaysInItsPanel() {
  QFETCH(int, index);
  QFETCH(bool, large);
  const TextCase& c = textCases()[static_cast<size_t>(index)];
  ImageCanvas canvas;
  canvas.setLargeFonts(large);
  drawScreen(canvas, GameState{});
  c.before(canvas);
  const QImage before = canvas.image();
  c.draw(canvas);
  const QImage& after = canvas.image();
  int inside = 0;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x) {
      if (after.pixel(x, y) == before.pixel(x, y)) continue;
      QVERIFY2(c.area.contains(x, y) && !c.kept.contains(x, y), qPrintable(describe(after, x, y)));
      ++inside;
    }
  QVERIFY(inside > 0);  // the text was written
  // What the text must leave alone was there before it.
  if (!c.kept.isEmpty())
    QVERIFY(countPixels(before, c.kept.left(), c.kept.top(), c.kept.right(), c.kept.bottom(),
                        dark) > 0);
  for (int y = c.white.top(); y <= c.white.bottom(); ++y)
    for (int x = c.white.left(); x <= c.white.right(); ++x)
      QVERIFY2(isPalette(after, x, y, colorWhite), qPrintable(describe(after, x, y)));
}

void PanelTextsTest::messageKeepsItsDescenders_data() {
  QTest::addColumn<bool>("large");
  QTest::newRow("normal fonts") << false;
  QTest::newRow("large fonts") << true;
}

// The wrong-entry line at y 277 comes right under the message at y 253, which reaches down to
// row 277: the line leaves every pixel of the message's glyphs as it was, the hook of the g in
// "gelöst" (rows 275 to 277) included.
void PanelTextsTest::messageKeepsItsDescenders() {
  QFETCH(bool, large);
  ImageCanvas alone, both;
  for (ImageCanvas* c : {&alone, &both}) {
    c->setLargeFonts(large);
    drawScreen(*c, GameState{});
  }
  const GameState s = withStatus(CheckOutcome::Solved, 0);
  alone.setTextFont(FontStyle::Cell);
  alone.setLineColor(colorBlack);
  alone.setFillColor(colorWhite);
  alone.text(1052, 253, "Brett gelöst!!! ");
  drawStatusText(both, s);
  const QRect message(QPoint(1052, 253), QPoint(1230, 277));
  QVERIFY(countPixels(alone.image(), message.left(), 275, message.right(), 277, dark) > 3);
  int ink = 0;
  for (int y = message.top(); y <= message.bottom(); ++y)
    for (int x = message.left(); x <= message.right(); ++x) {
      if (alone.image().pixel(x, y) == paletteColor(colorWhite).rgb()) continue;
      ++ink;
      QVERIFY2(both.image().pixel(x, y) == alone.image().pixel(x, y),
               qPrintable(describe(both.image(), x, y)));
    }
  QVERIFY(ink > 100);
  // The line itself is there below it.
  QVERIFY(countPixels(both.image(), 1088, 278, 1175, 289, dark) > 20);
}

// The real window on this screen of 120 pixels an inch: the large fonts are on, the texts of the
// opening screen and of a running game leave every panel's edge whole, and the clock's text fits
// its label.
void PanelTextsTest::windowOnALargeFontDisplay() {
  PlayWindow play;
  QVERIFY(play.open());
  QVERIFY2(play.canvas().logicalDpiY() > 96,
           qPrintable(QString::number(play.canvas().logicalDpiY())));
  QVERIFY(play.canvas().canvas().largeFonts());
  QVERIFY(play.newGame());
  const CellRef cell = play.emptyCells().front();
  QVERIFY(play.enterByKeypad(cell, play.state().solution[indexOf(cell)]));
  QTRY_VERIFY(play.game().helpText().rfind("Bitte ein Feld", 0) == 0);
  const QImage& img = play.image();
  for (const QRect& area : {statisticsArea, statusArea, levelArea, hintArea}) {
    // The black edge around the writing area, one pixel outside it, all round.
    const QRect edge = area.adjusted(-1, -1, 1, 1);
    for (int x = edge.left(); x <= edge.right(); ++x) {
      QVERIFY2(isPalette(img, x, edge.top(), colorBlack), qPrintable(describe(img, x, edge.top())));
      QVERIFY2(isPalette(img, x, edge.bottom(), colorBlack),
               qPrintable(describe(img, x, edge.bottom())));
    }
    for (int y = edge.top(); y <= edge.bottom(); ++y) {
      QVERIFY2(isPalette(img, edge.left(), y, colorBlack),
               qPrintable(describe(img, edge.left(), y)));
      QVERIFY2(isPalette(img, edge.right(), y, colorBlack),
               qPrintable(describe(img, edge.right(), y)));
    }
  }
  const QLabel& clock = play.window().clockLabel();
  for (const char* shown : {" 99:99:99", " 00:00:00", " 88:88:88"}) {
    const int width = clock.fontMetrics().horizontalAdvance(QString::fromLatin1(shown));
    QVERIFY2(width + 2 * clock.margin() <= clock.contentsRect().width(),
             qPrintable(QStringLiteral("%1 is %2 pixels wide").arg(shown).arg(width)));
  }
  play.close();
}

QTEST_MAIN(PanelTextsTest)
#include "panel_texts_test.moc"
