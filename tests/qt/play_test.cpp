// Playing in the real main window, offscreen: real mouse and key events on the canvas, and
// what they do seen in the game's state and in the canvas's pixels: entries blue, wrong ones
// bright red, pencil marks in their spots, the keypad's grey button, the clock's label.
#include <QPaintEvent>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

#include "logic/check.h"
#include "support/play_window.h"
#include "ui/button_bar_strip.h"
#include "ui/palette.h"

using namespace tessarix;
using namespace tessarix::testing;

namespace {

using Mode = Game::Mode;

// Collects what the canvas widget repaints: a drawing reaches the screen through a paint event.
class PaintWatcher : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

const QRect barStrip(QPoint(buttonBarLeft, buttonBarTop), QPoint(buttonBarRight, buttonBarBottom));

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(play_.open()); }
  void cleanup() {
    // Nothing in these games asks for a message.
    QCOMPARE(play_.messages, QStringList());
    play_.close();
  }
  void digitEnteredAndCleared_data();
  void digitEnteredAndCleared();
  void keypadHighlightFollowsThePointerAndCarriesOver();
  void sharedBoxClickLandsInTheUpperGrid();
  void marksToggledInMarksMode();
  void wrongEntriesCountedOnceAndThirdVoidsTheClock();
  void timedGameSolvedByClicksRecordsTheFinish();
  void abortKeys_data();
  void abortKeys();
  void lettersKeypadUsesUpItsKeys_data();
  void lettersKeypadUsesUpItsKeys();
  void solveShortcut_data();
  void solveShortcut();

 private:
  PlayWindow play_;
};

// --- Cell input --------------------------------------------------------------------------------

void PlayTest::digitEnteredAndCleared_data() {
  QTest::addColumn<QString>("enter");  // "keypad" button or "typed" digit
  QTest::addColumn<QString>("clear");  // "right" on the cell, "keypad right", "0", "Esc"

  QTest::newRow("keypad, right click on the cell") << "keypad"
                                                   << "right";
  QTest::newRow("typed, right click on the cell") << "typed"
                                                  << "right";
  QTest::newRow("keypad, right click in its keypad") << "keypad"
                                                     << "keypad right";
  QTest::newRow("typed, 0 typed") << "typed"
                                  << "0";
  QTest::newRow("keypad, 0 typed") << "keypad"
                                   << "0";
  QTest::newRow("typed, Esc typed") << "typed"
                                    << "Esc";
}

void PlayTest::digitEnteredAndCleared() {
  QFETCH(QString, enter);
  QFETCH(QString, clear);
  QVERIFY(play_.newGame());
  const CellRef cell = play_.emptyCells().front();
  const int i = indexOf(cell);
  const int digit = play_.state().solution[i];
  QVERIFY(digit != 0);
  const int countBefore = play_.state().digitCount[digit];

  if (enter == "keypad")
    QVERIFY(play_.enterByKeypad(cell, digit));
  else
    QVERIFY(play_.enterByTyping(cell, digit));
  QCOMPARE(int(play_.state().board[i]), digit);
  QCOMPARE(int(play_.state().digitCount[digit]), countBefore + 1);
  QCOMPARE(showsOf(play_.image(), cell), "entry");
  QCOMPARE(play_.game().helpText(), std::string("Bitte ein Feld anklicken! "));

  if (clear == "right") {
    play_.click(cell, Qt::RightButton);  // clears at once, no keypad
  } else {
    play_.click(cell);
    QVERIFY(play_.game().keypadOpen());
    if (clear == "keypad right")
      play_.clickAt(centreOf(cell) + QPoint(200, 100), Qt::RightButton);  // anywhere
    else if (clear == "Esc")
      play_.typeKey(Qt::Key_Escape);
    else
      play_.type('0');
  }
  QVERIFY(!play_.game().keypadOpen());
  QCOMPARE(int(play_.state().board[i]), 0);
  QCOMPARE(int(play_.state().digitCount[digit]), countBefore);
  QCOMPARE(showsOf(play_.image(), cell), "blank");
  // Neither the keypad's Esc nor the release of a typed key ended the game loop.
  QTest::qWait(300);
  QVERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(play_.state().clockRunning);
  QCOMPARE(play_.state().wrongCount, 0);
}

