// The help window and the about box in the real main window, offscreen: both topics shown from
// where the game asks for them, the links between the pages, one window for all, the message
// when the pages are not there; the about box at its place, its link, and the three ways to
// close it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include "qt/about_dialog.h"
#include "qt/help_window.h"
#include "support/play_window.h"

using namespace tessarix;
using tessarix::testing::PlayWindow;

namespace {

// Where a player clicks the link to href in the page shown: inside its text, scrolled into
// view; (-1, -1) when the page has no such link.
QPoint linkPoint(QTextBrowser* browser, const QString& href) {
  QTextDocument* doc = browser->document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.charFormat().isAnchor() || f.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(doc);
      cursor.setPosition(f.position() + f.length() / 2);
      browser->setTextCursor(cursor);
      browser->ensureCursorVisible();
      return browser->cursorRect(cursor).center();
    }
  return {-1, -1};
}

QUrl pageUrl(const QString& topic) { return QUrl(QStringLiteral("qrc:/Tessarix.chm/") + topic); }

}  // namespace

class HelpAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void topicsOpenInOneWindowWithWorkingLinks_data();
  void topicsOpenInOneWindowWithWorkingLinks();
  void onlyPagesOfTheBundleAreShown_data();
  void onlyPagesOfTheBundleAreShown();
  void escClosesTheHelpAndTheKeyboardGoesBackToTheGame_data();
  void escClosesTheHelpAndTheKeyboardGoesBackToTheGame();
  void missingPagesGiveTheMessage();
  void aboutBoxOpensAtItsPlaceAndCloses_data();
  void aboutBoxOpensAtItsPlaceAndCloses();

 private:
  PlayWindow window_;
};

void HelpAboutTest::init() { QVERIFY(window_.open()); }

void HelpAboutTest::cleanup() {
  window_.window().platform().aboutDialogHook = [](QDialog* d) { d->reject(); };
  window_.close();
}

void HelpAboutTest::topicsOpenInOneWindowWithWorkingLinks_data() {
  QTest::addColumn<QString>("way");
  QTest::addColumn<QString>("topic");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("otherTopic");
  QTest::addColumn<QString>("otherTitle");
  QTest::newRow("menu 60") << "menu" << "Übersicht.htm" << "Übersicht" << "Erklärung.htm"
                           << "Erklärung";
  QTest::newRow("key H") << "key" << "Erklärung.htm" << "Erklärung" << "Übersicht.htm"
                         << "Übersicht";
  QTest::newRow("button Hilfe") << "button" << "Erklärung.htm" << "Erklärung" << "Übersicht.htm"
                                << "Übersicht";
}

void HelpAboutTest::topicsOpenInOneWindowWithWorkingLinks() {
  QFETCH(QString, way);
  QFETCH(QString, topic);
  QFETCH(QString, title);
  QFETCH(QString, otherTopic);
  QFETCH(QString, otherTitle);
  QtPlatform& platform = window_.window().platform();
  const Game::Mode mode = way == "menu" ? Game::Mode::Idle : Game::Mode::Playing;
  if (mode == Game::Mode::Playing) QVERIFY(window_.newGame());
  const auto ask = [&] {
    if (way == "menu")
      QVERIFY(window_.choose(60));
    else if (way == "key")
      window_.type('h');
    else
      window_.clickAt(testing::barButtonRect(BarButton::Hilfe).center());
  };

  ask();
  QTRY_VERIFY(platform.helpWindow());  // a menu command runs once its menu has closed
  HelpWindow* help = platform.helpWindow();
  QTRY_VERIFY(help->isVisible());
  QTextBrowser* browser = help->browser();
  QCOMPARE(browser->source(), pageUrl(topic));
  QCOMPARE(browser->documentTitle(), title);
  QCOMPARE(help->windowTitle(), "Tessarix-Hilfe – " + title);
  QCOMPARE(browser->document()->begin().text().trimmed(), "Tessarix – " + title);
  QVERIFY(help->isWindow());
  QVERIFY(!help->isModal());
  // The game goes on beside the window.
  QVERIFY(window_.messages.isEmpty());
  QCOMPARE(window_.game().mode(), mode);
  QVERIFY(window_.state().clockRunning == (mode == Game::Mode::Playing));

  // The link to the other page opens it in the same window.
  const QPoint link = linkPoint(browser, otherTopic);
  QVERIFY(link.x() >= 0);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
  QTRY_COMPARE(browser->source(), pageUrl(otherTopic));
  QCOMPARE(browser->documentTitle(), otherTitle);
  QCOMPARE(help->windowTitle(), "Tessarix-Hilfe – " + otherTitle);
  QCOMPARE(browser->document()->begin().text().trimmed(), "Tessarix – " + otherTitle);
  QVERIFY(linkPoint(browser, topic).x() >= 0);  // and it links back

  // Asked again, the same window shows the topic again.
  help->close();
  if (mode == Game::Mode::Playing) {
    // The player goes back to the game and asks from there.
    window_.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window_.window()));
    window_.canvas().setFocus();
  }
  ask();
  QTRY_VERIFY(help->isVisible());
  QCOMPARE(platform.helpWindow(), help);
  QCOMPARE(browser->source(), pageUrl(topic));
  int helpWindows = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    helpWindows += qobject_cast<HelpWindow*>(w) != nullptr;
  QCOMPARE(helpWindows, 1);
  QVERIFY(window_.messages.isEmpty());
}

