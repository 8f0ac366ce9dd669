// The real hall-of-fame and name dialogs, offscreen, opened through the Qt platform as the game
// opens them and driven by real clicks and keys: what the lists show per tab, where the
// dialogs sit, clearing through "&Löschen" and its question, the name typed, accepted or
// cancelled; and a level cleared in the real main window, saved and shown again.
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "extras/hall_of_fame.h"
#include "qt/champion_dialog.h"
#include "qt/hall_of_fame_dialog.h"
#include "qt/qt_platform.h"
#include "support/play_window.h"

using namespace tessarix;

namespace {

// A name of forty characters, wider than the name column, as the list shows it and as the file
// holds it.
const QString longName = QStringLiteral("Wilhelmine Müller-Lüdenscheidt aus Wörth");
const QByteArray longNameBytes =
    "Wilhelmine M\xFCller-L\xFC"
    "denscheidt aus W\xF6rth";

// "Champions.Rhm" in Windows-1252: Leicht ranks 1..3; Mittel a name of forty characters and,
// after it, an entry written by hand whose time cannot be read; Schwer all ten ranks, Extrem
// rank 1 only.
QByteArray fameFileBytes() {
  QByteArray text;
  auto entry = [&](const QByteArray& name, const QByteArray& date, const QByteArray& time) {
    text += name + "\r\n" + date + "\r\n" + time + "\r\n";
  };
  entry("Anna", "01.12.2026", "00:03:10.5");
  entry("B\xE4r", "02.12.2026", "00:04:00.0");
  entry("", "03.12.2026", "00:04:00.0");
  for (int rank = 4; rank <= 10; ++rank) entry("", "", "9");
  entry(longNameBytes, "05.12.2026", "00:09:00.0");
  entry("von Hand", "irgendwann", "etwa 5 Minuten");
  for (int rank = 3; rank <= 10; ++rank) entry("", "", "9");
  for (int rank = 1; rank <= 10; ++rank)
    entry("Schwer " + QByteArray::number(rank), "1" + QByteArray::number(rank - 1) + ".11.2026",
          "00:" + QByteArray::number(10 + rank) + ":00.0");
  entry("J\xFCrgen \x80", "24.12.2025", "01:00:00.9");
  for (int rank = 2; rank <= 10; ++rank) entry("", "", "9");
  return text;
}

// The rows each tab should list: "#", "Name", "Datum", "Zeit".
QList<QList<QStringList>> expectedRows() {
  QList<QList<QStringList>> rows(4);
  rows[0] = {{"1.", "Anna", "01.12.2026", "00:03:10.5"},
             {"2.", "Bär", "02.12.2026", "00:04:00.0"},
             {"3.", "", "03.12.2026", "00:04:00.0"}};
  rows[1] = {{"1.", longName, "05.12.2026", "00:09:00.0"},
             {"2.", "von Hand", "irgendwann", "etwa 5 Minuten"}};
  for (int rank = 1; rank <= 10; ++rank)
    rows[2] << QStringList{QStringLiteral("%1.").arg(rank), QStringLiteral("Schwer %1").arg(rank),
                           QStringLiteral("1%1.11.2026").arg(rank - 1),
                           QStringLiteral("00:%1:00.0").arg(10 + rank)};
  rows[3] = {{"1.", "Jürgen €", "24.12.2025", "01:00:00.9"}};
  return rows;
}

QList<QStringList> rowsOf(QTreeWidget* list) {
  QList<QStringList> rows;
  for (int r = 0; r < list->topLevelItemCount(); ++r) {
    QStringList row;
    for (int c = 0; c < 4; ++c) row << list->topLevelItem(r)->text(c);
    rows << row;
  }
  return rows;
}

QList<QList<QStringList>> allRows(HallOfFameDialog* dialog) {
  QList<QList<QStringList>> rows;
  for (int level = 0; level < 4; ++level) rows << rowsOf(dialog->list(level));
  return rows;
}

// Waits for a dialog shown from a hook to become the active window; false if it never does.
bool waitActive(QDialog* dialog) {
  return QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; });
}

// A step of a player in the hall-of-fame dialog: "tab:N" clicks tab N, "OK" and "Löschen"
// click the buttons, "Esc" and "Return" are keys, "close" the close box.
void performInFame(HallOfFameDialog* dialog, const QString& step) {
  QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
  if (step.startsWith("tab:")) {
    QTabBar* bar = dialog->tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(step.mid(4).toInt()).center());
  } else if (step == "OK") {
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  } else if (step == "Löschen") {
    QTest::mouseClick(dialog->clearButton(), Qt::LeftButton);
  } else if (step == "Esc") {
    QTest::keyClick(focused, Qt::Key_Escape);
  } else if (step == "Return") {
    QTest::keyClick(focused, Qt::Key_Return);
  } else if (step == "close") {
    dialog->close();
  } else {
    QFAIL(qPrintable("unknown step " + step));
  }
}