void PlayTest::keypadHighlightFollowsThePointerAndCarriesOver() {
  QVERIFY(play_.newGame());
  const std::vector<CellRef> cells = play_.emptyCells();
  const CellRef first = cells[0], second = cells[1];
  const QRgb grey = paletteColor(colorLightGrey).rgb();
  const QRgb white = paletteColor(colorWhite).rgb();
  const auto highlighted = [&](const CellRef& c) {
    QList<int> found;
    for (int n = 1; n <= 9; ++n) {
      const QRgb p = play_.image().pixel(keypadFillOf(c, n));
      if (p == grey)
        found << n;
      else if (p != white)
        found << -n;  // neither fill: no keypad there
    }
    return found;
  };

  const QImage before = play_.image().copy(keypadRectOf(first));
  play_.click(first);
  QVERIFY(play_.game().keypadOpen());
  QCOMPARE(play_.game().helpText(), std::string("Rechte Taste löscht Feld!"));
  // No keypad has chosen a value yet: no button is grey.
  QCOMPARE(play_.game().keypadValue(), 0);
  QCOMPARE(highlighted(first), QList<int>{});
  for (int n : {7, 3, 9}) {
    QTest::mouseMove(&play_.canvas(), keypadButtonOf(first, n));
    QCOMPARE(highlighted(first), QList<int>{n});
  }
  // Moving off the keypad keeps the last button.
  QTest::mouseMove(&play_.canvas(), centreOf(first) + QPoint(120, 0));
  QCOMPARE(highlighted(first), QList<int>{9});
  // Esc closes it without a change: every pixel under it is back.
  play_.typeKey(Qt::Key_Escape);
  QVERIFY(!play_.game().keypadOpen());
  QCOMPARE(play_.image().copy(keypadRectOf(first)), before);
  QCOMPARE(int(play_.state().board[indexOf(first)]), 0);

  // A digit typed becomes the value the next keypad highlights; a click before the pointer
  // moves enters it, although the point clicked lies on another button.
  QVERIFY(play_.enterByTyping(first, 4));
  QCOMPARE(play_.game().keypadValue(), 4);
  QTest::mouseMove(&play_.canvas(), centreOf(second));
  QTest::mousePress(&play_.canvas(), Qt::LeftButton, {}, centreOf(second));
  QTest::mouseRelease(&play_.canvas(), Qt::LeftButton, {}, centreOf(second));
  QVERIFY(play_.game().keypadOpen());
  QCOMPARE(highlighted(second), QList<int>{4});
  const KeypadPlace corner = keypadPlace(second.grid, second.col, second.row);
  QVERIFY(keypadButtonAt(corner.left, corner.top, centreOf(second).x(), centreOf(second).y()) != 4);
  QTest::mouseClick(&play_.canvas(), Qt::LeftButton, {}, centreOf(second));
  QVERIFY(!play_.game().keypadOpen());
  QCOMPARE(int(play_.state().board[indexOf(second)]), 4);
  // A left click outside an open keypad is ignored.
  play_.click(first, Qt::RightButton);  // clears the entry
  play_.click(first);
  play_.clickAt(centreOf(first) + QPoint(0, 60));
  QVERIFY(play_.game().keypadOpen());
  play_.typeKey(Qt::Key_Escape);
}

