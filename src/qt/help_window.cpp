// The help window: its browser, its title and its place beside the main window.
#include "qt/help_window.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/window_placement.h"

// The pages live in a static library, so the linker keeps them only when asked to; once is
// enough for the whole run.
static void registerHelpPages() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(help);
    return true;
  }();
  (void)registered;
}

namespace tessarix {

namespace {
constexpr int helpWidth = 560;
constexpr int helpHeight = 700;

WindowRect rectOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
}  // namespace

QString helpPagePath(const QString& file, const QString& topic) {
  registerHelpPages();
  // A topic is a page of the bundle itself, never a path that leads out of it nor another
  // resource of the program.
  if (file.isEmpty() || file.contains(u'/') || topic.contains(u'/') ||
      !topic.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive))
    return {};
  const QString path = QStringLiteral(":/") + file + u'/' + topic;
  return QFileInfo(path).isFile() ? path : QString();
}

HelpWindow::HelpWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow), browser_(new QTextBrowser(this)) {
  setWindowTitle(QStringLiteral("Tessarix-Hilfe"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  // Links lead to the other page of the bundle; nothing leaves the program.
  browser_->setOpenExternalLinks(false);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tessarix-Hilfe")
                                   : QStringLiteral("Tessarix-Hilfe – ") + title);
  });
  resize(helpWidth, helpHeight);
  // Esc closes the window, wherever in it the keyboard is.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // The keyboard goes back to the game.
  if (mainWindow_ && mainWindow_->isVisible()) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
}

void HelpWindow::showPage(const QString& path) {
  browser_->setSource(QUrl(QStringLiteral("qrc") + path), QTextDocument::HtmlResource);
  if (!placed_) {
    placeBesideMainWindow();
    placed_ = true;
  }
  // Beside the game, which goes on: nothing waits for the window.
  show();
  raise();
  activateWindow();
}

void HelpWindow::placeBesideMainWindow() {
  if (!mainWindow_) return;
  const QScreen* screen = mainWindow_->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const int height = std::min(helpHeight, available.height());
  resize(helpWidth, height);
  const WindowPosition p = besideWindowPosition(
      rectOf(available), rectOf(mainWindow_->frameGeometry()), helpWidth, height);
  move(p.x, p.y);
}

}  // namespace tessarix
