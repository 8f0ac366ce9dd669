// Saved boards and the own board in the real main window, offscreen: the menu chosen by
// keyboard, the slot dialog opened by S and by the Sichern button and answered by its keys, a
// save and load round trip through "brett.trx", and an own puzzle typed in, then played.
#include <QFile>
#include <QtTest>
#include <algorithm>

#include "support/play_window.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {
using Mode = Game::Mode;
}  // namespace

class PlayBoardsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() {
    QCOMPARE(play_.messages, QStringList());
    play_.close();
  }
  void gameStartChosenByKeyboardDoesNotSave();
  void savesThroughTheSlotDialog_data();
  void savesThroughTheSlotDialog();
  void saveAndLoadRoundTrip();
  void ownBoardTypedInThenPlayed();

 private:
  PlayWindow play_;
};

// --- The menu by keyboard and the saved boards -------------------------------------------------

void PlayBoardsTest::gameStartChosenByKeyboardDoesNotSave() {
  QVERIFY(play_.game().mode() == Mode::Idle);
  QTest::keyClick(&play_.window(), Qt::Key_T, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget());
  // S chooses "&Spielstart" in the open menu; the menu closes, the game loop starts, and the
  // release of S then reaches the canvas, which has the focus again.
  QTest::keyPress(QApplication::activePopupWidget(), Qt::Key_S);
  QTRY_VERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(!QApplication::activePopupWidget());
  // (The offscreen platform does not hand the activation back to the main window, so the
  // release goes to the window's focus widget directly.)
  QCOMPARE(play_.window().focusWidget(), &play_.canvas());
  QTest::keyRelease(play_.window().focusWidget(), Qt::Key_S);
  QTest::qWait(50);
  QCOMPARE(play_.slotDialogs, 0);
  QVERIFY(!QFile::exists(savedBoardFile));
  QVERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(!play_.window().menuBar()->isEnabled());
  // S pressed in the loop itself opens the dialog.
  play_.type('s');
  QCOMPARE(play_.slotDialogs, 1);
  QVERIFY(play_.leaveWithEscape());
}

void PlayBoardsTest::savesThroughTheSlotDialog_data() {
  QTest::addColumn<bool>("byMouse");  // the Sichern button clicked, or S typed
  QTest::addColumn<QString>("steps");
  QTest::addColumn<int>("slot");  // -1: cancelled, nothing written

  QTest::newRow("S, 1") << false << "1" << 0;
  QTest::newRow("S, 3") << false << "3" << 2;
  QTest::newRow("button, 4") << true << "4" << 3;
  QTest::newRow("S, Return on the preselection") << false << "Return" << 0;
  QTest::newRow("S, Down, Return") << false << "Down Return" << 1;
  QTest::newRow("S, Esc") << false << "Esc" << -1;
  QTest::newRow("button, Down, Space, Esc") << true << "Down Space Esc" << -1;
  QTest::newRow("S, letters and 0, Esc") << false << "x 0 5 Esc" << -1;
}

void PlayBoardsTest::savesThroughTheSlotDialog() {
  QFETCH(bool, byMouse);
  QFETCH(QString, steps);
  QFETCH(int, slot);
  QVERIFY(play_.newGame());
  const CellRef cell = play_.emptyCells().front();
  QVERIFY(play_.enterByTyping(cell, play_.state().solution[indexOf(cell)]));
  // The button's own face; the bottom lines of its frame reach one pixel into its neighbour's
  // outline, as every pressed button's do.
  const QRect face(QPoint(barButtonX(BarButton::Sichern), barTop),
                   QPoint(barButtonClickRight(BarButton::Sichern) - 1, barClickBottom));
  const QImage before = play_.image().copy(face);

  play_.answerSlotDialog(steps.split(' '));
  if (byMouse)
    play_.clickAt(barButtonRect(BarButton::Sichern).center());
  else
    play_.type('s');
  QCOMPARE(play_.slotDialogs, 1);
  // The button is up again, the loop goes on, still timed.
  QCOMPARE(play_.image().copy(face), before);
  QVERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(play_.state().clockRunning);
  if (slot < 0) {
    QVERIFY(!QFile::exists(savedBoardFile));
    QCOMPARE(play_.game().boardSlot(), 0);
    return;
  }
  QCOMPARE(play_.game().boardSlot(), slot);
  QCOMPARE(QFile(savedBoardFile).size(), qint64(puzzleFileSize));
  for (int s = 0; s < slotCount; ++s) {
    GameState loaded;
    QVERIFY(loadSlot(savedBoardFile, s, loaded).status == LoadStatus::Loaded);
    QCOMPARE(loaded.board == play_.state().board, s == slot);
    QCOMPARE(loaded.givens == play_.state().givens, s == slot);
  }
}