void PlayTest::sharedBoxClickLandsInTheUpperGrid() {
  QVERIFY(play_.newGame());
  // An empty cell of a shared box, clicked where both grids draw it.
  int upper = 0, lower = 0;
  forEachSharedCell([&](int u, int l) {
    if (upper == 0 && play_.state().board[u] == 0) upper = u, lower = l;
  });
  QVERIFY(upper != 0);
  const CellRef up = cellOf(upper), low = cellOf(lower);
  QCOMPARE(centreOf(up), centreOf(low));  // one place on the screen
  QCOMPARE(cellAt(centreOf(low).x(), centreOf(low).y()), std::optional<CellRef>(up));

  const int digit = play_.state().solution[upper];
  const int countBefore = play_.state().digitCount[digit];
  play_.click(low);  // a player aiming at the lower grid's copy
  QVERIFY(play_.game().keypadOpen());
  play_.type(char('0' + digit));
  QCOMPARE(int(play_.state().board[upper]), digit);
  QCOMPARE(int(play_.state().board[lower]), digit);
  QCOMPARE(showsOf(play_.image(), up), "entry");
  QCOMPARE(showsOf(play_.image(), low), "entry");
  QCOMPARE(int(play_.state().digitCount[digit]), countBefore + 1);  // one distinct cell
  // Cleared by the right button through the same place, in both copies.
  play_.click(low, Qt::RightButton);
  QCOMPARE(int(play_.state().board[upper]), 0);
  QCOMPARE(int(play_.state().board[lower]), 0);
  QCOMPARE(showsOf(play_.image(), up), "blank");
}

void PlayTest::marksToggledInMarksMode() {
  QVERIFY(play_.newGame());
  const CellRef cell = play_.emptyCells().front();
  const auto marks = [&] {
    QList<int> on;
    for (int d = 1; d <= 9; ++d) {
      const bool set = play_.state().mark(cell.grid, cell.col, cell.row, d);
      if (set != markDrawn(play_.image(), cell, d)) on << -d;  // state and screen disagree
      if (set) on << d;
    }
    return on;
  };
  QCOMPARE(marks(), QList<int>{});

  // Each step opens the marks keypad with the right button, then acts in it.
  struct Step {
    const char* act;  // "button N", "type N", "right" (in the keypad)
    QList<int> after;
  };
  const Step steps[] = {
      {"button 3", {3}},  {"type 5", {3, 5}}, {"type 9", {3, 5, 9}}, {"button 3", {5, 9}},
      {"type 0", {5, 9}}, {"Esc", {5, 9}},    {"right", {}},         {"type 1", {1}},
  };
  for (const Step& step : steps) {
    const QString act = step.act;
    play_.click(cell, Qt::RightButton);
    QVERIFY2(play_.game().keypadOpen(), step.act);
    QCOMPARE(play_.game().helpText(), std::string("Bitte Kandidaten notieren!"));
    if (act.startsWith("button"))
      play_.clickAt(keypadButtonOf(cell, act.back().digitValue()));
    else if (act.startsWith("type"))
      play_.type(act.back().toLatin1());
    else if (act == "Esc")
      play_.typeKey(Qt::Key_Escape);
    else
      play_.clickAt(centreOf(cell) + QPoint(-100, 40), Qt::RightButton);
    QVERIFY2(!play_.game().keypadOpen(), step.act);
    QCOMPARE(marks(), step.after);
    QCOMPARE(int(play_.state().board[indexOf(cell)]), 0);
  }
  // Marks are no entry: the timing goes on.
  QVERIFY(play_.state().clockRunning);
  QVERIFY(play_.game().mode() == Mode::Playing);
}

// --- Wrong entries and the clock ---------------------------------------------------------------