// A step in the name dialog: "type:TEXT" types into the focused field, "paste:TEXT" puts it
// there at once, "End" moves to its end,
// "clear" empties it by keys, "Return", "Enter" (keypad), "Esc", "Eintragen", "Abbrechen", "close".
void performInName(ChampionDialog* dialog, const QString& step) {
  QWidget* focused = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
  if (step.startsWith("type:")) {
    // Each character as its key with its text (Latin-1 keys carry their upper-case code).
    for (const QChar c : step.mid(5))
      QTest::sendKeyEvent(QTest::Click, focused, Qt::Key(c.toUpper().unicode()), QString(c),
                          Qt::NoModifier);
  } else if (step.startsWith("paste:")) {
    // As the clipboard puts a text in, all at once.
    qobject_cast<QLineEdit*>(focused)->insert(step.mid(6));
  } else if (step == "End") {
    QTest::keyClick(focused, Qt::Key_End);
  } else if (step == "clear") {
    QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused, Qt::Key_Backspace);
  } else if (step == "Return") {
    QTest::keyClick(focused, Qt::Key_Return);
  } else if (step == "Enter") {
    QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
  } else if (step == "Esc") {
    QTest::keyClick(focused, Qt::Key_Escape);
  } else if (step == "Eintragen") {
    QTest::mouseClick(dialog->acceptButton(), Qt::LeftButton);
  } else if (step == "Abbrechen") {
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
  } else if (step == "close") {
    dialog->close();
  } else {
    QFAIL(qPrintable("unknown step " + step));
  }
}

}  // namespace

class HallOfFameDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void listsTheFileInRankOrderOnTheCurrentLevelsTab_data();
  void listsTheFileInRankOrderOnTheCurrentLevelsTab();
  void clearsOrClosesByTheRealButtons_data();
  void clearsOrClosesByTheRealButtons();
  void nameDialogAcceptsOrCancels_data();
  void nameDialogAcceptsOrCancels();
  void clearingSchwerInTheGameSavesAndReopensOnLeicht();
  void aLongNameShowsWholeWhereThePointerRests();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<QWidget> mainWindow_;
  std::unique_ptr<QtPlatform> platform_;
  HallOfFame tables_;
};

void HallOfFameDialogTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  const QString path = dir_->filePath(hallOfFameFile);
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(fameFileBytes());
  file.close();
  QVERIFY(loadHallOfFame(tables_, path.toStdString()).ok);

  mainWindow_ = std::make_unique<QWidget>();
  mainWindow_->resize(320, 200);
  mainWindow_->move(37, 21);
  mainWindow_->show();
  QVERIFY(QTest::qWaitForWindowExposed(mainWindow_.get()));
  platform_ = std::make_unique<QtPlatform>(mainWindow_.get());
}

void HallOfFameDialogTest::cleanup() {
  platform_.reset();
  mainWindow_.reset();
  dir_.reset();
}

void HallOfFameDialogTest::listsTheFileInRankOrderOnTheCurrentLevelsTab_data() {
  QTest::addColumn<int>("level");
  for (int level : {0, 1, 2, 3}) QTest::addRow("level %d", level) << level;
}

