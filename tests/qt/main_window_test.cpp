// The real main window, offscreen: its menu bar, a new game seen in the state and in the
// statistics panel's pixels, and a declined quit. Questions are answered through the
// platform's test hook, never by clicking message boxes.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/menu_table.h"
#include "logic/check.h"
#include "logic/validity.h"
#include "puzzles/graded_generator.h"
#include "puzzles/puzzle_file.h"
#include "qt/main_window.h"
#include "support/solved_field.h"
#include "support/text_menu_builder.h"

using namespace tessarix;
using tessarix::testing::TextMenuBuilder;

namespace {

void describeMenu(const QList<QAction*>& actions, QStringList& parts) {
  for (QAction* a : actions) {
    if (a->isSeparator()) {
      parts << "-";
    } else if (a->menu()) {
      parts << "[" + a->text();
      describeMenu(a->menu()->actions(), parts);
      parts << "]";
    } else {
      parts << QString::number(a->data().toInt()) + ":" + a->text();
    }
  }
}

QAction* actionOf(QMenuBar* bar, int id) {
  for (QAction* a : bar->findChildren<QAction*>())
    if (!a->isSeparator() && !a->menu() && a->data().toInt() == id) return a;
  return nullptr;
}

QList<int> checkedIds(QMenuBar* bar) {
  QList<int> ids;
  for (int id : {1, 8, 10, 11, 12, 20, 21, 22, 24, 25, 26, 27, 28, 30, 31, 32, 33, 40, 41, 44, 45,
                 50, 60, 99})
    if (QAction* a = actionOf(bar, id); a && a->isChecked()) ids << id;
  return ids;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void menuBarHoldsTheTableWithIdsAndChecks();
  void newGameFillsTheStatistics();
  void declinedQuitChangesNothing();
  void clientAreaAndClockLabel();
  void freshPuzzleMadeWhileTheWindowStaysLive();
  void freshPuzzleDroppedByTheNextCommand();

 private:
  QTemporaryDir* dir_ = nullptr;
  QString oldDir_;
  MainWindow* window_ = nullptr;
  int quits_ = 0;
  QStringList questions_;
};

void MainWindowTest::init() {
  dir_ = new QTemporaryDir;
  QVERIFY(dir_->isValid());
  oldDir_ = QDir::currentPath();
  QDir::setCurrent(dir_->path());
  quits_ = 0;
  questions_.clear();
  window_ = new MainWindow;
  window_->platform().quitHook = [this] { ++quits_; };
  window_->platform().answerHook = [this](const std::string& text,
                                          const std::vector<std::string>& buttons, int def) {
    questions_ << QString::fromStdString(text);
    // "&NEIN" to the quit question; the default button otherwise.
    for (size_t i = 0; i < buttons.size(); ++i)
      if (buttons[i] == "&NEIN") return static_cast<int>(i);
    return def;
  };
  window_->start();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void MainWindowTest::cleanup() {
  window_->platform().answerHook = [](const std::string&, const std::vector<std::string>&, int) {
    return 0;
  };
  delete window_;
  window_ = nullptr;
  QDir::setCurrent(oldDir_);
  delete dir_;
  dir_ = nullptr;
}

void MainWindowTest::menuBarHoldsTheTableWithIdsAndChecks() {
  QMenuBar* bar = window_->menuBar();
  TextMenuBuilder expected;
  buildMenu(expected);
  QStringList actual;
  describeMenu(bar->actions(), actual);
  QCOMPARE(actual.join(' '), QString::fromStdString(expected.text));
  QCOMPARE(checkedIds(bar), (QList<int>{30, 40, 45}));

  actionOf(bar, 33)->trigger();
  QTRY_COMPARE(checkedIds(bar), (QList<int>{33, 40, 45}));
  actionOf(bar, 41)->trigger();
  QTRY_COMPARE(checkedIds(bar), (QList<int>{33, 41, 45}));
  actionOf(bar, 45)->trigger();
  QTRY_COMPARE(checkedIds(bar), (QList<int>{33, 41}));
  QCOMPARE(window_->game().state().options.level, 3);
  QVERIFY(!window_->game().state().options.digitMode);
  QVERIFY(bar->isEnabled());
}

void MainWindowTest::newGameFillsTheStatistics() {
  const GameState slot = testing::puzzleFrom(testing::solvedField(), 4);
  SeededRandom random(3);
  for (int i = 0; i < slotCount; ++i) QVERIFY(saveSlot(levelFileName(0), i, slot, random).ok);

  const QRect counts(110, 800, 230, 20);  // the "Anzahl" row of the statistics
  const QImage before = window_->canvasWidget().image().copy(counts);
  QVERIFY(!window_->platform().clockTickRunning());  // idle: no tick
  actionOf(window_->menuBar(), 8)->trigger();
  QTRY_VERIFY(window_->game().state().clockRunning);
  QVERIFY(window_->platform().clockTickRunning());

  GameState& s = window_->game().state();
  QCOMPARE(countGivens(s), countGivens(slot));
  QVERIFY(boardValid(s.board));
  // The counts are those of the dealt clues: per digit, the distinct clue cells holding it.
  GameState copy = s;
  unsyncSharedBoxes(copy);
  std::array<int, 10> perDigit{};
  for (int g = 1; g <= 9; ++g)
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) ++perDigit[copy.givens[cellIndex(g, c, r)]];
  for (int d = 1; d <= 9; ++d) QCOMPARE(int(s.digitCount[d]), perDigit[d]);
  QVERIFY(window_->canvasWidget().image().copy(counts) != before);
  QCOMPARE(window_->clockLabel().text(), QStringLiteral(" 00:00:00"));
  // The game waits in its loop with the menu bar off; Esc leaves it after Abbruch's pause.
  QVERIFY(!window_->menuBar()->isEnabled());
  QTest::keyClick(&window_->canvasWidget(), Qt::Key_Escape);
  QTRY_VERIFY(window_->menuBar()->isEnabled());
  QVERIFY(!window_->platform().clockTickRunning());
  QCOMPARE(window_->clockLabel().text(), QStringLiteral(" 99:99:99"));
}

void MainWindowTest::declinedQuitChangesNothing() {
  GameState& s = window_->game().state();
  const CellArray board = s.board;
  const QImage picture = window_->canvasWidget().image();
  const QString clock = window_->clockLabel().text();

  window_->close();  // the title bar's close button
  QCOMPARE(questions_, QStringList{"Spiel beenden?"});
  QVERIFY(window_->isVisible());
  QCOMPARE(quits_, 0);
  QVERIFY(window_->game().ignoreEscape());

  actionOf(window_->menuBar(), 99)->trigger();
  QTRY_COMPARE(questions_.size(), 2);
  QVERIFY(window_->isVisible());
  QCOMPARE(quits_, 0);
  QVERIFY(s.board == board);
  QCOMPARE(window_->clockLabel().text(), clock);
  // The epilogue of the quit command redraws what was there: the picture is unchanged, the
  // help line written anew over itself included.
  const QImage after = window_->canvasWidget().image();
  QRect changed;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (after.pixel(x, y) != picture.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  QCOMPARE(changed, QRect());
}

void MainWindowTest::clientAreaAndClockLabel() {
  QCOMPARE(window_->windowTitle(), QStringLiteral("Tessarix V6.0"));
  QCOMPARE(window_->canvasWidget().size(), QSize(1280, 946));
  QCOMPARE(window_->canvasWidget().y(), window_->menuBar()->height());
  QCOMPARE(window_->clockLabel().geometry(), QRect(1056, 831, 160, 30));
  QCOMPARE(window_->clockLabel().text(), QStringLiteral(" 99:99:99"));
  QCOMPARE(window_->clockLabel().font().pointSize(), 24);
}

// "Neue Rätsel erzeugen" on and Extrem chosen: the new game's puzzle is made on a thread of its
// own while the window goes on, then dealt and timed.
void MainWindowTest::freshPuzzleMadeWhileTheWindowStaysLive() {
  QMenuBar* bar = window_->menuBar();
  actionOf(bar, 28)->trigger();
  QTRY_COMPARE(checkedIds(bar), (QList<int>{28, 30, 40, 45}));
  actionOf(bar, 33)->trigger();
  QTRY_COMPARE(window_->game().state().options.level, 3);
  // The command as the menu item runs it, from the event loop; the puzzle's job cannot end
  // before the loop runs again.
  window_->game().menuEvent(8);
  // Made in the background: nothing dealt yet, the menu bar on, the busy cursor shown.
  QVERIFY(window_->game().generating());
  QCOMPARE(window_->game().mode(), Game::Mode::Idle);
  QVERIFY(bar->isEnabled());
  QVERIFY(QApplication::overrideCursor());
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QCOMPARE(countGivens(window_->game().state()), 0);

  QTRY_COMPARE(window_->game().mode(), Game::Mode::Playing);
  const GameState& s = window_->game().state();
  QVERIFY(s.clockRunning);
  QVERIFY(!s.notSolvable);
  const int clues = countGivens(s);
  QVERIFY(clues >= shippedGrade(3).fewestClues && clues <= shippedGrade(3).mostClues);
  QVERIFY(!QApplication::overrideCursor());
  QTRY_COMPARE(window_->platform().jobsRunning(), 0);
}

// A level chosen while the puzzle is being made drops it: no game comes, the cursor is back.
// The window closed while a job runs waits for it to stop.
void MainWindowTest::freshPuzzleDroppedByTheNextCommand() {
  QMenuBar* bar = window_->menuBar();
  actionOf(bar, 28)->trigger();
  actionOf(bar, 33)->trigger();
  QTRY_COMPARE(window_->game().state().options.level, 3);
  window_->game().menuEvent(8);
  QVERIFY(window_->game().generating());
  window_->game().menuEvent(31);
  QVERIFY(!window_->game().generating());
  QVERIFY(!QApplication::overrideCursor());
  QTRY_COMPARE(window_->platform().jobsRunning(), 0);
  QTest::qWait(100);  // the stopped job's end has come through the event loop
  QCOMPARE(window_->game().mode(), Game::Mode::Idle);
  QCOMPARE(countGivens(window_->game().state()), 0);
  QVERIFY(!window_->game().state().clockRunning);
  QCOMPARE(window_->game().state().options.level, 1);

  window_->game().menuEvent(8);
  QVERIFY(window_->game().generating());
  // cleanup() deletes the window now, with the job still running.
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