void PlayTest::wrongEntriesCountedOnceAndThirdVoidsTheClock() {
  QVERIFY(play_.newGame());
  const std::vector<CellRef> cells = play_.emptyCells();
  const auto wrongDigit = [&](const CellRef& c) {
    return play_.state().solution[indexOf(c)] % 9 + 1;
  };

  QVERIFY(play_.enterByKeypad(cells[0], wrongDigit(cells[0])));
  QCOMPARE(play_.state().wrongCount, 1);
  QCOMPARE(showsOf(play_.image(), cells[0]), "wrong");
  // F fills every pencil mark and C clears them, each with a full redraw: the wrong entry is
  // painted red again but not counted again.
  play_.type('f');
  QVERIFY(markDrawn(play_.image(), cells[1], 1));
  QVERIFY(markDrawn(play_.image(), cells[1], 9));
  QCOMPARE(showsOf(play_.image(), cells[0]), "wrong");
  play_.type('c');
  QVERIFY(!markDrawn(play_.image(), cells[1], 1));
  QCOMPARE(showsOf(play_.image(), cells[0]), "wrong");
  play_.type('f');
  play_.type('c');
  QCOMPARE(play_.state().wrongCount, 1);
  QVERIFY(play_.state().clockRunning);
  QVERIFY(play_.window().platform().clockTickRunning());
  QVERIFY(play_.clockText() != QStringLiteral(" 99:99:99"));

  // A right entry is blue and counts nothing.
  QVERIFY(play_.enterByTyping(cells[1], play_.state().solution[indexOf(cells[1])]));
  QCOMPARE(showsOf(play_.image(), cells[1]), "entry");
  QCOMPARE(play_.state().wrongCount, 1);

  QVERIFY(play_.enterByTyping(cells[2], wrongDigit(cells[2])));
  QCOMPARE(play_.state().wrongCount, 2);
  QVERIFY(play_.state().clockRunning);
  QVERIFY(play_.enterByKeypad(cells[3], wrongDigit(cells[3])));
  QCOMPARE(play_.state().wrongCount, 3);
  QCOMPARE(showsOf(play_.image(), cells[3]), "wrong");
  // The third voids the timing for good.
  QVERIFY(!play_.state().clockRunning);
  QVERIFY(!play_.window().platform().clockTickRunning());
  QCOMPARE(play_.clockText(), QStringLiteral(" 99:99:99"));
  QVERIFY(play_.game().mode() == Mode::Playing);
}

void PlayTest::timedGameSolvedByClicksRecordsTheFinish() {
  QVERIFY(play_.newGame());
  QCOMPARE(play_.game().finishTime(), std::string("X"));
  struct Seen {
    int calls = 0;
    QString label;
    bool solved = false;
  } seen;
  play_.window().platform().championNameHook = [&](const std::string&) {
    ++seen.calls;
    seen.label = play_.clockText();
    seen.solved = play_.game().gameSolved();
    return ChampionPrompt::Answer{true, "Spielerin"};
  };

  const std::vector<CellRef> cells = play_.emptyCells();
  QVERIFY(cells.size() > 20);
  for (size_t k = 0; k < cells.size(); ++k) {
    const int digit = play_.state().solution[indexOf(cells[k])];
    QVERIFY(digit != 0);
    QCOMPARE(seen.calls, 0);
    if (k % 2 == 0)
      QVERIFY(play_.enterByKeypad(cells[k], digit));
    else
      QVERIFY(play_.enterByTyping(cells[k], digit));
  }
  QVERIFY(isSolved(play_.state().status));
  QCOMPARE(play_.state().wrongCount, 0);

  // The last click finished the game: the finish text, shown in the label while the hall of
  // fame took it, then the idle clock; the game stays in its loop.
  const QString finish = QString::fromStdString(play_.game().finishTime());
  QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d$").match(finish).hasMatch(),
           qPrintable(finish));
  QCOMPARE(seen.calls, 1);
  QCOMPARE(seen.label, finish);
  QVERIFY(seen.solved);
  QCOMPARE(play_.fameDialogs, 1);  // the hall of fame, shown once the entry was made
  QCOMPARE(play_.game().hallOfFame().fameTimes[1][0], finish.toStdString());
  QCOMPARE(play_.game().hallOfFame().fameNames[1][0], std::string("Spielerin"));
  QVERIFY(QFile::exists(hallOfFameFile));
  QVERIFY(!play_.state().clockRunning);
  QVERIFY(!play_.game().gameSolved());
  QVERIFY(!play_.window().platform().clockTickRunning());
  QCOMPARE(play_.clockText(), QStringLiteral(" 99:99:99"));
  QVERIFY(play_.game().mode() == Mode::Playing);
  // A click on a clue of the solved field records nothing more.
  for (int i = 0; i < 1000; ++i)
    if (play_.state().givens[i] != 0 && cellGrid(i) == 5) {
      play_.click(cellOf(i));
      break;
    }
  QCOMPARE(seen.calls, 1);
  QCOMPARE(play_.fameDialogs, 1);
  QVERIFY(!play_.game().keypadOpen());
}