void HallOfFameDialogTest::listsTheFileInRankOrderOnTheCurrentLevelsTab() {
  QFETCH(int, level);
  struct Seen {
    QString caption;
    QPoint position;
    QSize size;
    QRect tabs, ok, clear;
    QStringList tabCaptions, buttons;
    int currentTab = -1;
    QList<QList<QStringList>> rows;
    QStringList headers;
    QList<int> widths;
    bool decorated = true;
  } seen;
  platform_->fameDialogHook = [&](QDialog* shown) {
    auto* dialog = qobject_cast<HallOfFameDialog*>(shown);
    if (!dialog || !waitActive(dialog)) {
      shown->reject();
      return;
    }
    seen.caption = dialog->windowTitle();
    seen.position = dialog->frameGeometry().topLeft();
    seen.size = dialog->size();
    seen.tabs = dialog->tabs()->geometry();
    seen.ok = dialog->okButton()->geometry();
    seen.clear = dialog->clearButton()->geometry();
    seen.buttons = {dialog->okButton()->text(), dialog->clearButton()->text()};
    for (int t = 0; t < dialog->tabs()->count(); ++t)
      seen.tabCaptions << dialog->tabs()->tabText(t);
    seen.currentTab = dialog->tabs()->currentIndex();
    seen.rows = allRows(dialog);
    QTreeWidget* list = dialog->list(level);
    for (int c = 0; c < list->columnCount(); ++c) {
      seen.headers << list->headerItem()->text(c);
      seen.widths << list->columnWidth(c);
    }
    seen.decorated = list->rootIsDecorated();
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  };
  QCOMPARE(platform_->showHallOfFame(tables_, level), -1);

  QCOMPARE(seen.caption, QStringLiteral("Ruhmeshalle"));
  QCOMPARE(seen.position, mainWindow_->frameGeometry().topLeft() + QPoint(342, 269));
  QCOMPARE(seen.size, QSize(464, 357));
  QCOMPARE(seen.tabs, QRect(16, 12, 426, 266));
  QCOMPARE(seen.ok, QRect(84, 287, 131, 30));
  QCOMPARE(seen.clear, QRect(240, 287, 131, 30));
  QCOMPARE(seen.buttons, (QStringList{"&OK", "&Löschen"}));
  QCOMPARE(seen.tabCaptions, (QStringList{"Leicht", "Mittel", "Schwer", "Extrem"}));
  QCOMPARE(seen.currentTab, level);
  QCOMPARE(seen.headers, (QStringList{"#", "Name", "Datum", "Zeit"}));
  QCOMPARE(seen.widths, (QList<int>{28, 207, 93, 90}));
  QVERIFY(!seen.decorated);
  const QList<QList<QStringList>> expected = expectedRows();
  for (int l = 0; l < 4; ++l) QCOMPARE(seen.rows[l], expected[l]);
}

void HallOfFameDialogTest::clearsOrClosesByTheRealButtons_data() {
  QTest::addColumn<int>("level");
  QTest::addColumn<QString>("steps");  // the dialog stays open until the last
  QTest::addColumn<int>("answer");     // to "Wirklich löschen?": 0 "&JA", 1 "&NEIN"
  QTest::addColumn<int>("cleared");    // what the dialog returns
  QTest::addColumn<int>("questions");

  QTest::newRow("Löschen, JA: the current tab") << 1 << "Löschen" << 0 << 1 << 1;
  QTest::newRow("Schwer chosen while Leicht, JA") << 0 << "tab:2 Löschen" << 0 << 2 << 1;
  QTest::newRow("Extrem chosen back and forth, JA")
      << 2 << "tab:3 tab:0 tab:3 Löschen" << 0 << 3 << 1;
  QTest::newRow("Löschen, NEIN stays open; OK") << 0 << "tab:2 Löschen OK" << 1 << -1 << 1;
  QTest::newRow("NEIN, then JA on another tab") << 0 << "Löschen tab:3 Löschen" << 1 << 3 << 2;
  QTest::newRow("OK") << 2 << "OK" << 0 << -1 << 0;
  QTest::newRow("Esc") << 3 << "tab:1 Esc" << 0 << -1 << 0;
  QTest::newRow("Return presses OK") << 0 << "Return" << 0 << -1 << 0;
  QTest::newRow("close box") << 1 << "close" << 0 << -1 << 0;
}

void HallOfFameDialogTest::clearsOrClosesByTheRealButtons() {
  QFETCH(int, level);
  QFETCH(QString, steps);
  QFETCH(int, answer);
  QFETCH(int, cleared);
  QFETCH(int, questions);

  // The second question of a row is answered "&JA".
  QStringList asked;
  platform_->answerHook = [&](const std::string& text, const std::vector<std::string>& buttons,
                              int def) {
    asked << QString::fromStdString(text);
    if (buttons != std::vector<std::string>{"&JA", "&NEIN"} || def != 0) return -1;
    return asked.size() == 1 ? answer : 0;
  };
  const QStringList list = steps.split(' ');
  QList<bool> openAfterStep;
  QList<QList<QList<QStringList>>> rowsAfterStep;
  platform_->fameDialogHook = [&](QDialog* shown) {
    auto* dialog = qobject_cast<HallOfFameDialog*>(shown);
    if (!dialog || !waitActive(dialog)) {
      shown->reject();
      return;
    }
    for (const QString& step : list) {
      performInFame(dialog, step);
      openAfterStep << dialog->isVisible();
      rowsAfterStep.append(allRows(dialog));
      if (!dialog->isVisible()) break;
    }
    if (dialog->isVisible()) dialog->reject();
  };
  QCOMPARE(platform_->showHallOfFame(tables_, level), cleared);

  QList<bool> open(list.size(), true);
  open.back() = false;
  QCOMPARE(openAfterStep, open);
  QCOMPARE(asked, QStringList(questions, QStringLiteral("Wirklich löschen?")));
  // The dialog itself clears nothing: the lists stay as they were at every step.
  for (const auto& rows : rowsAfterStep) QCOMPARE(rows, expectedRows());
}

