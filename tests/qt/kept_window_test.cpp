// The game in progress in the real main window, offscreen: a timed game with entries, a wrong
// entry and a pencil mark, and an own board with its clues, each kept, the window closed and a
// new one opened on the same game directory: the game comes back in its loop, the field on
// the screen as it was, the clock going on. And a minimised window pauses its timed game.
#include <QFile>
#include <QtTest>

#include "app/kept_game_file.h"
#include "support/play_window.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {
using Mode = Game::Mode;

// The field's pixels: the canvas above the button bar, left of the panels.
QImage fieldOf(const QImage& image) { return image.copy(0, 0, 900, 800); }
}  // namespace

class KeptWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(play_.open());
    play_.window().resumeGame();
    QCOMPARE(play_.messages, QStringList());
  }
  void cleanup() {
    QCOMPARE(play_.messages, QStringList());
    play_.close();
  }
  void aTimedGameComesBackInTheNextWindow();
  void theOwnBoardComesBackInTheNextWindow();
  void aGameLeftWithEscapeIsNotTakenUp();
  void aMinimisedWindowPausesItsTimedGame();

 private:
  PlayWindow play_;
};

void KeptWindowTest::aTimedGameComesBackInTheNextWindow() {
  QVERIFY(play_.newGame());
  const std::vector<CellRef> empty = play_.emptyCells();
  QVERIFY(empty.size() > 4);
  const auto solutionOf = [&](const CellRef& c) { return play_.state().solution[indexOf(c)]; };
  QVERIFY(play_.enterByTyping(empty[0], solutionOf(empty[0])));
  QVERIFY(play_.enterByKeypad(empty[1], solutionOf(empty[1])));
  QVERIFY(play_.enterByTyping(empty[2], solutionOf(empty[2]) % 9 + 1));  // wrong
  play_.click(empty[3], Qt::RightButton);
  QVERIFY(play_.game().keypadOpen());
  play_.type('4');
  QTRY_VERIFY(!play_.game().keypadOpen());
  QCOMPARE(play_.state().wrongCount, 1);
  QVERIFY(QFile::exists(keptGameFile));
  const Position before = Position::of(play_.state());
  const QImage field = fieldOf(play_.image());
  QTest::qWait(1100);  // a second of the clock, so that its label shows it

  QVERIFY(play_.reopen(true));
  QCOMPARE(play_.game().mode(), Mode::Playing);
  QVERIFY(Position::of(play_.state()) == before);
  QCOMPARE(play_.state().wrongCount, 1);
  QVERIFY(play_.state().clockRunning);
  QVERIFY(!play_.window().menuBar()->isEnabled() ||
          !play_.window().menuBar()->actions().first()->isEnabled());
  QCOMPARE(fieldOf(play_.image()), field);
  // The clock goes on from the second it showed, and runs.
  QTRY_VERIFY(play_.clockText() >= QStringLiteral(" 00:00:01"));
  const QString shown = play_.clockText();
  QTRY_VERIFY_WITH_TIMEOUT(play_.clockText() != shown, 3000);
}

void KeptWindowTest::theOwnBoardComesBackInTheNextWindow() {
  QVERIFY(play_.choose(26));  // an empty board
  QVERIFY(play_.choose(11));
  QVERIFY(play_.waitForMode(Mode::OwnBoard));
  QVERIFY(play_.enterByTyping({5, 5, 5}, 7));
  QVERIFY(play_.enterByKeypad({1, 1, 7}, 3));  // a cell shared with grid 2
  const Position before = Position::of(play_.state());
  const QImage field = fieldOf(play_.image());

  QVERIFY(play_.reopen(true));
  QCOMPARE(play_.game().mode(), Mode::OwnBoard);
  QVERIFY(Position::of(play_.state()) == before);
  QVERIFY(!play_.state().clockRunning);
  QCOMPARE(fieldOf(play_.image()), field);
}

void KeptWindowTest::aGameLeftWithEscapeIsNotTakenUp() {
  QVERIFY(play_.newGame());
  const CellRef c = play_.emptyCells().front();
  QVERIFY(play_.enterByTyping(c, play_.state().solution[indexOf(c)]));
  QVERIFY(play_.leaveWithEscape());
  QVERIFY(!QFile::exists(keptGameFile));
  QVERIFY(play_.reopen(true));
  QCOMPARE(play_.game().mode(), Mode::Idle);
}

void KeptWindowTest::aMinimisedWindowPausesItsTimedGame() {
  QVERIFY(play_.newGame());
  const QImage field = fieldOf(play_.image());
  play_.window().showMinimized();
  QTRY_VERIFY(play_.game().paused());
  // The field is covered: no clue shows.
  QVERIFY(fieldOf(play_.image()) != field);
  play_.window().showNormal();
  play_.window().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&play_.window()));
  play_.canvas().setFocus();
  play_.type('P');
  QTRY_VERIFY(!play_.game().paused());
  QCOMPARE(fieldOf(play_.image()), field);
}

QTEST_MAIN(KeptWindowTest)
#include "kept_window_test.moc"
