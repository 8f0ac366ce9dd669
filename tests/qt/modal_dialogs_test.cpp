// Every modal dialog of the game, offscreen, opened through the Qt platform and closed with Esc
// as a player would: afterwards the main window is enabled and active again, so that the
// keyboard and the menu's access keys reach it without a click; a question asked over another
// dialog gives the keyboard back to that dialog.
#include <QApplication>
#include <QPrinterInfo>
#include <QtTest>
#include <functional>

#include "support/play_window.h"

using namespace tessarix;
using tessarix::testing::PlayWindow;

namespace {

// Waits for a modal dialog other than `under` to become the active window, then presses Esc
// where the keyboard is. Returns the dialog that was closed, or null when none became active
// (then the dialog is closed all the same, so that the test goes on).
QWidget* escapeTheModalDialog(QWidget* under) {
  QWidget* dialog = nullptr;
  if (!QTest::qWaitFor([&] {
        dialog = QApplication::activeModalWidget();
        return dialog && dialog != under && QApplication::activeWindow() == dialog;
      })) {
    if (dialog && dialog != under) dialog->close();
    return nullptr;
  }
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
  QTest::keyClick(target, Qt::Key_Escape);
  return dialog;
}

}  // namespace

class ModalDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void theMainWindowIsActiveAfterEachDialog_data();
  void theMainWindowIsActiveAfterEachDialog();
  void aQuestionOverADialogGivesTheKeyboardBackToIt();

 private:
  // The platform shows its real dialogs: no hook answers in their place.
  void showRealDialogs();

  PlayWindow window_;
};

void ModalDialogsTest::init() { QVERIFY(window_.open()); }

void ModalDialogsTest::cleanup() { window_.close(); }

void ModalDialogsTest::showRealDialogs() {
  QtPlatform& p = window_.window().platform();
  p.answerHook = nullptr;
  p.messageHook = nullptr;
  p.slotDialogHook = nullptr;
  p.fameDialogHook = nullptr;
  p.championDialogHook = nullptr;
  p.championNameHook = nullptr;
  p.aboutDialogHook = nullptr;
}

void ModalDialogsTest::theMainWindowIsActiveAfterEachDialog_data() {
  QTest::addColumn<QString>("dialog");
  for (const char* d : {"slot dialog", "question", "message", "hall of fame", "name dialog",
                        "about box", "print dialog"})
    QTest::newRow(d) << QString::fromLatin1(d);
}

void ModalDialogsTest::theMainWindowIsActiveAfterEachDialog() {
  QFETCH(QString, dialog);
  MainWindow& main = window_.window();
  QtPlatform& platform = main.platform();
  if (dialog == "print dialog") {
    // Without a default printer the job asks for one; with one, it would print for real.
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer is set up");
    platform.setPrintFile("");
  }
  showRealDialogs();
  QVERIFY(window_.newGame());
  QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&main));

  const std::map<QString, std::function<void()>> open = {
      {"slot dialog", [&] { platform.chooseSlot(SlotPurpose::Load, 0); }},
      {"question",
       [&] { platform.ask("Spiel beenden?", {"&JA", "&NEIN"}, 1, MessageIcon::Question); }},
      {"message", [&] { platform.showMessage("Druckerfehler!"); }},
      {"hall of fame", [&] { platform.showHallOfFame(window_.game().hallOfFame(), 0); }},
      {"name dialog", [&] { platform.askChampionName("Anna"); }},
      {"about box", [&] { platform.showAbout(); }},
      {"print dialog",
       [&] { platform.print("Tessarix", [](Canvas&, int, int) {}); }},
  };
  QWidget* closed = nullptr;
  QTimer::singleShot(0, &main, [&] { closed = escapeTheModalDialog(nullptr); });
  open.at(dialog)();

  QVERIFY(closed);
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(main.isEnabled());
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&main));
  // The keyboard is the game's again: the game goes on, and a key reaches the canvas.
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&window_.canvas()));
  QCOMPARE(window_.game().mode(), Game::Mode::Playing);
  QVERIFY(window_.state().clockRunning);
}

void ModalDialogsTest::aQuestionOverADialogGivesTheKeyboardBackToIt() {
  MainWindow& main = window_.window();
  QtPlatform& platform = main.platform();
  showRealDialogs();
  QWidget* fame = nullptr;
  QWidget* question = nullptr;
  bool fameActiveAfterQuestion = false;
  QTimer::singleShot(0, &main, [&] {
    if (!QTest::qWaitFor([&] {
          fame = QApplication::activeModalWidget();
          return fame && QApplication::activeWindow() == fame;
        }))
      return;
    // The hall of fame asks its "Wirklich löschen?" over itself.
    QTimer::singleShot(0, fame, [&] { question = escapeTheModalDialog(fame); });
    platform.ask("Wirklich löschen?", {"&JA", "&NEIN"}, 0, MessageIcon::Question);
    fameActiveAfterQuestion =
        QTest::qWaitFor([&] { return QApplication::activeWindow() == fame; });
    escapeTheModalDialog(nullptr);
  });
  platform.showHallOfFame(window_.game().hallOfFame(), 0);

  QVERIFY(fame);
  QVERIFY(question);
  QVERIFY(question != fame);
  QVERIFY(fameActiveAfterQuestion);
  QVERIFY(!QApplication::activeModalWidget());
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&main));
}

QTEST_MAIN(ModalDialogsTest)
#include "modal_dialogs_test.moc"