void HelpAboutTest::onlyPagesOfTheBundleAreShown_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("topic");
  QTest::addColumn<bool>("shown");
  QTest::newRow("overview") << "Tessarix.chm" << "Übersicht.htm" << true;
  QTest::newRow("explanation") << "Tessarix.chm" << "Erklärung.htm" << true;
  QTest::newRow("no such topic") << "Tessarix.chm" << "Fehlt.htm" << false;
  QTest::newRow("the bundle itself") << "Tessarix.chm" << "" << false;
  QTest::newRow("another bundle") << "Hilfe.chm" << "Übersicht.htm" << false;
  QTest::newRow("a level file") << "levels" << "leicht.trx" << false;
  QTest::newRow("a way out") << "Tessarix.chm" << "../levels/leicht.trx" << false;
}

void HelpAboutTest::onlyPagesOfTheBundleAreShown() {
  QFETCH(QString, file);
  QFETCH(QString, topic);
  QFETCH(bool, shown);
  QtPlatform& platform = window_.window().platform();
  QCOMPARE(platform.showHelpTopic(file.toStdString(), topic.toStdString()), shown);
  QCOMPARE(platform.helpWindow() != nullptr, shown);
  if (shown) QCOMPARE(platform.helpWindow()->browser()->source(), pageUrl(topic));
}

void HelpAboutTest::escClosesTheHelpAndTheKeyboardGoesBackToTheGame_data() {
  QTest::addColumn<QString>("way");
  QTest::newRow("menu 60") << "menu";
  QTest::newRow("key H") << "key";
}

void HelpAboutTest::escClosesTheHelpAndTheKeyboardGoesBackToTheGame() {
  QFETCH(QString, way);
  MainWindow& main = window_.window();
  QtPlatform& platform = main.platform();
  if (way == "menu")
    QVERIFY(window_.choose(60));
  else
    QVERIFY(window_.newGame());
  if (way == "key") window_.type('h');
  QTRY_VERIFY(platform.helpWindow() && platform.helpWindow()->isVisible());
  HelpWindow* help = platform.helpWindow();
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(help));

  // The 1920-pixel screen has no room for it beside the centred 1280-pixel window: it covers
  // the window's left edge, never the status panel and the clock on the right.
  const QRect helpFrame = help->frameGeometry();
  QCOMPARE(helpFrame.left(), 0);
  const QRect canvasOnScreen(window_.canvas().mapToGlobal(QPoint(0, 0)), window_.canvas().size());
  QVERIFY(helpFrame.right() < canvasOnScreen.left() + 700);
  const QRect clockOnScreen(main.clockLabel().mapToGlobal(QPoint(0, 0)), main.clockLabel().size());
  QVERIFY(!helpFrame.intersects(clockOnScreen));

  // Esc where the keyboard is in the help window (its page) closes it.
  QVERIFY(QApplication::focusWidget());
  QCOMPARE(QApplication::focusWidget()->window(), static_cast<QWidget*>(help));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!help->isVisible());
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&main));
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&window_.canvas()));
  // The Esc was the help window's: a game goes on, and the next keys are the game's.
  QTest::qWait(250);
  if (way == "key") {
    QCOMPARE(window_.game().mode(), Game::Mode::Playing);
    QVERIFY(window_.leaveWithEscape());
  }
  QCOMPARE(window_.game().mode(), Game::Mode::Idle);
  QVERIFY(window_.messages.isEmpty());
}