void HallOfFameDialogTest::nameDialogAcceptsOrCancels_data() {
  QTest::addColumn<QString>("prefill");
  QTest::addColumn<QString>("steps");  // the dialog stays open until the last
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<QString>("name");

  const QString forty(fameNameLength, QLatin1Char('k'));
  QTest::newRow("Return keeps the prefill") << "Clara"
                                            << "Return" << true << "Clara";
  // The prefill is selected: typing replaces it, End keeps it.
  QTest::newRow("typed over the prefill") << "Clara"
                                          << "type:Dora Return" << true << "Dora";
  QTest::newRow("typed after the prefill, keypad Enter") << "Clara"
                                                         << "End type:x Enter" << true << "Clarax";
  QTest::newRow("typed into an empty field") << ""
                                             << "type:Dora-Müller Return" << true << "Dora-Müller";
  QTest::newRow("Eintragen") << "Clara"
                             << "End type:y Eintragen" << true << "Claray";
  QTest::newRow("an empty name is accepted") << "Clara"
                                             << "clear Return" << true << "";
  QTest::newRow("the field takes forty characters")
      << ""
      << "type:" + forty + "xyz Return" << true << forty;
  // Only what the file can hold: other characters are refused as they are typed, and forty
  // characters are forty, whatever their bytes.
  QTest::newRow("a character the file cannot hold is refused")
      << "" << QStringLiteral("type:Łukasz Return") << true << "ukasz";
  QTest::newRow("the code page's own characters are taken")
      << "" << QStringLiteral("type:„Zoë“-5€-Œuvre-Ÿ Return") << true
      << QStringLiteral("„Zoë“-5€-Œuvre-Ÿ");
  QTest::newRow("a pasted text the file cannot hold is refused")
      << "Clara" << QStringLiteral("End paste:日本 Return") << true << "Clara";
  QTest::newRow("a pasted emoji is refused")
      << QStringLiteral("Zoë") << QStringLiteral("End paste:😀 Return") << true
      << QStringLiteral("Zoë");
  QTest::newRow("an accent typed after its letter joins it")
      << "" << QStringLiteral("type:Rene\u0301 Return") << true << QStringLiteral("René");
  QTest::newRow("forty characters of two bytes each")
      << ""
      << "type:" + QString(fameNameLength + 3, QChar(0xFC)) + " Return" << true
      << QString(fameNameLength, QChar(0xFC));
  QTest::newRow("a pasted tab shows as the blank it is stored as")
      << "" << QStringLiteral("paste:Anna\tB Return") << true << "Anna B";
  QTest::newRow("Esc") << "Clara"
                       << "type:z Esc" << false << "";
  QTest::newRow("Abbrechen") << "Clara"
                             << "Abbrechen" << false << "";
  QTest::newRow("close box") << "Clara"
                             << "type:q close" << false << "";
}

void HallOfFameDialogTest::nameDialogAcceptsOrCancels() {
  QFETCH(QString, prefill);
  QFETCH(QString, steps);
  QFETCH(bool, accepted);
  QFETCH(QString, name);

  struct Seen {
    QPoint position;
    QString text, selected;
    bool fieldFocused = false;
    int maxLength = 0;
    QString label;
    QStringList buttons;
    QList<bool> openAfterStep;
  } seen;
  const QStringList list = steps.split(' ');
  platform_->championDialogHook = [&](QDialog* shown) {
    auto* dialog = qobject_cast<ChampionDialog*>(shown);
    if (!dialog || !waitActive(dialog)) {
      shown->reject();
      return;
    }
    seen.position = dialog->frameGeometry().topLeft();
    seen.text = dialog->nameField()->text();
    seen.selected = dialog->nameField()->selectedText();
    seen.fieldFocused = QApplication::focusWidget() == dialog->nameField();
    seen.maxLength = dialog->nameField()->maxLength();
    seen.label = dialog->label()->text();
    seen.buttons = {dialog->acceptButton()->text(), dialog->cancelButton()->text()};
    for (const QString& step : list) {
      performInName(dialog, step);
      seen.openAfterStep << dialog->isVisible();
      if (!dialog->isVisible()) break;
    }
    if (dialog->isVisible()) dialog->reject();
  };
  const ChampionPrompt::Answer answer = platform_->askChampionName(prefill.toStdString());

  QCOMPARE(seen.position, mainWindow_->frameGeometry().topLeft() + QPoint(451, 367));
  QCOMPARE(seen.text, prefill);
  QCOMPARE(seen.selected, prefill);
  QVERIFY(seen.fieldFocused);
  QCOMPARE(seen.maxLength, fameNameLength);
  QVERIFY(!seen.label.isEmpty());
  QCOMPARE(seen.buttons, (QStringList{"&Eintragen", "&Abbrechen"}));
  QList<bool> open(list.size(), true);
  open.back() = false;
  QCOMPARE(seen.openAfterStep, open);
  QCOMPARE(answer.accepted, accepted);
  if (accepted) QCOMPARE(QString::fromStdString(answer.name), name);
}