// --- Keys of the play loop ---------------------------------------------------------------------

void PlayTest::abortKeys_data() {
  QTest::addColumn<bool>("letters");
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("leaves");
  QTest::addColumn<bool>("idleClock");  // the label after leaving: idle, or the last time kept

  QTest::newRow("A in digit mode") << false << int(Qt::Key_A) << true << false;
  QTest::newRow("A in letters mode") << true << int(Qt::Key_A) << false << false;
  QTest::newRow("Esc in letters mode") << true << int(Qt::Key_Escape) << true << true;
  QTest::newRow("Esc in digit mode") << false << int(Qt::Key_Escape) << true << true;
}

void PlayTest::abortKeys() {
  QFETCH(bool, letters);
  QFETCH(int, key);
  QFETCH(bool, leaves);
  QFETCH(bool, idleClock);
  if (letters) {
    QVERIFY(play_.choose(41));
    QTRY_VERIFY(!play_.state().options.digitMode);
  }
  QVERIFY(play_.newGame());
  const QImage barBefore = play_.image().copy(barButtonRect(BarButton::Abbruch));
  play_.typeKey(Qt::Key(key));
  if (!leaves) {
    QTest::qWait(300);
    QVERIFY(play_.game().mode() == Mode::Playing);
    QVERIFY(play_.state().clockRunning);
    QCOMPARE(play_.image().copy(barButtonRect(BarButton::Abbruch)), barBefore);
    return;
  }
  // Abbruch stays pressed through the pause, then the command's epilogue clears the bar.
  QVERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(play_.window().platform().stepTimerRunning());
  QVERIFY(play_.image().copy(barButtonRect(BarButton::Abbruch)) != barBefore);
  QTRY_VERIFY(play_.game().mode() == Mode::Idle);
  QVERIFY(play_.window().menuBar()->isEnabled());
  QVERIFY(!play_.state().clockRunning);
  QVERIFY(!play_.window().platform().clockTickRunning());
  const QString label = play_.clockText();
  if (idleClock)
    QCOMPARE(label, QStringLiteral(" 99:99:99"));
  else  // the last time shown stays
    QVERIFY2(label != " 99:99:99" &&
                 QRegularExpression("^ \\d\\d:\\d\\d:\\d\\d$").match(label).hasMatch(),
             qPrintable(label));
}

void PlayTest::lettersKeypadUsesUpItsKeys_data() {
  QTest::addColumn<char>("typed");
  QTest::addColumn<int>("entered");  // 0: the key does nothing and the keypad stays open

  QTest::newRow("d enters 4, prints nothing") << 'd' << 4;
  QTest::newRow("c enters 3, clears no marks") << 'c' << 3;
  QTest::newRow("f enters 6, fills no marks") << 'f' << 6;
  QTest::newRow("a enters 1, does not abort") << 'a' << 1;
  QTest::newRow("h enters 8") << 'h' << 8;
  QTest::newRow("the digit 4 does nothing") << '4' << 0;
}

