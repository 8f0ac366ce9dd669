// The real slot dialog, offscreen, opened through the Qt platform as the game opens it and
// driven by real key and mouse events sent where a player's would go: its caption, place and
// preselection, and which keys and clicks choose a slot, move the choice or cancel.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "qt/qt_platform.h"
#include "qt/slot_dialog.h"

using namespace tessarix;

Q_DECLARE_METATYPE(tessarix::SlotPurpose)

namespace {

// What a test saw while the dialog was open.
struct Seen {
  QString caption;
  QPoint position;
  QList<bool> checked;
  int focusedSlot = -1;
  QRgb background = 0;
  QString family;
  QList<bool> openAfterStep;  // whether the dialog was still open after each step
};

int slotOfWidget(SlotDialog* dialog, QWidget* widget) {
  for (int slot = 0; slot < 4; ++slot)
    if (dialog->option(slot) == widget) return slot;
  return -1;
}

// A point on an option's round indicator, which a click must hit (as on its caption).
QPoint onIndicator(QRadioButton* option) { return QPoint(6, option->height() / 2); }

// One step of a player, as the tables write it: a typed character ("3", "x"), a key by name
// ("Return", "Enter" on the keypad, "Esc", "Up", "Down", "Space", "Tab", "kp4" the keypad's 4),
// "alt:3" Alt with a key, "focus:N" giving option N (slot 0 to 3) the focus ("focus:OK", "focus:Abbrechen" a button),
// "click:N" a mouse click on it, "off:N" a press on it released outside it, "OK" and "Abbrechen"
// mouse clicks, "close" the close box.
void perform(SlotDialog* dialog, const QString& step) {
  // Keys go where the system would send them: to the widget that has the focus.
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
  static const QMap<QString, Qt::Key> namedKeys = {
      {"Return", Qt::Key_Return}, {"Esc", Qt::Key_Escape},  {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down},     {"Space", Qt::Key_Space}, {"Tab", Qt::Key_Tab}};
  if (namedKeys.contains(step)) {
    QTest::keyClick(target, namedKeys[step]);
  } else if (step == "Enter") {
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
  } else if (step.startsWith("alt:")) {
    QTest::keyClick(target, step.at(4).toLatin1(), Qt::AltModifier);
  } else if (step == "kp4") {
    QTest::keyClick(target, Qt::Key_4, Qt::KeypadModifier);
  } else if (step == "focus:OK") {
    dialog->okButton()->setFocus(Qt::TabFocusReason);
  } else if (step == "focus:Abbrechen") {
    dialog->cancelButton()->setFocus(Qt::TabFocusReason);
  } else if (step.startsWith("focus:")) {
    dialog->option(step.mid(6).toInt())->setFocus(Qt::TabFocusReason);
  } else if (step.startsWith("click:")) {
    QRadioButton* option = dialog->option(step.mid(6).toInt());
    QTest::mouseClick(option, Qt::LeftButton, {}, onIndicator(option));
  } else if (step.startsWith("off:")) {
    QRadioButton* option = dialog->option(step.mid(4).toInt());
    QTest::mousePress(option, Qt::LeftButton, {}, onIndicator(option));
    QTest::mouseRelease(option, Qt::LeftButton, {}, QPoint(-20, option->height() / 2));
  } else if (step == "OK") {
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
  } else if (step == "Abbrechen") {
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
  } else if (step == "close") {
    dialog->close();
  } else {
    QCOMPARE(step.size(), 1);
    QTest::keyClick(target, step.at(0).toLatin1());
  }
}

}  // namespace

class SlotDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void opensWithCaptionPlaceAndPreselection_data();
  void opensWithCaptionPlaceAndPreselection();
  void keysAndClicksChooseOrCancel_data();
  void keysAndClicksChooseOrCancel();

 private:
  // Opens the dialog through the platform, records what it shows, runs the steps and returns
  // the platform's answer. A dialog still open after the steps is cancelled.
  int run(SlotPurpose purpose, int preselected, const QStringList& steps, Seen& seen);

  std::unique_ptr<QWidget> mainWindow_;
  std::unique_ptr<QtPlatform> platform_;
};

void SlotDialogTest::init() {
  mainWindow_ = std::make_unique<QWidget>();
  mainWindow_->resize(320, 200);
  mainWindow_->move(37, 21);
  mainWindow_->show();
  QVERIFY(QTest::qWaitForWindowExposed(mainWindow_.get()));
  platform_ = std::make_unique<QtPlatform>(mainWindow_.get());
}

void SlotDialogTest::cleanup() {
  platform_.reset();
  mainWindow_.reset();
}

int SlotDialogTest::run(SlotPurpose purpose, int preselected, const QStringList& steps,
                        Seen& seen) {
  platform_->slotDialogHook = [&](QDialog* shown) {
    auto* dialog = qobject_cast<SlotDialog*>(shown);
    if (!dialog) {
      shown->reject();
      return;
    }
    // A window counts as active while its transient parent has the focus, so wait for the
    // dialog itself to become the application's active window.
    if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; })) {
      dialog->reject();
      return;
    }
    seen.caption = dialog->windowTitle();
    seen.position = dialog->frameGeometry().topLeft();
    for (int slot = 0; slot < 4; ++slot) seen.checked << dialog->option(slot)->isChecked();
    seen.focusedSlot = slotOfWidget(dialog, QApplication::focusWidget());
    seen.background = dialog->grab().toImage().pixel(1, 1);
    seen.family = QFontInfo(dialog->option(0)->font()).family();
    for (const QString& step : steps) {
      perform(dialog, step);
      seen.openAfterStep << dialog->isVisible();
      if (!dialog->isVisible()) break;
    }
    if (dialog->isVisible()) dialog->reject();
  };
  const int answer = platform_->chooseSlot(purpose, preselected);
  platform_->slotDialogHook = nullptr;
  return answer;
}