void HallOfFameDialogTest::clearingSchwerInTheGameSavesAndReopensOnLeicht() {
  tessarix::testing::PlayWindow play;
  QVERIFY(play.open([] {
    QFile file(hallOfFameFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fameFileBytes());
  }));
  struct Showing {
    int tab;
    QList<QList<QStringList>> rows;
  };
  QList<Showing> showings;
  // "&Löschen" is answered with the default button, "&JA".
  play.window().platform().fameDialogHook = [&](QDialog* shown) {
    auto* dialog = qobject_cast<HallOfFameDialog*>(shown);
    if (!dialog || !waitActive(dialog)) {
      shown->reject();
      return;
    }
    showings << Showing{dialog->tabs()->currentIndex(), allRows(dialog)};
    if (showings.size() == 1) {
      performInFame(dialog, "tab:2");
      performInFame(dialog, "Löschen");
    }
    if (dialog->isVisible()) performInFame(dialog, "OK");
  };
  QVERIFY(play.choose(50));
  // The menu runs its command once the event loop is back; clearing shows the dialog again.
  QTRY_COMPARE(showings.size(), 2);

  QList<QList<QStringList>> afterClear = expectedRows();
  afterClear[2].clear();
  QCOMPARE(showings[0].tab, 0);
  QCOMPARE(showings[0].rows, expectedRows());
  QCOMPARE(showings[1].tab, 0);
  QCOMPARE(showings[1].rows, afterClear);
  QVERIFY(play.game().ignoreEscape());
  // The file holds the other levels as they were, Schwer empty.
  QByteArray expectedFile = fameFileBytes();
  const qsizetype schwer = expectedFile.indexOf("Schwer 1\r\n");
  const qsizetype extrem = expectedFile.indexOf("J\xFC");
  QByteArray emptyLevel;
  for (int rank = 1; rank <= 10; ++rank) emptyLevel += "\r\n\r\n9\r\n";
  expectedFile.replace(schwer, extrem - schwer, emptyLevel);
  QFile file(QDir(play.directory()).filePath(hallOfFameFile));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), expectedFile);
  QVERIFY(play.messages.isEmpty());
  play.close();
}

// The name column keeps its width, too narrow for a name of forty characters; resting the
// pointer on the name shows it whole.
void HallOfFameDialogTest::aLongNameShowsWholeWhereThePointerRests() {
  QString shownTip;
  int nameWidth = 0, columnWidth = 0;
  platform_->fameDialogHook = [&](QDialog* shown) {
    auto* dialog = qobject_cast<HallOfFameDialog*>(shown);
    if (!dialog || !waitActive(dialog)) {
      shown->reject();
      return;
    }
    QTreeWidget* list = dialog->list(1);
    QTreeWidgetItem* item = list->topLevelItem(0);
    nameWidth = QFontMetrics(list->font()).horizontalAdvance(item->text(1));
    columnWidth = list->columnWidth(1);
    const QPoint at(list->columnViewportPosition(1) + 20, list->visualItemRect(item).center().y());
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    QTest::qWaitFor([] { return QToolTip::isVisible(); });
    shownTip = QToolTip::text();
    QToolTip::hideText();
    dialog->reject();
  };
  QCOMPARE(platform_->showHallOfFame(tables_, 1), -1);
  QVERIFY2(nameWidth > columnWidth, "the name fits its column: nothing to show");
  QCOMPARE(shownTip, longName);
}

QTEST_MAIN(HallOfFameDialogTest)
#include "hall_of_fame_dialog_test.moc"
