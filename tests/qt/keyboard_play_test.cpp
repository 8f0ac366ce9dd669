// Playing by keyboard in the real main window, offscreen: the arrows bring the cursor's orange
// frame to a cell, Enter opens the keypad there, a typed digit goes in, Delete clears it, and a
// click of the mouse takes the frame away; Ctrl+Z and Ctrl+Y take an entry back and again; other
// keys with Alt or Ctrl leave a timed game alone; Esc leaves the game after the keypad's Esc or a
// declined quit question.
#include <QtTest>

#include "support/play_window.h"
#include "ui/field_layout.h"
#include "ui/palette.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

// Pixels of the cursor's colour on the top side of a cell, clear of the lines it shares.
int cursorPixelsOn(const QImage& img, const CellRef& c) {
  const QRgb orange = qRgb(paletteRed(colorCursor), paletteGreen(colorCursor),
                           paletteBlue(colorCursor));
  const int x = anchorX[c.grid] + (c.col - 1) * cellWidth, y = anchorY[c.grid] + (c.row - 1) * cellHeight;
  int n = 0;
  for (int px = x + 2; px <= x + 31; ++px)
    for (int py = y; py <= y + 1; ++py) n += img.pixel(px, py) == orange;
  return n;
}

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() {
    QCOMPARE(play_.messages, QStringList());
    play_.close();
  }

  void arrowsAndEnterEnterADigit() {
    QVERIFY(play_.newGame());
    // An empty cell of grid 5, whose square the arrows cross without a hole.
    std::optional<CellRef> target;
    for (const CellRef& c : play_.emptyCells())
      if (c.grid == 5 && c.col >= 4 && c.row >= 4) {
        target = c;
        break;
      }
    QVERIFY(target);
    play_.typeKey(Qt::Key_Up);  // the first arrow shows the cursor on grid 5's middle cell
    QCOMPARE(play_.game().cursorCell(), cellIndex(5, 5, 5));
    QCOMPARE(cursorPixelsOn(play_.image(), {5, 5, 5}), 60);
    for (int r = 5; r != target->row; r += target->row > r ? 1 : -1)
      play_.typeKey(target->row > r ? Qt::Key_Down : Qt::Key_Up);
    for (int c = 5; c != target->col; c += target->col > c ? 1 : -1)
      play_.typeKey(target->col > c ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(play_.game().cursorCell(), indexOf(*target));
    QCOMPARE(cursorPixelsOn(play_.image(), *target), 60);
    if (indexOf(*target) != cellIndex(5, 5, 5)) QCOMPARE(cursorPixelsOn(play_.image(), {5, 5, 5}), 0);

    const int digit = play_.state().solution[indexOf(*target)];
    play_.typeKey(Qt::Key_Return);
    QVERIFY(play_.game().keypadOpen());
    play_.type(static_cast<char>('0' + digit));
    QVERIFY(!play_.game().keypadOpen());
    QCOMPARE(int(play_.state().board[indexOf(*target)]), digit);
    QCOMPARE(showsOf(play_.image(), *target), "entry");
    QCOMPARE(cursorPixelsOn(play_.image(), *target), 60);

    play_.typeKey(Qt::Key_Delete);
    QCOMPARE(int(play_.state().board[indexOf(*target)]), 0);
    QCOMPARE(showsOf(play_.image(), *target), "blank");

    // A click elsewhere (outside the field) hides the frame and leaves the cell as it is.
    play_.clickAt(QPoint(1200, 60));
    QCOMPARE(play_.game().cursorCell(), 0);
    QCOMPARE(cursorPixelsOn(play_.image(), *target), 0);
    QCOMPARE(showsOf(play_.image(), *target), "blank");
  }

  void ctrlZTakesAnEntryBackAndCtrlYBringsItAgain() {
    QVERIFY(play_.newGame());
    const CellRef cell = play_.emptyCells().front();
    const int i = indexOf(cell), digit = play_.state().solution[i];
    QVERIFY(play_.enterByTyping(cell, digit));
    QCOMPARE(showsOf(play_.image(), cell), "entry");
    QTest::keyClick(&play_.canvas(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(play_.state().board[i]), 0);
    QCOMPARE(showsOf(play_.image(), cell), "blank");
    QTest::keyClick(&play_.canvas(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(int(play_.state().board[i]), digit);
    QCOMPARE(showsOf(play_.image(), cell), "entry");
    QTest::keyClick(&play_.canvas(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&play_.canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(int(play_.state().board[i]), digit);
    QVERIFY(play_.state().clockRunning);
  }

  void aTypedDigitTintsExactlyTheCellsHoldingIt() {
    QVERIFY(play_.newGame());
    play_.type('5');
    const QRgb tint = qRgb(paletteRed(colorHighlight), paletteGreen(colorHighlight),
                           paletteBlue(colorHighlight));
    int tinted = 0;
    for (int g = 1; g <= 9; ++g)
      for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
          const QPoint corner(anchorX[g] + (c - 1) * cellWidth + 2, anchorY[g] + (r - 1) * cellHeight + 2);
          const bool holds = play_.state().board[cellIndex(g, c, r)] == 5;
          QCOMPARE(play_.image().pixel(corner) == tint, holds);
          tinted += holds;
        }
    QVERIFY(tinted > 0);
    play_.type('0');
    for (int g = 1; g <= 9; ++g)
      QVERIFY(play_.image().pixel(anchorX[g] + 2, anchorY[g] + 2) != tint);
  }

  void altAndCtrlKeysLeaveATimedGameAsItIs_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inKeypad");
    const int alt = Qt::AltModifier, ctrl = Qt::ControlModifier;
    QTest::newRow("Alt+T") << int(Qt::Key_T) << alt << false;
    QTest::newRow("Alt+N") << int(Qt::Key_N) << alt << false;
    QTest::newRow("Alt+A") << int(Qt::Key_A) << alt << false;
    QTest::newRow("Alt+W") << int(Qt::Key_W) << alt << false;
    QTest::newRow("Alt+H") << int(Qt::Key_H) << alt << false;
    QTest::newRow("Alt+M") << int(Qt::Key_M) << alt << false;
    QTest::newRow("Alt+5") << int(Qt::Key_5) << alt << false;
    QTest::newRow("Alt+Esc") << int(Qt::Key_Escape) << alt << false;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << false;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << false;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << false;
    QTest::newRow("Ctrl+T") << int(Qt::Key_T) << ctrl << false;
    QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl << false;
    QTest::newRow("Ctrl+Esc") << int(Qt::Key_Escape) << ctrl << false;
    QTest::newRow("keypad Alt+5") << int(Qt::Key_5) << alt << true;
    QTest::newRow("keypad Ctrl+5") << int(Qt::Key_5) << ctrl << true;
    QTest::newRow("keypad Alt+Esc") << int(Qt::Key_Escape) << alt << true;
  }

  void altAndCtrlKeysLeaveATimedGameAsItIs() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, inKeypad);
    QVERIFY(play_.newGame());
    const std::vector<CellRef> empty = play_.emptyCells();
    const int i = indexOf(empty[0]);
    QVERIFY(play_.enterByTyping(empty[0], play_.state().solution[i]));
    if (inKeypad) {
      play_.click(empty[1]);
      QVERIFY(play_.game().keypadOpen());
    }
    const auto board = play_.state().board;
    const QImage before = play_.image().copy();

    QTest::keyClick(&play_.canvas(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::qWait(250);  // longer than the pause before a loop ends

    QCOMPARE(play_.game().mode(), Game::Mode::Playing);
    QVERIFY(play_.state().clockRunning);
    QVERIFY(play_.window().platform().clockTickRunning());
    QCOMPARE(play_.game().keypadOpen(), inKeypad);
    QVERIFY(play_.state().board == board);
    QCOMPARE(play_.image(), before);
    QVERIFY(!play_.window().platform().helpWindow());
    QCOMPARE(play_.slotDialogs, 0);
    // Plain keys still act: the entry is taken back.
    if (inKeypad) play_.typeKey(Qt::Key_Escape);
    QTest::keyClick(&play_.canvas(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(play_.state().board[i]), 0);
  }

  void escLeavesTheGameAfterTheKeypadsEscOrADeclinedQuit_data() {
    QTest::addColumn<QString>("before");
    QTest::newRow("the keypad's Esc") << "keypad";
    QTest::newRow("a declined quit question") << "quit";
  }

  void escLeavesTheGameAfterTheKeypadsEscOrADeclinedQuit() {
    QFETCH(QString, before);
    QVERIFY(play_.newGame());
    if (before == "keypad") {
      play_.click(play_.emptyCells().front());
      QVERIFY(play_.game().keypadOpen());
      play_.typeKey(Qt::Key_Escape);
      QVERIFY(!play_.game().keypadOpen());
    } else {
      play_.window().close();  // "Spiel beenden?" answered with its default, "&NEIN"
      QVERIFY(play_.window().isVisible());
    }
    QTest::qWait(250);
    QCOMPARE(play_.game().mode(), Game::Mode::Playing);
    QVERIFY(play_.leaveWithEscape());
    QVERIFY(!play_.state().clockRunning);
    QCOMPARE(play_.clockText(), QStringLiteral(" 99:99:99"));
  }

  void tThenTFillsOneCellAndVoidsTheClock() {
    QVERIFY(play_.newGame());
    const auto before = play_.state().board;
    play_.type('t');
    QCOMPARE(play_.window().clockLabel().text().trimmed(), QStringLiteral("99:99:99"));
    const int framed = play_.game().hintCell();
    QVERIFY(framed != 0);
    play_.type('t');
    int changed = 0;
    for (int i = 0; i < 1000; ++i)
      if (play_.state().board[i] != before[i]) {
        ++changed;
        QCOMPARE(play_.state().board[i], play_.state().solution[i]);
      }
    QVERIFY(changed >= 1 && changed <= 2);  // one cell, in both copies when shared
    QCOMPARE(int(play_.state().board[framed]), int(play_.state().solution[framed]));
    QCOMPARE(showsOf(play_.image(), cellOf(framed)), "entry");
    QVERIFY(!play_.state().clockRunning);
  }

 private:
  PlayWindow play_;
};

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
