// The help window: the game's help pages, compiled into the program, in one non-modal window
// beside the main window.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;
class QUrl;

namespace tessarix {

// The resource path of a page (".htm") of a help bundle (":/Tessarix.chm/Übersicht.htm"), or
// an empty text when the bundle holds no such page.
QString helpPagePath(const QString& file, const QString& topic);

// One window for every topic: showing a page again reuses it. The links between the pages work
// inside it; the title follows the page shown. Esc closes it, and the keyboard goes back to the
// main window.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* mainWindow);

  // Shows the page at a resource path from helpPagePath, then shows and raises the window;
  // placed beside the main window the first time it is shown.
  void showPage(const QString& path);
  QTextBrowser* browser() const { return browser_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void placeBesideMainWindow();

  QPointer<QWidget> mainWindow_;
  QTextBrowser* browser_;
  bool placed_ = false;
};

}  // namespace tessarix