void PlayTest::lettersKeypadUsesUpItsKeys() {
  QFETCH(char, typed);
  QFETCH(int, entered);
  QVERIFY(play_.choose(41));
  QTRY_VERIFY(!play_.state().options.digitMode);
  QVERIFY(play_.newGame());
  const std::vector<CellRef> cells = play_.emptyCells();
  const CellRef cell = cells[0], other = cells[1];
  PaintWatcher watcher;
  play_.canvas().installEventFilter(&watcher);

  // The loop's own keys: D draws its button and prints, C clears the marks, F fills them.
  QVERIFY(!QFileInfo::exists(play_.printFile()));
  play_.type('d');
  QTRY_VERIFY(watcher.painted.intersects(barButtonRect(BarButton::Drucken)));
  QVERIFY(QFileInfo(play_.printFile()).size() > 0);
  QFile::remove(play_.printFile());
  play_.type('c');
  QVERIFY(!markDrawn(play_.image(), other, 5));
  play_.type('f');
  QVERIFY(markDrawn(play_.image(), other, 5));
  QCOMPARE(std::count(play_.state().marks.begin(), play_.state().marks.end(), 0),
           std::ptrdiff_t(0));

  play_.click(cell);
  QVERIFY(play_.game().keypadOpen());
  QTest::qWait(50);
  watcher.painted = QRegion();
  play_.type(typed);
  QTest::qWait(300);
  QVERIFY(!watcher.painted.intersects(barStrip));  // no bar button was pressed
  QVERIFY(!QFileInfo::exists(play_.printFile()));
  QVERIFY(play_.game().mode() == Mode::Playing);
  QVERIFY(!play_.window().platform().stepTimerRunning());
  QVERIFY(play_.state().clockRunning);
  QVERIFY(markDrawn(play_.image(), other, 5));
  QVERIFY(markDrawn(play_.image(), other, 3));
  if (entered == 0) {
    QVERIFY(play_.game().keypadOpen());
    QCOMPARE(int(play_.state().board[indexOf(cell)]), 0);
    play_.typeKey(Qt::Key_Escape);
  } else {
    QVERIFY(!play_.game().keypadOpen());
    QCOMPARE(int(play_.state().board[indexOf(cell)]), entered);
    const bool right = play_.state().solution[indexOf(cell)] == entered;
    QCOMPARE(showsOf(play_.image(), cell), right ? "entry" : "wrong");
  }
  play_.canvas().removeEventFilter(&watcher);
}

void PlayTest::solveShortcut_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<bool>("solves");

  QTest::newRow("K O") << "ko" << true;
  QTest::newRow("K, another key, O") << "kxo" << true;
  QTest::newRow("K, two other keys, O") << "kzyo" << true;
  QTest::newRow("O alone") << "o" << false;
  QTest::newRow("O, then K") << "ok" << false;
  QTest::newRow("K O O: the first O used the prefix") << "koo" << true;
}

void PlayTest::solveShortcut() {
  QFETCH(QString, keys);
  QFETCH(bool, solves);
  QVERIFY(play_.newGame());
  const CellRef cell = play_.emptyCells().front();
  for (QChar k : keys) play_.type(k.toLatin1());
  QVERIFY(play_.game().mode() == Mode::Playing);
  QCOMPARE(isSolved(play_.state().status), solves);
  QCOMPARE(play_.game().keyPrefix(), keys.endsWith('k'));
  if (!solves) {
    QVERIFY(play_.state().clockRunning);
    QCOMPARE(showsOf(play_.image(), cell), "blank");
    return;
  }
  // The solver's placements are drawn as entries; the game is no longer timed and no finish
  // is recorded.
  QCOMPARE(int(play_.state().board[indexOf(cell)]), int(play_.state().solution[indexOf(cell)]));
  QCOMPARE(showsOf(play_.image(), cell), "entry");
  QVERIFY(!play_.state().clockRunning);
  QVERIFY(!play_.window().platform().clockTickRunning());
  QCOMPARE(play_.clockText(), QStringLiteral(" 99:99:99"));
  QCOMPARE(play_.game().finishTime(), std::string("X"));
}

QTEST_MAIN(PlayTest)
#include "play_test.moc"