void SlotDialogTest::opensWithCaptionPlaceAndPreselection_data() {
  QTest::addColumn<SlotPurpose>("purpose");
  QTest::addColumn<int>("preselected");
  QTest::addColumn<QString>("caption");

  QTest::newRow("load, slot 1") << SlotPurpose::Load << 0 << "Welches Brett laden?";
  QTest::newRow("save, slot 3") << SlotPurpose::Save << 2 << "Sichern unter ...";
  QTest::newRow("load, slot 4") << SlotPurpose::Load << 3 << "Welches Brett laden?";
}

void SlotDialogTest::opensWithCaptionPlaceAndPreselection() {
  QFETCH(SlotPurpose, purpose);
  QFETCH(int, preselected);
  QFETCH(QString, caption);

  Seen seen;
  QCOMPARE(run(purpose, preselected, {}, seen), -1);
  QCOMPARE(seen.caption, caption);
  QCOMPARE(seen.position, mainWindow_->frameGeometry().topLeft() + QPoint(960, 600));
  QList<bool> expected(4, false);
  expected[preselected] = true;
  QCOMPARE(seen.checked, expected);
  QCOMPARE(seen.focusedSlot, preselected);
  // The window's colour, 0xD0C9B4 written blue-green-red.
  QCOMPARE(seen.background, qRgb(180, 201, 208));
  QCOMPARE(seen.family, QStringLiteral("Liberation Sans"));
}

void SlotDialogTest::keysAndClicksChooseOrCancel_data() {
  QTest::addColumn<int>("preselected");
  QTest::addColumn<QString>("steps");  // all but the last must leave the dialog open
  QTest::addColumn<int>("answer");

  // "1" to "4" choose at once, wherever the focus is.
  QTest::newRow("3 over slot 1") << 0 << "3" << 2;
  QTest::newRow("1 over slot 4") << 3 << "1" << 0;
  QTest::newRow("keypad 4") << 1 << "kp4" << 3;
  QTest::newRow("4 after Tab") << 0 << "Tab 4" << 3;
  QTest::newRow("2 on the OK button") << 3 << "focus:OK 2" << 1;
  // Enter takes the option that has the focus, not the checked one.
  QTest::newRow("Return on the preselection") << 2 << "Return" << 2;
  QTest::newRow("Return on a focused option") << 1 << "focus:3 Return" << 3;
  QTest::newRow("keypad Enter on a focused option") << 2 << "focus:0 Enter" << 0;
  QTest::newRow("Return on OK") << 1 << "Down focus:OK Return" << 2;
  QTest::newRow("Return on Abbrechen") << 1 << "focus:Abbrechen Return" << -1;
  // Arrow keys and Space only move the choice; OK takes the checked option.
  QTest::newRow("OK takes the checked, not the focused") << 1 << "focus:3 OK" << 1;
  QTest::newRow("Down twice, then OK") << 0 << "Down Down OK" << 2;
  QTest::newRow("Up, then OK") << 2 << "Up OK" << 1;
  QTest::newRow("Space on a focused option, then OK") << 1 << "focus:3 Space OK" << 3;
  QTest::newRow("Down, then Return") << 0 << "Down Return" << 1;
  // Cancelling, also after the choice moved.
  QTest::newRow("Esc") << 2 << "Esc" << -1;
  QTest::newRow("Esc after Down") << 0 << "Down Esc" << -1;
  QTest::newRow("Abbrechen") << 1 << "Abbrechen" << -1;
  QTest::newRow("Abbrechen after Space") << 1 << "focus:2 Space Abbrechen" << -1;
  QTest::newRow("close box") << 3 << "close" << -1;
  // An option's access key chooses it at once, as a click does.
  QTest::newRow("Alt+3 over slot 1") << 0 << "alt:3" << 2;
  QTest::newRow("Alt+1 over slot 4") << 3 << "alt:1" << 0;
  QTest::newRow("Alt+4 after Down") << 0 << "Down alt:4" << 3;
  QTest::newRow("Alt+2 on the checked option") << 1 << "alt:2" << 1;
  // A mouse click on an option chooses it at once; a press released outside does not.
  QTest::newRow("click another option") << 0 << "click:2" << 2;
  QTest::newRow("click the checked option") << 1 << "click:1" << 1;
  QTest::newRow("press released outside") << 0 << "off:3 OK" << 0;
  // Every other key does nothing.
  QTest::newRow("letters, 0 and 5") << 1 << "x a o 0 5 OK" << 1;
}

void SlotDialogTest::keysAndClicksChooseOrCancel() {
  QFETCH(int, preselected);
  QFETCH(QString, steps);
  QFETCH(int, answer);

  const QStringList list = steps.split(' ');
  Seen seen;
  QCOMPARE(run(SlotPurpose::Save, preselected, list, seen), answer);
  QList<bool> open(list.size(), true);
  open.back() = false;
  QCOMPARE(seen.openAfterStep, open);
}

QTEST_MAIN(SlotDialogTest)
#include "slot_dialog_test.moc"
