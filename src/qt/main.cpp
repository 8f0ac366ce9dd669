// Tessarix: starts the game in its game directory.
#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "app/game_directory.h"
#include "qt/main_window.h"
#include "qt/shipped_files.h"

namespace {

// One line on standard error, and the status of a start that could not be.
int sayAndEnd(const std::string& message) {
  std::cerr << "tessarix: " << message << "\n";
  return 2;
}

// While the window system starts and the game directory is made ready, Qt's warnings wait
// here: said once the window is to open, dropped when the start ends in its one line. When no
// display can be reached, Qt's several lines and its abort become that line and status 2.
std::vector<std::string>* heldWarnings = nullptr;

void windowSystemStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg && text.contains(QStringLiteral("platform plugin"))) {
    sayAndEnd(tessarix::unreachableDisplay(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                           std::getenv("WAYLAND_DISPLAY")));
    std::_Exit(2);
  }
  heldWarnings->push_back(qFormatLogMessage(type, context, text).toStdString());
  if (type == QtFatalMsg)
    for (const std::string& warning : *heldWarnings) std::cerr << warning << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  // The command line first, from the bytes as given: a mistake needs no display, and a path
  // that is not UTF-8 stays the same directory.
  const tessarix::CommandLine line =
      tessarix::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  switch (line.action) {
    case tessarix::CommandLine::Action::Wrong: std::cerr << line.error << "\n"; return 2;
    case tessarix::CommandLine::Action::Help: std::cout << tessarix::helpText(); return 0;
    case tessarix::CommandLine::Action::Version:
      std::cout << "tessarix " TESSARIX_VERSION "\n";
      return 0;
    case tessarix::CommandLine::Action::Play: break;
  }

  // Without a home directory there is no default game directory: one line, nothing made.
  const std::filesystem::path dir =
      !line.dir.empty()
          ? std::filesystem::path(line.dir)
          : tessarix::defaultGameDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (dir.empty()) return sayAndEnd(tessarix::noGameDirectoryMessage());

  // A display next, before anything is made on disk: a session without one is said on one
  // line, and so is a display that is named but cannot be reached.
  const std::string noDisplay = tessarix::missingDisplay(
      std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
  if (!noDisplay.empty()) return sayAndEnd(noDisplay);
  std::vector<std::string> startWarnings;
  heldWarnings = &startWarnings;
  qInstallMessageHandler(windowSystemStart);
  QApplication app(argc, argv);

  // Every print job goes to this PDF file. Its path is taken from where the game was started,
  // before it moves into its directory.
  std::filesystem::path printTo(line.printTo);
  std::error_code printPathError;
  if (!printTo.empty()) printTo = std::filesystem::absolute(printTo, printPathError);
  if (!printTo.empty()) {
    const std::string problem = tessarix::printFileProblem(printTo.string());
    if (!problem.empty()) return sayAndEnd(problem);
  }

  // Every game file is read and written by its bare name inside the game directory. A game
  // directory that cannot be used is said on one line, before any window opens.
  const std::string problem = tessarix::prepareGameDirectory(dir, tessarix::shippedLevelFiles());
  std::error_code ec;
  if (problem.empty()) std::filesystem::current_path(dir, ec);
  if (!problem.empty() || ec)
    return sayAndEnd(problem.empty()
                         ? "Das Spielverzeichnis " + dir.string() + " ist nicht erreichbar."
                         : problem);
  qInstallMessageHandler(nullptr);
  for (const std::string& warning : startWarnings) std::cerr << warning << "\n";

  QApplication::setApplicationName(QStringLiteral("Tessarix"));
  // Qt's own dialogs (the print dialog above all) speak German too, where the translations
  // are installed.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  tessarix::MainWindow window;
  if (!printTo.empty()) window.platform().setPrintFile(printTo.string());
  window.start();
  // On a screen smaller than the window the game starts scaled down, wholly visible.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.fitToScreen(screen->availableGeometry());
  window.show();
  // The game in progress of the last run goes on, over the window as it stands.
  window.resumeGame();
  return QApplication::exec();
}