void HelpAboutTest::missingPagesGiveTheMessage() {
  QVERIFY(!helpPagePath(QStringLiteral("Tessarix.chm"), QStringLiteral("Erklärung.htm")).isEmpty());
  // A program built without its pages.
  Q_CLEANUP_RESOURCE(help);
  const bool gone = !QFileInfo::exists(QStringLiteral(":/Tessarix.chm/Erklärung.htm"));
  if (gone) {
    QVERIFY(window_.newGame());
    window_.type('h');
    window_.type('h');
  }
  Q_INIT_RESOURCE(help);
  QVERIFY(gone);
  const QString message = QStringLiteral("Error while trying to display a topic of Tessarix.chm");
  QCOMPARE(window_.messages, (QStringList{message, message}));
  QVERIFY(!window_.window().platform().helpWindow());
  QCOMPARE(window_.game().mode(), Game::Mode::Playing);
  QVERIFY(window_.state().clockRunning);
}

void HelpAboutTest::aboutBoxOpensAtItsPlaceAndCloses_data() {
  QTest::addColumn<QString>("close");
  QTest::newRow("OK") << "OK";
  QTest::newRow("Esc") << "Esc";
  QTest::newRow("close box") << "close";
}

void HelpAboutTest::aboutBoxOpensAtItsPlaceAndCloses() {
  QFETCH(QString, close);
  MainWindow& main = window_.window();
  QtPlatform& platform = main.platform();
  QStringList opened;
  platform.openUrlHook = [&](const std::string& address) {
    opened << QString::fromStdString(address);
  };
  struct Seen {
    QString name, title;
    QPoint position;
    bool modal = false, blocksTheGame = false, openAfterLink = false, closed = false;
    QStringList texts;
    QString link;
  } seen;
  int shown = 0;
  platform.aboutDialogHook = [&](QDialog* dialog) {
    ++shown;
    if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; })) {
      dialog->reject();
      return;
    }
    seen.name = dialog->objectName();
    seen.title = dialog->windowTitle();
    seen.position = dialog->frameGeometry().topLeft();
    seen.modal = dialog->isModal();
    seen.blocksTheGame = QApplication::activeModalWidget() == dialog;
    for (QLabel* label : dialog->findChildren<QLabel*>()) seen.texts << label->text();
    auto* about = qobject_cast<AboutDialog*>(dialog);
    if (!about) {
      dialog->reject();
      return;
    }
    seen.link = about->linkLabel()->text();
    QTest::mouseClick(about->linkLabel(), Qt::LeftButton);
    seen.openAfterLink = dialog->isVisible();
    if (close == "OK")
      QTest::mouseClick(about->okButton(), Qt::LeftButton);
    else if (close == "Esc")
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                      Qt::Key_Escape);
    else
      dialog->close();
    seen.closed = !dialog->isVisible();
    if (!seen.closed) dialog->reject();
  };

  QVERIFY(window_.choose(1));
  // The command runs once its menu has closed; the box is over when the command returns.
  QTRY_COMPARE(shown, 1);
  QCOMPARE(seen.name, QStringLiteral("Inf"));
  QCOMPARE(seen.position, main.frameGeometry().topLeft() + QPoint(400, 218));
  QVERIFY(seen.modal);
  QVERIFY(seen.blocksTheGame);
  QVERIFY(seen.texts.contains(QStringLiteral("Tessarix")));
  QVERIFY(seen.texts.contains(QStringLiteral("Version " TESSARIX_VERSION)));
  QCOMPARE(seen.link, QStringLiteral("https://codeberg.org/tessarix/tessarix"));
  // The click on the link asks to open the address, and the box stays open.
  QCOMPARE(opened, QStringList{seen.link});
  QVERIFY(seen.openAfterLink);
  QVERIFY(seen.closed);
  // The main window is usable again: no modal box over it, its menu on, the game at rest.
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(main.isEnabled());
  QVERIFY(main.menuBar()->isEnabled());
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&main));
  QCOMPARE(window_.game().mode(), Game::Mode::Idle);
  QVERIFY(window_.messages.isEmpty());
  // And it takes the next command.
  QVERIFY(window_.choose(60));
  QTRY_VERIFY(platform.helpWindow());
}

QTEST_MAIN(HelpAboutTest)
#include "help_about_test.moc"