void PlayBoardsTest::saveAndLoadRoundTrip() {
  QVERIFY(play_.newGame());
  const std::vector<CellRef> cells = play_.emptyCells();
  const CellRef right = cells[0], wrong = cells[1], marked = cells[2];
  QVERIFY(play_.enterByKeypad(right, play_.state().solution[indexOf(right)]));
  QVERIFY(play_.enterByTyping(wrong, play_.state().solution[indexOf(wrong)] % 9 + 1));
  play_.click(marked, Qt::RightButton);
  play_.type('2');
  const GameState saved = play_.state();
  QCOMPARE(saved.wrongCount, 1);

  play_.answerSlotDialog({"2"});
  play_.type('s');
  QCOMPARE(play_.slotDialogs, 1);
  QCOMPARE(play_.game().boardSlot(), 1);
  QVERIFY(QFile::exists(QDir(play_.directory()).filePath(savedBoardFile)));

  // The board changes, then slot 2 is loaded back through L.
  play_.click(right, Qt::RightButton);
  play_.click(wrong, Qt::RightButton);
  QVERIFY(play_.enterByTyping(marked, 5));
  QCOMPARE(showsOf(play_.image(), right), "blank");
  play_.answerSlotDialog({"2"});
  play_.type('l');
  QCOMPARE(play_.slotDialogs, 2);
  QVERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(play_.state().board == saved.board);
  QVERIFY(play_.state().givens == saved.givens);
  QVERIFY(play_.state().solution == saved.solution);
  QVERIFY(play_.state().mark(marked.grid, marked.col, marked.row, 2));
  QCOMPARE(showsOf(play_.image(), right), "entry");
  QCOMPARE(showsOf(play_.image(), wrong), "wrong");
  QVERIFY(markDrawn(play_.image(), marked, 2));
  // A loaded board is not timed; its solution was derived anew, with the count from 0.
  QVERIFY(!play_.state().clockRunning);
  QVERIFY(!play_.window().platform().clockTickRunning());
  QCOMPARE(play_.clockText(), QStringLiteral(" 99:99:99"));
  QCOMPARE(play_.state().wrongCount, 0);

  // A cancelled load changes nothing.
  QVERIFY(play_.enterByTyping(marked, 5));
  const CellArray board = play_.state().board;
  play_.type('l');
  QCOMPARE(play_.slotDialogs, 3);
  QVERIFY(play_.state().board == board);
  QCOMPARE(play_.state().wrongCount, saved.solution[indexOf(marked)] == 5 ? 0 : 1);
}

// --- The own board -----------------------------------------------------------------------------

void PlayBoardsTest::ownBoardTypedInThenPlayed() {
  // From the empty field of the start: grid 1's top row typed in but for its last cell, which
  // only 9 can then fill.
  QVERIFY(std::all_of(play_.state().board.begin(), play_.state().board.end(),
                      [](uint8_t v) { return !v; }));
  QVERIFY(play_.choose(11));
  QTRY_VERIFY(play_.game().mode() == Mode::OwnBoard);
  QVERIFY(!play_.state().clockRunning);
  QVERIFY(!play_.window().platform().clockTickRunning());
  for (int col = 1; col <= 8; ++col) {
    const CellRef c{1, col, 1};
    if (col % 2)
      QVERIFY(play_.enterByTyping(c, col));
    else
      QVERIFY(play_.enterByKeypad(c, col));
    QCOMPARE(int(play_.state().givens[indexOf(c)]), col);
    QCOMPARE(showsOf(play_.image(), c), "clue");
  }
  QCOMPARE(play_.game().givenCount(), 8);

  // Clues removed by the right button, by "0" and by Esc typed on them; a right click on an
  // empty cell does nothing; a clue clicked and typed over is replaced.
  const CellRef byRight{1, 2, 5}, byZero{1, 3, 5}, byEscape{1, 4, 5}, replaced{1, 5, 5};
  for (const CellRef& c : {byRight, byZero, byEscape, replaced})
    QVERIFY(play_.enterByTyping(c, c.col + 4));
  QCOMPARE(play_.game().givenCount(), 12);
  QVERIFY(play_.enterByTyping(replaced, 1));
  QCOMPARE(int(play_.state().givens[indexOf(replaced)]), 1);
  play_.click(byEscape);
  play_.typeKey(Qt::Key_Escape);
  play_.click(byZero);
  play_.type('0');
  play_.click(byRight, Qt::RightButton);
  QVERIFY(!play_.game().keypadOpen());
  for (const CellRef& c : {byRight, byZero, byEscape}) {
    QCOMPARE(int(play_.state().givens[indexOf(c)]), 0);
    QCOMPARE(int(play_.state().board[indexOf(c)]), 0);
    QCOMPARE(showsOf(play_.image(), c), "blank");
  }
  play_.click(CellRef{1, 5, 8}, Qt::RightButton);
  QVERIFY(!play_.game().keypadOpen());
  QCOMPARE(play_.game().givenCount(), 9);
  QTest::qWait(300);  // the keypad's Esc did not end the entry
  QVERIFY(play_.game().mode() == Mode::OwnBoard);
  QCOMPARE(play_.state().solution[indexOf({1, 9, 1})], uint8_t(0));  // nothing judged yet

  // Leaving derives the solution of these clues.
  QVERIFY(play_.leaveWithEscape());
  QCOMPARE(int(play_.state().solution[indexOf({1, 9, 1})]), 9);

  QVERIFY(play_.choose(10));  // "&Spielstart"
  QTRY_VERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(!play_.state().clockRunning);
  const CellRef last{1, 9, 1};
  QVERIFY(play_.enterByTyping(last, 5));
  QCOMPARE(showsOf(play_.image(), last), "wrong");
  QCOMPARE(play_.state().wrongCount, 1);
  QVERIFY(play_.enterByKeypad(last, 9));
  QCOMPARE(showsOf(play_.image(), last), "entry");
  QCOMPARE(play_.state().wrongCount, 1);
  for (int col = 1; col <= 8; ++col) QCOMPARE(showsOf(play_.image(), CellRef{1, col, 1}), "clue");
}

QTEST_MAIN(PlayBoardsTest)
#include "play_boards_test.moc"
